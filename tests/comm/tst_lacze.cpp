// The serial link end to end: frames, replies, retries and time-outs against simulated
// regulators on a pseudo-terminal, through the real port layer.
#include "LaczeTestowe.h"
#include "PortSzeregowy.h"
#include "clRegulator.h"

namespace {
QByteArray hex(const char* h)
{
    return QByteArray::fromHex(h);
}

// A line on a clock that moves only while the link sleeps on the port: one second a sleep, the
// wall clock stepped by `krok` seconds at the first. It holds `najpierw` from the start and
// receives `potem` at the given sleep: by default a silent line where one byte arrives after 20
// sleeps, so a wait that does not end on its own still ends.
class LiniaNaZegarze final : public PortSzeregowy
{
  public:
    LiniaNaZegarze(FakeClock& zegar, qint64 krok, QByteArray najpierw = {},
                   QByteArray potem = QByteArray(1, 0), int przyUspieniu = 20)
        : m_zegar(zegar), m_krok(krok), m_wejscie(najpierw), m_potem(potem), m_przyUspieniu(przyUspieniu)
    {
    }
    int uspienia = 0;
    int InBufferCount() override { return int(m_wejscie.size()); }
    void WyczyscWejscie() override { m_wejscie.clear(); }
    int Input() override
    {
        const int c = quint8(m_wejscie.front());
        m_wejscie.remove(0, 1);
        return c;
    }
    void Output(const QByteArray&) override {}
    void CzekajNaDane(int) override
    {
        if (++uspienia == 1)
            m_zegar.przestaw(m_krok);
        m_zegar.advance(1);
        if (uspienia == m_przyUspieniu)
            m_wejscie += m_potem;
    }

  private:
    FakeClock& m_zegar;
    qint64 m_krok;
    QByteArray m_wejscie, m_potem;
    int m_przyUspieniu;
};
} // namespace

class TestLacze : public QObject
{
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { m_l.reset(); }

    void frames_data();
    void frames();
    void silentRegulatorRetriesOnce();
    void czytajDiodyMissingAnswer_data();
    void czytajDiodyMissingAnswer();
    void measurementBlock_data();
    void measurementBlock();
    void ustawBlokReadsAnswerToSecondFrame();
    void lateReplyIsNotTheNextOnes();
    void unknownCommand();
    void addressOutOfRange();
    void replyWaitOnTheSteadyClock_data();
    void replyWaitOnTheSteadyClock();
    void blockAfterAShortOneFromElementZero();
    void portTakenByAnother_data();
    void portTakenByAnother();

  private:
    QList<QByteArray> ramki() const { return m_l->sim().receivedFrames(); }
    void cichy(quint8 adres = 5)
    {
        m_l->zmien(adres, [](auto& st) { st.failure = regsim::Failure::Silent; });
    }
    bool rozkaz(int nr, QString nazwa, std::span<quint8> dane = {}, quint8 wartosc = 0)
    {
        return m_l->comm.WykonajPolecenie(nr, nazwa, dane, wartosc);
    }

    std::unique_ptr<LaczeTestowe> m_l;
};

void TestLacze::init()
{
    m_l = std::make_unique<LaczeTestowe>();
    m_l->uruchom({5, 7});
    m_l->s.regulatory->Add(5, u"R5"_qs, u"R5"_qs).Id = 1;
    m_l->s.regulatory->Add(7, u"R7"_qs, u"R7"_qs).Id = 2;
}

void TestLacze::frames_data()
{
    QTest::addColumn<QString>("rozkaz");
    QTest::addColumn<int>("wartosc");
    QTest::addColumn<QByteArray>("wyslane");
    QTest::addColumn<bool>("cichy"); // send-only commands succeed on a silent line
    QTest::newRow("daj_dane") << "daj_dane" << 0 << hex("02054f06") << true;
    QTest::newRow("Czytaj_Diody") << "Czytaj_Diody" << 0
                                  << hex("02059004"
                                         "0205a004"
                                         "0205b004")
                                  << false;
    QTest::newRow("Ustaw_sr") << "Ustaw_sr" << 0x09 << hex("02056a0309") << true;
    QTest::newRow("Testuj") << "Testuj" << 0 << hex("0205b004") << false;
    QTest::newRow("Czytaj_Kond1") << "Czytaj_Kond1" << 0 << hex("02059004") << false;
    QTest::newRow("Czytaj_Kond2") << "Czytaj_Kond2" << 0 << hex("0205a004") << false;
    QTest::newRow("USTAW_KOND 8") << "USTAW_KOND" << 8 << hex("020578033c") << true;
    QTest::newRow("Badaj_kond 2") << "Badaj_kond" << 2 << hex("02057205") << false;
    QTest::newRow("Wlacz_kond") << "Wlacz_kond" << 0xFB << hex("02059001fb") << true;
    QTest::newRow("Wlacz_kond2") << "Wlacz_kond2" << 0x7F << hex("0205a0017f") << true;
    QTest::newRow("Czytaj_blok") << "Czytaj_blok" << 0 << hex("02052f05") << false;
    QTest::newRow("Ustaw_blok") << "Ustaw_blok" << 0x61
                                << hex("02052f0361"
                                       "02052f05")
                                << false;
}

