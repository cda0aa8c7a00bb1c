// The reports: the queries on known readings (day bounds, per-day statistics, net reactive
// energy, tg φ without active energy, the regulators of a structure element), the page
// placeholders, the number formats, the parameter windows' defaults and the report commands.
#include "BazaDemo.h"
#include "GlownaTestuOkien.h"
#include "MenuGlowne.h"
#include "PortQt.h"
#include "RaportFormat.h"
#include "RaportUklady.h"
#include "RaportWydruk.h"
#include "RaportZapytania.h"
#include "Raporty.h"
#include "TestSupport.h"
#include "TextFormat.h"
#include "fmGlowny.h"
#include "fmRapOkna.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Regulators R1..R3 at addresses 1..3 and the structure Zaklad { Hala1 { R1 }, R2, Pusty },
// with R3 below Magazyn, a parent that has no row of its own. The readings (address, time,
// active, total reactive and capacitive energy, voltage, current, frequency) hold the edges of
// 17 December 2003 and, for the periodic statistics, 28 November to 4 December.
struct Baza3
{
    Baza3()
    {
        for (int i = 1; i <= 3; ++i)
            s.dodajRegulator(QStringLiteral("R%1").arg(i), i);
        s.wczytaj();
        QSqlQuery q(s.baza->db());
        QVERIFY(q.exec(u"INSERT INTO Hierarchia VALUES ('Zaklad', 'S', 'System Kalbor'), "
                       "('Hala1', 'S', 'Zaklad'), ('R1', 'R', 'Hala1'), ('R2', 'R', 'Zaklad'), "
                       "('Pusty', 'S', 'Zaklad'), ('R3', 'R', 'Magazyn')"_qs));
        QVERIFY(q.exec(u"INSERT INTO Pomiary (Adres, Data, EnCzynna, EnBiernaCalk, EnBiernaPoj) VALUES "
                       "(1, '2003-12-16 23:59:59', 1, 1, 0), (1, '2003-12-17 00:00:00', 8, 4, 1), "
                       "(1, '2003-12-17 12:00:00', 0, 3, 2), (1, '2003-12-17 23:59:59', 4, 1, 1), "
                       "(1, '2003-12-18 00:00:00', 1, 1, 0), (2, '2003-12-17 06:00:00', 2, 2, 0), "
                       "(3, '2003-12-17 07:00:00', 2, 2, 0), (2, '2003-11-29 10:00:00', 2, 1, 0)"_qs));
        QVERIFY(q.exec(u"INSERT INTO Pomiary (Adres, Data, EnCzynna, EnBiernaCalk, EnBiernaPoj, Napiecie, "
                       "PradCalk, Czestotliwosc) VALUES (1, '2003-11-28 10:00:00', 10, 5, 1, 220, 4, 49.9), "
                       "(1, '2003-11-28 11:00:00', 0, 2, 1, 240, 6, 50.1), "
                       "(1, '2003-12-01 10:00:00', 4, 4, 0, 230, 5, 50), "
                       "(1, '2003-12-03 23:59:59', 2, 1, 0, 230, 5, 50), "
                       "(1, '2003-12-04 00:00:00', 2, 1, 0, 230, 5, 50)"_qs));
    }
    Srodowisko s;
};

// "value value..." of the named fields, per row.
QStringList tabela(const std::vector<QSqlRecord>& wiersze, const QStringList& pola)
{
    QStringList w;
    for (const QSqlRecord& r : wiersze) {
        QStringList komorki;
        for (const QString& p : pola)
            komorki << r.value(p).toString();
        w << komorki.join(u' ');
    }
    return w;
}

} // namespace

class TestRaporty : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void zapytania_data();
    void zapytania();
    void regulatoryObiektu_data();
    void regulatoryObiektu();
    void raportObiektu();
    void formaty_data();
    void formaty();
    void strony();
    void oknaParametrow_data();
    void oknaParametrow();
    void menu();
    void obrazStrony();
};

// The daily rows keep the day's edges inclusive and the next midnight out, with the net reactive
// energy and tg φ 0 without active energy; the periodic rows give the days in calendar order,
// a reading without active energy counting as tg φ 0 in the day's statistics.
void TestRaporty::zapytania_data()
{
    QTest::addColumn<bool>("okresowe");
    QTest::addColumn<QVariant>("adres");
    QTest::addColumn<QStringList>("kody");
    QTest::addColumn<QStringList>("wiersze");
    const QString polnoc = u"2003-12-17 00:00:00 3 0.5"_qs, poludnie = u"2003-12-17 12:00:00 1 0"_qs,
                  koniec = u"2003-12-17 23:59:59 0 0.25"_qs;
    QTest::newRow("17 Dec, regulator 1")
        << false << QVariant(1) << QStringList{} << QStringList{polnoc, poludnie, koniec};
    QTest::newRow("17 Dec, elements' codes")
        << false << QVariant() << QStringList{"r1", "R2"}
        << QStringList{polnoc, u"2003-12-17 06:00:00 2 1"_qs, poludnie, koniec};
    QTest::newRow("28 Nov to 3 Dec") << true << QVariant(1) << QStringList{}
                                     << QStringList{"2003-11-28 10 5 2 0 0.5 0.25 230 6 49.9",
                                                    "2003-12-01 4 4 0 1 1 1 230 5 50",
                                                    "2003-12-03 2 1 0 0.5 0.5 0.5 230 5 50"};
}

