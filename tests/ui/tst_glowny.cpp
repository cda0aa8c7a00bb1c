// The main window and the start of the program: start-up to a running main loop raising alarms,
// the port loop, the alarm timers, a failing tick and the exit question.
#include "AppSettings.h"
#include "Dzwieki.h"
#include "IkonyGlowne.h"
#include "ModelAlarmow.h"
#include "PetlaOdczytow.h"
#include "PoleStanu.h"
#include "PortQt.h"
#include "StartUp.h"
#include "TestSupport.h"
#include "UstawieniaTestowe.h"
#include "clsKolejka.h"
#include "clsWizual.h"
#include "fmAlarmyN.h"
#include "fmGlowny.h"
#include "fmRegulatory.h"
#include "regsim/RegSim.h"
#include "regsim/RegSimThread.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <stdexcept>

namespace {

class NagrywarkaDzwiekow final : public OdtwarzaczDzwiekow
{
  public:
    QStringList zagrane;
    void Graj(const QString& plik) override { zagrane << plik; }
};

// Answers the next message box with the given button once it is shown, keeping its title and text.
struct Odpowiedz
{
    QString tytul;
    QString tekst;

    void nastepne(QMessageBox::StandardButton przycisk)
    {
        auto* timer = new QTimer;
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, timer, [this, timer, przycisk] {
            auto* okno = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!okno)
                return;
            tytul = okno->windowTitle();
            tekst = okno->text();
            timer->deleteLater();
            okno->button(przycisk)->click();
        });
        timer->start();
    }
};

QStringList kolumna(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    QStringList wynik;
    if (!q.exec(sql))
        return {QStringLiteral("błąd: ") + sql};
    while (q.next())
        wynik << q.value(0).toString();
    return wynik;
}

QString nazwaObrazu(const QPixmap& obraz)
{
    if (obraz.isNull())
        return {};
    for (int i : {IkonyGlowne::kWskaznikWolny, IkonyGlowne::kWskaznikZajety}) {
        if (obraz.toImage() == IkonyGlowne::ImageList1(i).toImage())
            return QString::number(i);
    }
    return obraz.toImage() == IkonyGlowne::obraz(QStringLiteral("blysk")).toImage() ? QStringLiteral("blysk")
                                                                                    : QStringLiteral("?");
}

// The main window over a test database, with the real notification object and queue.
struct Stanowisko
{
    Stanowisko()
    {
        s.uslugi.oKolejka = &kolejka;
        s.uslugi.oWizual = &wizual;
        wizual.Cele().glowne = &okno;
        s.app->Dzwieki = 1;
    }
    QString ikonaAlarmow() const { return nazwaObrazu(okno.Panel(PanelStanu::Alarmy).obraz()); }
    bool timer(const char* nazwa) const { return okno.findChild<QTimer*>(QLatin1String(nazwa))->isActive(); }
    QStringList logi() const
    {
        return kolumna(s.baza->db(), QStringLiteral("SELECT Operacja FROM Log ORDER BY rowid"));
    }

    Srodowisko s;
    clsKolejka kolejka{s.uslugi};
    NagrywarkaDzwiekow dzwieki;
    clsWizual wizual{s.uslugi, dzwieki};
    PortQt port;
    fmGlowny okno{s.uslugi, port};
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
    void closeDuringTickWaitsForItsEnd();

  private:
    void otworzPortNaSymulatorze(Stanowisko& st);
    std::unique_ptr<UstawieniaTestowe> m_ustawienia;
    std::unique_ptr<regsim::RegSimThread> m_sim;
};

void TestGlowny::init()
{
    UstawieniaTestowe::Wyczysc();
    m_sim = std::make_unique<regsim::RegSimThread>();
    QVERIFY2(m_sim->startSim(), qPrintable(m_sim->errorString()));
}

void TestGlowny::otworzPortNaSymulatorze(Stanowisko& st)
{
    AppSettings::write(AppSettings::Port, m_sim->sim()->slavePath());
    st.okno.Zaladuj();
    QVERIFY(st.port.Otwarty());
}

