// Operator control of a regulator: lock, operating switches and capacitor stages, their
// requests, log rows and messages.
#include "TestSupport.h"
#include "clRegulator.h"

#include <QTest>

class TestSterowanie : public QObject
{
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { m_s.reset(); }

    void lock_data();
    void lock();
    void settings_data();
    void settings();
    void stage_data();
    void stage();
    void dischargeMessage();

  private:
    clRegulator& r() { return m_s->regulatory->Item(1); }
    QString log() const
    {
        return m_s
            ->wartosc(u"SELECT group_concat(Operacja || '|' || Status || Typ || Kod_Regul, ';') FROM Log"_qs)
            .toString();
    }
    // Stage bytes that answer reads and follow writes, as a regulator keeps them.
    void stopnie(quint8 k1, quint8 k2, quint8 sekundy);

    std::unique_ptr<Srodowisko> m_s;
    quint8 m_k1 = 0, m_k2 = 0;
};

void TestSterowanie::init()
{
    m_s = std::make_unique<Srodowisko>();
    m_s->dodajRegulator(u"R1"_qs, 1);
    m_s->wczytaj();
}

void TestSterowanie::stopnie(quint8 k1, quint8 k2, quint8 sekundy)
{
    m_k1 = k1;
    m_k2 = k2;
    for (auto [nazwa, bajt] : {std::pair{u"1"_qs, &m_k1}, std::pair{u"2"_qs, &m_k2}}) {
        m_s->komunikator.odpowiedzi[u"CZYTAJ_KOND"_qs + nazwa] = [bajt](std::span<quint8> d, quint8) {
            d[0] = *bajt;
            return true;
        };
        m_s->komunikator.odpowiedzi[nazwa == u"1"_qs ? u"WLACZ_KOND"_qs : u"WLACZ_KOND2"_qs] =
            [bajt](std::span<quint8>, quint8 w) {
                *bajt = w;
                return true;
            };
    }
    m_s->komunikator.bajt(u"Badaj_kond"_qs, sekundy);
}

void TestSterowanie::lock_data()
{
    QTest::addColumn<bool>("zablokuj");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("czytajOdpowiada");
    QTest::addColumn<bool>("ustawOdpowiada");
    QTest::addColumn<QStringList>("wywolania");
    QTest::addColumn<bool>("zablokowany");
    QTest::addColumn<QString>("log");
    QTest::newRow("lock 0x41") << true << 0x41 << true << true
                               << QStringList{"CZYTAJ_BLOK:1:0", "USTAW_BLOK:1:97"} << true
                               << "Blokada regulatora|NBR1";
    QTest::newRow("unlock 0x61") << false << 0x61 << true << true
                                 << QStringList{"CZYTAJ_BLOK:1:0", "USTAW_BLOK:1:65"} << false
                                 << "Blokada regulatora|NBR1";
    QTest::newRow("lock 0x61 again") << true << 0x61 << true << true
                                     << QStringList{"CZYTAJ_BLOK:1:0", "USTAW_BLOK:1:97"} << true
                                     << "Blokada regulatora|NBR1";
    QTest::newRow("first read fails")
        << true << 0x41 << false << true << QStringList{"CZYTAJ_BLOK:1:0"} << false << "";
    QTest::newRow("write fails") << true << 0x41 << true << false
                                 << QStringList{"CZYTAJ_BLOK:1:0", "USTAW_BLOK:1:97"} << false
                                 << "Nieudana próba zablokowania regulatora|BBR1";
}

void TestSterowanie::lock()
{
    QFETCH(bool, zablokuj);
    QFETCH(int, status);
    QFETCH(bool, czytajOdpowiada);
    QFETCH(bool, ustawOdpowiada);
    auto& o = m_s->komunikator.odpowiedzi;
    o[u"CZYTAJ_BLOK"_qs] = [&](std::span<quint8> d, quint8) {
        d[0] = quint8(status);
        return czytajOdpowiada;
    };
    // The regulator answers with the status byte as it now stands.
    o[u"USTAW_BLOK"_qs] = [&](std::span<quint8> d, quint8 w) {
        d[0] = w;
        return ustawOdpowiada;
    };
    r().BlokujRegul(zablokuj);
    QTEST(m_s->komunikator.wywolania, "wywolania");
    QTEST(r().Zablokowany, "zablokowany");
    QTEST(log(), "log");
    const QString l = zablokuj ? u"T"_qs : u"F"_qs, z = r().Zablokowany ? u"T"_qs : u"F"_qs;
    QCOMPARE(m_s->wizual.zdarzenia,
             QStringList({"eBlokowanieRegul(1," + l + ",T)", "eBlokadaRegul(1," + z + ",T)",
                          "eBlokowanieRegul(1," + l + ",F)"}));
}

void TestSterowanie::settings_data()
{
    QTest::addColumn<bool>("panelOtwarty");
    QTest::addColumn<bool>("wyslane");
    QTest::addColumn<QStringList>("wywolania");
    QTest::addColumn<QString>("log");
    QTest::newRow("switches 4 and 7 on")
        << true << true
        << QStringList{"USTAW_SR:1:9", "CZYTAJ_DIODY:1:0", "DAJ_DANE:1:0", "CZYTAJ:1:0", "CZYTAJ32:1:0"}
        << "Ustawienie regulatora|NUR1";
    QTest::newRow("send fails") << true << false << QStringList{"USTAW_SR:1:9"}
                                << "Nieudana próba ustawienia regulatora|BUR1";
    QTest::newRow("panel closed") << false << true << QStringList()
                                  << "Nieudana próba ustawienia regulatora|BUR1";
}

