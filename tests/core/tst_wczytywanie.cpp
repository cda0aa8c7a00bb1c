// Loading the regulators at start-up, and the regulator collection.
#include "TestSupport.h"
#include "WallClock.h"
#include "clRegulator.h"

#include <QSqlQuery>
#include <QTest>

class TestWczytywanie : public QObject
{
    Q_OBJECT
private slots:
    void onlyRegulatorsInCodeOrder();
    void columnsAndDefaults();
    void skalaNapiecia_data();
    void skalaNapiecia();
    void lastCounters();
    void nullColumnIsReportedNotFatal();
    void duplicateTrimmedCode();
    void emptyTable();
    void collection();
};

void TestWczytywanie::onlyRegulatorsInCodeOrder()
{
    Srodowisko s;
    s.dodajRegulator(u"C"_qs, 3);
    s.dodajRegulator(u"B"_qs, 2, {{u"Typ"_qs, u"Regulator"_qs}});
    s.dodajRegulator(u"A"_qs, 1);
    s.dodajRegulator(u"D"_qs, 4, {{u"Typ"_qs, QVariant()}});
    s.dodajRegulator(u"E  "_qs, 5, {{u"aktywny"_qs, u"Nie"_qs}});
    s.wczytaj();
    QCOMPARE(s.regulatory->Count(), 3);
    QStringList kody;
    for (const clRegulator& r : *s.regulatory)
        kody << r.Kod + QString::number(r.Id);
    QCOMPARE(kody, QStringList({"A1", "C2", "E3"}));
    QCOMPARE(s.app->IloscRegulatorow, 3);
    QCOMPARE(s.app->NrAktRegulatora, 1);
    QCOMPARE(&s.regulatory->Item(u"E"_qs), &s.regulatory->Item(3));
    QVERIFY(s.regulatory->Item(1).aktywny);
    QVERIFY(!s.regulatory->Item(3).aktywny);
    QVERIFY(s.komunikaty.teksty.isEmpty());
}

void TestWczytywanie::columnsAndDefaults()
{
    Srodowisko s;
    s.dodajRegulator(u"R1"_qs, 7,
                     {{u"ProgPrad"_qs, 12.5}, {u"ProgNapiecie"_qs, QVariant()}, {u"ProgTgFiMin"_qs, QVariant()},
                      {u"ProgTgFi"_qs, QVariant()}, {u"CzestOdczytu"_qs, 30}, {u"awarCzest"_qs, 2},
                      {u"Przekladnia"_qs, 40.5}, {u"PrzekladniaNap"_qs, 60}, {u"CzestotliwoscMax"_qs, 51.5}});
    s.wczytaj();
    const clRegulator& r = s.regulatory->Item(1);
    QCOMPARE(r.adres, 7);
    QCOMPARE(r.ProgPrad, 12.5f);
    QCOMPARE(r.ProgNapiecie, 999999999.0f);
    QCOMPARE(r.ProgTgFiMax, 999999999.0f);
    // No lower bound stored: no lower bound at all.
    QVERIFY(r.ProgTgFiMin < -1e8f);
    QCOMPARE(r.CzestOdczytu, 30);
    QCOMPARE(r.awarCzest, 2);
    QCOMPARE(r.Przekladnia, 40.5f);
    QCOMPARE(r.PrzekladniaNap, 60);
    QCOMPARE(r.CzestotliwoscMax, 51.5f);
    QCOMPARE(r.typ, u"regulator"_qs);
    QVERIFY(WallClock::isOrigin(r.NastepnyOdczyt));
}

void TestWczytywanie::skalaNapiecia_data()
{
    QTest::addColumn<int>("napiecie");
    QTest::addColumn<float>("skala");
    QTest::newRow("100") << 100 << 0.25f;
    QTest::newRow("380") << 380 << 1.0f;
    QTest::newRow("500") << 500 << 1.25f;
    QTest::newRow("230") << 230 << 0.0f;
}

void TestWczytywanie::skalaNapiecia()
{
    QFETCH(int, napiecie);
    Srodowisko s;
    s.dodajRegulator(u"R1"_qs, 1, {{u"NapieciePomiar"_qs, napiecie}});
    s.wczytaj();
    QTEST(s.regulatory->Item(1).SkalaNapiecia, "skala");
}

