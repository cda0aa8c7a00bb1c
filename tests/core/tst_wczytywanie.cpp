// Loading the regulators at start-up, and the regulator collection.
#include "TestSupport.h"
#include "WallClock.h"
#include "clRegulator.h"

#include <QSqlQuery>
#include <QTest>

namespace {
QVariantMap reg(const QString& kod, int adres, QVariantMap kolumny = {})
{
    kolumny.insert({{u"Kod"_qs, kod}, {u"Adres"_qs, adres}});
    return kolumny;
}
} // namespace

class TestWczytywanie : public QObject
{
    Q_OBJECT
  private slots:
    void selection_data();
    void selection();
    void columnsAndDefaults();
    void skalaNapiecia_data();
    void skalaNapiecia();
    void lastCounters();
    void collection();
};

void TestWczytywanie::selection_data()
{
    QTest::addColumn<QVariantList>("wiersze");
    QTest::addColumn<QString>("wczytane");      // code and Id in code order, '-' when inactive
    QTest::addColumn<QStringList>("komunikat"); // all in the one message shown, if any
    const QVariant brak;
    QTest::newRow("skipped types, trimmed codes, code order")
        << QVariantList{reg(u"C"_qs, 3), reg(u"B"_qs, 2, {{u"Typ"_qs, u"Regulator"_qs}}), reg(u"A"_qs, 1),
                        reg(u"D"_qs, 4, {{u"Typ"_qs, brak}}), reg(u"E  "_qs, 5, {{u"aktywny"_qs, u"Nie"_qs}})}
        << "A1 C2 E3-" << QStringList();
    QTest::newRow("NULL column reported, not fatal")
        << QVariantList{reg(u"R1"_qs, 1, {{u"CzestOdczytu"_qs, brak}, {u"NapiecieMax"_qs, brak}}),
                        reg(u"R2"_qs, 2)}
        << "R11 R22" << QStringList{u"'R1'"_qs, u"CzestOdczytu"_qs, u"NapiecieMax"_qs};
    QTest::newRow("duplicate trimmed code")
        << QVariantList{reg(u"R1"_qs, 1), reg(u" R1"_qs, 2), reg(u"R2"_qs, 3)} << "R11 R22"
        << QStringList{u"R1"_qs};
    QTest::newRow("empty table") << QVariantList() << "" << QStringList{u""_qs};
}

void TestWczytywanie::selection()
{
    QFETCH(QVariantList, wiersze);
    QFETCH(QStringList, komunikat);
    Srodowisko s;
    for (const QVariant& w : wiersze)
        s.dodajRegulator(w.toMap()[u"Kod"_qs].toString(), w.toMap()[u"Adres"_qs].toInt(), w.toMap());
    s.wczytaj();
    QStringList kody;
    for (const clRegulator& r : *s.regulatory)
        kody << r.Kod + QString::number(r.Id) + (r.aktywny ? u""_qs : u"-"_qs);
    QTEST(kody.join(u' '), "wczytane");
    QCOMPARE(s.app->IloscRegulatorow, kody.size());
    QCOMPARE(s.app->NrAktRegulatora, kody.isEmpty() ? 0 : 1);
    QCOMPARE(s.komunikaty.teksty.size(), komunikat.isEmpty() ? 0 : 1);
    for (const QString& fragment : komunikat)
        QVERIFY2(s.komunikaty.teksty.value(0).contains(fragment), qPrintable(s.komunikaty.teksty.value(0)));
}

void TestWczytywanie::columnsAndDefaults()
{
    Srodowisko s;
    s.dodajRegulator(u"R1"_qs, 7,
                     {{u"ProgPrad"_qs, 12.5},
                      {u"ProgNapiecie"_qs, QVariant()},
                      {u"ProgTgFiMin"_qs, QVariant()},
                      {u"ProgTgFi"_qs, QVariant()},
                      {u"Przekladnia"_qs, 40.5},
                      {u"CzestotliwoscMax"_qs, 51.5}});
    s.wczytaj();
    const clRegulator& r = s.regulatory->Item(1);
    QCOMPARE(r.adres, 7);
    QCOMPARE(r.ProgPrad, 12.5f);
    QCOMPARE(r.ProgNapiecie, 999999999.0f);
    QCOMPARE(r.ProgTgFiMax, 999999999.0f);
    // No lower bound stored: no lower bound at all.
    QVERIFY(r.ProgTgFiMin < -1e8f);
    QCOMPARE(r.Przekladnia, 40.5f);
    QCOMPARE(r.CzestotliwoscMax, 51.5f);
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
}

QTEST_GUILESS_MAIN(TestWczytywanie)
#include "tst_wczytywanie.moc"
