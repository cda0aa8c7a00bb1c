// The serial link end to end: frames, replies, retries and time-outs against simulated
// regulators on a pseudo-terminal, through the real port layer.
#include "Komunikator.h"
#include "PortQt.h"
#include "TestSupport.h"
#include "clComm.h"
#include "clRegulator.h"
#include "regsim/RegSim.h"
#include "regsim/RegSimThread.h"

#include <QTest>

namespace {
QByteArray hex(const char* h)
{
    return QByteArray::fromHex(h);
}
} // namespace

class TestLacze : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void frames_data();
    void frames();
    void namesAnyCase();
    void sendOnlySucceedsOnSilentLine();
    void ustawKondWithoutReading();
    void silentRegulatorRetriesOnce();
    void czytajDiodyWithoutFirstAnswer();
    void czytajDiodyWithoutThirdAnswer();
    void czytaj32ShortReply();
    void fillerAfterEveryStartByte();
    void ustawBlokReadsAnswerToSecondFrame();
    void unknownCommand();
    void addressOutOfRange();
    void executorNotifies();

private:
    QList<QByteArray> ramki() const { return m_sim->sim()->receivedFrames(); }
    void zmien(quint8 adres, const std::function<void(regsim::RegulatorState&)>& f)
    {
        QVERIFY(m_sim->sim()->updateRegulator(adres, f));
    }
    bool rozkaz(int nr, const QString& nazwa, std::span<quint8> dane = {}, quint8 wartosc = 0)
    {
        QString r = nazwa;
        return m_comm->WykonajPolecenie(nr, r, dane, wartosc);
    }

    std::unique_ptr<Srodowisko> m_s;
    std::unique_ptr<FastClock> m_zegar;
    std::unique_ptr<regsim::RegSimThread> m_sim;
    std::unique_ptr<PortQt> m_port;
    std::unique_ptr<clComm> m_comm;
};

void TestLacze::init()
{
    m_s = std::make_unique<Srodowisko>();
    m_zegar = std::make_unique<FastClock>(20);
    m_s->uslugi.zegar = m_zegar.get();
    m_sim = std::make_unique<regsim::RegSimThread>();
    QVERIFY(m_sim->startSim());
    for (quint8 adres : {5, 7}) {
        regsim::RegulatorState st;
        st.address = adres;
        m_sim->sim()->addRegulator(st);
    }
    m_s->regulatory->Add(5, u"R5"_qs, u"R5"_qs).Id = 1;
    m_s->regulatory->Add(7, u"R7"_qs, u"R7"_qs).Id = 2;
    m_port = std::make_unique<PortQt>();
    const QString blad = m_port->Otworz(m_sim->sim()->slavePath());
    QVERIFY2(blad.isEmpty(), qPrintable(blad));
    m_comm = std::make_unique<clComm>(m_s->uslugi);
    m_comm->UstawPort(m_port.get());
    m_s->uslugi.oComm = m_comm.get();
}

void TestLacze::cleanup()
{
    m_comm.reset();
    m_port.reset();
    m_sim.reset();
    m_s.reset();
}

void TestLacze::frames_data()
{
    QTest::addColumn<QString>("rozkaz");
    QTest::addColumn<int>("wartosc");
    QTest::addColumn<QByteArray>("wyslane");
    QTest::newRow("daj_dane") << "daj_dane" << 0 << hex("02054f06");
    QTest::newRow("Czytaj_Diody") << "Czytaj_Diody" << 0 << hex("02059004" "0205a004" "0205b004");
    QTest::newRow("Ustaw_sr") << "Ustaw_sr" << 0x09 << hex("02056a0309");
    QTest::newRow("Testuj") << "Testuj" << 0 << hex("0205b004");
    QTest::newRow("Czytaj_Kond1") << "Czytaj_Kond1" << 0 << hex("02059004");
    QTest::newRow("Czytaj_Kond2") << "Czytaj_Kond2" << 0 << hex("0205a004");
    QTest::newRow("Ustaw_kond 8") << "Ustaw_kond" << 8 << hex("020578033c");
    QTest::newRow("Badaj_kond 2") << "Badaj_kond" << 2 << hex("02057205");
    QTest::newRow("Wlacz_kond") << "Wlacz_kond" << 0xFB << hex("02059001fb");
    QTest::newRow("Wlacz_kond2") << "Wlacz_kond2" << 0x7F << hex("0205a0017f");
    QTest::newRow("Czytaj_blok") << "Czytaj_blok" << 0 << hex("02052f05");
    QTest::newRow("Ustaw_blok") << "Ustaw_blok" << 0x61 << hex("02052f0361" "02052f05");
}

void TestLacze::frames()
{
    QFETCH(QString, rozkaz);
    QFETCH(int, wartosc);
    QFETCH(QByteArray, wyslane);
    std::array<quint8, 4> dane{};
    QVERIFY(this->rozkaz(1, rozkaz, dane, quint8(wartosc)));
    QTRY_COMPARE(ramki().join(), wyslane);
    QVERIFY(!m_comm->Zajety);
}

void TestLacze::namesAnyCase()
{
    std::array<quint8, 1> b{};
    for (const char* nazwa : {"czytaj_blok", "Czytaj_blok", "CZYTAJ_BLOK"})
        QVERIFY(rozkaz(2, QString::fromLatin1(nazwa), b));
    QCOMPARE(ramki(), QList<QByteArray>(3, hex("02072f05")));
}

void TestLacze::sendOnlySucceedsOnSilentLine()
{
    zmien(5, [](auto& st) { st.failure = regsim::Failure::Silent; });
    QVERIFY(rozkaz(1, u"Wlacz_kond"_qs, {}, 0xFE));
    QVERIFY(rozkaz(1, u"daj_dane"_qs));
    QTRY_COMPARE(ramki().size(), 2);
}