void TestRaporty::zapytania()
{
    QFETCH(bool, okresowe);
    QFETCH(QVariant, adres);
    QFETCH(QStringList, kody);
    const QDate od = okresowe ? QDate(2003, 11, 28) : QDate(2003, 12, 17),
                doDnia = okresowe ? QDate(2003, 12, 3) : od;
    const QStringList pola =
        okresowe
            ? QStringList{"data",     "EnCzynnaSuma", "EnBiernaSuma", "EnBiernaPojSuma", "tgfiMin",
                          "tgfiMaks", "tgfiSr",       "NapiecieSr",   "PradCalkMaks",    "CzestotliwoscMin"}
            : QStringList{"data", "EnBierna", "TGFI"};
    Baza3 b;
    const RaportZapytania::Regulatory r{adres.isValid() ? std::optional<qint16>(adres.toInt()) : std::nullopt,
                                        kody};
    const auto zapytanie = okresowe ? RaportZapytania::Okresowe : RaportZapytania::Dobowe;
    QTEST(tabela(zapytanie(b.s.baza->db(), od, doDnia, r), pola), "wiersze");
}

void TestRaporty::regulatoryObiektu_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QStringList>("kody");
    QTest::newRow("nested element") << "Zaklad" << QStringList{"R1", "R2"};
    QTest::newRow("inner element") << "Hala1" << QStringList{"R1"};
    QTest::newRow("element without regulators") << "Pusty" << QStringList{};
    QTest::newRow("parent without a row") << "Magazyn" << QStringList{"R3"};
    QTest::newRow("the root's text") << "System Kalbor" << QStringList{};
    QTest::newRow("nothing chosen yet") << "" << QStringList{};
    QTest::newRow("a regulator's node") << "R2" << QStringList{"R2"};
}

void TestRaporty::regulatoryObiektu()
{
    QFETCH(QString, nazwa);
    QFETCH(QStringList, kody);
    Baza3 b;
    QStringList wynik = RaportZapytania::RegulatoryObiektu(b.s.baza->db(), nazwa);
    wynik.sort();
    QCOMPARE(wynik, kody);
}

// The element's report takes only its regulators' readings; an empty element shows nothing; a
// regulator gone from the collection gives a message, not an exception.
void TestRaporty::raportObiektu()
{
    Baza3 b;
    Raporty raporty(b.s.uslugi, nullptr);
    QStringList pokazane;
    raporty.Pokaz = [&](RaportWydruk& r) {
        QStringList tytul;
        for (const Element& e : r.Uklad().RaportNagl.elementy)
            tytul << r.Tekst(e, 1, -1);
        pokazane << tytul.mid(2).join(u'|') + QStringLiteral(" rows %1").arg(r.Wiersze().size());
    };
    raporty.RaportDobowyObiekt(QDate(2003, 12, 17), QStringLiteral("Pusty"));
    raporty.RaportDobowyObiekt(QDate(2003, 12, 17), QStringLiteral("Hala1"));
    raporty.RaportOkresowyRegul(QDate(2003, 12, 1), QDate(2003, 12, 31), 3);
    raporty.RaportDobowyRegul(QDate(2003, 12, 17), 9);
    QCOMPARE(b.s.komunikaty.teksty.size(), 1);
    QCOMPARE(
        pokazane,
        (QStringList{"Raport dobowy dla  | obiektu 'Hala1'| z dnia 17/12/2003 rows 3",
                     "Raport okresowy dla  | regulatora 'R3'| za okres od 01/12/03 do 31/12/03 rows 1"}));
}

// The layouts' patterns in the Polish locale.
void TestRaporty::formaty_data()
{
    QTest::addColumn<QVariant>("wartosc");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("three decimals") << QVariant(1234.5678) << "0.000"
                                    << "1234,568";
    QTest::newRow("negative in parentheses") << QVariant(-2.5) << "0.000;(0.000)"
                                             << "(2,500)";
    QTest::newRow("positive of two sections") << QVariant(0.5) << "0.000;(0.000)"
                                              << "0,500";
    QTest::newRow("tg fi") << QVariant(0.456) << "0.00"
                           << "0,46";
    QTest::newRow("volts") << QVariant(229.6) << "0"
                           << "230";
    QTest::newRow("no value") << QVariant() << "0.000"
                              << "";
    QTest::newRow("time of a reading") << QVariant("2003-12-17 08:05:09") << "hh:mm:ss"
                                       << "08:05:09";
    QTest::newRow("day of a block") << QVariant("2003-12-01") << "dd/MM/yyyy"
                                    << "01/12/2003";
}

