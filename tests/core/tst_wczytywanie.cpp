// Loading the regulators at start-up, and the regulator collection.
#include "TestSupport.h"
#include "WallClock.h"
#include "clRegulator.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QTest>

namespace {
QVariantMap reg(const QVariant& kod, const QVariant& adres, QVariantMap kolumny = {})
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
    void lastCounters();
    void unsoundLastReading_data();
    void unsoundLastReading();
    void collection();
};

void TestWczytywanie::selection_data()
{
    QTest::addColumn<QVariantList>("wiersze");
    QTest::addColumn<QString>("zmiana");        // statements run on the file before loading
    QTest::addColumn<QString>("wczytane");      // code and Id in code order, '-' when inactive
    QTest::addColumn<bool>("bladStartu");       // start-up cannot go on; nothing loaded
    QTest::addColumn<QStringList>("komunikat"); // all in the one message or the start-up error
    const QVariant brak;
    QTest::newRow("skipped types, trimmed codes, code order")
        << QVariantList{reg(u"C"_qs, 3), reg(u"B"_qs, 2, {{u"Typ"_qs, u"Regulator"_qs}}), reg(u"A"_qs, 1),
                        reg(u"D"_qs, 4, {{u"Typ"_qs, brak}}), reg(u"E  "_qs, 5, {{u"aktywny"_qs, u"Nie"_qs}})}
        << QString() << "A1 C2 E3-" << false << QStringList();
    QTest::newRow("NULL column reported, not fatal")
        << QVariantList{reg(u"R1"_qs, 1, {{u"CzestOdczytu"_qs, brak}, {u"NapiecieMax"_qs, brak}}),
                        reg(u"R2"_qs, 2)}
        << QString() << "R11 R22" << false << QStringList{u"'R1'"_qs, u"CzestOdczytu"_qs, u"NapiecieMax"_qs};
    QTest::newRow("duplicate trimmed code")
        << QVariantList{reg(u"R1"_qs, 1), reg(u" R1"_qs, 2), reg(u"R2"_qs, 3)} << QString() << "R11 R22"
        << false << QStringList{u"R1"_qs};
    QTest::newRow("empty table") << QVariantList() << QString() << "" << false << QStringList{u""_qs};
    QTest::newRow("empty, blank and NULL codes named by address")
        << QVariantList{reg(u""_qs, 7), reg(u"   "_qs, 8), reg(brak, 9), reg(brak, brak), reg(u"R1"_qs, 1)}
        << QString() << "R11" << false
        << QStringList{u"(adres 7)"_qs, u"(adres 8)"_qs, u"(adres 9)"_qs, u"bez kodu i adresu"_qs};
    QTest::newRow("values beyond their columns")
        << QVariantList{reg(u"R1"_qs, 65541),
                        reg(u"R2"_qs, 2, {{u"CzestOdczytu"_qs, 65551}}),
                        reg(u"R3"_qs, 256),
                        reg(u"R4"_qs, -1),
                        reg(u"R5"_qs, 5, {{u"awarCzest"_qs, u"pięć"_qs}}),
                        reg(u"R6"_qs, 6, {{u"Przekladnia"_qs, 1e39}}),
                        reg(u"R7"_qs, 7, {{u"NapieciePomiar"_qs, 380.5}}),
                        reg(u"R8"_qs, 255, {{u"CzestOdczytu"_qs, -32768}, {u"PrzekladniaNap"_qs, 32767}}),
                        reg(u"R9"_qs, 0, {{u"CzestOdczytu"_qs, u"15"_qs}})}
        << QString() << "R81 R92" << false
        << QStringList{u"'R1', kolumna Adres: wartość '65541'"_qs,
                       u"'R2', kolumna CzestOdczytu: wartość '65551'"_qs,
                       u"'R3', kolumna Adres"_qs,
                       u"'R4', kolumna Adres"_qs,
                       u"'R5', kolumna awarCzest"_qs,
                       u"'R6', kolumna Przekladnia"_qs,
                       u"'R7', kolumna NapieciePomiar"_qs};
    QTest::newRow("intervals below a minute: the minute used")
        << QVariantList{reg(u"R1"_qs, 1, {{u"CzestOdczytu"_qs, 0}}),
                        reg(u"R2"_qs, 2, {{u"CzestOdczytu"_qs, -5}}),
                        reg(u"R3"_qs, 3, {{u"awarCzest"_qs, brak}})}
        << QString() << "R11 R22 R33" << false
        << QStringList{u"'R1', kolumna CzestOdczytu: wartość '0', przyjęto 1 min"_qs,
                       u"'R2', kolumna CzestOdczytu: wartość '-5', przyjęto 1 min"_qs,
                       u"'R3', kolumna awarCzest: brak wartości, przyjęto 1 min"_qs};
    QVariantList wiele{reg(u"OK"_qs, 1)};
    for (int i = 1; i <= 44; ++i)
        wiele << reg(u"R%1"_qs.arg(i, 2, 10, QChar(u'0')), 300 + i);
    QTest::newRow("44 skipped rows: the first in the report, all in the log")
        << wiele << QString() << "OK1" << false
        << QStringList{u"'R01', kolumna Adres: wartość '301'"_qs, u"'R11', kolumna Adres"_qs,
                       u"\r… i 33 innych"_qs};
    QTest::newRow("empty address") << QVariantList{reg(u"R1"_qs, brak), reg(u"R2"_qs, 2)} << QString()
                                   << "R21" << false << QStringList{u"'R1', kolumna Adres: brak wartości"_qs};
    QTest::newRow("duplicate address, the later row skipped")
        << QVariantList{reg(u"B"_qs, 5), reg(u"A"_qs, 5), reg(u"C"_qs, 6)} << QString() << "A1 C2" << false
        << QStringList{u"'B': adres 5 ma już regulator 'A'"_qs};
    // The skipped row leaves its address free.
    QTest::newRow("duplicate code, its address loaded later")
        << QVariantList{reg(u"A"_qs, 1), reg(u"a "_qs, 2), reg(u"B"_qs, 2)} << QString() << "A1 B2" << false
        << QStringList{u"'a ' (adres 2): kod powtórzony"_qs};
    QTest::newRow("Regulatory cannot be read")
        << QVariantList{reg(u"R1"_qs, 1)} << u"ALTER TABLE Regulatory RENAME TO Stare"_qs << "" << true
        << QStringList{u"tabeli Regulatory"_qs, u"no such table"_qs};
    QTest::newRow("OstPomiar cannot be read")
        << QVariantList{reg(u"R1"_qs, 1)} << u"DROP TABLE OstPomiar"_qs << "" << true
        << QStringList{u"tabeli OstPomiar"_qs, u"no such table"_qs};
    QTest::newRow("Regulatory fails after a row")
        << QVariantList{reg(u"R1"_qs, 1), reg(u"R2"_qs, 2)}
        << u"ALTER TABLE Regulatory RENAME TO R0; CREATE INDEX R0_Kod ON R0 (Kod COLLATE NOCASE); "
           "CREATE VIEW Regulatory AS SELECT *, CASE WHEN Kod = 'R2' THEN abs(-9223372036854775807 - 1) END "
           "AS x "
           "FROM R0"_qs
        << "" << true << QStringList{u"tabeli Regulatory"_qs, u"overflow"_qs};
    // Fails at the look-up itself, after a regulator has been added.
    QTest::newRow("OstPomiar look-up fails")
        << QVariantList{reg(u"R1"_qs, 1), reg(u"R2"_qs, 2)}
        << u"DROP TABLE OstPomiar; CREATE VIEW OstPomiar AS SELECT abs(-9223372036854775807 - 1) AS Adres"_qs
        << "" << true << QStringList{u"tabeli OstPomiar"_qs, u"overflow"_qs};
}

