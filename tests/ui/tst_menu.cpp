// The main window's menus and toolbar: control mode and the items it enables, the stage and lock
// commands in the queue, the window toggles, the monitoring log, the toolbar's dispatch by key and
// deleting a regulator's row.
#include "MenuGlowne.h"
#include "OknaTestowe.h"
#include "PoleceniaRegulatora.h"
#include "PortQt.h"
#include "PrzelaczanieOkien.h"
#include "TestSupport.h"
#include "clRegulator.h"
#include "clsKolejka.h"
#include "clsWizual.h"
#include "fmAlarmyN.h"
#include "fmGlowny.h"
#include "fmpanel.h"
#include "frmDane.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSqlQuery>
#include <QTest>

namespace {

// The main window over two regulators, KB-02 current, the notification object writing its menus.
struct Menu
{
    Menu()
    {
        s.dodajRegulator(QStringLiteral("KB-01"), 1);
        s.dodajRegulator(QStringLiteral("KB-02"), 2);
        s.wczytaj();
        s.app->NrAktRegulatora = 2;
        s.uslugi.oKolejka = &kolejka;
        wizual.Cele().menu = &okno.Menu();
        okna().TworzPanel = [this] { return new fmpanel(s.uslugi, wizual, okna()); };
        okna().TworzDane = [this] { return new frmDane(s.uslugi, wizual, okna()); };
    }
    PrzelaczanieOkien& okna() { return okno.Menu().Okna(); }
    QAction* akcja(const char* nazwa) { return okno.findChild<QAction*>(QLatin1String(nazwa)); }
    clRegulator& r() { return s.regulatory->Item(2); }
    QStringList kolejkaTekst() const { return tekstKolejki(kolejka); }

    Srodowisko s;
    clsKolejka kolejka{s.uslugi};
    Cisza cisza;
    clsWizual wizual{s.uslugi, cisza};
    PortQt port;
    fmGlowny okno{s.uslugi, port};
};

} // namespace

class TestMenu : public QObject
{
    Q_OBJECT
  private slots:
    void trybSterowania();
    void polecenieStopnia_data();
    void polecenieStopnia();
    void blokadaDwaRazy();
    void monitoringZawszeWLogu();
    void przelacznikOkna_data();
    void przelacznikOkna();
    void toolbarAction_data();
    void toolbarAction();
    void usuwanie_data();
    void usuwanie();
};

// The notification object reaches the right items: those it enables start disabled.
void TestMenu::trybSterowania()
{
    Menu m;
    const char* const zalezne[] = {"mnuRegulZablok", "mnuRegulBatZal", "mnuRegulBatTestuj"};
    for (bool tryb : {false, true, false}) {
        for (const char* nazwa : zalezne)
            QCOMPARE(m.akcja(nazwa)->isEnabled(), tryb);
        m.wizual.eZmianaTrybuSterowania(!tryb);
        QCOMPARE(m.akcja("mnuSterWlacz")->text(),
                 tryb ? QStringLiteral("Włącz tryb sterowania") : QStringLiteral("Wyłącz tryb sterowania"));
    }
}

void TestMenu::polecenieStopnia_data()
{
    QTest::addColumn<int>("stopien");
    QTest::addColumn<QStringList>("kolejka");
    QTest::addColumn<QStringList>("komunikaty");
    QTest::newRow("no stage selected")
        << 0 << QStringList{} << QStringList{"Proszę najpierw zaznaczyć stopień!"};
    QTest::newRow("stage 3, on") << 3 << QStringList{"2 UstawKondensator 2,false"} << QStringList{};
    QTest::newRow("stage 9, off") << 9 << QStringList{"2 UstawKondensator 8,true"} << QStringList{};
}

