// The main window and the start of the program: start-up to a running main loop raising alarms,
// the port loop, the alarm timers, a failing tick and the exit question.
#include "AppSettings.h"
#include "GlownaTestuOkien.h"
#include "IkonyGlowne.h"
#include "ModelAlarmow.h"
#include "OknaTestowe.h"
#include "PetlaOdczytow.h"
#include "PoleStanu.h"
#include "StartUp.h"
#include "UstawieniaTestowe.h"
#include "fmAlarmyN.h"
#include "fmRegulatory.h"
#include "regsim/RegSim.h"
#include "regsim/RegSimThread.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTreeView>
#include <stdexcept>

namespace {

// Answers the next message box with the given button, keeping "title|text" of it.
void odpowiedz(QMessageBox::StandardButton przycisk, QString& pytanie)
{
    QTimer::singleShot(0, [przycisk, &pytanie] {
        auto* okno = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(okno);
        pytanie = okno->windowTitle() + u'|' + okno->text();
        okno->button(przycisk)->click();
    });
}

QStringList kolumna(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    QStringList wynik;
    if (!q.exec(sql))
        return {u"błąd: "_qs + sql};
    while (q.next())
        wynik << q.value(0).toString();
    return wynik;
}

QString nazwaObrazu(const QPixmap& obraz)
{
    if (obraz.isNull())
        return {};
    return obraz.toImage() == IkonyGlowne::obraz(u"blysk"_qs).toImage() ? u"blysk"_qs : u"?"_qs;
}

// The main window as the program runs it: notifications through the real object, sounds on.
struct Stanowisko : StanowiskoGlowne
{
    Stanowisko()
    {
        s.uslugi.oWizual = &wizual;
        s.app->Dzwieki = 1;
    }
    QString ikonaAlarmow() const { return nazwaObrazu(okno.Panel(PanelStanu::Alarmy).obraz()); }
    QStringList logi() const { return kolumna(s.baza->db(), u"SELECT Operacja FROM Log ORDER BY rowid"_qs); }
};

} // namespace

class TestGlowny : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { m_ustawienia = std::make_unique<UstawieniaTestowe>(); }
    void init();

    void startUpToATickRaisingAlarms();
    void databaseThatCannotBeOpened_data();
    void databaseThatCannotBeOpened();
    void portLoop_data();
    void portLoop();
    void alarmCountersDriveTimersAndIcon_data();
    void alarmCountersDriveTimersAndIcon();
    void failingStepIsLoggedAndLoopRearmed();
    void exitQuestion_data();
    void exitQuestion();

  private:
    std::unique_ptr<UstawieniaTestowe> m_ustawienia;
    std::unique_ptr<regsim::RegSimThread> m_sim;
};

void TestGlowny::init()
{
    UstawieniaTestowe::Wyczysc();
    m_sim = std::make_unique<regsim::RegSimThread>();
    QVERIFY2(m_sim->startSim(), qPrintable(m_sim->errorString()));
}