// Two regulators on the simulated line: R1 answers over its reactive-current threshold, R2 is
// silent. The first ticks store R1's reading and raise an alarm for each, shown red and bold.
void TestGlowny::startUpToATickRaisingAlarms()
{
    Srodowisko s;
    s.dodajRegulator(QStringLiteral("R1"), 1,
                     {{QStringLiteral("NapieciePomiar"), 100},
                      {QStringLiteral("PrzekladniaNap"), 60},
                      {QStringLiteral("Przekladnia"), 40},
                      {QStringLiteral("ProgPrad"), 20}});
    s.dodajRegulator(QStringLiteral("R2"), 2);
    s.baza->Zamknij();
    regsim::RegulatorState r1;
    r1.address = 1;
    r1.measurements.reactiveCurrent = 150;
    r1.measurements.totalCurrent = 160;
    m_sim->sim()->addRegulator(r1);
    AppSettings::write(AppSettings::Port, m_sim->sim()->slavePath());
    FastClock zegar{20};
    StartUp start;
    start.uslugi().zegar = &zegar;
    start.uslugi().komunikaty = &s.komunikaty;
    QCOMPARE(start.Uruchom(s.plik()), 0);

    fmGlowny* okno = start.OknoGlowne();
    const QSqlDatabase db = start.uslugi().cnBaza->db();
    QVERIFY(okno && okno->isVisible());
    QCOMPARE(okno->windowTitle(), QStringLiteral("Kalbor"));
    QVERIFY(okno->Timer1().Wlaczona());
    QVERIFY(start.Port().Otwarty());
    QCOMPARE(start.uslugi().oApp->Znakdaty, QStringLiteral("#"));
    QCOMPARE(start.uslugi().oRegulatory->Count(), 2);
    QCOMPARE(kolumna(db, QStringLiteral("SELECT Operacja FROM Log")), QStringList{"Start aplikacji"});
    QVERIFY(s.komunikaty.teksty.isEmpty());
    const auto okna = QApplication::topLevelWidgets();
    QVERIFY(std::none_of(okna.begin(), okna.end(),
                         [](QWidget* w) { return w->inherits("frmSplash") && w->isVisible(); }));
    const QStringList podpowiedzi{"Aktualny stan Kalbora", "Monitoring", "Alarmy",
                                  "Komunikacja",           "Tryb pracy", "Aktualny czas"};
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(okno->Panel(PanelStanu(i)).toolTip(), podpowiedzi[i - 1]);
    QCOMPARE(okno->Panel(PanelStanu::Monitoring).tekst(), QStringLiteral("Monitoring"));
    QCOMPARE(nazwaObrazu(okno->Panel(PanelStanu::Monitoring).obraz()), QStringLiteral("20"));
    QCOMPARE(okno->Panel(PanelStanu::TrybPracy).tekst(), QStringLiteral("normalny"));
    QVERIFY(okno->Panel(PanelStanu::Monitoring).width() > okno->Panel(PanelStanu::Alarmy).width());
    auto* alarmyOkno = okno->Obszar()->findChild<fmAlarmyN*>();
    QVERIFY(alarmyOkno && qobject_cast<QMdiSubWindow*>(alarmyOkno->parentWidget()));
    // Start-up opens the regulator tree, then the current alarms, for the whole run.
    const QList<QMdiSubWindow*> podokna = okno->Obszar()->subWindowList(QMdiArea::CreationOrder);
    QCOMPARE(podokna.size(), 2);
    QVERIFY(qobject_cast<fmRegulatory*>(podokna[0]->widget()));
    QCOMPARE(podokna[1]->widget(), alarmyOkno);
    QVERIFY(start.uslugi().drzewo);

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
    QCOMPARE(kolumna(db, QStringLiteral("SELECT Kod_Regul || ':' || Tresc FROM Alarmy ORDER BY Kod_Regul")),
             QStringList({"R1:Przekroczona wartość prądu ( 30 A)", "R2:Brak komunikacji z regulatorem "}));
    // Only the regulator that answered has its reading stored.
    QTRY_COMPARE(kolumna(db, QStringLiteral("SELECT Adres FROM Pomiary")), QStringList{"1"});
    QCOMPARE(kolumna(db, QStringLiteral("SELECT Adres FROM OstPomiar")), QStringList{"1"});
    QVERIFY(okno->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
    QVERIFY(okno->findChild<QTimer*>(QStringLiteral("Timer3"))->isActive());
    QTRY_VERIFY(
        QTime::fromString(okno->Panel(PanelStanu::Czas).tekst(), QStringLiteral("hh:mm:ss")).isValid());
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
    QFile f(katalog.filePath(QStringLiteral("kalbor.mdb")));
    if (!zawartosc.isEmpty()) {
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(zawartosc);
        f.close();
    }
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
    AppSettings::write(AppSettings::Port, QStringLiteral("/dev/kalbor-brak-portu"));
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
    for (const QString& tekst : st.s.komunikaty.teksty) {
        QVERIFY2(tekst.startsWith(QStringLiteral("Błąd otwarcia portu szeregowego: ")), qPrintable(tekst));
        QVERIFY2(tekst.endsWith(QStringLiteral("\rProszę zmienić nr portu.")), qPrintable(tekst));
        QVERIFY(tekst.size() > 60); // the port's own description is in between
    }
    QCOMPARE(st.s.app->NazwaPortu, m_sim->sim()->slavePath());
    QCOMPARE(st.s.app->Znakdaty, QStringLiteral("#"));
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
    st.okno.UstawObrazPanelu(PanelStanu::Alarmy, IkonyGlowne::obraz(QStringLiteral("blysk")));
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
    st.s.dodajRegulator(QStringLiteral("R1"), 1);
    st.s.dodajRegulator(QStringLiteral("R2"), 2);
    st.s.wczytaj();
    st.s.komunikator.odpowiedzi[QStringLiteral("CZYTAJ_DIODY")] = [](std::span<quint8>, quint8) -> bool {
        throw std::runtime_error("awaria sterownika");
    };
    st.kolejka.Add(1, QStringLiteral("WczytajStanRegul"), {}, 0);
    st.okno.Timer1().Takt();

    QVERIFY(st.okno.Timer1().Wlaczona());
    QCOMPARE(kolumna(st.s.baza->db(),
                     QStringLiteral("SELECT Operacja || '|' || Status || Typ || '|' || ifnull(Kod_Regul, '') "
                                    "FROM Log ORDER BY rowid")),
             QStringList({"Błąd pętli odczytów (odczyt okresowy): awaria sterownika|BK|R1",
                          "Błąd pętli odczytów (odczyt okresowy): awaria sterownika|BK|R2",
                          "Błąd pętli odczytów (polecenie operatora): awaria sterownika|BK|"}));
    QCOMPARE(st.kolejka.Count(), 0);
    QCOMPARE(st.okno.Panel(PanelStanu::Czas).tekst(), st.s.zegar.czas.toString(QStringLiteral("hh:mm:ss")));
}

void TestGlowny::exitQuestion_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("przycisk");
    QTest::newRow("Cancel changes nothing") << QMessageBox::Cancel;
    QTest::newRow("OK unloads") << QMessageBox::Ok;
}