void TestMenu::polecenieStopnia()
{
    QFETCH(int, stopien);
    QFETCH(QStringList, kolejka);
    QFETCH(QStringList, komunikaty);
    Menu m;
    m.r().NrAktBaterii = quint8(stopien);
    m.r().Stan.StanDiod1 = quint8(~0x04); // active-low: stage 3 on
    m.r().Stan.StanDiod2 = 0x80;          // stage 9 off
    m.wizual.eZmianaTrybuSterowania(true);
    m.akcja("mnuRegulBatZal")->trigger();
    QCOMPARE(m.kolejkaTekst(), kolejka);
    QCOMPARE(m.s.komunikaty.teksty, komunikaty);
    if (!komunikaty.isEmpty())
        QCOMPARE(m.s.komunikaty.tytuly, QStringList{"Kalbor"});
}

// The lock state changes only when a command has run, so both ask for the same state.
void TestMenu::blokadaDwaRazy()
{
    Menu m;
    m.wizual.eZmianaTrybuSterowania(true);
    m.akcja("mnuRegulZablok")->trigger();
    m.akcja("mnuRegulZablok")->trigger();
    m.r().Zablokowany = true;
    m.akcja("mnuRegulZablok")->trigger();
    QCOMPARE(m.kolejkaTekst(), QStringList({"2 Blokuj true", "2 Blokuj true", "2 Blokuj false"}));
}

void TestMenu::monitoringZawszeWLogu()
{
    Menu m;
    m.akcja("Monit")->trigger();         // the toolbar button, pressed
    m.akcja("mnuregulmonit")->trigger(); // the menu item, unchecked
    m.okna().UstawMonitoring(false);     // already off
    QVERIFY(!m.r().Monitoring);
    QVERIFY(!m.s.regulatory->Item(1).Monitoring);
    QVERIFY(!m.akcja("Monit")->isChecked());
    QCOMPARE(m.s.wartosc(QStringLiteral(
                             "SELECT group_concat(Operacja || '|' || Status || Typ || '|' || Kod_Regul, ';') "
                             "FROM Log"))
                 .toString(),
             QStringLiteral("Włączono monitoring|NM|KB-02;Wyłączono monitoring|NM|KB-02;"
                            "Wyłączono monitoring|NM|KB-02"));
    m.wizual.eZmianaRegulatora(1); // follows the new current regulator, no action
    m.s.regulatory->Item(1).Monitoring = true;
    m.wizual.eZmianaRegulatora(1);
    QVERIFY(m.akcja("Monit")->isChecked());
    QCOMPARE(m.s.liczWiersze(QStringLiteral("Log")), 3);
}

void TestMenu::przelacznikOkna_data()
{
    QTest::addColumn<QString>("klucz");
    QTest::addColumn<QString>("pozycja");
    QTest::addColumn<bool>("maOkno");
    QTest::newRow("panel") << "Panel"
                           << "mnuRegulPanel" << true;
    QTest::newRow("data") << "Dane"
                          << "mnureguldane" << true;
    QTest::newRow("panel not built yet") << "Panel"
                                         << "mnuRegulPanel" << false;
}

// Window, check mark and button stay equal whoever opens or closes the window.
void TestMenu::przelacznikOkna()
{
    QFETCH(QString, klucz);
    QFETCH(QString, pozycja);
    QFETCH(bool, maOkno);
    Menu m;
    if (!maOkno)
        m.okna().TworzPanel = {};
    m.okno.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m.okno));
    QAction* przycisk = m.okno.findChild<QAction*>(klucz);
    QAction* zaznaczenie = m.okno.findChild<QAction*>(pozycja);
    const auto podokno = [&] { return klucz == u"Panel" ? m.okna().Panel() : m.okna().Dane(); };
    const auto stan = [&] {
        return QStringLiteral("%1%2%3")
            .arg(podokno() != nullptr)
            .arg(zaznaczenie->isChecked())
            .arg(przycisk->isChecked());
    };
    przycisk->trigger();
    QCOMPARE(stan(), maOkno ? QStringLiteral("111") : QStringLiteral("000"));
    if (!maOkno)
        return;
    QCOMPARE(m.okno.Obszar()->subWindowList().size(), 1);
    podokno()->close(); // the window's own close box
    QCOMPARE(stan(), QStringLiteral("000"));
    przycisk->trigger();
    przycisk->trigger(); // released: the window closes
    QCOMPARE(stan(), QStringLiteral("000"));
    m.okna().PokazPanel(false); // closing what is closed changes nothing
    m.okna().PokazDane(false);
    QCOMPARE(stan(), QStringLiteral("000"));
}