// Two regulators on the simulated line: R1 answers over its reactive-current threshold, R2 is
// silent. The first ticks store R1's reading and raise an alarm for each, shown red and bold.
void TestGlowny::startUpToATickRaisingAlarms()
{
    Srodowisko s;
    s.dodajRegulator(u"R1"_qs, 1,
                     {{u"NapieciePomiar"_qs, 100},
                      {u"PrzekladniaNap"_qs, 60},
                      {u"Przekladnia"_qs, 40},
                      {u"ProgPrad"_qs, 20}});
    s.dodajRegulator(u"R2"_qs, 2);
    s.baza->Zamknij();
    regsim::RegulatorState r1;
    r1.address = 1;
    r1.measurements.reactiveCurrent = 150;
    r1.measurements.totalCurrent = 160;
    m_sim->sim()->addRegulator(r1);
    AppSettings::write(AppSettings::Port, m_sim->sim()->slavePath());
    FastClock zegar{10};
    StartUp start;
    start.uslugi().zegar = &zegar;
    start.uslugi().komunikaty = &s.komunikaty;
    QCOMPARE(start.Uruchom(s.plik()), 0);

    fmGlowny* okno = start.OknoGlowne();
    const QSqlDatabase db = start.uslugi().cnBaza->db();
    QVERIFY(okno && okno->isVisible() && okno->Timer1().Wlaczona() && start.Port().Otwarty());
    QVERIFY(s.komunikaty.teksty.isEmpty());
    // Start-up opens the regulator tree, then the current alarms, for the whole run.
    const QList<QMdiSubWindow*> podokna = okno->Obszar()->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(podokna.size(), 2);
    QVERIFY(qobject_cast<fmRegulatory*>(podokna[0]->widget()) && start.uslugi().drzewo);
    auto* alarmyOkno = qobject_cast<fmAlarmyN*>(podokna[1]->widget());
    QVERIFY(alarmyOkno);

    const RejestrAlarmow& rejestr = *start.uslugi().rejestr;
    QTRY_COMPARE_WITH_TIMEOUT(rejestr.Count(), 2, 20000);
    const QAbstractItemModel& lista = *alarmyOkno->findChild<QTreeView*>()->model();
    QStringList alarmy;
    for (int i = 0; i < 2; ++i) {
        const WierszAlarmu& w = rejestr.Wiersz(i + 1);
        alarmy << w.Regulator + ':' + w.KodAlarmu + w.Aktywny + ':' + w.TrescAlarmu;
        QCOMPARE(lista.index(i, ModelAlarmow::TrescAlarmu).data().toString(), w.TrescAlarmu);
        QCOMPARE(lista.index(i, 0).data(Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
        QVERIFY(lista.index(i, 0).data(Qt::FontRole).value<QFont>().bold());
    }
    alarmy.sort();
    QCOMPARE(alarmy, QStringList({"R1: 201A:Przekroczona wartość prądu ( 30 A)",
                                  "R2: 100A:Brak komunikacji z regulatorem "}));
    QCOMPARE(kolumna(db, u"SELECT Kod_Regul || ':' || Tresc FROM Alarmy ORDER BY Kod_Regul"_qs),
             QStringList({"R1:Przekroczona wartość prądu ( 30 A)", "R2:Brak komunikacji z regulatorem "}));
    // Only the regulator that answered has its reading stored.
    QTRY_COMPARE(kolumna(db, u"SELECT Adres FROM Pomiary"_qs), QStringList{"1"});
    QCOMPARE(kolumna(db, u"SELECT Adres FROM OstPomiar"_qs), QStringList{"1"});
    QVERIFY(okno->findChild<QTimer*>(u"Timer2"_qs)->isActive());
    QTRY_VERIFY(okno->Timer1().Wlaczona());
}

void TestGlowny::databaseThatCannotBeOpened_data()
{
    QTest::addColumn<QByteArray>("zawartosc");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a database") << QByteArray("To nie jest baza danych, tylko tekst.\n").repeated(200);
}

void TestGlowny::databaseThatCannotBeOpened()
{
    QFETCH(QByteArray, zawartosc);
    QTemporaryDir katalog;
    QFile f(katalog.filePath(u"kalbor.mdb"_qs));
    QVERIFY(zawartosc.isEmpty() || (f.open(QIODevice::WriteOnly) && f.write(zawartosc) == zawartosc.size()));
    f.close();
    FakeKomunikaty komunikaty;
    StartUp start;
    start.uslugi().komunikaty = &komunikaty;
    QVERIFY(start.Uruchom(f.fileName()) != 0);
    QCOMPARE(komunikaty.teksty.size(), 1);
    QVERIFY2(komunikaty.teksty[0].contains(f.fileName()), qPrintable(komunikaty.teksty[0]));
    QVERIFY(!start.OknoGlowne());
    QCOMPARE(f.exists(), !zawartosc.isEmpty());
    if (f.open(QIODevice::ReadOnly))
        QCOMPARE(f.readAll(), zawartosc);
}

void TestGlowny::portLoop_data()
{
    QTest::addColumn<int>("nieudane");
    QTest::newRow("one failure") << 1;
    QTest::newRow("same port offered three times") << 3;
}

void TestGlowny::portLoop()
{
    QFETCH(int, nieudane);
    Stanowisko st;
    AppSettings::write(AppSettings::Port, u"/dev/kalbor-brak-portu"_qs);
    int pokazane = 0;
    st.okno.WybierzPort = [&] {
        QVERIFY(!st.port.Otwarty());
        if (++pokazane == nieudane)
            AppSettings::write(AppSettings::Port, m_sim->sim()->slavePath());
    };
    st.okno.Zaladuj();

    QVERIFY(st.port.Otwarty());
    QCOMPARE(pokazane, nieudane);
    QCOMPARE(st.s.komunikaty.teksty.size(), nieudane);
    // The port's own description, in Polish ("Brak pliku lub katalogu"), is in between.
    const QRegularExpression wzor(
        u"^Błąd otwarcia portu szeregowego: .{10,}\rProszę zmienić nr portu[.]$"_qs);
    for (const QString& tekst : st.s.komunikaty.teksty)
        QVERIFY2(wzor.match(tekst).hasMatch(), qPrintable(tekst));
    QCOMPARE(st.s.app->NazwaPortu, m_sim->sim()->slavePath());
    QCOMPARE(st.s.app->Znakdaty, u"#"_qs);
    QCOMPARE(st.logi(), QStringList{"Start aplikacji"});
}

// Unacknowledged alarms run both timers; the icon blinks and the sound repeats only while an
// alarm is active.
void TestGlowny::alarmCountersDriveTimersAndIcon_data()
{
    QTest::addColumn<int>("aktywne");
    QTest::addColumn<int>("niepotwierdzone");
    QTest::addColumn<bool>("timery");
    QTest::addColumn<QStringList>("ikona"); // after the change, then after each of two blinks
    QTest::addColumn<bool>("dzwiek");
    QTest::newRow("none") << 0 << 0 << false << QStringList{"", "", ""} << false;
    QTest::newRow("active, all acknowledged") << 2 << 0 << false << QStringList{"blysk", "", "blysk"} << true;
    QTest::newRow("inactive, unacknowledged")
        << 0 << 1 << true << QStringList{"blysk", "blysk", "blysk"} << false;
    QTest::newRow("active and unacknowledged") << 1 << 1 << true << QStringList{"blysk", "", "blysk"} << true;
}

void TestGlowny::alarmCountersDriveTimersAndIcon()
{
    QFETCH(int, aktywne);
    QFETCH(int, niepotwierdzone);
    QFETCH(bool, timery);
    QFETCH(bool, dzwiek);
    Stanowisko st;
    // From a state with alarms shown, as after an earlier alarm.
    st.okno.UstawObrazPanelu(PanelStanu::Alarmy, IkonyGlowne::obraz(u"blysk"_qs));
    st.okno.UstawMiganieAlarmu(true);
    st.s.app->IloscAktywnychAlarmow = qint16(aktywne);
    st.s.app->IloscNiePotwAlarmow = qint16(niepotwierdzone);
    st.wizual.eZmianaAlarmow();
    QCOMPARE(st.timer("Timer2"), timery);
    QCOMPARE(st.timer("Timer3"), timery);
    QStringList ikona{st.ikonaAlarmow()};
    for (int i = 0; i < 2; ++i) {
        st.okno.Timer2_Timer();
        ikona << st.ikonaAlarmow();
    }
    QTEST(ikona, "ikona");
    st.okno.Timer3_Timer();
    QCOMPARE(st.dzwieki.zagrane, dzwiek ? QStringList{"alarm.wav"} : QStringList{});
}

void TestGlowny::failingStepIsLoggedAndLoopRearmed()
{
    Stanowisko st;
    st.s.dodajRegulator(u"R1"_qs, 1);
    st.s.dodajRegulator(u"R2"_qs, 2);
    st.s.wczytaj();
    st.s.komunikator.odpowiedzi[u"CZYTAJ_DIODY"_qs] = [](std::span<quint8>, quint8) -> bool {
        throw std::runtime_error("awaria sterownika");
    };
    st.kolejka.Add(1, u"WczytajStanRegul"_qs, {}, 0);
    st.okno.Timer1().Takt();

    QVERIFY(st.okno.Timer1().Wlaczona());
    QCOMPARE(kolumna(st.s.baza->db(),
                     QStringLiteral("SELECT Operacja || '|' || Status || Typ || '|' || ifnull(Kod_Regul, '') "
                                    "FROM Log ORDER BY rowid")),
             QStringList({"Błąd pętli odczytów (odczyt okresowy): awaria sterownika|BK|R1",
                          "Błąd pętli odczytów (odczyt okresowy): awaria sterownika|BK|R2",
                          "Błąd pętli odczytów (polecenie operatora): awaria sterownika|BK|"}));
    QCOMPARE(st.kolejka.Count(), 0);
    QCOMPARE(st.okno.Panel(PanelStanu::Czas).tekst(), st.s.zegar.czas.toString(u"hh:mm:ss"_qs));
}

void TestGlowny::exitQuestion_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("przycisk");
    QTest::addColumn<bool>("wTakcie"); // asked while a reading waits for its reply
    QTest::newRow("Cancel changes nothing") << QMessageBox::Cancel << false;
    QTest::newRow("OK unloads") << QMessageBox::Ok << false;
    QTest::newRow("OK during a tick waits for its end") << QMessageBox::Ok << true;
}

// A close confirmed during a tick is carried out when the tick has ended, so the reading in
// progress still finds its port, database and regulator.
void TestGlowny::exitQuestion()
{
    QFETCH(QMessageBox::StandardButton, przycisk);
    QFETCH(bool, wTakcie);
    const bool zamknij = przycisk == QMessageBox::Ok;
    Stanowisko st;
    AppSettings::write(AppSettings::Port, m_sim->sim()->slavePath());
    st.okno.Zaladuj();
    st.okno.show();
    QString pytanie;
    bool otwartyPoPytaniu = false;
    const auto zamykaj = [&] {
        odpowiedz(przycisk, pytanie);
        st.okno.close();
        otwartyPoPytaniu = st.port.Otwarty() && st.s.baza->db().isOpen() && st.okno.isVisible();
        return true;
    };
    if (wTakcie) {
        st.s.dodajRegulator(u"R1"_qs, 1);
        st.s.wczytaj();
        st.s.komunikator.odpowiedzi[u"CZYTAJ32"_qs] = [&](std::span<quint8>, quint8) { return zamykaj(); };
        st.okno.Timer1().Takt();
    } else {
        st.okno.Timer1().Wlacz();
        zamykaj();
    }

    QCOMPARE(pytanie, u"Koniec programu|Czy zakończyć działanie programu Kalbor?"_qs);
    QCOMPARE(otwartyPoPytaniu, !zamknij || wTakcie);
    const bool dziala = st.okno.isVisible() && st.okno.Timer1().Wlaczona() && st.timer("Timer3");
    QCOMPARE(dziala && st.port.Otwarty() && st.s.baza->db().isOpen(), !zamknij);
    QCOMPARE(dziala || st.port.Otwarty() || st.s.baza->db().isOpen(), !zamknij);
    if (zamknij) // the file is free again
        QCOMPARE(st.s.baza->Otworz(st.s.plik()), QString());
    QCOMPARE(st.s.liczWiersze(u"Pomiary"_qs), int(wTakcie));
    QCOMPARE(st.logi(), zamknij ? QStringList({"Start aplikacji", "Zatrzymanie aplikacji"})
                                : QStringList{"Start aplikacji"});
}

KALBOR_TEST_OKIEN(TestGlowny)
#include "tst_glowny.moc"
