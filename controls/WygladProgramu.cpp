#include "WygladProgramu.h"

#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QFont>
#include <QLayout>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
QLocale lokalizacjaOperatora()
{
    return QLocale(QLocale::Polish, QLocale::Poland);
}
} // namespace

void UstawWygladProgramu()
{
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
    // "qt" gathers the catalogues of every Qt module; without the translations package the
    // standard texts stay English and nothing else changes.
    auto* qt = new QTranslator(qApp);
    if (qt->load(lokalizacjaOperatora(), QStringLiteral("qt"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        qWarning("Qt's Polish translations are not installed: standard buttons stay English");
}

void StalyRozmiar(QDialog& dialog)
{
    dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

QDateEdit* PoleDaty(const QDate& data, QWidget* parent)
{
    auto* pole = new QDateEdit(parent);
    const QLocale polski = lokalizacjaOperatora();
    pole->setLocale(polski);
    pole->setDisplayFormat(polski.dateFormat(QLocale::ShortFormat));
    pole->setCalendarPopup(true);
    pole->setDate(data);
    return pole;
}
