// The main window and the start of the program: start-up to a running main loop raising alarms,
// the port loop, the alarm timers, a failing tick, unattended running (write errors, long
// ticks, the system's stop) and the exit question.
#include "AppSettings.h"
#include "GlownaTestuOkien.h"
#include "IkonyGlowne.h"
#include "KomunikatyOkien.h"
#include "ListaAlarmow.h"
#include "ModelAlarmow.h"
#include "OknaModalne.h"
#include "OknaTestowe.h"
#include "PetlaOdczytow.h"
#include "PodgladRaportu.h"
#include "PoleStanu.h"
#include "PoleceniaRegulatora.h"
#include "RaportUklady.h"
#include "RaportWydruk.h"
#include "StartUp.h"
#include "UstawieniaTestowe.h"
#include "clRegulator.h"
#include "fmAlarmyN.h"
#include "fmLogin.h"
#include "fmRegulatory.h"
#include "regsim/RegSim.h"
#include "regsim/RegSimThread.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTabWidget>
#include <csignal>
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

QString nazwaObrazu(const QPixmap& obraz)
{
    if (obraz.isNull())
        return {};
    return obraz.toImage() == IkonyGlowne::obraz(u"blysk"_qs).toImage() ? u"blysk"_qs : u"?"_qs;
}

// Counts the modal windows opened while it lives, by class, and closes each at once, so that a
// window that would wait for an operator fails a test instead of holding it.
class StrazModalnych
{
  public:
    StrazModalnych()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget* okno = QApplication::activeModalWidget();
            if (!okno)
                return;
            ++otwarte;
            klasy << QString::fromLatin1(okno->metaObject()->className());
            if (auto* dialog = qobject_cast<QDialog*>(okno))
                dialog->reject();
            else
                okno->close();
        });
        m_timer.start(0);
    }
    int otwarte = 0;
    QStringList klasy;

  private:
    QTimer m_timer;
};

// The main window as the program runs it: notifications through the real object, sounds on.
struct Stanowisko : StanowiskoGlowne
{
    Stanowisko()
    {
        s.uslugi.oWizual = &wizual;
        s.app->Dzwieki = 1;
    }
    QString ikonaAlarmow() const { return nazwaObrazu(okno.Panel(PanelStanu::Alarmy).obraz()); }
    QStringList logi() const { return s.kolumna(u"SELECT Operacja FROM Log ORDER BY rowid"_qs); }
};

using Akcja = std::function<void(Stanowisko&)>;
// Readies the program for a request (an open parameter window, preview or print dialog) and
// gives the request itself.
using Przygotowanie = std::function<std::function<void()>(Stanowisko&)>;

Przygotowanie zMenu(const char* pozycja)
{
    return [pozycja](Stanowisko& st) { return [&st, pozycja] { st.akcja(pozycja)->trigger(); }; };
}

void kliknijPrzycisk(QWidget& okno, const QString& tekst)
{
    for (QAbstractButton* b : okno.findChildren<QAbstractButton*>())
        if (b->text() == tekst) {
            QTest::mouseClick(b, Qt::LeftButton);
            return;
        }
    QFAIL(qPrintable(u"no button "_qs + tekst));
}

// The print dialog as the preview shows it, its input held while a tick runs, and what the
// operator does to its "Właściwości" button.
Przygotowanie wlasciwosciDruku(std::function<void(QPushButton&)> nacisnij)
{
    return [nacisnij](Stanowisko& st) -> std::function<void()> {
        auto drukarka = std::make_shared<QPrinter>();
        auto okno = std::shared_ptr<QPrintDialog>(new QPrintDialog(drukarka.get(), &st.okno),
                                                  [drukarka](QPrintDialog* d) { delete d; });
        OknaModalne::WstrzymujWejscie(st.s.poTakcie, *okno);
        okno->show();
        QApplication::setActiveWindow(okno.get());
        return [okno, nacisnij] {
            auto* wlasciwosci = okno->findChild<QPushButton*>(u"properties"_qs);
            QVERIFY(wlasciwosci && wlasciwosci->isEnabled());
            nacisnij(*wlasciwosci);
        };
    };
}

// The preview of an empty daily report, shown without its own loop.
std::shared_ptr<PodgladRaportu> podglad(Stanowisko& st)
{
    auto raport = std::make_shared<RaportWydruk>(RapDobowy(), std::vector<QSqlRecord>{}, st.s.zegar.czas);
    auto okno = std::shared_ptr<PodgladRaportu>(new PodgladRaportu(*raport, st.s.poTakcie, &st.okno),
                                                [raport](PodgladRaportu* p) { delete p; });
    okno->show();
    return okno;
}

} // namespace

