// The alarm archive: which stored alarms one regulator's calendar day shows, how their times
// read, the day arrows, and opening the window once.
#include "GlownaTestuOkien.h"
#include "OknaTestowe.h"
#include "TestSupport.h"
#include "Twipy.h"
#include "fmAlarmyArch.h"

#include <QComboBox>
#include <QDateEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QTreeWidget>

namespace {

// Regulators KB-01 and KB-02 with alarms about the day 2003-12-17 and its neighbours.
struct Archiwum : StanowiskoOkien
{
    Archiwum()
    {
        alarm("2003-12-16 23:59:59", "KB-01", "przed północą");
        alarm("2003-12-17 00:00:00", "KB-01", "o północy", "2003-12-17 00:05:00", "2003-12-17 01:00:00");
        alarm("2003-12-17 23:59:59", "KB-01", "aktywny");
        alarm("2003-12-18 00:00:00", "KB-01", "następny dzień");
        alarm("2003-12-17 10:00:00", "KB-02", "inny regulator");
        okno = std::make_unique<fmAlarmyArch>(s.uslugi);
    }
    void alarm(const char* data, const char* kod, const char* tresc, const char* potw = nullptr,
               const char* dezakt = nullptr)
    {
        QSqlQuery q(s.baza->db());
        q.prepare(QStringLiteral("INSERT INTO Alarmy (Data, Kod_Regul, Tresc, Data_potw, data_dezakt) "
                                 "VALUES (?, ?, ?, ?, ?)"));
        for (const char* v : {data, kod, tresc, potw, dezakt})
            q.addBindValue(v ? QVariant(QString::fromUtf8(v)) : QVariant(QMetaType(QMetaType::QString)));
        QVERIFY(q.exec());
    }
    template <typename T> T* element(const char* nazwa) const
    {
        return okno->findChild<T*>(QLatin1String(nazwa));
    }
    QStringList wiersze() const
    {
        QStringList w;
        const QTreeWidget* lista = element<QTreeWidget>("lstAlarmy");
        for (int i = 0; i < lista->topLevelItemCount(); ++i) {
            QStringList kolumny;
            for (int k = 0; k < lista->columnCount(); ++k)
                kolumny << lista->topLevelItem(i)->text(k);
            w << kolumny.join(u'|');
        }
        return w;
    }
    void pokazDzien(QDate dzien, int regulator = 0)
    {
        element<QDateEdit>("dtData")->setDate(dzien);
        element<QComboBox>("cmbRegul")->setCurrentIndex(regulator);
        okno->WczytajAlarmy();
    }

    std::unique_ptr<fmAlarmyArch> okno;
};

} // namespace

class TestArchiwum : public QObject
{
    Q_OBJECT
  private slots:
    // Dates read day.month.two-digit year, whatever the machine's language.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void dzien_data();
    void dzien();
    void strzalki_data();
    void strzalki();
    void wyborBezPrzeladowania();
    void jednoOkno();
};

void TestArchiwum::dzien_data()
{
    QTest::addColumn<QDate>("dzien");
    QTest::addColumn<int>("regulator");
    QTest::addColumn<QStringList>("wiersze");
    const QDate d17(2003, 12, 17);
    QTest::newRow("midnight opens the day, 23:59:59 closes it")
        << d17 << 0
        << QStringList{"17.12.03 00:00:00|KB-01|o północy|17.12.03 00:05:00|17.12.03 01:00:00",
                       "17.12.03 23:59:59|KB-01|aktywny||"};
    QTest::newRow("other regulator's alarms apart")
        << d17 << 1 << QStringList{"17.12.03 10:00:00|KB-02|inny regulator||"};
    QTest::newRow("no regulator chosen finds nothing") << d17 << -1 << QStringList{};
}

void TestArchiwum::dzien()
{
    QFETCH(QDate, dzien);
    QFETCH(int, regulator);
    QFETCH(QStringList, wiersze);
    Archiwum a;
    a.pokazDzien(QDate(2003, 12, 16)); // the previous result is replaced, not added to
    a.pokazDzien(dzien, regulator);
    QCOMPARE(a.wiersze(), wiersze);
}

void TestArchiwum::strzalki_data()
{
    QTest::addColumn<QDate>("od");
    QTest::addColumn<QString>("przycisk");
    QTest::addColumn<QDate>("na");
    QTest::addColumn<int>("wierszy");
    QTest::newRow("back onto the day") << QDate(2003, 12, 18) << "btnLewo" << QDate(2003, 12, 17) << 2;
    QTest::newRow("forward onto the day") << QDate(2003, 12, 16) << "btnPrawo" << QDate(2003, 12, 17) << 2;
}

void TestArchiwum::strzalki()
{
    QFETCH(QDate, od);
    QFETCH(QString, przycisk);
    QFETCH(QDate, na);
    QFETCH(int, wierszy);
    Archiwum a;
    a.pokazDzien(QDate(2003, 12, 16));
    a.element<QDateEdit>("dtData")->setDate(od);
    a.okno->findChild<QPushButton*>(przycisk)->click();
    QCOMPARE(a.element<QDateEdit>("dtData")->date(), na);
    QCOMPARE(a.wiersze().size(), wierszy);
}

// The current regulator and today are chosen at opening; another choice waits for "Odśwież".
void TestArchiwum::wyborBezPrzeladowania()
{
    Archiwum a;
    QCOMPARE(a.element<QComboBox>("cmbRegul")->currentText(), QStringLiteral("KB-01"));
    QCOMPARE(a.element<QComboBox>("cmbRegul")->itemData(1).toInt(), 2);
    QCOMPARE(a.element<QDateEdit>("dtData")->date(), a.s.zegar.czas.date());
    QVERIFY(a.wiersze().isEmpty());
    a.element<QComboBox>("cmbRegul")->setCurrentIndex(1);
    QVERIFY(a.wiersze().isEmpty());
    a.element<QPushButton>("cmdOdswiez")->click();
    QCOMPARE(a.wiersze().size(), 1);
}

// A second opening brings the open window forward with the operator's choices; a closed one is
// destroyed and the next opening starts afresh.
void TestArchiwum::jednoOkno()
{
    Archiwum a;
    a.s.app->NrAktRegulatora = 2;
    QMdiArea obszar;
    obszar.show();
    QPointer<fmAlarmyArch> pierwsze = fmAlarmyArch::Otworz(obszar, a.s.uslugi);
    QCOMPARE(pierwsze->parentWidget()->width(), twipyNaPiksele(10600, pierwsze));
    pierwsze->findChild<QComboBox*>(QStringLiteral("cmbRegul"))->setCurrentIndex(0);
    QCOMPARE(fmAlarmyArch::Otworz(obszar, a.s.uslugi), pierwsze.data());
    QCOMPARE(obszar.subWindowList().size(), 1);
    QCOMPARE(pierwsze->findChild<QComboBox*>(QStringLiteral("cmbRegul"))->currentText(),
             QStringLiteral("KB-01"));

    pierwsze->parentWidget()->resize(pierwsze->parentWidget()->width(), 40);
    QCOMPARE(pierwsze->findChild<QTreeWidget*>(QStringLiteral("lstAlarmy"))->height(), 0);

    obszar.closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(pierwsze.isNull());
    fmAlarmyArch* drugie = fmAlarmyArch::Otworz(obszar, a.s.uslugi);
    QCOMPARE(drugie->findChild<QComboBox*>(QStringLiteral("cmbRegul"))->currentText(),
             QStringLiteral("KB-02"));
}

KALBOR_TEST_OKIEN(TestArchiwum)
#include "tst_archiwum.moc"