void TestWczytywanie::selection()
{
    QFETCH(QVariantList, wiersze);
    QFETCH(QString, zmiana);
    QFETCH(bool, bladStartu);
    QFETCH(QStringList, komunikat);
    Srodowisko s;
    for (const QVariant& w : wiersze)
        s.dodajRegulator({}, 0, w.toMap());
    for (const QString& sql : zmiana.split(u';', Qt::SkipEmptyParts))
        QVERIFY(QSqlQuery(s.baza->db()).exec(sql));
    const QString blad = s.wczytaj();
    QStringList kody;
    for (const clRegulator& r : *s.regulatory)
        kody << r.Kod + QString::number(r.Id) + (r.aktywny ? u""_qs : u"-"_qs);
    QTEST(kody.join(u' '), "wczytane");
    QCOMPARE(!blad.isEmpty(), bladStartu);
    // Nothing is shown while loading: start-up shows the report once the main loop runs.
    QVERIFY(s.komunikaty.teksty.isEmpty());
    const QString tekst = bladStartu ? blad : s.raport;
    QCOMPARE(tekst.isEmpty(), komunikat.isEmpty());
    for (const QString& fragment : komunikat)
        QVERIFY2(tekst.contains(fragment), qPrintable(tekst));
    if (bladStartu)
        return;
    QCOMPARE(s.app->IloscRegulatorow, kody.size());
    QCOMPARE(s.app->NrAktRegulatora, kody.isEmpty() ? 0 : 1);
    // Each problem is a failed start-up row of the log, those left out of the report too.
    QStringList pokazane = s.raport.split(u'\r');
    const QString naglowek = pokazane.takeFirst();
    static const QRegularExpression pominiete(u"^… i (\\d+) innych$"_qs);
    const QRegularExpressionMatch ile = pominiete.match(pokazane.value(pokazane.size() - 1));
    if (ile.hasMatch())
        pokazane.removeLast();
    const QStringList log =
        s.kolumna(u"SELECT Operacja || '|' || Status || Typ || '|' || ifnull(Kod_Regul, '') "
                  "FROM Log ORDER BY rowid"_qs);
    QCOMPARE(log.size(), pokazane.size() + ile.captured(1).toInt());
    for (qsizetype i = 0; i < pokazane.size(); ++i)
        QCOMPARE(log[i], naglowek + u' ' + pokazane[i] + u"|BL|"_qs);
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

void TestWczytywanie::unsoundLastReading_data()
{
    QTest::addColumn<QString>("kolumna");
    QTest::addColumn<QString>("wartosc"); // SQL literal
    const auto wiersz = [](const char* nazwa, const char* kolumna, const char* wartosc) {
        QTest::newRow(nazwa) << QString::fromUtf8(kolumna) << QString::fromUtf8(wartosc);
    };
    wiersz("beyond single precision", "PopPradCzynny", "1e39");
    wiersz("infinite", "PopPradCzynny", "9e999");
    wiersz("minus infinite", "PopPradBiernSr", "-9e999");
    wiersz("text", "PopPradBiernPojSr", "'dużo'");
    wiersz("counter beyond 32 bits", "PopTimerU", "4294967296");
    wiersz("counter not whole", "PopTimerU", "1.5");
    wiersz("no time", "Czas", "'wczoraj'");
}

// A stored last reading that is no reading: reported, and that regulator starts as one without
// a previous reading; the others keep theirs.
void TestWczytywanie::unsoundLastReading()
{
    QFETCH(QString, kolumna);
    QFETCH(QString, wartosc);
    Srodowisko s;
    s.dodajRegulator(u"R1"_qs, 1);
    s.dodajRegulator(u"R2"_qs, 2);
    QMap<QString, QString> wiersz{{u"PopPradCzynny"_qs, u"100.5"_qs},
                                  {u"PopPradBiernSr"_qs, u"40.25"_qs},
                                  {u"PopPradBiernPojSr"_qs, u"3.5"_qs},
                                  {u"PopTimerU"_qs, u"123456"_qs},
                                  {u"Czas"_qs, u"'2003-12-17 10:15:00'"_qs}};
    const QString wstaw =
        u"INSERT INTO OstPomiar (Adres, %1) VALUES (%2, %3)"_qs.arg(wiersz.keys().join(u", "_qs));
    QVERIFY(QSqlQuery(s.baza->db()).exec(wstaw.arg(2).arg(wiersz.values().join(u", "_qs))));
    wiersz[kolumna] = wartosc;
    QVERIFY(QSqlQuery(s.baza->db()).exec(wstaw.arg(1).arg(wiersz.values().join(u", "_qs))));
    QCOMPARE(s.wczytaj(), QString());

    QVERIFY2(s.raport.contains(u"'R1', tabela OstPomiar, kolumna %1: wartość "_qs.arg(kolumna)),
             qPrintable(s.raport));
    QVERIFY2(s.raport.endsWith(u", regulator startuje bez poprzedniego odczytu"_qs), qPrintable(s.raport));
    const clRegulator& r1 = s.regulatory->Item(u"R1"_qs);
    QCOMPARE(QVariantList({r1.PopPradCzynny, r1.PopPradBiernSr, r1.PopPradBiernPojSr, r1.popTimerU}),
             QVariantList({0.0f, 0.0f, 0.0f, 0}));
    QVERIFY(WallClock::isOrigin(r1.OstatniOdczyt));
    QCOMPARE(s.regulatory->Item(u"R2"_qs).PopPradCzynny, 100.5f);
}

void TestWczytywanie::collection()
{
    Srodowisko s;
    colRegulatory& c = *s.regulatory;
    c.Add(1, u"A"_qs, u"A"_qs);
    clRegulator& b = c.Add(2, u"B"_qs, u"B"_qs);
    QVERIFY_THROWS_EXCEPTION(BladKolekcji, c.Add(3, u"A"_qs, u"A"_qs));
    QVERIFY_THROWS_EXCEPTION(BladKolekcji, c.Item(u"C"_qs));
    QVERIFY_THROWS_EXCEPTION(BladKolekcji, c.Item(0));
    QVERIFY_THROWS_EXCEPTION(BladKolekcji, c.Item(3));
    QCOMPARE(c.Count(), 2);
    c.Remove(u"A"_qs);
    QCOMPARE(&c.Item(1), &b);
    QCOMPARE(&c.Item(u"B"_qs), &b);
    // Without a key a regulator is reached by position only, and any number go in so.
    clRegulator& bezKlucza = c.Add(3, u"C"_qs, {});
    c.Add(4, u"D"_qs, {});
    QCOMPARE(&c.Item(2), &bezKlucza);
    QVERIFY_THROWS_EXCEPTION(BladKolekcji, c.Item(u"C"_qs));
    QVERIFY_THROWS_EXCEPTION(BladKolekcji, c.Item(QString()));
}

QTEST_GUILESS_MAIN(TestWczytywanie)
#include "tst_wczytywanie.moc"