void TestRaporty::formaty()
{
    QFETCH(QVariant, wartosc);
    QFETCH(QString, format);
    QTEST(RaportFormat::Wartosc(wartosc, format, QLocale(QLocale::Polish, QLocale::Poland)), "tekst");
}

// 150 readings fill three pages; the footer numbers every page.
void TestRaporty::strony()
{
    std::vector<QSqlRecord> wiersze(150);
    RaportWydruk r(RapDobowy(), wiersze, QDateTime(QDate(2004, 1, 2), QTime(8, 0)));
    r.Obraz(1, 96);
    QCOMPARE(r.LiczbaStron(), 3);
    QCOMPARE(r.Tekst(r.Uklad().StronaStopka.elementy.back(), 2, -1), QStringLiteral("strona 2/3"));
    QCOMPARE(r.Tekst(r.Uklad().RaportNagl.elementy[1], 1, -1), QStringLiteral("02/01/2004"));
}

void TestRaporty::oknaParametrow_data()
{
    QTest::addColumn<QDate>("dzis");
    QTest::addColumn<QDate>("od");
    QTest::newRow("first of the month") << QDate(2004, 3, 1) << QDate(2004, 2, 1);
    QTest::newRow("mid-month") << QDate(2004, 3, 15) << QDate(2004, 3, 1);
}

// The periodic window proposes the month holding yesterday up to today, selects the current
// regulator and, on "&Ok", starts the report with what it shows and stays open.
void TestRaporty::oknaParametrow()
{
    QFETCH(QDate, dzis);
    Baza3 b;
    b.s.zegar.czas = dzis.startOfDay().addSecs(3600);
    b.s.app->NrAktRegulatora = 2;
    Raporty raporty(b.s.uslugi, nullptr);
    QString podtytul;
    raporty.Pokaz = [&](RaportWydruk& r) { podtytul = r.Uklad().RaportNagl.elementy.back().tekst; };
    QMdiArea obszar;
    auto* okno = new fmRapOkres(b.s.uslugi, raporty);
    obszar.addSubWindow(okno)->show();
    QTEST(okno->dtData->date(), "od");
    QCOMPARE(okno->dtDataDo->date(), dzis);
    QCOMPARE(okno->cmbRegul->currentText(), QStringLiteral("R2"));
    okno->Command1->click();
    QVERIFY(podtytul.endsWith(TextFormat::date(dzis.startOfDay(), u"dd/MM/yy")));
    QCOMPARE(obszar.subWindowList().size(), 1);
    okno->Command2->click();
    QTRY_COMPARE(obszar.subWindowList().size(), 0);
}

// The report commands open the regulator's or the element's window by the selection type,
// once; the toolbar's "RapDob" does what the daily item does.
void TestRaporty::menu()
{
    Baza3 b;
    b.s.app->NrAktRegulatora = 1;
    PortQt port;
    fmGlowny glowny(b.s.uslugi, port);
    b.s.app->AktTypEl = QStringLiteral("S");
    glowny.Menu().ToolbarAction(QStringLiteral("RapDob"), false);
    glowny.Menu().WyswRaportOkresowy();
    b.s.app->AktTypEl = QStringLiteral("R");
    glowny.Menu().WyswRaportDobowy();
    glowny.Menu().WyswRaportDobowy();
    QStringList otwarte;
    for (QMdiSubWindow* p : glowny.Obszar()->subWindowList())
        otwarte << QLatin1String(p->widget()->metaObject()->className());
    otwarte.sort();
    QCOMPARE(otwarte, (QStringList{"fmRapDob", "fmRapDobS", "fmRapOkresS"}));
}

// The first page of a daily report over demo readings, saved for a look.
void TestRaporty::obrazStrony()
{
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("kalbor.mdb"));
    QVERIFY(UtworzBazeDemo(plik, 2, QDate(2003, 12, 18)).isEmpty());
    Srodowisko s(plik);
    s.wczytaj();
    Raporty raporty(s.uslugi, nullptr);
    QImage obraz;
    raporty.Pokaz = [&](RaportWydruk& r) { obraz = r.Obraz(1, 110); };
    raporty.RaportDobowyRegul(QDate(2003, 12, 17), 1);
    const QString cel = QCoreApplication::applicationDirPath() + QStringLiteral("/../../screenshots/reports");
    QVERIFY(QDir().mkpath(cel));
    QVERIFY(obraz.save(cel + QStringLiteral("/raport_dobowy.png")));
    raporty.RaportOkresowyRegul(QDate(2003, 12, 16), QDate(2003, 12, 17), 1);
    QVERIFY(obraz.save(cel + QStringLiteral("/raport_okresowy.png")));
}

KALBOR_TEST_OKIEN(TestRaporty)
#include "tst_raporty.moc"
