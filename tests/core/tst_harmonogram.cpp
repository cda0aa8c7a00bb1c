// The periodic reading: when a regulator is due, where its next reading lies on the grid of
// whole intervals, retries after a failure, and the lock state read at the first reading.
#include "TestSupport.h"
#include "WallClock.h"
#include "clRegulator.h"

#include <QSqlQuery>
#include <QTest>
#include <ctime>
#include <utility>

namespace {
QDateTime czas(const char* tekst)
{
    return QDateTime::fromString(QString::fromLatin1(tekst), u"yyyy-MM-dd HH:mm:ss"_qs);
}
} // namespace

class TestHarmonogram : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void cleanup() { m_s.reset(); }

    void nextReading_data();
    void nextReading();
    void retryAfterFailure_data();
    void retryAfterFailure();
    void lockStateReadAtFirstReading_data();
    void lockStateReadAtFirstReading();
    void wholeClockTimesAcrossDst_data();
    void wholeClockTimesAcrossDst();

  private:
    clRegulator& r() { return m_s->regulatory->Item(1); }
    void regulator(const QVariantMap& kolumny = {})
    {
        m_s->dodajRegulator(u"R1"_qs, 1, kolumny);
        m_s->wczytaj();
    }
    // The times of the stored readings, in order.
    QString zapisane() const
    {
        return m_s->wartosc(u"SELECT group_concat(substr(Data, 12), ' ') FROM Pomiary"_qs).toString();
    }

    std::unique_ptr<Srodowisko> m_s;
};

void TestHarmonogram::initTestCase()
{
    // A zone with daylight-saving changes, so that the grid is seen to follow the wall clock.
    qputenv("TZ", "Europe/Warsaw");
    tzset();
}

void TestHarmonogram::init()
{
    m_s = std::make_unique<Srodowisko>();
}

void TestHarmonogram::nextReading_data()
{
    QTest::addColumn<int>("czest");
    QTest::addColumn<QDateTime>("nastepny");
    QTest::addColumn<QDateTime>("teraz");
    QTest::addColumn<QDateTime>("wynik");
    // The last reading (not the first of the run, which also reads the lock): the tick that read
    // it, or the last stored reading before the start.
    QTest::addColumn<QDateTime>("ostatni");
    const QDateTime poczatek = WallClock::dateOrigin();
    const QDateTime przedStartem = czas("2003-12-16 23:45:00");
    QTest::newRow("not due") << 15 << czas("2003-12-17 10:15:00") << czas("2003-12-17 10:14:59")
                             << czas("2003-12-17 10:15:00") << czas("2003-12-17 10:00:00");
    QTest::newRow("read on the grid point")
        << 15 << czas("2003-12-17 10:15:00") << czas("2003-12-17 10:15:00") << czas("2003-12-17 10:30:00")
        << czas("2003-12-17 10:00:00");
    QTest::newRow("two whole intervals late: the next point, not this one again")
        << 15 << czas("2003-12-17 10:15:00") << czas("2003-12-17 10:45:00") << czas("2003-12-17 11:00:00")
        << czas("2003-12-17 10:00:00");
    QTest::newRow("grid from the date origin, not midnight")
        << 7 << poczatek << czas("2003-12-17 10:07:42") << czas("2003-12-17 10:10:00") << przedStartem;
    QTest::newRow("interval 0 reads every minute")
        << 0 << poczatek << czas("2003-12-17 10:07:42") << czas("2003-12-17 10:08:00") << przedStartem;
    QTest::newRow("negative interval reads every minute")
        << -5 << czas("2003-12-17 10:07:00") << czas("2003-12-17 10:07:00") << czas("2003-12-17 10:08:00")
        << czas("2003-12-17 10:06:00");
    // A stored reading later than the clock at the start (set back while the program was not
    // running): the first tick reads, as always.
    QTest::newRow("first reading of the run before the last stored one")
        << 15 << poczatek << czas("2003-12-16 10:07:42") << czas("2003-12-16 10:15:00") << przedStartem;
    // The hour after the change to winter time only pauses the readings until the next reading
    // time comes again; a step back of more than that re-anchors the schedule on the new clock at
    // the first point of its grid from there (logged).
    QTest::newRow("clock set back an hour: paused")
        << 15 << czas("2003-12-17 10:15:00") << czas("2003-12-17 09:00:00") << czas("2003-12-17 10:15:00")
        << czas("2003-12-17 10:00:00");
    QTest::newRow("clock set back a day") << 15 << czas("2003-12-17 10:15:00") << czas("2003-12-16 10:05:00")
                                          << czas("2003-12-16 10:15:00") << czas("2003-12-17 10:00:00");
    QTest::newRow("clock set back just over an hour, after a failed reading")
        << 15 << czas("2003-12-17 10:05:06") << czas("2003-12-17 08:59:59") << czas("2003-12-17 09:05:06")
        << czas("2003-12-17 10:00:00");
}