void TestLacze::ustawKondWithoutReading()
{
    QVERIFY(rozkaz(1, u"USTAW_KOND"_qs, {}, 3));
    QTRY_COMPARE(ramki(), QList<QByteArray>{hex("020573033c")});
    QCOMPARE(m_sim->sim()->regulator(5)->dischargeSecondsLeft(3), quint8(60));
}

void TestLacze::silentRegulatorRetriesOnce()
{
    zmien(5, [](auto& st) { st.failure = regsim::Failure::Silent; });
    std::array<quint8, 1> b{0x55};
    QVERIFY(!rozkaz(1, u"Czytaj_blok"_qs, b));
    QCOMPARE(ramki().size(), 2);
    QCOMPARE(b[0], quint8(0x55));
    std::array<quint8, 32> blok{};
    m_sim->sim()->clearReceivedFrames();
    QVERIFY(!rozkaz(1, u"czytaj32"_qs, blok));
    QVERIFY(ramki().isEmpty());
}

void TestLacze::czytajDiodyWithoutFirstAnswer()
{
    zmien(5, [](auto& st) { st.failure = regsim::Failure::Silent; });
    std::array<quint8, 4> diody{};
    QVERIFY(!rozkaz(1, u"Czytaj_Diody"_qs, diody));
    QCOMPARE(ramki(), QList<QByteArray>{hex("02059004")});
}

void TestLacze::czytajDiodyWithoutThirdAnswer()
{
    zmien(5, [](auto& st) { st.mutedCodes = {0xB0}; st.stage1 = 0xFB; });
    std::array<quint8, 4> diody{};
    QVERIFY(!rozkaz(1, u"Czytaj_Diody"_qs, diody));
    QCOMPARE(ramki().size(), 6);
    QCOMPARE(diody[1], quint8(0xFB));
}

void TestLacze::czytaj32ShortReply()
{
    // The acknowledgement byte and 20 bytes of the block arrive, then nothing.
    zmien(5, [](auto& st) { st.failure = regsim::Failure::StopAfter; st.stopAfter = 21; });
    const QByteArray pelny = m_sim->sim()->regulator(5)->measurementBlock();
    std::array<quint8, 1> ack{};
    std::array<quint8, 32> blok;
    blok.fill(0xEE);
    QVERIFY(rozkaz(1, u"daj_dane"_qs));
    QVERIFY(rozkaz(1, u"czytaj"_qs, ack));
    QVERIFY(!rozkaz(1, u"czytaj32"_qs, blok));
    QCOMPARE(blok[19], quint8(pelny[19]));
    QCOMPARE(blok[20], quint8(0xEE));
    QCOMPARE(ramki().size(), 1);
}

void TestLacze::fillerAfterEveryStartByte()
{
    QByteArray blok(32, '\x02');
    blok[0] = 0x11;
    zmien(5, [&](auto& st) { st.blockOverride = blok; st.dataAck = 0x02; });
    std::array<quint8, 1> ack{};
    std::array<quint8, 32> odebrany{};
    QVERIFY(rozkaz(1, u"daj_dane"_qs));
    QVERIFY(rozkaz(1, u"czytaj"_qs, ack));
    QVERIFY(rozkaz(1, u"czytaj32"_qs, odebrany));
    QCOMPARE(ack[0], quint8(0x02));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(odebrany.data()), 32), blok);
}

void TestLacze::ustawBlokReadsAnswerToSecondFrame()
{
    zmien(5, [](auto& st) { st.status = 0x41; });
    std::array<quint8, 1> s{};
    QVERIFY(rozkaz(1, u"Ustaw_blok"_qs, s, 0x61));
    QCOMPARE(s[0], quint8(0x61));
    QVERIFY(m_sim->sim()->regulator(5)->locked());
}

void TestLacze::unknownCommand()
{
    Komunikator k(m_s->uslugi);
    QVERIFY(!k.WykonajRozkaz(1, u"Wylacz_Kond"_qs, {}, 0));
    QCOMPARE(m_s->komunikaty.teksty, QStringList(2, u"Nieznany rozkaz: 'WYLACZ_KOND'"_qs));
    QCOMPARE(m_s->komunikaty.tytuly.first(), u"Błąd - moduł oCOmm"_qs);
    QCOMPARE(m_s->wizual.zdarzenia, QStringList({"eKomunikacja(1)", "eKomunikacja(2)"}));
    QVERIFY(ramki().isEmpty());
}

void TestLacze::addressOutOfRange()
{
    m_s->regulatory->Add(261, u"R261"_qs, u"R261"_qs).Id = 3;  // 261 would reach address 5
    std::array<quint8, 1> b{};
    QVERIFY(!rozkaz(3, u"Czytaj_blok"_qs, b));
    QVERIFY(ramki().isEmpty());
}

void TestLacze::executorNotifies()
{
    Komunikator k(m_s->uslugi);
    std::array<quint8, 1> b{};
    QVERIFY(k.WykonajRozkaz(2, u"Czytaj_blok"_qs, b, 0));
    zmien(7, [](auto& st) { st.failure = regsim::Failure::Silent; });
    QVERIFY(!k.WykonajRozkaz(2, u"Czytaj_blok"_qs, b, 0));
    QCOMPARE(m_s->wizual.zdarzenia,
             QStringList({"eKomunikacja(1)", "eKomunikacja(0)", "eKomunikacja(1)", "eKomunikacja(2)"}));
}

QTEST_GUILESS_MAIN(TestLacze)
#include "tst_lacze.moc"