void TestWczytywanie::lastCounters()
{
    Srodowisko s;
    s.dodajRegulator(u"R1"_qs, 1);
    s.dodajRegulator(u"R2"_qs, 2);
    QSqlQuery q(s.baza->db());
    QVERIFY(q.exec(u"INSERT INTO OstPomiar VALUES (2, 100.5, 40.25, 3.5, 123456, '2003-12-17 10:15:00')"_qs));
    s.wczytaj();
    const clRegulator& bez = s.regulatory->Item(u"R1"_qs);
    QCOMPARE(bez.PopPradCzynny, 0.0f);
    QVERIFY(WallClock::isOrigin(bez.OstatniOdczyt));
    const clRegulator& z = s.regulatory->Item(u"R2"_qs);
    QCOMPARE(z.PopPradCzynny, 100.5f);
    QCOMPARE(z.PopPradBiernSr, 40.25f);
    QCOMPARE(z.PopPradBiernPojSr, 3.5f);
    QCOMPARE(z.popTimerU, 123456);
    QCOMPARE(z.OstatniOdczyt, QDateTime(QDate(2003, 12, 17), QTime(10, 15)));
}

void TestWczytywanie::nullColumnIsReportedNotFatal()
{
    Srodowisko s;
    s.dodajRegulator(u"R1"_qs, 1, {{u"CzestOdczytu"_qs, QVariant()}, {u"NapiecieMax"_qs, QVariant()}});
    s.dodajRegulator(u"R2"_qs, 2);
    s.wczytaj();
    QCOMPARE(s.regulatory->Count(), 2);
    QCOMPARE(s.regulatory->Item(1).CzestOdczytu, 0);
    QCOMPARE(s.komunikaty.teksty.size(), 1);
    const QString tekst = s.komunikaty.teksty[0];
    QVERIFY2(tekst.contains(u"'R1'"_qs) && tekst.contains(u"CzestOdczytu"_qs) && tekst.contains(u"NapiecieMax"_qs),
             qPrintable(tekst));
}

void TestWczytywanie::duplicateTrimmedCode()
{
    Srodowisko s;
    s.dodajRegulator(u"R1"_qs, 1);
    s.dodajRegulator(u" R1"_qs, 2);
    s.dodajRegulator(u"R2"_qs, 3);
    s.wczytaj();
    QCOMPARE(s.regulatory->Count(), 2);
    QCOMPARE(s.regulatory->Item(u"R2"_qs).Id, 2);
    QCOMPARE(s.komunikaty.teksty.size(), 1);
    QVERIFY(s.komunikaty.teksty[0].contains(u"R1"_qs));
}

void TestWczytywanie::emptyTable()
{
    Srodowisko s;
    s.wczytaj();
    QCOMPARE(s.regulatory->Count(), 0);
    QCOMPARE(s.app->NrAktRegulatora, 0);
    QCOMPARE(s.komunikaty.teksty.size(), 1);
}

void TestWczytywanie::collection()
{
    Srodowisko s;
    colRegulatory& c = *s.regulatory;
    clRegulator& a = c.Add(1, u"A"_qs, u"A"_qs);
    clRegulator& bezKlucza = c.Add(2, u"B"_qs, {});
    QCOMPARE(&c.Item(2), &bezKlucza);
    QVERIFY_THROWS_EXCEPTION(BladKolekcji, c.Item(u"B"_qs));
    QVERIFY_THROWS_EXCEPTION(BladKolekcji, c.Add(3, u"A"_qs, u"A"_qs));
    QVERIFY_THROWS_EXCEPTION(BladKolekcji, c.Item(0));
    QVERIFY_THROWS_EXCEPTION(BladKolekcji, c.Item(3));
    QCOMPARE(c.Count(), 2);
    QCOMPARE(&c.Item(u"A"_qs), &a);
    c.Remove(u"A"_qs);
    QCOMPARE(&c.Item(1), &bezKlucza);

    // Stage test: all nine off, then all nine on.
    clRegulator& r = bezKlucza;
    r.Stan.StanDiod1 = 255;
    r.Stan.StanDiod2 = 0x80;
    for (quint8 n = 0; n < 9; ++n)
        QVERIFY(!r.SprawdzStanDiody(n));
    r.Stan.StanDiod1 = 0;
    r.Stan.StanDiod2 = 0x7F;
    for (quint8 n = 0; n < 9; ++n)
        QVERIFY(r.SprawdzStanDiody(n));
}

QTEST_GUILESS_MAIN(TestWczytywanie)
#include "tst_wczytywanie.moc"