Q_DECLARE_METATYPE(Akcja)
Q_DECLARE_METATYPE(Przygotowanie)

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
    void writeErrorsStopNothing();
    void lockedFileHoldsTheLoopOnce();
    void keptWritesWrittenAtShutdown();
    void readingsDatedWhenTaken();
    void stopSignalIsANormalShutdown_data();
    void stopSignalIsANormalShutdown();
    void tickReads_data();
    void tickReads();
    void ticksNeverOverlap();
    void modalWindowDuringAWaitLeavesTicksRunning_data();
    void modalWindowDuringAWaitLeavesTicksRunning();
    void exitQuestion_data();
    void exitQuestion();
    void everyModalWindowWaitsForTheTickEnd_data();
    void everyModalWindowWaitsForTheTickEnd();
    void everyExitRequestIsAnswered();
    void exitOkCountsAtOnce();
    void loginAnswerCountsAtOnce_data();
    void loginAnswerCountsAtOnce();
    void printDialogInputCarriedOutInOrder();

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
// silent. The first ticks store R1's reading and raise an alarm for each, listed in the window.
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
    const QAbstractItemModel& lista = *alarmyOkno->findChild<ListaAlarmow*>()->model();
    QCOMPARE(lista.rowCount(), 2);
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
    QCOMPARE(KolumnaZapytania(db, u"SELECT Kod_Regul || ':' || Tresc FROM Alarmy ORDER BY Kod_Regul"_qs),
             QStringList({"R1:Przekroczona wartość prądu ( 30 A)", "R2:Brak komunikacji z regulatorem "}));
    // Only the regulator that answered has its reading stored.
    QTRY_COMPARE(KolumnaZapytania(db, u"SELECT Adres FROM Pomiary"_qs), QStringList{"1"});
    QCOMPARE(KolumnaZapytania(db, u"SELECT Adres FROM OstPomiar"_qs), QStringList{"1"});
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

// The port selection is offered again for as long as the port cannot be opened.
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
    QCOMPARE(st.okno.findChild<QTimer*>(u"Timer3"_qs)->interval(), 3000); // the sound's repeat
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
    QCOMPARE(
        st.s.kolumna(QStringLiteral("SELECT Operacja || '|' || Status || Typ || '|' || ifnull(Kod_Regul, '') "
                                    "FROM Log ORDER BY rowid")),
        QStringList({"Błąd pętli odczytów (odczyt okresowy): awaria sterownika|BK|R1",
                     "Błąd pętli odczytów (odczyt okresowy): awaria sterownika|BK|R2",
                     "Błąd pętli odczytów (polecenie operatora): awaria sterownika|BK|"}));
    QCOMPARE(st.kolejka.Count(), 0);
    QCOMPARE(st.okno.Panel(PanelStanu::Czas).tekst(), st.s.zegar.czas.toString(u"hh:mm:ss"_qs));
}

// A database that refuses every write: the ticks go on polling, and one box that waits for
// nobody counts the repeated message.
void TestGlowny::writeErrorsStopNothing()
{
    Stanowisko st;
    KomunikatyOkien komunikaty(st.s.poTakcie);
    komunikaty.UstawRodzica(&st.okno);
    st.s.uslugi.komunikaty = &komunikaty;
    st.s.dodajRegulator(u"R1"_qs, 1);
    st.s.wczytaj();
    st.okno.show();
    QVERIFY(QSqlQuery(st.s.baza->db()).exec(u"PRAGMA query_only = ON"_qs));
    StrazModalnych straz;
    for (int i = 0; i < 3; ++i) {
        st.okno.Timer1().Takt();
        st.s.zegar.advance(900);
    }

    QCOMPARE(straz.otwarte, 0);
    QCOMPARE(st.s.komunikator.wywolania.count(u"CZYTAJ32:1:0"_qs), 3);
    const QList<QMessageBox*> okna = st.okno.findChildren<QMessageBox*>(u"BladZapisu"_qs);
    QCOMPARE(okna.size(), 1);
    QVERIFY(okna[0]->isVisible() && !okna[0]->isModal());
    QCOMPARE(okna[0]->text(), u"Błąd zapisu do bazy danych nr  8\n'attempt to write a readonly database'"_qs);
    // Each refused reading counted once; the log row telling of it is part of that refusal.
    QCOMPARE(okna[0]->informativeText(), u"Liczba wystąpień: 3"_qs);
}