void TestHarmonogram::nextReading()
{
    QFETCH(int, czest);
    QFETCH(QDateTime, nastepny);
    QFETCH(QDateTime, teraz);
    QFETCH(QDateTime, wynik);
    QFETCH(QDateTime, ostatni);
    regulator({{u"CzestOdczytu"_qs, czest}});
    r().NastepnyOdczyt = nastepny;
    r().OstatniOdczyt = ostatni;
    m_s->zegar.czas = teraz.addSecs(3); // the poll takes time; the grid counts from the tick
    r().OkresowyOdczyt(teraz);
    QCOMPARE(r().NastepnyOdczyt, wynik);
    // A later tick before the next reading time changes nothing.
    r().OkresowyOdczyt(std::min(teraz.addSecs(1), wynik.addSecs(-1)));
    // Before its time nothing at all happens; on time one reading is stored at the tick's time.
    const bool naCzas = teraz >= nastepny;
    QCOMPARE(m_s->wizual.zdarzenia.isEmpty(), !naCzas);
    QCOMPARE(m_s->wartosc(u"SELECT group_concat(Data) FROM Pomiary"_qs).toString(),
             naCzas ? teraz.toString(u"yyyy-MM-dd HH:mm:ss"_qs) : QString());
    // Only a schedule moved back by the clock is logged.
    QCOMPARE(m_s->wartosc(u"SELECT count(*) FROM Log WHERE Operacja LIKE 'Zegar cofnięty%' AND Status || Typ "
                          "|| Kod_Regul = 'NKR1'"_qs)
                 .toInt(),
             !naCzas && wynik < nastepny ? 1 : 0);
}

// A failed reading is retried awarCzest minutes after the poll gave up (at least one minute,
// never at the next tick), and the grid of the later readings runs from the retry.
void TestHarmonogram::retryAfterFailure_data()
{
    QTest::addColumn<int>("awarCzest");
    QTest::addColumn<QString>("odczyty");
    QTest::newRow("5 minutes") << 5 << "10:20:06 10:35:06";
    QTest::newRow("0 counts as one minute") << 0 << "10:16:06 10:31:06";
    QTest::newRow("negative counts as one minute") << -3 << "10:16:06 10:31:06";
}

void TestHarmonogram::retryAfterFailure()
{
    QFETCH(int, awarCzest);
    regulator({{u"CzestOdczytu"_qs, 15}, {u"awarCzest"_qs, awarCzest}});
    // The first reading finds the regulator silent through six seconds of attempts.
    bool cichy = true;
    m_s->komunikator.odpowiedzi[u"CZYTAJ32"_qs] = [&](std::span<quint8>, quint8) {
        if (cichy)
            m_s->zegar.advance(6);
        return !std::exchange(cichy, false);
    };
    for (m_s->zegar.czas = czas("2003-12-17 10:15:00"); m_s->zegar.czas < czas("2003-12-17 10:40:00");
         m_s->zegar.advance(1))
        r().OkresowyOdczyt(QDateTime(m_s->zegar.czas)); // the tick's time, not the running clock
    QTEST(zapisane(), "odczyty");
}