void TestGlowny::exitQuestion()
{
    QFETCH(QMessageBox::StandardButton, przycisk);
    const bool zamknij = przycisk == QMessageBox::Ok;
    Stanowisko st;
    otworzPortNaSymulatorze(st);
    st.okno.show();
    st.okno.Timer1().Wlacz();
    Odpowiedz odpowiedz;
    odpowiedz.nastepne(przycisk);
    QCOMPARE(st.okno.close(), zamknij);

    QCOMPARE(odpowiedz.tytul, QStringLiteral("Koniec programu"));
    QCOMPARE(odpowiedz.tekst, QStringLiteral("Czy zakończyć działanie programu Kalbor?"));
    QCOMPARE(st.okno.isVisible(), !zamknij);
    QCOMPARE(st.okno.Timer1().Wlaczona(), !zamknij);
    QCOMPARE(st.timer("Timer3"), !zamknij);
    QCOMPARE(st.port.Otwarty(), !zamknij);
    QCOMPARE(st.s.baza->db().isOpen(), !zamknij);
    if (zamknij)
        QCOMPARE(st.s.baza->Otworz(st.s.plik()), QString());
    QCOMPARE(st.logi(), zamknij ? QStringList({"Start aplikacji", "Zatrzymanie aplikacji"})
                                : QStringList{"Start aplikacji"});
}

// A close confirmed while a reading waits for its reply: the tick ends first, then the program
// unloads, so the reading in progress still finds its port, database and regulator.
void TestGlowny::closeDuringTickWaitsForItsEnd()
{
    Stanowisko st;
    otworzPortNaSymulatorze(st);
    st.s.dodajRegulator(QStringLiteral("R1"), 1);
    st.s.wczytaj();
    st.okno.show();
    bool otwartyPodczasTaktu = false;
    st.s.komunikator.odpowiedzi[QStringLiteral("CZYTAJ32")] = [&](std::span<quint8>, quint8) {
        Odpowiedz odpowiedz;
        odpowiedz.nastepne(QMessageBox::Ok);
        st.okno.close();
        otwartyPodczasTaktu = st.port.Otwarty() && st.s.baza->db().isOpen() && st.okno.isVisible();
        return true;
    };
    st.okno.Timer1().Takt();

    QVERIFY(otwartyPodczasTaktu);
    QVERIFY(!st.okno.isVisible());
    QVERIFY(!st.okno.Timer1().Wlaczona());
    QCOMPARE(st.s.baza->Otworz(st.s.plik()), QString());
    QCOMPARE(st.s.liczWiersze(QStringLiteral("Pomiary")), 1);
    QCOMPARE(st.logi(), QStringList({"Start aplikacji", "Zatrzymanie aplikacji"}));
}

QTEST_MAIN(TestGlowny)
#include "tst_glowny.moc"