void TestMenu::toolbarAction_data()
{
    QTest::addColumn<QString>("klucz");
    QTest::addColumn<QString>("skutek");
    QTest::newRow("Panel") << "Panel"
                           << "Panel";
    QTest::newRow("Dane") << "Dane"
                          << "Dane";
    QTest::newRow("Monit") << "Monit"
                           << "Monit";
    QTest::newRow("Alarm") << "Alarm"
                           << "Alarm";
    QTest::newRow("case matters") << "panel"
                                  << "";
    QTest::newRow("Komun") << "Komun"
                           << "";
    QTest::newRow("no window yet") << "Wykresy"
                                   << "";
}

void TestMenu::toolbarAction()
{
    QFETCH(QString, klucz);
    QFETCH(QString, skutek);
    Menu m;
    m.okno.show();
    QVERIFY(QTest::qWaitForWindowActive(&m.okno));
    QMdiSubWindow* alarmy = fmAlarmyN::OtworzW(m.okno.Obszar(), m.s.uslugi);
    m.okno.Obszar()->addSubWindow(new QWidget)->show(); // in front of the alarms
    m.okno.Menu().ToolbarAction(klucz, true);
    QStringList skutki;
    if (m.okna().Panel())
        skutki << QStringLiteral("Panel");
    if (m.okna().Dane())
        skutki << QStringLiteral("Dane");
    if (m.r().Monitoring)
        skutki << QStringLiteral("Monit");
    if (m.okno.Obszar()->activeSubWindow() == alarmy)
        skutki << QStringLiteral("Alarm");
    QCOMPARE(skutki.join(u','), skutek);
}

void TestMenu::usuwanie_data()
{
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("razy");
    QTest::addColumn<QString>("zostaje"); // codes left with address 2
    QTest::addColumn<QStringList>("komunikaty");
    const QString poRestarcie =
        QStringLiteral("Nowe ustawienia zostaną uwzględnione po ponownym uruchomieniu programu Kalbor.");
    QTest::newRow("cancel") << false << 1 << "KB-02,KB-02x" << QStringList{};
    QTest::newRow("ok: the first row only") << true << 1 << "KB-02x" << QStringList{poRestarcie};
    QTest::newRow("no row left") << true << 3 << ""
                                 << QStringList{poRestarcie, poRestarcie,
                                                "W bazie danych nie ma już regulatora o adresie 2."};
}

void TestMenu::usuwanie()
{
    QFETCH(bool, ok);
    QFETCH(int, razy);
    QFETCH(QString, zostaje);
    QFETCH(QStringList, komunikaty);
    Menu m;
    m.s.dodajRegulator(QStringLiteral("KB-02x"), 2); // a second row with the same address
    QStringList pytania;
    m.okno.Menu().Polecenia().Pytaj = [&](const QString& tytul, const QString& tekst) {
        pytania << tytul + u'|' + tekst;
        return ok;
    };
    for (int i = 0; i < razy; ++i)
        m.akcja("mnuRegulUsun")->trigger();
    QCOMPARE(pytania.size(), razy);
    QCOMPARE(pytania[0], QStringLiteral("UWAGA|Czy napewno usunąć wybrany regulator z systemu Kalbor?"));
    QCOMPARE(m.s.wartosc(QStringLiteral("SELECT group_concat(Kod, ',') FROM Regulatory WHERE Adres = 2"))
                 .toString(),
             zostaje);
    QCOMPARE(m.s.wartosc(QStringLiteral("SELECT Kod FROM Regulatory WHERE Adres <> 2")).toString(), u"KB-01");
    QCOMPARE(m.s.komunikaty.teksty, komunikaty);
    QCOMPARE(m.s.regulatory->Count(), 2); // still polled until the next start
}

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