void TestLacze::frames()
{
    QFETCH(QString, rozkaz);
    QFETCH(int, wartosc);
    QFETCH(bool, cichy);
    QFETCH(QByteArray, wyslane);
    if (cichy)
        this->cichy();
    std::array<quint8, 4> dane{};
    QVERIFY(this->rozkaz(1, rozkaz, dane, quint8(wartosc)));
    QTRY_COMPARE(ramki().join(), wyslane);
    QVERIFY(!m_l->comm.Zajety);
}

void TestLacze::silentRegulatorRetriesOnce()
{
    cichy();
    std::array<quint8, 1> b{0x55};
    QVERIFY(!rozkaz(1, u"Czytaj_blok"_qs, b));
    QCOMPARE(ramki(), QList<QByteArray>(2, hex("02052f05")));
    QCOMPARE(b[0], quint8(0x55));
    std::array<quint8, 32> blok{};
    m_l->sim().clearReceivedFrames();
    QVERIFY(!rozkaz(1, u"czytaj32"_qs, blok));
    QVERIFY(ramki().isEmpty());
}

void TestLacze::czytajDiodyMissingAnswer_data()
{
    QTest::addColumn<quint8>("wyciszony");
    QTest::addColumn<int>("ramek");
    // No first answer ends at once; no third answer allows one more attempt.
    QTest::newRow("first") << quint8(0x90) << 1;
    QTest::newRow("third") << quint8(0xB0) << 6;
}

void TestLacze::czytajDiodyMissingAnswer()
{
    QFETCH(quint8, wyciszony);
    m_l->zmien(5, [&](auto& st) { st.mutedCodes = {wyciszony}; });
    std::array<quint8, 4> diody{};
    QVERIFY(!rozkaz(1, u"Czytaj_Diody"_qs, diody));
    QTEST(int(ramki().size()), "ramek");
    QCOMPARE(ramki().first(), hex("02059004"));
}

// The 32-byte block after its acknowledgement: a filler byte follows every start byte on the
// wire; a reply that stops short fails and leaves the rest of the buffer as it was.
void TestLacze::measurementBlock_data()
{
    QTest::addColumn<QByteArray>("blok");
    QTest::addColumn<int>("stopAfter"); // bytes on the wire, the ack's filler too; 0 for all
    QTest::addColumn<QByteArray>("odebrany");
    QByteArray filler(32, '\x02');
    filler[0] = 0x11;
    const QByteArray blok = QByteArray::fromHex("0123456789abcdeffedcba9876543210") + QByteArray(16, '\x44');
    QTest::newRow("start bytes") << filler << 0 << filler;
    QTest::newRow("ends after 20 bytes") << blok << 22 << blok.left(20) + QByteArray(12, '\xEE');
    QByteArray bezWypelnienia = blok; // its 21st byte a start byte whose filler never comes
    bezWypelnienia[20] = 0x02;
    QTest::newRow("start byte without its filler")
        << bezWypelnienia << 23 << blok.left(20) + QByteArray(12, '\xEE');
}

void TestLacze::measurementBlock()
{
    QFETCH(QByteArray, blok);
    QFETCH(int, stopAfter);
    QFETCH(QByteArray, odebrany);
    m_l->zmien(5, [&](auto& st) {
        st.blockOverride = blok;
        st.dataAck = 0x02;
        st.failure = stopAfter ? regsim::Failure::StopAfter : regsim::Failure::None;
        st.stopAfter = stopAfter;
    });
    std::array<quint8, 1> ack{};
    std::array<quint8, 32> bufor;
    bufor.fill(0xEE);
    QVERIFY(rozkaz(1, u"daj_dane"_qs));
    QVERIFY(rozkaz(1, u"czytaj"_qs, ack));
    QCOMPARE(ack[0], quint8(0x02));
    QCOMPARE(rozkaz(1, u"czytaj32"_qs, bufor), stopAfter == 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(bufor.data()), 32), odebrany);
    QCOMPARE(ramki().size(), 1);
}

void TestLacze::ustawBlokReadsAnswerToSecondFrame()
{
    m_l->zmien(5, [](auto& st) { st.status = 0x41; });
    std::array<quint8, 1> s{};
    QVERIFY(rozkaz(1, u"Ustaw_blok"_qs, s, 0x61));
    QCOMPARE(s[0], quint8(0x61));
    QVERIFY(m_l->stan(5).locked());
}