void TestHarmonogram::lockStateReadAtFirstReading_data()
{
    QTest::addColumn<bool>("poprzedni");     // the regulator has an OstPomiar row
    QTest::addColumn<bool>("pierwszyUdany"); // its first reading succeeds
    QTest::addColumn<bool>("blokOdpowiada");
    QTest::addColumn<int>("odczytyBlokady");
    QTest::addColumn<bool>("zablokowany");
    QTest::newRow("no previous reading") << false << true << true << 1 << true;
    QTest::newRow("previous reading stored") << true << true << true << 0 << false;
    QTest::newRow("first reading fails") << false << false << true << 0 << false;
    QTest::newRow("lock read fails") << false << true << false << 1 << false;
}

void TestHarmonogram::lockStateReadAtFirstReading()
{
    QFETCH(bool, poprzedni);
    QFETCH(bool, pierwszyUdany);
    QFETCH(bool, blokOdpowiada);
    m_s->dodajRegulator(u"R1"_qs, 1);
    if (poprzedni)
        QVERIFY(
            QSqlQuery(m_s->baza->db())
                .exec(
                    u"INSERT INTO OstPomiar (Adres, PopPradCzynny, Czas) VALUES (1, 5, '2003-12-16 23:45:00')"_qs));
    m_s->wczytaj();
    if (blokOdpowiada)
        m_s->komunikator.bajt(u"Czytaj_blok"_qs, 0x61);
    else
        m_s->komunikator.zawiedz(u"Czytaj_blok"_qs);
    if (!pierwszyUdany)
        m_s->komunikator.zawiedz(u"czytaj"_qs);
    r().OkresowyOdczyt(czas("2003-12-17 10:00:00"));
    m_s->komunikator.odpowiedzi.erase(u"CZYTAJ"_qs);
    r().OkresowyOdczyt(czas("2003-12-17 10:15:00"));
    r().OkresowyOdczyt(czas("2003-12-17 10:30:00"));

    QTEST(int(m_s->komunikator.wywolania.count(u"CZYTAJ_BLOK:1:0"_qs)), "odczytyBlokady");
    QTEST(r().Zablokowany, "zablokowany");
    QCOMPARE(m_s->wizual.filtr(u"eBlokadaRegul"_qs).size(), r().Zablokowany ? 1 : 0);
    if (r().Zablokowany)
        QCOMPARE(m_s->wizual.zdarzenia.mid(0, 6),
                 QStringList({"eOkresowyOdczyt(1,T)", "eNoweDane(1,O)", "eOkresowyOdczyt(1,F)",
                              "eOkresowyOdczyt(1,T)", "eBlokadaRegul(1,T,F)", "eOkresowyOdczyt(1,F)"}));
}

void TestHarmonogram::wholeClockTimesAcrossDst_data()
{
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QString>("odczyty");
    // Every 90 minutes on the wall clock: 01:30, 03:00, 04:30, whatever the clocks did between.
    QTest::newRow("spring forward") << czas("2024-03-31 00:00:30")
                                    << u"00:00:30 01:30:30 03:00:30 04:30:30"_qs;
    QTest::newRow("fall back") << czas("2024-10-27 00:00:30") << u"00:00:30 01:30:30 03:00:30 04:30:30"_qs;
}

void TestHarmonogram::wholeClockTimesAcrossDst()
{
    QFETCH(QDateTime, start);
    regulator({{u"CzestOdczytu"_qs, 90}});
    m_s->zegar.czas = start;
    // One tick a minute until 05:00 on the wall clock.
    while (m_s->zegar.czas.time() < QTime(5, 0) && m_s->zegar.czas.date() == start.date()) {
        r().OkresowyOdczyt(m_s->zegar.czas);
        m_s->zegar.advance(60);
    }
    QTEST(zapisane(), "odczyty");
}

QTEST_GUILESS_MAIN(TestHarmonogram)
#include "tst_harmonogram.moc"