// A file held by another program: the first refused write of the outage waits one busy time-out,
// the other writes of that tick and the retries of later ticks wait for nothing. Once the file is
// free, the next tick writes every kept reading and refusal row in the order they were made.
void TestGlowny::lockedFileHoldsTheLoopOnce()
{
    constexpr int kOczekiwanieMs = 400;
    Stanowisko st;
    for (int adres = 1; adres <= 3; ++adres)
        st.s.dodajRegulator(u"R"_qs + QString::number(adres), adres);
    st.s.wczytaj();
    const QString inne = u"blokujace"_qs;
    {
        QSqlDatabase b = QSqlDatabase::addDatabase(u"QSQLITE"_qs, inne);
        b.setDatabaseName(st.s.plik());
        QVERIFY(b.open() && QSqlQuery(b).exec(u"BEGIN EXCLUSIVE"_qs));
        QVERIFY(QSqlQuery(st.s.baza->db()).exec(u"PRAGMA busy_timeout = %1"_qs.arg(kOczekiwanieMs)));
        QList<qint64> takty;
        for (int i = 0; i < 2; ++i) {
            QElapsedTimer czas;
            czas.start();
            st.okno.Timer1().Takt();
            takty << czas.elapsed();
            st.s.zegar.advance(900);
        }
        QVERIFY2(takty[0] < 2 * kOczekiwanieMs && takty[1] < kOczekiwanieMs,
                 qPrintable(u"%1 ms, %2 ms"_qs.arg(takty[0]).arg(takty[1])));
        QCOMPARE(st.s.liczWiersze(u"Pomiary"_qs), 0);
        b.close();
    }
    QSqlDatabase::removeDatabase(inne);
    st.okno.Timer1().Takt();

    QStringList pomiary, odmowy;
    for (const QString& czas : {u"10:00:00"_qs, u"10:15:00"_qs, u"10:30:00"_qs}) {
        for (const QString& kod : {u"1"_qs, u"2"_qs, u"3"_qs}) {
            pomiary << kod + u' ' + czas;
            if (czas != u"10:30:00")
                odmowy << u"R"_qs + kod + u' ' + czas;
        }
    }
    QCOMPARE(st.s.kolumna(u"SELECT Adres || ' ' || substr(Data, 12) FROM Pomiary ORDER BY rowid"_qs),
             pomiary);
    QCOMPARE(st.s.kolumna(u"SELECT Kod_Regul || ' ' || substr(Czas, 12) FROM Log WHERE Status || "
                          "Typ = 'BD' ORDER BY rowid"_qs),
             odmowy);
}

// What the file refused is written when the program ends, if the file takes it by then.
void TestGlowny::keptWritesWrittenAtShutdown()
{
    Stanowisko st;
    st.s.dodajRegulator(u"R1"_qs, 1);
    st.s.wczytaj();
    const QString inne = u"blokujace"_qs;
    {
        QSqlDatabase b = QSqlDatabase::addDatabase(u"QSQLITE"_qs, inne);
        b.setDatabaseName(st.s.plik());
        QVERIFY(b.open() && QSqlQuery(b).exec(u"BEGIN EXCLUSIVE"_qs));
        QVERIFY(QSqlQuery(st.s.baza->db()).exec(u"PRAGMA busy_timeout = 0"_qs));
        st.okno.Timer1().Takt();
        b.close();
    }
    QSqlDatabase::removeDatabase(inne);
    QCOMPARE(st.s.liczWiersze(u"Pomiary"_qs), 0);
    st.okno.ZakonczBezPytania();
    QCOMPARE(st.s.baza->Otworz(st.s.plik()), QString());
    QCOMPARE(st.s.liczWiersze(u"Pomiary"_qs), 1);
    QCOMPARE(st.logi().last(), u"Zatrzymanie aplikacji"_qs);
}

// A tick held up by a slow first regulator dates the second regulator's reading by its own poll.
void TestGlowny::readingsDatedWhenTaken()
{
    Stanowisko st;
    st.s.dodajRegulator(u"R1"_qs, 1);
    st.s.dodajRegulator(u"R2"_qs, 2);
    st.s.wczytaj();
    bool pierwszy = true;
    st.s.komunikator.odpowiedzi[u"CZYTAJ32"_qs] = [&](std::span<quint8>, quint8) {
        if (std::exchange(pierwszy, false))
            st.s.zegar.advance(200);
        return true;
    };
    st.okno.Timer1().Takt();
    QCOMPARE(st.s.kolumna(u"SELECT Adres || ' ' || substr(Data, 12) FROM Pomiary ORDER BY rowid"_qs),
             QStringList({"1 10:00:00", "2 10:03:20"}));
}

void TestGlowny::stopSignalIsANormalShutdown_data()
{
    QTest::addColumn<int>("sygnal");
    QTest::addColumn<bool>("zablokowany"); // another program holds the file through the stop
    QTest::newRow("SIGTERM") << SIGTERM << false;
    QTest::newRow("SIGINT") << SIGINT << false;
    QTest::newRow("SIGTERM, file held") << SIGTERM << true;
}

