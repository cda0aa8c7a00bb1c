// The main window's menus and toolbar: control mode and the items it enables, the stage and lock
// commands in the queue, the window toggles, the monitoring log, the toolbar's dispatch by key and
// deleting a regulator's row.
#include "GlownaTestuOkien.h"
#include "MenuGlowne.h"
#include "OknaTestowe.h"
#include "PoleceniaRegulatora.h"
#include "PrzelaczanieOkien.h"
#include "clRegulator.h"
#include "fmAlarmyN.h"
#include "fmWykresy1.h"
#include "fmpanel.h"
#include "frmDane.h"

namespace {

// The main window over two regulators, KB-02 current, with the real panel and data windows.
struct Menu : StanowiskoGlowne
{
    Menu()
    {
        s.dodajRegulator(u"KB-01"_qs, 1);
        s.dodajRegulator(u"KB-02"_qs, 2);
        s.wczytaj();
        s.app->NrAktRegulatora = 2;
        okna().TworzPanel = [this] { return new fmpanel(s.uslugi, wizual, okna()); };
        okna().TworzDane = [this] { return new frmDane(s.uslugi, wizual, okna()); };
    }
    PrzelaczanieOkien& okna() { return okno.Menu().Okna(); }
    clRegulator& r() { return s.regulatory->Item(2); }
    // The current regulator becomes `nr`, as a click in a tree makes it.
    void wybierz(int nr)
    {
        s.app->NrAktRegulatora = qint16(nr);
        wizual.eZmianaRegulatora(nr);
    }
};

using Krok = std::function<void(Menu&)>;

} // namespace

Q_DECLARE_METATYPE(Krok)

class TestMenu : public QObject
{
    Q_OBJECT
  private slots:
    void trybSterowania();
    void polecenia_data();
    void polecenia();
    void monitoringZawszeWLogu();
    void monitoringFollowsCurrentRegulator_data();
    void monitoringFollowsCurrentRegulator();
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
    for (bool tryb : {false, true, false}) {
        for (const char* nazwa : {"mnuRegulZablok", "mnuRegulBatZal", "mnuRegulBatTestuj"})
            QCOMPARE(m.akcja(nazwa)->isEnabled(), tryb);
        m.wizual.eZmianaTrybuSterowania(!tryb);
        QCOMPARE(m.akcja("mnuSterWlacz")->text(),
                 tryb ? u"Włącz tryb sterowania" : u"Wyłącz tryb sterowania");
    }
}

void TestMenu::polecenia_data()
{
    QTest::addColumn<QString>("pozycja");
    QTest::addColumn<int>("stopien");
    QTest::addColumn<QStringList>("kolejka");
    QTest::addColumn<QStringList>("komunikaty");
    const QString bateria = u"mnuRegulBatZal"_qs;
    QTest::newRow("no stage selected")
        << bateria << 0 << QStringList{} << QStringList{"Proszę najpierw zaznaczyć stopień!"};
    QTest::newRow("stage 3, on") << bateria << 3 << QStringList{"2 UstawKondensator 2,false"}
                                 << QStringList{};
    QTest::newRow("stage 9, off") << bateria << 9 << QStringList{"2 UstawKondensator 8,true"}
                                  << QStringList{};
    // The lock state changes only when a command has run, so both clicks ask for the same state.
    QTest::newRow("lock twice") << u"mnuRegulZablok"_qs << 0 << QStringList{"2 Blokuj true", "2 Blokuj true"}
                                << QStringList{};
}

void TestMenu::polecenia()
{
    QFETCH(QString, pozycja);
    QFETCH(int, stopien);
    QFETCH(QStringList, kolejka);
    QFETCH(QStringList, komunikaty);
    Menu m;
    m.r().NrAktBaterii = quint8(stopien);
    m.r().Stan.StanDiod1 = quint8(~0x04); // active-low: stage 3 on
    m.r().Stan.StanDiod2 = 0x80;          // stage 9 off
    m.wizual.eZmianaTrybuSterowania(true);
    for (qsizetype i = 0; i < std::max<qsizetype>(kolejka.size(), 1); ++i)
        m.akcja(qPrintable(pozycja))->trigger();
    QCOMPARE(m.polecenia(), kolejka);
    QCOMPARE(m.s.komunikaty.teksty, komunikaty);
    QCOMPARE(m.s.komunikaty.tytuly, komunikaty.isEmpty() ? QStringList{} : QStringList{"Kalbor"});
    m.r().Zablokowany = true;
    m.akcja("mnuRegulZablok")->trigger();
    QCOMPARE(m.polecenia().last(), u"2 Blokuj false");
}

