#pragma once

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// A settings folder of the test executable's own, so that test programs running side by side
// never change each other's settings. Create it in initTestCase, before any settings are read.
class UstawieniaTestowe
{
  public:
    UstawieniaTestowe()
    {
        QVERIFY(m_katalog.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_katalog.path()));
        QVERIFY2(magazyn().fileName().startsWith(m_katalog.path()), qPrintable(magazyn().fileName()));
    }

    static void Wyczysc() { magazyn().clear(); }
    // The settings file, for a test that writes it as an operator would by hand.
    static QString Plik() { return magazyn().fileName(); }

  private:
    static QSettings magazyn()
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kalbor"),
                         QStringLiteral("Kalbor"));
    }

    QTemporaryDir m_katalog;
};