// The report of a skipped regulator row waits for nobody: the regulators that loaded are read
// while it is shown. The system's request to stop then ends the program as a confirmed close
// does: no question, the port closed, the stop logged, the database closed. Writes the file still
// refuses at the stop are lost: the standard error output tells how many and when, and the exit
// status is not 0.
void TestGlowny::stopSignalIsANormalShutdown()
{
    QFETCH(int, sygnal);
    QFETCH(bool, zablokowany);
    Srodowisko s;
    s.dodajRegulator(u"R1"_qs, 1);
    s.dodajRegulator(u"R2"_qs, 1);
    s.baza->Zamknij();
    regsim::RegulatorState r1;
    r1.address = 1;
    m_sim->sim()->addRegulator(r1);
    AppSettings::write(AppSettings::Port, m_sim->sim()->slavePath());
    StrazModalnych straz;
    StartUp start;
    QCOMPARE(start.Uruchom(s.plik()), 0);
    QVERIFY(start.Port().Otwarty());
    QTRY_COMPARE(KolumnaZapytania(start.uslugi().cnBaza->db(), u"SELECT Adres FROM Pomiary"_qs),
                 QStringList{"1"});
    const QList<QMessageBox*> raport = start.OknoGlowne()->findChildren<QMessageBox*>();
    QCOMPARE(raport.size(), 1);
    QVERIFY(raport[0]->isVisible() && !raport[0]->isModal());
    const QString pominiety = u"regulator 'R2': adres 1 ma już regulator 'R1', regulator pominięty"_qs;
    QCOMPARE(raport[0]->text(), u"Problemy w danych regulatorów:\n"_qs + pominiety);
    const QString inne = u"blokujace"_qs;
    if (zablokowany) {
        QSqlDatabase b = QSqlDatabase::addDatabase(u"QSQLITE"_qs, inne);
        b.setDatabaseName(s.plik());
        QVERIFY(b.open() && QSqlQuery(b).exec(u"BEGIN EXCLUSIVE"_qs));
        QVERIFY(QSqlQuery(start.uslugi().cnBaza->db()).exec(u"PRAGMA busy_timeout = 0"_qs));
        const QString czas = u"\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d"_qs;
        QTest::ignoreMessage(
            QtCriticalMsg,
            QRegularExpression(
                u"^Kalbor: zapisy do bazy danych utracone przy zakończeniu, plik "
                "ich nie przyjął: [1-9]\\d* \\(pierwszy z %1, ostatni z %1\\)\\.$"_qs.arg(czas)));
    }
    std::raise(sygnal);

    QTRY_VERIFY(!start.OknoGlowne()->isVisible());
    QCOMPARE(start.KodZakonczenia(), zablokowany ? StartUp::kZapisyUtracone : 0);
    if (zablokowany) {
        QSqlDatabase::database(inne).close();
        QSqlDatabase::removeDatabase(inne);
    }
    QCOMPARE(straz.otwarte, 0);
    QVERIFY(!start.Port().Otwarty());
    QVERIFY(!start.uslugi().cnBaza->db().isOpen());
    QCOMPARE(s.baza->Otworz(s.plik()), QString());
    QCOMPARE(s.kolumna(u"SELECT Operacja FROM Log ORDER BY rowid"_qs),
             QStringList({u"Problemy w danych regulatorów: "_qs + pominiety, u"Start aplikacji"_qs})
                 << (zablokowany ? QStringList() : QStringList{u"Zatrzymanie aplikacji"_qs}));
}

// Which regulators a tick reads: the active ones when their reading is due, the monitored ones
// on every tick, active or not, each monitored reading framed by the monitoring indicator.
void TestGlowny::tickReads_data()
{
    QTest::addColumn<bool>("aktywny");
    QTest::addColumn<bool>("monitorowany");
    QTest::addColumn<bool>("nalezny"); // its periodic reading is due
    QTest::addColumn<int>("odczyty");
    QTest::addColumn<QStringList>("wskaznik");
    const QStringList ramka{"eMonitoring(1,T)", "eMonitoring(1,F)"};
    QTest::newRow("inactive, due") << false << false << true << 0 << QStringList{};
    QTest::newRow("active, not due") << true << false << false << 0 << QStringList{};
    QTest::newRow("active, due") << true << false << true << 1 << QStringList{};
    QTest::newRow("inactive, monitored") << false << true << true << 1 << ramka;
    QTest::newRow("active, due and monitored") << true << true << true << 2 << ramka;
}

void TestGlowny::tickReads()
{
    QFETCH(bool, aktywny);
    QFETCH(bool, monitorowany);
    QFETCH(bool, nalezny);
    StanowiskoGlowne st;
    st.s.dodajRegulator(u"R1"_qs, 1, {{u"aktywny"_qs, aktywny ? u"Tak"_qs : u"Nie"_qs}});
    st.s.wczytaj();
    clRegulator& r = st.s.regulatory->Item(1);
    r.Monitoring = monitorowany;
    if (!nalezny)
        r.NastepnyOdczyt = st.s.zegar.czas.addSecs(60);
    st.okno.Timer1().Takt();
    QTEST(int(st.s.komunikator.wywolania.count(u"CZYTAJ_DIODY:1:0"_qs)), "odczyty");
    QTEST(st.s.wizual.filtr(u"eMonitoring"_qs), "wskaznik");
}