void TestSterowanie::settings()
{
    QFETCH(bool, panelOtwarty);
    QFETCH(bool, wyslane);
    FakePanel panel;
    panel.wartosci[0] = panel.wartosci[3] = true;
    if (panelOtwarty)
        m_s->uslugi.panel = &panel;
    if (!wyslane)
        m_s->komunikator.zawiedz(u"Ustaw_sr"_qs);
    QCOMPARE(r().UstawRegulator(), panelOtwarty && wyslane);
    QTEST(m_s->komunikator.wywolania, "wywolania");
    QTEST(log(), "log");
    for (bool z : panel.zmienione)
        QCOMPARE(z, !panelOtwarty);
    QCOMPARE(m_s->wizual.filtr(u"eNoweDane"_qs).size(), panelOtwarty && wyslane ? 1 : 0);
}

void TestSterowanie::stage_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("zalacz");
    QTest::addColumn<int>("k1");
    QTest::addColumn<int>("k2");
    QTest::addColumn<QStringList>("zapisy"); // the requests after the two stage-byte reads
    QTest::addColumn<QString>("log");
    const QStringList odczyt{"CZYTAJ_KOND1:1:0", "CZYTAJ_KOND2:1:0"};
    QTest::newRow("on 3") << 2 << true << 0xFF << 0xFF
                          << QStringList{"BADAJ_KOND:1:2", "WLACZ_KOND:1:251"} + odczyt
                          << "Załączono stopień nr  3|NSR1";
    // Stage 9 on: bit 7 cleared, bits 4 to 6 kept, the low nibble set.
    QTest::newRow("on 9") << 8 << true << 0xFF << 0xA5
                          << QStringList{"BADAJ_KOND:1:8", "WLACZ_KOND2:1:47"} + odczyt
                          << "Załączono stopień nr  9|NSR1";
    QTest::newRow("off 9 from 00") << 8 << false << 0x00 << 0x00
                                   << QStringList{"USTAW_KOND:1:8", "WLACZ_KOND2:1:128"} + odczyt
                                   << "Wyłączono stopień nr  9|NSR1";
    QTest::newRow("off 1") << 0 << false << 0xFE << 0xFF
                           << QStringList{"USTAW_KOND:1:0", "WLACZ_KOND:1:255"} + odczyt
                           << "Wyłączono stopień nr  1|NSR1";
    QTest::newRow("on, already on") << 2 << true << 0xFB << 0xFF << QStringList() << "";
    QTest::newRow("off, already off") << 8 << false << 0x00 << 0x80 << QStringList() << "";
}

void TestSterowanie::stage()
{
    QFETCH(int, n);
    QFETCH(bool, zalacz);
    QFETCH(int, k1);
    QFETCH(int, k2);
    QFETCH(QStringList, zapisy);
    stopnie(quint8(k1), quint8(k2), 0);
    QVERIFY(r().UstawKondensator(quint8(n), zalacz));
    QCOMPARE(m_s->komunikator.wywolania, QStringList({"CZYTAJ_KOND1:1:0", "CZYTAJ_KOND2:1:0"}) + zapisy);
    QTEST(log(), "log");
    // The status record holds what the regulator reported last.
    QCOMPARE(r().Stan.StanDiod1, m_k1);
    QCOMPARE(r().Stan.StanDiod2, m_k2);
    QCOMPARE(r().SprawdzStanDiody(quint8(n)), zalacz);
    const QString s = zalacz ? u"eZalaczanieBaterii"_qs : u"eWylaczanieBaterii"_qs;
    QCOMPARE(m_s->wizual.zdarzenia, QStringList({s + "(1,T)", u"eNoweDane(1,O)"_qs, s + "(1,F)"}));
}

void TestSterowanie::dischargeMessage()
{
    stopnie(0xFF, 0xFF, 25);
    QVERIFY(!r().UstawKondensator(4, true));
    QCOMPARE(m_s->komunikaty.teksty, QStringList{u"Nie można załączyć kondensatora nr 5.\r"
                                                 "Nie upłynął jeszcze czas jego rozładowania.\r"
                                                 "Pozostało  25 sekund."_qs});
    QCOMPARE(m_s->komunikator.wywolania.last(), u"BADAJ_KOND:1:4"_qs);
    QCOMPARE(log(), QString());

    // Without both stage bytes, or without the discharge time, nothing is written.
    for (const char* zawodzi : {"Czytaj_Kond1", "Czytaj_Kond2", "Badaj_kond"}) {
        stopnie(0xFF, 0xFF, 0);
        m_s->komunikator.zawiedz(QString::fromLatin1(zawodzi));
        m_s->komunikator.wywolania.clear();
        QVERIFY(!r().UstawKondensator(4, true));
        QVERIFY2(m_s->komunikator.wywolania.filter(u"WLACZ"_qs).isEmpty(), zawodzi);
        QVERIFY(m_s->komunikator.wywolania.contains(u"CZYTAJ_KOND2:1:0"_qs));
    }
    QCOMPARE(log(), QString());
    QCOMPARE(m_s->wizual.filtr(u"eZalaczanieBaterii(1,F)"_qs).size(), 4);
}

QTEST_GUILESS_MAIN(TestSterowanie)
#include "tst_sterowanie.moc"