void TestMenu::monitoringZawszeWLogu()
{
    Menu m;
    m.akcja("Monit")->trigger();         // the toolbar button, pressed
    m.akcja("mnuregulmonit")->trigger(); // the menu item, unchecked
    m.okna().UstawMonitoring(false);     // already off
    QVERIFY(!m.r().Monitoring && !m.akcja("Monit")->isChecked());
    QCOMPARE(m.s.wartosc(u"SELECT group_concat(Operacja || '|' || Status || Typ || '|' || Kod_Regul, ';') "
                         "FROM Log"_qs)
                 .toString(),
             u"Włączono monitoring|NM|KB-02;Wyłączono monitoring|NM|KB-02;Wyłączono monitoring|NM|KB-02");
    m.s.regulatory->Item(1).Monitoring = true;
    m.wizual.eZmianaRegulatora(1); // follows the new current regulator, no action
    QVERIFY(m.akcja("Monit")->isChecked());
    QCOMPARE(m.s.liczWiersze(u"Log"_qs), 3);
}

void TestMenu::monitoringFollowsCurrentRegulator_data()
{
    QTest::addColumn<Krok>("wybor");
    QTest::addColumn<QString>("pozycja");
    QTest::addColumn<QString>("stan"); // button and check mark after the click
    QTest::addColumn<QString>("log");
    QTest::newRow("monitored regulator chosen, the item switches it off")
        << Krok([](Menu& m) { m.s.regulatory->Item(1).Monitoring = true, m.wybierz(1); })
        << u"mnuregulmonit"_qs << u"00"_qs << u"Wyłączono monitoring|KB-01"_qs;
    QTest::newRow("chosen after a monitored one, the button switches it on")
        << Krok([](Menu& m) { m.r().Monitoring = true, m.wybierz(2), m.wybierz(1); }) << u"Monit"_qs
        << u"11"_qs << u"Włączono monitoring|KB-01"_qs;
    QTest::newRow("no current regulator, the button stays released")
        << Krok([](Menu& m) { m.s.app->NrAktRegulatora = 0; }) << u"Monit"_qs << u"00"_qs << QString();
}

void TestMenu::monitoringFollowsCurrentRegulator()
{
    QFETCH(Krok, wybor);
    QFETCH(QString, pozycja);
    Menu m;
    wybor(m);
    m.akcja(qPrintable(pozycja))->trigger();
    QTEST(u"%1%2"_qs.arg(m.akcja("Monit")->isChecked()).arg(m.akcja("mnuregulmonit")->isChecked()), "stan");
    QTEST(m.s.wartosc(u"SELECT group_concat(Operacja || '|' || Kod_Regul, ';') FROM Log"_qs).toString(),
          "log");
}

void TestMenu::przelacznikOkna_data()
{
    QTest::addColumn<QString>("klucz");
    QTest::addColumn<QString>("pozycja");
    QTest::addColumn<bool>("maOkno");
    QTest::newRow("panel") << u"Panel"_qs << u"mnuRegulPanel"_qs << true;
    QTest::newRow("data") << u"Dane"_qs << u"mnureguldane"_qs << true;
    QTest::newRow("panel not built yet") << u"Panel"_qs << u"mnuRegulPanel"_qs << false;
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
    QAction* przycisk = m.akcja(qPrintable(klucz));
    const auto podokno = [&] { return klucz == u"Panel" ? m.okna().Panel() : m.okna().Dane(); };
    const auto stan = [&] {
        return u"%1%2%3"_qs.arg(podokno() != nullptr)
            .arg(m.akcja(qPrintable(pozycja))->isChecked())
            .arg(przycisk->isChecked());
    };
    przycisk->trigger();
    QCOMPARE(stan(), maOkno ? u"111" : u"000");
    if (!maOkno)
        return;
    QCOMPARE(m.okno.Obszar()->subWindowList().size(), 1);
    podokno()->close(); // the window's own close box
    QCOMPARE(stan(), u"000");
    przycisk->trigger();
    przycisk->trigger();        // released: the window closes
    m.okna().PokazPanel(false); // closing what is closed changes nothing
    m.okna().PokazDane(false);
    QCOMPARE(stan(), u"000");
}

