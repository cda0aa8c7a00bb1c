// One poll of a regulator: the order of its commands, the decoding of the measurement reply
// and what a failed command leaves behind.
#include "TestSupport.h"
#include "clRegulator.h"

#include <QTest>

namespace {
// Energy worth of one count for a 380 V regulator with current ratio 100 and voltage ratio 1.
const double kWsp = 1.7320508075688772 / 100 * 100 * 400 / 3600000;
} // namespace

class TestOdczyt : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup() { m_s.reset(); }

    void commandsInOrder();
    void decode_data();
    void decode();
    void statusBytes();
    void byte31ChangesNothing();
    void failedCommand_data();
    void failedCommand();

private:
    clRegulator& r() { return m_s->regulatory->Item(1); }
    bool poll(const BlokPomiaru& b)
    {
        m_s->komunikator.blok(b.bajty());
        return r().WczytajStanRegul(m_s->zegar.czas);
    }

    std::unique_ptr<Srodowisko> m_s;
};

void TestOdczyt::init()
{
    m_s = std::make_unique<Srodowisko>();
    m_s->dodajRegulator(u"R1"_qs, 4);
    m_s->wczytaj();
}

void TestOdczyt::commandsInOrder()
{
    QVERIFY(poll({}));
    QCOMPARE(m_s->komunikator.wywolania,
             QStringList({"CZYTAJ_DIODY:1:0", "DAJ_DANE:1:0", "CZYTAJ:1:0", "CZYTAJ32:1:0"}));
    QCOMPARE(m_s->wizual.filtr(u"eNoweDane"_qs), QStringList{u"eNoweDane(1,O)"_qs});
}

void TestOdczyt::decode_data()
{
    QTest::addColumn<QVariantMap>("kolumny");
    QTest::addColumn<QByteArray>("blok");
    QTest::addColumn<float>("okresPrzed");
    QTest::addColumn<float>("napiecie");
    QTest::addColumn<float>("pradCalkSr");
    QTest::addColumn<float>("pradBiernSr");
    QTest::addColumn<float>("pradCzynny");
    QTest::addColumn<float>("tgFi");
    QTest::addColumn<float>("okres");
    QTest::addColumn<bool>("zaklocenia");
    QTest::addColumn<qint32>("timer");

    const auto blok = [](auto zmien) {
        BlokPomiaru b;
        b.pozorna = 5196152;  // 1000 kWh
        b.napiecie = 400;
        zmien(b);
        return b.bajty();
    };
    const float tysiac = float(5196152 * kWsp);
    QTest::newRow("period 08 FF: 50 Hz") << QVariantMap() << blok([](auto&) {}) << 0.0f << 400.0f << tysiac << 0.0f
                                         << tysiac << 0.0f << 50.0f << false << 0;
    QTest::newRow("period 09 00") << QVariantMap() << blok([](auto& b) { b.okres = 0x0900; }) << 0.0f << 400.0f
                                  << tysiac << 0.0f << tysiac << 0.0f << float(115200.0 / 2305) << false << 0;
    QTest::newRow("period 00 00") << QVariantMap() << blok([](auto& b) { b.okres = 0; }) << 0.0f << 400.0f << tysiac
                                  << 0.0f << tysiac << 0.0f << 115200.0f << true << 0;
    QTest::newRow("period FF FF keeps the previous") << QVariantMap() << blok([](auto& b) { b.okres = -1; }) << 49.5f
                                                     << 400.0f << tysiac << 0.0f << tysiac << 0.0f << 49.5f << false
                                                     << 0;
    QTest::newRow("period 7F FF") << QVariantMap() << blok([](auto& b) { b.okres = 32767; }) << 0.0f << 400.0f
                                  << tysiac << 0.0f << tysiac << 0.0f << 3.515625f << false << 0;
    QTest::newRow("all-zero energy") << QVariantMap() << blok([](auto& b) { b.pozorna = 0; }) << 0.0f << 400.0f
                                     << 0.0f << 0.0f << 0.0f << 9.999f << 50.0f << true << 0;
    QTest::newRow("3-4-5 triangle") << QVariantMap() << blok([](auto& b) { b.pozorna = 50000; b.bierna = 30000; })
                                    << 0.0f << 400.0f << float(50000 * kWsp) << float(30000 * kWsp)
                                    << float(40000 * kWsp) << 0.75f << 50.0f << false << 0;
    QTest::newRow("reactive equal to apparent") << QVariantMap() << blok([](auto& b) { b.bierna = 5196152; })
                                                << 0.0f << 400.0f << tysiac << tysiac << tysiac << 1.0f << 50.0f
                                                << true << 0;
    QTest::newRow("reactive above apparent, capacitive")
        << QVariantMap() << blok([](auto& b) { b.bierna = -6000000; }) << 0.0f << 400.0f << tysiac
        << float(-6000000 * kWsp) << float(6000000 * kWsp) << -1.0f << 50.0f << true << 0;
    QTest::newRow("voltage 80 00") << QVariantMap() << blok([](auto& b) { b.napiecie = qint16(0x8000); }) << 0.0f
                                   << -32768.0f << tysiac << 0.0f << tysiac << 0.0f << 50.0f << false << 0;
    QTest::newRow("100 V, ratio 60") << QVariantMap{{u"NapieciePomiar"_qs, 100}, {u"PrzekladniaNap"_qs, 60}}
                                     << blok([](auto&) {}) << 0.0f << 6000.0f << float(5196152 * kWsp * 0.25 * 60)
                                     << 0.0f << float(5196152 * kWsp * 0.25 * 60) << 0.0f << 50.0f << false << 0;
    QTest::newRow("voltage scale 0") << QVariantMap{{u"NapieciePomiar"_qs, 230}} << blok([](auto& b) { b.bierna = 7; })
                                     << 0.0f << 0.0f << 0.0f << 0.0f << 0.0f << 9.999f << 50.0f << true << 0;
    QTest::newRow("timer FF FF FF") << QVariantMap() << blok([](auto& b) { b.timer = 0xFFFFFF; }) << 0.0f << 400.0f
                                    << tysiac << 0.0f << tysiac << 0.0f << 50.0f << false << 16777215;
    QTest::newRow("top bit of byte 0") << QVariantMap() << blok([](auto& b) { b.pozorna = 0x80000000u; }) << 0.0f
                                       << 400.0f << float(2147483648.0 * kWsp) << 0.0f << float(2147483648.0 * kWsp)
                                       << 0.0f << 50.0f << false << 0;
    QTest::newRow("top bit of bytes 4 and 8") << QVariantMap()
                                              << blok([](auto& b) { b.pojemnosciowa = -1; b.bierna = -2; }) << 0.0f
                                              << 400.0f << tysiac << float(-2 * kWsp) << tysiac << float(-2 * kWsp) / tysiac
                                              << 50.0f << false << 0;
}

