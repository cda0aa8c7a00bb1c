// One poll of a regulator: the decoding of the measurement reply and what a failed command
// leaves behind.
#include "TestSupport.h"
#include "clRegulator.h"

#include <QTest>

namespace {
// Energy worth of one count for a 380 V regulator with current ratio 100 and voltage ratio 1.
const double kWsp = 1.7320508075688772 / 100 * 100 * 400 / 3600000;
const float kTysiac = float(5196152 * kWsp); // 1000 kWh of apparent energy
} // namespace

class TestOdczyt : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup() { m_s.reset(); }

    void decode_data();
    void decode();
    void failedCommand_data();
    void failedCommand();
    void impossibleReply_data();
    void impossibleReply();

  private:
    clRegulator& r() { return m_s->regulatory->Item(1); }
    void regulator(const QVariantMap& kolumny = {})
    {
        m_s = std::make_unique<Srodowisko>();
        m_s->dodajRegulator(u"R1"_qs, 4, kolumny);
        m_s->wczytaj();
    }

    std::unique_ptr<Srodowisko> m_s;
};

void TestOdczyt::init()
{
    regulator();
}

void TestOdczyt::decode_data()
{
    QTest::addColumn<QVariantMap>("kolumny");
    QTest::addColumn<QByteArray>("blok");
    QTest::addColumn<QVariantMap>("wynik"); // the decoded values that differ from a plain 1000 kWh at 400 V

    const auto blok = [](auto zmien) {
        BlokPomiaru b{.pozorna = 5196152, .napiecie = 400};
        zmien(b);
        return b.bajty();
    };
    const auto wiersz = [&](const char* nazwa, auto zmien, const QVariantMap& wynik,
                            const QVariantMap& kolumny = {}) {
        QTest::newRow(nazwa) << kolumny << blok(zmien) << wynik;
    };
    const QString okres = u"Okres"_qs, zakl = u"ZakloceniaHarm"_qs, tg = u"TgFi"_qs, calk = u"PradCalkSr"_qs,
                  biern = u"PradBiernSr"_qs, czynny = u"PradCzynny"_qs;
    wiersz("period 08 FF: 50 Hz, byte 31 ignored", [](auto& b) { b.bajt31 = 0xFF; }, {});
    wiersz("period 09 00: 49.98 Hz", [](auto& b) { b.okres = 0x0900; }, {{okres, 115200.0 / 2305}});
    wiersz("period 00 00", [](auto& b) { b.okres = 0; }, {{okres, 115200}, {zakl, true}});
    wiersz("period FF FF keeps the previous", [](auto& b) { b.okres = -1; }, {{okres, 49.5}});
    wiersz("3-4-5 triangle",
           [](auto& b) {
               b.pozorna = 50000;
               b.bierna = 30000;
           },
           {{calk, 50000 * kWsp}, {biern, 30000 * kWsp}, {czynny, 40000 * kWsp}, {tg, 0.75}});
    wiersz("reactive equal to apparent", [](auto& b) { b.bierna = 5196152; },
           {{biern, kTysiac}, {tg, 1}, {zakl, true}});
    wiersz("reactive above apparent, capacitive", [](auto& b) { b.bierna = -6000000; },
           {{biern, -6000000 * kWsp}, {czynny, 6000000 * kWsp}, {tg, -1}, {zakl, true}});
    wiersz("100 V, ratio 60", [](auto&) {},
           {{u"Napiecie"_qs, 6000}, {calk, kTysiac * 0.25 * 60}, {czynny, kTysiac * 0.25 * 60}},
           {{u"NapieciePomiar"_qs, 100}, {u"PrzekladniaNap"_qs, 60}});
    wiersz("500 V", [](auto&) {}, {{u"Napiecie"_qs, 500}, {calk, kTysiac * 1.25}, {czynny, kTysiac * 1.25}},
           {{u"NapieciePomiar"_qs, 500}});
    // Any other measuring voltage has no scale.
    wiersz("voltage scale 0", [](auto& b) { b.bierna = 7; },
           {{u"Napiecie"_qs, 0}, {calk, 0}, {czynny, 0}, {tg, 9.999}, {zakl, true}},
           {{u"NapieciePomiar"_qs, 230}});
    wiersz("timer FF FF FF", [](auto& b) { b.timer = 0xFFFFFF; }, {{u"TimerU"_qs, 16777215}});
    wiersz("top bit of byte 0", [](auto& b) { b.pozorna = 0x80000000u; },
           {{calk, 2147483648.0 * kWsp}, {czynny, 2147483648.0 * kWsp}});
    wiersz("top bit of bytes 4 and 8",
           [](auto& b) {
               b.pojemnosciowa = -1;
               b.bierna = -2;
           },
           {{biern, -2 * kWsp}, {u"PradBiernPojSr"_qs, -1 * kWsp}, {tg, -2 * kWsp / kTysiac}});
    wiersz("status bytes and a capacitive current",
           [](auto& b) {
               b.pradBierny = -25;
               b.pradCalk = 4;
               b.faza = -7;
               b.przel1 = 0xA5;
               b.przel2 = 0x09;
               b.wyswietlacz = {0x10, 0x20, 0xA0, 0xF3};
           },
           {{u"PradBierny"_qs, -12.5},
            {u"PradCalk"_qs, 2},
            {u"Faza"_qs, -7},
            {u"StanPrzel1"_qs, 0xA5},
            {u"StanPrzel2"_qs, 0x09},
            {u"Wyswietlacz"_qs, 0x1020A0F3u}});
}