// Timer1 is off while a tick runs: a reply wait longer than the period starts no second tick.
void TestGlowny::ticksNeverOverlap()
{
    StanowiskoGlowne st;
    st.s.dodajRegulator(u"R1"_qs, 1);
    st.s.wczytaj();
    st.s.regulatory->Item(1).Monitoring = true;
    int takty = 0, wToku = 0, najwiecej = 0;
    bool wlaczonyWTakcie = false;
    st.s.komunikator.odpowiedzi[u"CZYTAJ_DIODY"_qs] = [&](std::span<quint8>, quint8) {
        ++takty;
        najwiecej = std::max(najwiecej, ++wToku);
        wlaczonyWTakcie |= st.okno.Timer1().Wlaczona();
        if (wToku == 1) // a tick started inside the wait does not wait again, so both end
            QTest::qWait(3 * PetlaOdczytow::kOkresMs);
        --wToku;
        return false;
    };
    st.okno.Timer1().Wlacz();
    QTRY_VERIFY(takty >= 3);
    st.okno.Timer1().Wylacz();
    QCOMPARE(najwiecej, 1);
    QVERIFY(!wlaczonyWTakcie);
}

// A silent monitored regulator makes every tick wait for its reply. An action that opens a modal
// window, asked for during such a wait, is carried out when the tick has ended, and the ticks go
// on while its window is open: the readings of the answering regulator are stored and the clock
// moves (a minute a tick here).
void TestGlowny::modalWindowDuringAWaitLeavesTicksRunning_data()
{
    QTest::addColumn<Akcja>("akcja");
    QTest::newRow("login") << Akcja([](Stanowisko& st) { st.akcja("mnuSterWlacz")->trigger(); });
    QTest::newRow("exit question") << Akcja([](Stanowisko& st) { st.okno.close(); });
    QTest::newRow("delete question") << Akcja([](Stanowisko& st) { st.akcja("mnuRegulUsun")->trigger(); });
    QTest::newRow("message") << Akcja(
        [](Stanowisko& st) { st.okno.Menu().Polecenia().mnuRegulBatZal_Click(); });
    QTest::newRow("report preview") << Akcja([](Stanowisko& st) { st.akcja("mnuRegRapDob")->trigger(); });
}

void TestGlowny::modalWindowDuringAWaitLeavesTicksRunning()
{
    QFETCH(Akcja, akcja);
    Stanowisko st;
    st.s.dodajRegulator(u"R1"_qs, 1, {{u"CzestOdczytu"_qs, 1}});
    st.s.dodajRegulator(u"R2"_qs, 2);
    st.s.wczytaj();
    st.s.regulatory->Item(2).Monitoring = true;
    fmLogin logowanie(st.s.uslugi, &st.okno);
    st.s.uslugi.logowanie = &logowanie;
    KomunikatyOkien komunikaty(st.s.poTakcie);
    komunikaty.UstawRodzica(&st.okno);
    st.s.uslugi.komunikaty = &komunikaty;
    bool poproszono = false;
    st.s.komunikator.odpowiedzi[u"CZYTAJ_DIODY"_qs] = [&](std::span<quint8>, quint8) {
        if (st.s.komunikator.nr != 2)
            return true;
        st.s.zegar.advance(60);
        QCoreApplication::processEvents(); // the wait lets window events run
        if (!std::exchange(poproszono, true))
            akcja(st);
        return false;
    };
    // Looks at the program while the window is open, then cancels it.
    const auto stan = [&] {
        return QStringList{QString::number(st.s.liczWiersze(u"Pomiary"_qs)),
                           st.okno.Panel(PanelStanu::Czas).tekst()};
    };
    QStringList przyOtwarciu, poChwili;
    QElapsedTimer otwarte;
    QTimer obserwator;
    obserwator.setInterval(20);
    QObject::connect(&obserwator, &QTimer::timeout, [&] {
        auto* okno = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!okno)
            return;
        if (przyOtwarciu.isEmpty()) {
            przyOtwarciu = stan();
            otwarte.start();
        } else if (otwarte.elapsed() > 1000) {
            poChwili = stan();
            obserwator.stop();
            okno->reject();
        }
    });
    obserwator.start();
    st.okno.Timer1().Wlacz();
    QTRY_VERIFY_WITH_TIMEOUT(!poChwili.isEmpty(), 10000);
    st.okno.Timer1().Wylacz();
    QVERIFY2(poChwili[0].toInt() >= przyOtwarciu[0].toInt() + 2,
             qPrintable(przyOtwarciu.join(u' ') + u" -> "_qs + poChwili.join(u' ')));
    QVERIFY(poChwili[1] != przyOtwarciu[1]);
    // Cancelled: nothing was switched on, closed or deleted.
    QVERIFY(!st.s.app->TrybSterowania && st.s.baza->db().isOpen());
    QCOMPARE(st.s.liczWiersze(u"Regulatory"_qs), 2);
}