void TestMenu::toolbarAction_data()
{
    QTest::addColumn<QString>("klucz");
    QTest::addColumn<QString>("skutek");
    for (const char* klucz : {"Panel", "Dane", "Monit", "Alarm"})
        QTest::newRow(klucz) << QString::fromLatin1(klucz) << QString::fromLatin1(klucz);
    QTest::newRow("Wykresy") << u"Wykresy"_qs << u"Wykresy"_qs;
    QTest::newRow("Komun only changes its own look") << u"Komun"_qs << QString();
    QTest::newRow("case matters") << u"panel"_qs << QString();
}

void TestMenu::toolbarAction()
{
    QFETCH(QString, klucz);
    Menu m;
    m.okno.show();
    QVERIFY(QTest::qWaitForWindowActive(&m.okno));
    QMdiSubWindow* alarmy = fmAlarmyN::OtworzW(m.okno.Obszar(), m.s.uslugi);
    m.okno.Obszar()->addSubWindow(new QWidget)->show(); // in front of the alarms
    m.okno.Menu().ToolbarAction(klucz, true);
    QStringList skutki;
    for (const auto& [nazwa, jest] : {std::pair{"Panel", m.okna().Panel() != nullptr},
                                      {"Dane", m.okna().Dane() != nullptr},
                                      {"Monit", m.r().Monitoring},
                                      {"Alarm", m.okno.Obszar()->activeSubWindow() == alarmy},
                                      {"Wykresy", m.okno.Obszar()->findChild<fmWykresy1*>() != nullptr}})
        if (jest)
            skutki << QString::fromLatin1(nazwa);
    QTEST(skutki.join(u','), "skutek");
}

void TestMenu::usuwanie_data()
{
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("razy");
    QTest::addColumn<QString>("zostaje"); // codes left with address 2
    QTest::addColumn<QStringList>("komunikaty");
    QTest::addColumn<bool>("przed"); // the row not loaded stands first in the table
    const QString poRestarcie =
        u"Nowe ustawienia zostaną uwzględnione po ponownym uruchomieniu programu Kalbor."_qs;
    const QString brak = u"W bazie danych nie ma już regulatora o adresie 2."_qs;
    QTest::newRow("cancel") << false << 1 << u"KB-02,KB-02x"_qs << QStringList{} << false;
    QTest::newRow("ok: the loaded row only")
        << true << 1 << u"KB-02x"_qs << QStringList{poRestarcie} << false;
    QTest::newRow("ok: the loaded row, the other first")
        << true << 1 << u"KB-02x"_qs << QStringList{poRestarcie} << true;
    QTest::newRow("no row left") << true << 3 << u"KB-02x"_qs << QStringList{poRestarcie, brak, brak}
                                 << false;
}

void TestMenu::usuwanie()
{
    QFETCH(bool, ok);
    QFETCH(int, razy);
    QFETCH(QString, zostaje);
    Menu m;
    m.s.dodajRegulator(u"KB-02x"_qs, 2); // a second row with the same address
    QFETCH(bool, przed);
    if (przed)
        m.s.wartosc(
            u"UPDATE Regulatory SET rowid = (SELECT max(rowid) + 1 FROM Regulatory) WHERE Kod = 'KB-02'"_qs);
    QStringList pytania;
    m.okno.Menu().Polecenia().Pytaj = [&](const QString& tytul, const QString& tekst) {
        pytania << tytul + u'|' + tekst;
        return ok;
    };
    for (int i = 0; i < razy; ++i)
        m.akcja("mnuRegulUsun")->trigger();
    QCOMPARE(pytania.size(), razy);
    QCOMPARE(pytania[0], u"UWAGA|Czy napewno usunąć wybrany regulator z systemu Kalbor?");
    QCOMPARE(m.s.wartosc(u"SELECT group_concat(Kod, ',') FROM Regulatory WHERE Adres = 2"_qs).toString(),
             zostaje);
    QCOMPARE(m.s.wartosc(u"SELECT Kod FROM Regulatory WHERE Adres <> 2"_qs).toString(), u"KB-01");
    QTEST(m.s.komunikaty.teksty, "komunikaty");
    QCOMPARE(m.s.regulatory->Count(), 2); // still polled until the next start
}

KALBOR_TEST_OKIEN(TestMenu)
#include "tst_menu.moc"