void TestOdczyt::decode()
{
    QFETCH(QVariantMap, kolumny);
    QFETCH(QByteArray, blok);
    QFETCH(QVariantMap, wynik);
    regulator(kolumny);
    r().Okres = 49.5f;
    r().ZakloceniaHarm = true; // every poll starts from "no disturbance"
    m_s->komunikator.odpowiedz(u"Czytaj_Diody"_qs, QByteArray::fromHex("fb7fbf"), 1);
    m_s->komunikator.blok(blok);
    QVERIFY(r().WczytajStanRegul(m_s->zegar.czas));

    const clRegulator& g = r();
    const clsStan& s = g.Stan;
    const QVariantMap odczytane{{u"Napiecie"_qs, g.Napiecie},
                                {u"PradCalkSr"_qs, g.PradCalkSr},
                                {u"PradBiernSr"_qs, g.PradBiernSr},
                                {u"PradCzynny"_qs, g.PradCzynny},
                                {u"PradBiernPojSr"_qs, g.PradBiernPojSr},
                                {u"TgFi"_qs, g.TgFi},
                                {u"Okres"_qs, g.Okres},
                                {u"ZakloceniaHarm"_qs, g.ZakloceniaHarm},
                                {u"TimerU"_qs, g.TimerU},
                                {u"PradBierny"_qs, g.PradBierny},
                                {u"PradCalk"_qs, g.PradCalk},
                                {u"Faza"_qs, g.Faza},
                                {u"StanPrzel1"_qs, s.StanPrzel1},
                                {u"StanPrzel2"_qs, s.StanPrzel2},
                                {u"Diody"_qs, (s.StanDiod1 << 16) | (s.StanDiod2 << 8) | s.StanDiod3},
                                {u"Wyswietlacz"_qs, (uint(s.StanDisplay1) << 24) | (s.StanDisplay2 << 16) |
                                                        (s.StanDisplay3 << 8) | s.StanDisplay4}};
    QVariantMap oczekiwane{
        {u"Napiecie"_qs, 400},       {u"PradCalkSr"_qs, kTysiac},   {u"PradBiernSr"_qs, 0},
        {u"PradCzynny"_qs, kTysiac}, {u"PradBiernPojSr"_qs, 0},     {u"TgFi"_qs, 0},
        {u"Okres"_qs, 50},           {u"ZakloceniaHarm"_qs, false}, {u"TimerU"_qs, 0},
        {u"PradBierny"_qs, 0},       {u"PradCalk"_qs, 0},           {u"Faza"_qs, 0},
        {u"StanPrzel1"_qs, 0},       {u"StanPrzel2"_qs, 0},         {u"Diody"_qs, 0xFB7FBF},
        {u"Wyswietlacz"_qs, 0}};
    oczekiwane.insert(wynik);
    QCOMPARE(odczytane.keys(), oczekiwane.keys());
    // Measured values as the singles they are stored in; counts and status bytes exactly.
    for (const QString& pole : oczekiwane.keys()) {
        const QVariant& v = odczytane[pole];
        if (v.typeId() == QMetaType::Float ? !QTest::qCompare(v.toFloat(), oczekiwane[pole].toFloat(),
                                                              qPrintable(pole), "", __FILE__, __LINE__)
                                           : !QTest::qCompare(v.toLongLong(), oczekiwane[pole].toLongLong(),
                                                              qPrintable(pole), "", __FILE__, __LINE__))
            return;
    }
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
}