void TestOdczyt::decode()
{
    QFETCH(QVariantMap, kolumny);
    QFETCH(QByteArray, blok);
    QFETCH(float, okresPrzed);
    m_s = std::make_unique<Srodowisko>();
    m_s->dodajRegulator(u"R1"_qs, 4, kolumny);
    m_s->wczytaj();
    r().Okres = okresPrzed;
    r().ZakloceniaHarm = true;  // every poll starts from "no disturbance"
    m_s->komunikator.blok(blok);
    QVERIFY(r().WczytajStanRegul(m_s->zegar.czas));

    QTEST(r().Napiecie, "napiecie");
    QTEST(r().PradCalkSr, "pradCalkSr");
    QTEST(r().PradBiernSr, "pradBiernSr");
    QTEST(r().PradCzynny, "pradCzynny");
    QTEST(r().TgFi, "tgFi");
    QTEST(r().Okres, "okres");
    QTEST(r().ZakloceniaHarm, "zaklocenia");
    QTEST(r().TimerU, "timer");
}

void TestOdczyt::statusBytes()
{
    BlokPomiaru b;
    b.pradBierny = 25;
    b.pradCalk = -4;
    b.faza = -7;
    b.pojemnosciowa = -5196152;
    b.przel1 = 0xA5;
    b.przel2 = 0x09;
    b.wyswietlacz = {0x10, 0x20, 0xA0, 0xF3};
    m_s->komunikator.diody(0xFB, 0x7F, 0xBF);
    QVERIFY(poll(b));
    const clsStan& s = r().Stan;
    QCOMPARE(s.StanDiod1, quint8(0xFB));
    QCOMPARE(s.StanDiod2, quint8(0x7F));
    QCOMPARE(s.StanDiod3, quint8(0xBF));
    QCOMPARE(s.StanPrzel1, quint8(0xA5));
    QCOMPARE(s.StanPrzel2, quint8(0x09));
    const QList<quint8> wyswietlacz{s.StanDisplay1, s.StanDisplay2, s.StanDisplay3, s.StanDisplay4};
    QCOMPARE(wyswietlacz, QList<quint8>({0x10, 0x20, 0xA0, 0xF3}));
    QCOMPARE(r().PradBierny, 12.5f);
    QCOMPARE(r().PradCalk, -2.0f);
    QCOMPARE(r().Faza, -7.0f);
    QCOMPARE(r().PradBiernPojSr, float(-5196152 * kWsp));
}