// Regulator 5 answers after the wait has given up; its byte, arriving while the next request
// waits for the silent regulator 7, must not pass for 7's answer.
void TestLacze::lateReplyIsNotTheNextOnes()
{
    // Half the usual speed: a wait of 0.4 to 0.6 s; the answer comes 0.1 to 0.3 s after it.
    FastClock zegar(5);
    m_l->s.uslugi.zegar = &zegar;
    m_l->sim().setLineTiming({.turnaroundMs = 700});
    m_l->zmien(5, [](auto& st) { st.stage1 = 0x5A; });
    cichy(7);
    std::array<quint8, 4> diody{};
    QVERIFY(!rozkaz(1, u"Czytaj_Diody"_qs, diody));
    std::array<quint8, 1> b{0x11};
    QVERIFY(!rozkaz(2, u"Czytaj_blok"_qs, b));
    QCOMPARE(b[0], quint8(0x11));
}

// The executor tells the windows a command is on the line and how it ended.
void TestLacze::unknownCommand()
{
    std::array<quint8, 1> b{};
    QVERIFY(m_l->komunikator.WykonajRozkaz(2, u"Czytaj_blok"_qs, b, 0));
    m_l->sim().clearReceivedFrames();
    QVERIFY(!m_l->komunikator.WykonajRozkaz(1, u"Wylacz_Kond"_qs, {}, 0));
    QCOMPARE(m_l->s.komunikaty.teksty, QStringList(2, u"Nieznany rozkaz: 'WYLACZ_KOND'"_qs));
    QCOMPARE(m_l->s.komunikaty.tytuly.first(), u"Błąd - moduł oCOmm"_qs);
    QCOMPARE(m_l->s.wizual.zdarzenia,
             QStringList({"eKomunikacja(1)", "eKomunikacja(0)", "eKomunikacja(1)", "eKomunikacja(2)"}));
    QVERIFY(ramki().isEmpty());
}

void TestLacze::addressOutOfRange()
{
    m_l->s.regulatory->Add(261, u"R261"_qs, u"R261"_qs).Id = 3; // 261 would reach address 5
    std::array<quint8, 1> b{};
    QVERIFY(!rozkaz(3, u"Czytaj_blok"_qs, b));
    QVERIFY(ramki().isEmpty());
}

void TestLacze::replyWaitOnTheSteadyClock_data()
{
    QTest::addColumn<qint64>("krok");
    QTest::addColumn<qint64>("sekundyZdarzen"); // spent on window events in each pass
    QTest::newRow("wall clock back an hour") << qint64(-3600) << qint64(0);
    QTest::newRow("wall clock forward an hour") << qint64(3600) << qint64(0);
    QTest::newRow("window events not counted") << qint64(0) << qint64(5);
}

// A silent line gives up at the third whole second counted outside window events, whatever is
// done to the wall clock meanwhile.
void TestLacze::replyWaitOnTheSteadyClock()
{
    QFETCH(qint64, krok);
    QFETCH(qint64, sekundyZdarzen);
    FakeClock zegar;
    LiniaNaZegarze linia(zegar, krok);
    Uslugi uslugi = m_l->s.uslugi;
    uslugi.zegar = &zegar;
    clComm comm(uslugi);
    comm.UstawPort(&linia);
    comm.UstawPrzetwarzanieZdarzen([&] { zegar.advance(sekundyZdarzen); });
    QVERIFY(!comm.JestWBuforze());
    QCOMPARE(linia.uspienia, 3);
}

// 20 bytes of a block, then quiet: the first attempt gives up after its third sleep, and a whole
// block arriving at the fourth fills the buffer from its start.
void TestLacze::blockAfterAShortOneFromElementZero()
{
    FakeClock zegar;
    const QByteArray nowy(32, '\x55');
    LiniaNaZegarze linia(zegar, 0, QByteArray(20, '\x11'), nowy, 4);
    Uslugi uslugi = m_l->s.uslugi;
    uslugi.zegar = &zegar;
    clComm comm(uslugi);
    comm.UstawPort(&linia);
    std::array<quint8, 32> bufor{};
    QString rozkaz = u"czytaj32"_qs;
    QVERIFY(comm.WykonajPolecenie(1, rozkaz, bufor, 0));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(bufor.data()), 32), nowy);
}

void TestLacze::portTakenByAnother_data()
{
    QTest::addColumn<bool>("przezLacze"); // the same device under another name
    QTest::newRow("its own name") << false;
    QTest::newRow("another name") << true;
}

// The port the link holds cannot be opened again, under any name; Qt's own text for it is English.
void TestLacze::portTakenByAnother()
{
    QFETCH(bool, przezLacze);
    QTemporaryDir katalog;
    QString nazwa = m_l->sim().slavePath();
    if (przezLacze) {
        nazwa = katalog.filePath(u"ttyKalbor"_qs);
        QVERIFY(QFile::link(m_l->sim().slavePath(), nazwa));
    }
    PortQt drugi;
    QCOMPARE(drugi.Otworz(nazwa),
             u"port %1 jest zajęty przez inny program albo brak uprawnień do niego"_qs.arg(nazwa));
}

QTEST_GUILESS_MAIN(TestLacze)
#include "tst_lacze.moc"