void TestOdczyt::failedCommand()
{
    QFETCH(QString, rozkaz);
    QFETCH(bool, noweDiody);
    m_s->komunikator.odpowiedz(u"Czytaj_Diody"_qs, QByteArray::fromHex("ffffff"), 1);
    m_s->komunikator.blok(BlokPomiaru{.napiecie = 400}.bajty());
    QVERIFY(r().WczytajStanRegul(m_s->zegar.czas));
    m_s->komunikator.wywolania.clear();
    m_s->wizual.zdarzenia.clear();

    m_s->komunikator.odpowiedz(u"Czytaj_Diody"_qs, QByteArray::fromHex("000000"), 1);
    m_s->komunikator.blok(BlokPomiaru{.napiecie = 200}.bajty());
    m_s->komunikator.zawiedz(rozkaz);
    m_s->zegar.advance(60);
    QVERIFY(!r().WczytajStanRegul(m_s->zegar.czas));

    QTEST(m_s->komunikator.wywolania, "wywolania");
    QCOMPARE(r().Stan.StanDiod1, quint8(noweDiody ? 0x00 : 0xFF));
    QCOMPARE(r().Napiecie, 400.0f);
    QVERIFY(m_s->wizual.filtr(u"eNoweDane"_qs).isEmpty());
    QCOMPARE(m_s->wizual.filtr(u"eAlarm"_qs), QStringList{u"eAlarm(1,100,,T)"_qs});
    QCOMPARE(m_s->rejestr->Wiersz(1).Czas, u"17/12/2003 10:01:00"_qs);
    QTEST(m_s->liczWiersze(u"Log"_qs), "wierszeLogu");
    if (m_s->liczWiersze(u"Log"_qs) > 0)
        QCOMPARE(m_s->wartosc(u"SELECT Operacja || Status || Typ || Kod_Regul FROM Log"_qs).toString(),
                 u"Błąd komunikacji z regulatoremBKR1"_qs);
}

void TestOdczyt::impossibleReply_data()
{
    QTest::addColumn<QList<QByteArray>>("poprzednie"); // replies of earlier polls of the run
    QTest::addColumn<QByteArray>("blok");
    QTest::addColumn<bool>("przyjety");
    const auto blok = [](auto zmien) {
        BlokPomiaru b{.pozorna = 1000000, .napiecie = 400};
        zmien(b);
        return b.bajty();
    };
    const auto pozorna = [&](quint32 n, qint16 napiecie = 400) {
        return blok([=](auto& b) {
            b.pozorna = n;
            b.napiecie = napiecie;
        });
    };
    const auto okres = [&](qint16 n) { return blok([=](auto& b) { b.okres = n; }); };
    const auto wiersz = [](const char* nazwa, const QList<QByteArray>& poprzednie, const QByteArray& b,
                           bool przyjety) { QTest::newRow(nazwa) << poprzednie << b << przyjety; };
    wiersz("no voltage", {}, blok([](auto& b) { b.napiecie = 0; }), true);
    wiersz("voltage 80 00", {}, blok([](auto& b) { b.napiecie = qint16(0x8000); }), false);
    wiersz("total current FF FF", {}, blok([](auto& b) { b.pradCalk = -1; }), false);
    wiersz("capacitive reactive current", {}, blok([](auto& b) { b.pradBierny = -25; }), true);
    wiersz("period 40 Hz", {}, okres(2879), true);
    wiersz("period below 40 Hz", {}, okres(2880), false);
    wiersz("period just below 70 Hz", {}, okres(1645), true);
    wiersz("period above 70 Hz", {}, okres(1644), false);
    wiersz("period 00 00: harmonics", {}, okres(0), true);
    wiersz("period FF FF: not measured", {}, okres(-1), true);
    wiersz("period FF FE", {}, okres(-2), false);
    wiersz("first reply of the run, any count", {}, pozorna(0xFFFFFFFF), true);
    wiersz("apparent count unchanged", {pozorna(1000000)}, pozorna(1000000), true);
    // Counters reset in the regulator: the first reply after the reset is a true reading.
    wiersz("apparent count behind the previous reply", {pozorna(1000000)}, pozorna(999999), true);
    wiersz("apparent count wrapped", {pozorna(0xFFFFFF00)}, pozorna(0x100), true);
    wiersz("after a refused count the next follows it", {pozorna(5000000), pozorna(1000)}, pozorna(2000),
           true);
    wiersz("after a refused reply the next is taken", {pozorna(5000000), pozorna(1000, -1)}, pozorna(4000000),
           true);
}

// A reply with values the regulator cannot send is a failed poll: alarm 100, the log row, and
// the values of the previous reply stay.
void TestOdczyt::impossibleReply()
{
    QFETCH(QList<QByteArray>, poprzednie);
    QFETCH(QByteArray, blok);
    QFETCH(bool, przyjety);
    for (const QByteArray& p : poprzednie) {
        m_s->komunikator.blok(p);
        r().WczytajStanRegul(m_s->zegar.czas);
    }
    const float napiecie = r().Napiecie;
    const int wierszeLogu = m_s->liczWiersze(u"Log"_qs);
    m_s->wizual.zdarzenia.clear();

    m_s->komunikator.blok(blok);
    QCOMPARE(r().WczytajStanRegul(m_s->zegar.czas), przyjety);
    QCOMPARE(m_s->wizual.filtr(u"eNoweDane"_qs).size(), przyjety ? 1 : 0);
    QCOMPARE(m_s->liczWiersze(u"Log"_qs) - wierszeLogu, przyjety ? 0 : 1);
    if (!przyjety) {
        QCOMPARE(r().Napiecie, napiecie);
        QCOMPARE(m_s->wizual.filtr(u"eAlarm"_qs), QStringList{u"eAlarm(1,100,,T)"_qs});
    }
}

QTEST_GUILESS_MAIN(TestOdczyt)
#include "tst_odczyt.moc"