void TestOdczyt::byte31ChangesNothing()
{
    BlokPomiaru b;
    b.pozorna = 123456;
    b.bierna = 2345;
    QVERIFY(poll(b));
    const clRegulator przed = r();
    b.bajt31 = 0xFF;
    QVERIFY(poll(b));
    QCOMPARE(r().PradCzynny, przed.PradCzynny);
    QCOMPARE(r().TgFi, przed.TgFi);
    QCOMPARE(r().Stan.StanDisplay4, przed.Stan.StanDisplay4);
}

void TestOdczyt::failedCommand_data()
{
    QTest::addColumn<QString>("rozkaz");
    QTest::addColumn<bool>("noweDiody");
    QTest::addColumn<int>("wierszeLogu");
    QTest::addColumn<QStringList>("wywolania");
    QTest::newRow("Czytaj_Diody") << "Czytaj_Diody" << false << 1 << QStringList{"CZYTAJ_DIODY:1:0"};
    QTest::newRow("czytaj") << "czytaj" << true << 0
                            << QStringList{"CZYTAJ_DIODY:1:0", "DAJ_DANE:1:0", "CZYTAJ:1:0"};
    QTest::newRow("czytaj32") << "czytaj32" << true << 0
                              << QStringList{"CZYTAJ_DIODY:1:0", "DAJ_DANE:1:0", "CZYTAJ:1:0", "CZYTAJ32:1:0"};
}

void TestOdczyt::failedCommand()
{
    QFETCH(QString, rozkaz);
    QFETCH(bool, noweDiody);
    BlokPomiaru b;
    b.napiecie = 400;
    b.przel2 = 0x03;
    m_s->komunikator.diody(0xFF, 0xFF, 0xFF);
    QVERIFY(poll(b));
    m_s->komunikator.wywolania.clear();
    m_s->wizual.zdarzenia.clear();

    m_s->komunikator.diody(0x00, 0x00, 0x00);
    b.napiecie = 200;
    b.przel2 = 0x0C;
    m_s->komunikator.blok(b.bajty());
    m_s->komunikator.zawiedz(rozkaz);
    m_s->zegar.advance(60);
    QVERIFY(!r().WczytajStanRegul(m_s->zegar.czas));

    QTEST(m_s->komunikator.wywolania, "wywolania");
    QCOMPARE(r().Stan.StanDiod1, quint8(noweDiody ? 0x00 : 0xFF));
    QCOMPARE(r().Stan.StanPrzel2, quint8(0x03));
    QCOMPARE(r().Napiecie, 400.0f);
    QVERIFY(m_s->wizual.filtr(u"eNoweDane"_qs).isEmpty());
    QCOMPARE(m_s->wizual.filtr(u"eAlarm"_qs), QStringList{u"eAlarm(1,100,,T)"_qs});
    QCOMPARE(m_s->rejestr->Count(), 1);
    QCOMPARE(m_s->rejestr->Wiersz(1).Aktywny, u"A"_qs);
    QCOMPARE(m_s->rejestr->Wiersz(1).Czas, u"17/12/2003 10:01:00"_qs);
    QTEST(m_s->liczWiersze(u"Log"_qs), "wierszeLogu");
    if (m_s->liczWiersze(u"Log"_qs) > 0)
        QCOMPARE(m_s->wartosc(u"SELECT Operacja || Status || Typ || Kod_Regul FROM Log"_qs).toString(),
                 u"Błąd komunikacji z regulatoremBKR1"_qs);
}

QTEST_GUILESS_MAIN(TestOdczyt)
#include "tst_odczyt.moc"