void TestGlowny::exitQuestion_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("przycisk");
    QTest::addColumn<bool>("wTakcie"); // asked while a reading waits for its reply
    QTest::addColumn<bool>("ramka");   // by the close box rather than Plik → Koniec
    QTest::newRow("Cancel changes nothing") << QMessageBox::Cancel << false << false;
    QTest::newRow("OK unloads") << QMessageBox::Ok << false << false;
    QTest::newRow("asked during a tick, OK after its end") << QMessageBox::Ok << true << false;
    QTest::newRow("close box, OK unloads") << QMessageBox::Ok << false << true;
    QTest::newRow("close box during a tick, OK after its end") << QMessageBox::Ok << true << true;
}

// A close asked for during a tick is asked and carried out when the tick has ended, so the
// reading in progress still finds its port, database and regulator.
void TestGlowny::exitQuestion()
{
    QFETCH(QMessageBox::StandardButton, przycisk);
    QFETCH(bool, wTakcie);
    QFETCH(bool, ramka);
    const bool zamknij = przycisk == QMessageBox::Ok;
    Stanowisko st;
    AppSettings::write(AppSettings::Port, m_sim->sim()->slavePath());
    st.okno.Zaladuj();
    st.okno.show();
    QString pytanie;
    bool otwartyPoPytaniu = false;
    // The close box's question comes once its close has returned to the event loop.
    const auto zamykaj = [&] {
        if (ramka) {
            st.okno.close();
            odpowiedz(przycisk, pytanie);
            if (!wTakcie)
                QCoreApplication::processEvents();
        } else {
            odpowiedz(przycisk, pytanie);
            st.akcja("mnuKoniec")->trigger();
        }
        otwartyPoPytaniu = st.port.Otwarty() && st.s.baza->db().isOpen() && st.okno.isVisible();
        return true;
    };
    if (wTakcie) {
        st.s.dodajRegulator(u"R1"_qs, 1);
        st.s.wczytaj();
        st.s.komunikator.odpowiedzi[u"CZYTAJ32"_qs] = [&](std::span<quint8>, quint8) { return zamykaj(); };
        st.okno.Timer1().Takt();
        if (ramka)
            QCoreApplication::processEvents();
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

// Every window that can be opened modally, asked for three times while a tick runs: none opens
// inside the tick, the status line names what waits under a busy cursor, and one window opens
// when the tick has ended.
void TestGlowny::everyModalWindowWaitsForTheTickEnd_data()
{
    QTest::addColumn<Przygotowanie>("przygotuj");
    QTest::addColumn<QString>("czeka");
    QTest::addColumn<QString>("okno"); // its class
    QTest::newRow("login") << zMenu("mnuSterWlacz") << u"Logowanie"_qs << u"fmLogin"_qs;
    QTest::newRow("exit question") << zMenu("mnuKoniec") << u"Koniec programu"_qs << u"QMessageBox"_qs;
    QTest::newRow("exit question, close box") << Przygotowanie([](Stanowisko& st) {
        return [&st] {
            st.okno.close();
            QCoreApplication::processEvents();
        };
    }) << u"Koniec programu"_qs << u"QMessageBox"_qs;
    QTest::newRow("delete question") << zMenu("mnuRegulUsun") << u"UWAGA"_qs << u"QMessageBox"_qs;
    QTest::newRow("message") << Przygotowanie([](Stanowisko& st) {
        return [&st] { st.okno.Menu().Polecenia().mnuRegulBatZal_Click(); };
    }) << u"Kalbor"_qs << u"QMessageBox"_qs;
    QTest::newRow("report preview") << zMenu("mnuRegRapDob") << u"Podgląd raportu"_qs << u"PodgladRaportu"_qs;
    QTest::newRow("report parameter window's Ok") << Przygotowanie([](Stanowisko& st) {
        st.akcja("mnuRaportyDobowy")->trigger();
        return [&st] { kliknijPrzycisk(*st.okno.Obszar()->activeSubWindow()->widget(), u"&Ok"_qs); };
    }) << u"Podgląd raportu"_qs << u"PodgladRaportu"_qs;
    QTest::newRow("about") << zMenu("mnuPomocOProgramie") << u"O programie"_qs << u"frmSplash"_qs;
    QTest::newRow("options of the port loop")
        << Przygotowanie([](Stanowisko& st) { return [&st] { st.okno.WybierzPort(); }; })
        << u"Opcje programu"_qs << u"frmOptions"_qs;
    QTest::newRow("print dialog") << Przygotowanie([](Stanowisko& st) {
        auto okno = podglad(st);
        return [okno] { kliknijPrzycisk(*okno, u"&Drukuj..."_qs); };
    }) << u"Drukowanie"_qs << u"QPrintDialog"_qs;
    // Every press of a button in Qt's own dialog is carried out, each opening its window.
    const QString trzyRazy = u"QPrintPropertiesDialog,QPrintPropertiesDialog,QPrintPropertiesDialog"_qs;
    QTest::newRow("print dialog's properties")
        << wlasciwosciDruku([](QPushButton& b) { QTest::mouseClick(&b, Qt::LeftButton); })
        << u"Właściwości"_qs << trzyRazy;
    QTest::newRow("print dialog's properties, Space")
        << wlasciwosciDruku([](QPushButton& b) { QTest::keyClick(&b, Qt::Key_Space); }) << u"Właściwości"_qs
        << trzyRazy;
    QTest::newRow("print dialog's properties, Enter on the button") << wlasciwosciDruku([](QPushButton& b) {
        b.setFocus();
        QTest::keyClick(&b, Qt::Key_Return);
    }) << u"Właściwości"_qs << trzyRazy;
    QTest::newRow("print dialog's properties, its Alt letter") << wlasciwosciDruku([](QPushButton& b) {
        const QKeySequence litera = QKeySequence::mnemonic(b.text());
        QVERIFY(!litera.isEmpty());
        QTest::keyClick(b.window(), litera[0].key(), litera[0].keyboardModifiers());
    }) << u"Drukowanie"_qs << trzyRazy;
}

void TestGlowny::everyModalWindowWaitsForTheTickEnd()
{
    QFETCH(Przygotowanie, przygotuj);
    QFETCH(QString, czeka);
    Stanowisko st;
    st.s.dodajRegulator(u"R1"_qs, 1);
    st.s.wczytaj();
    st.s.app->NrAktRegulatora = 1;
    st.s.app->AktTypEl = u"R"_qs;
    fmLogin logowanie(st.s.uslugi, &st.okno);
    st.s.uslugi.logowanie = &logowanie;
    KomunikatyOkien komunikaty(st.s.poTakcie);
    komunikaty.UstawRodzica(&st.okno);
    st.s.uslugi.komunikaty = &komunikaty;
    st.okno.show();
    const std::function<void()> prosba = przygotuj(st);
    StrazModalnych straz;

    st.s.poTakcie.PoczatekTaktu();
    for (int i = 0; i < 3; ++i)
        prosba();
    // As long as a tick waiting for a silent regulator: a click animated by a button comes late.
    QTest::qWait(3 * PetlaOdczytow::kOkresMs);
    QCOMPARE(straz.klasy, QStringList());
    QCOMPARE(st.okno.Panel(PanelStanu::Stan).tekst(), u"Czeka na koniec odczytu: "_qs + czeka);
    QVERIFY(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::BusyCursor);

    st.s.poTakcie.KoniecTaktu();
    QCoreApplication::processEvents();
    QTEST(straz.klasy.join(u','), "okno");
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(st.okno.Panel(PanelStanu::Stan).tekst(), u"Stan"_qs);
}

// Plik → Koniec, Esc on the question while a tick runs inside it, Plik → Koniec again in that
// tick: the second request gets a question of its own once the tick has ended.
void TestGlowny::everyExitRequestIsAnswered()
{
    Stanowisko st;
    st.okno.show();
    QStringList pytania;
    QTimer::singleShot(0, [&] {
        auto* pierwsze = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(pierwsze);
        pytania << pierwsze->windowTitle();
        st.s.poTakcie.PoczatekTaktu();
        QTest::keyClick(pierwsze, Qt::Key_Escape);
        QVERIFY(!pierwsze->isVisible());
        st.akcja("mnuKoniec")->trigger();
        QString drugie;
        odpowiedz(QMessageBox::Cancel, drugie);
        st.s.poTakcie.KoniecTaktu();
        pytania << drugie;
    });
    st.akcja("mnuKoniec")->trigger();
    QCOMPARE(pytania,
             QStringList({"Koniec programu", "Koniec programu|Czy zakończyć działanie programu Kalbor?"}));
    QVERIFY(st.okno.isVisible());
}

// OK on the exit question while a tick runs inside it counts at once: the status line says the
// program ends after the reading, under a busy cursor, and the close box and Plik → Koniec in
// that tick ask nothing more. The program ends when the tick has ended.
void TestGlowny::exitOkCountsAtOnce()
{
    Stanowisko st;
    st.okno.show();
    QString stan;
    bool zajety = false;
    int pytania = -1;
    QTimer::singleShot(0, [&] {
        auto* pytanie = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(pytanie);
        st.s.poTakcie.PoczatekTaktu();
        QTest::mouseClick(pytanie->button(QMessageBox::Ok), Qt::LeftButton);
        stan = st.okno.Panel(PanelStanu::Stan).tekst();
        zajety = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::BusyCursor;
        StrazModalnych straz;
        st.okno.close();
        QCoreApplication::processEvents();
        st.akcja("mnuKoniec")->trigger();
        st.s.poTakcie.KoniecTaktu();
        QCoreApplication::processEvents();
        pytania = straz.otwarte;
    });
    st.akcja("mnuKoniec")->trigger();
    QCOMPARE(stan, u"Czeka na koniec odczytu: Koniec programu"_qs);
    QVERIFY(zajety);
    QCOMPARE(pytania, 0);
    QVERIFY(!st.okno.isVisible() && !st.s.baza->db().isOpen());
    QCOMPARE(st.s.baza->Otworz(st.s.plik()), QString());
    QCOMPARE(st.logi(), QStringList{u"Zatrzymanie aplikacji"_qs});
}

void TestGlowny::loginAnswerCountsAtOnce_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("OK") << true;
    QTest::newRow("Esc, then switching on again") << false;
}

// The login answered while a tick runs inside it counts at once: control mode and the menu
// follow the answer before the tick ends. Switching on again before the login has returned
// opens no second login, which would answer in its place.
void TestGlowny::loginAnswerCountsAtOnce()
{
    QFETCH(bool, ok);
    // A fresh window at every showing, as the program shows the login.
    struct Logowanie final : OknoLogowania
    {
        explicit Logowanie(Stanowisko& s) : st(s) {}
        void PokazModalnie(const std::function<void()>& poOdpowiedzi) override
        {
            fmLogin okno(st.s.uslugi, &st.okno);
            okno.PokazModalnie(poOdpowiedzi);
        }
        Stanowisko& st;
    };
    Stanowisko st;
    Logowanie logowania(st);
    st.s.uslugi.logowanie = &logowania;
    st.okno.show();
    bool trybWTakcie = !ok;
    QString pozycja;
    int loginy = -1;
    QTimer::singleShot(0, [&] {
        auto* logowanie = qobject_cast<fmLogin*>(QApplication::activeModalWidget());
        QVERIFY(logowanie);
        st.s.poTakcie.PoczatekTaktu();
        if (ok) {
            QTest::keyClicks(logowanie->findChild<QLineEdit*>(u"txtUserName"_qs), u"tolvek"_qs);
            QTest::keyClicks(logowanie->findChild<QLineEdit*>(u"txtPassword"_qs), st.s.app->AdmHaslo);
            QTest::keyClick(logowanie, Qt::Key_Return);
        } else {
            QTest::keyClick(logowanie, Qt::Key_Escape);
        }
        trybWTakcie = st.s.app->TrybSterowania;
        pozycja = st.akcja("mnuSterWlacz")->text();
        StrazModalnych straz;
        if (!ok)
            st.akcja("mnuSterWlacz")->trigger();
        st.s.poTakcie.KoniecTaktu();
        QCoreApplication::processEvents();
        loginy = straz.otwarte;
    });
    st.akcja("mnuSterWlacz")->trigger();
    QCOMPARE(trybWTakcie, ok);
    QCOMPARE(pozycja.remove(u'&'), ok ? u"Wyłącz tryb sterowania"_qs : u"Włącz tryb sterowania"_qs);
    QCOMPARE(loginy, 0);
    QCOMPARE(st.s.app->TrybSterowania, ok);
    QCOMPARE(st.okno.Panel(PanelStanu::TrybPracy).tekst(), ok ? u"sterowanie"_qs : u"normalny"_qs);
}

// A check box of the print dialog clicked twice while a tick runs is toggled twice when the tick
// has ended: every held input is carried out, in the order it came. The pointer merely passing
// over the dialog is not held.
void TestGlowny::printDialogInputCarriedOutInOrder()
{
    PoTakcie poTakcie;
    QPrinter drukarka;
    QPrintDialog okno(&drukarka);
    OknaModalne::WstrzymujWejscie(poTakcie, okno);
    okno.show();
    for (QPushButton* b : okno.findChildren<QPushButton*>())
        if (b->text().endsWith(u">>"))
            b->click(); // the options
    auto* pole = okno.findChild<QCheckBox*>(u"reverse"_qs);
    QVERIFY(pole);
    for (QTabWidget* karty : okno.findChildren<QTabWidget*>())
        for (int i = 0; i < karty->count(); ++i)
            if (karty->widget(i)->isAncestorOf(pole))
                karty->setCurrentIndex(i);
    QVERIFY(pole->isVisible() && pole->isEnabled());
    const bool bylo = pole->isChecked();
    QStringList czekajace;
    poTakcie.ZmianaCzekajacych = [&czekajace](const QStringList& nazwy) { czekajace = nazwy; };
    poTakcie.PoczatekTaktu();
    QTest::mouseMove(pole); // the pointer passing over it holds nothing
    QCOMPARE(czekajace, QStringList());
    QTest::mouseClick(pole, Qt::LeftButton);
    QCOMPARE(pole->isChecked(), bylo);
    QTest::mouseClick(pole, Qt::LeftButton);
    poTakcie.KoniecTaktu();
    QCOMPARE(pole->isChecked(), bylo);
    QTest::mouseClick(pole, Qt::LeftButton);
    QCOMPARE(pole->isChecked(), !bylo);
}

KALBOR_TEST_OKIEN(TestGlowny)
#include "tst_glowny.moc"
