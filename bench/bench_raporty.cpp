// Reports and the opening of the file on years of history: 64 regulators with a reading every
// 15 minutes (2.24 M readings a year), all under one structure element, in a temporary file.
// Each report's statement must search Pomiary through its (Adres, Data) index (the query plan
// is checked); each report is timed as its query alone and as the whole report (query, layout,
// the preview window drawn with its first page, as the operator gets it) on the same connection,
// medians of 5, and set against the goal: whole report <= 1.5 x query + 100 ms. A PDF of every
// page is timed for information. Then the file is opened as start-up opens it and as the record
// editor opens it, against the goal: well under half a second, whatever the history.
// Usage: bench_raporty [--lata N (years of history, 1 by default)] [part of a report's name]
#include "PodgladRaportu.h"
#include "RaportWydruk.h"
#include "RaportZapytania.h"
#include "Raporty.h"
#include "SqlDates.h"
#include "TestSupport.h"
#include "TransakcjaBazy.h"
#include "clsRegulatory.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRegulatory = 64;
constexpr int kPowtorzenia = 5;
constexpr double kCelOtwarciaMs = 250;
const QString kObiekt = QStringLiteral("Hala");
// The reports cover the last year of the history, which ends with 2003.
const QDate kRokOd(2003, 1, 1), kMiesiacOd(2003, 12, 1), kRokDo(2003, 12, 31), kDzien(2003, 12, 17);

// Codes of equal length, so that the collection, which orders by code, holds the regulators
// in address order and a regulator's Id is its address.
QString kod(int adres)
{
    return QStringLiteral("R%1").arg(adres, 2, 10, QLatin1Char('0'));
}

// The regulators and the structure element holding them all.
bool zbudujRegulatory(Srodowisko& s)
{
    for (int i = 1; i <= kRegulatory; ++i)
        s.dodajRegulator(kod(i), i);
    QSqlQuery q(s.baza->db());
    q.prepare(QStringLiteral("INSERT INTO Hierarchia (kod_obiektu, typ, kod_obiektu_nad) VALUES (?, ?, ?)"));
    auto wezel = [&](const QString& kod, const char* typ, const QString& nad) {
        q.bindValue(0, kod);
        q.bindValue(1, QLatin1String(typ));
        q.bindValue(2, nad);
        return q.exec();
    };
    bool ok = wezel(kObiekt, "S", QStringLiteral("System Kalbor"));
    for (int i = 1; i <= kRegulatory && ok; ++i)
        ok = wezel(kod(i), "R", kObiekt);
    return ok;
}

// Every regulator's readings every 15 minutes from `od` to the end of 2003, stored as the
// program stores them (one regulator after another at each reading time), with values that
// change from row to row (now and then a negative active energy, printed in parentheses). One
// statement in one transaction: the database makes the rows itself.
bool wstawPomiary(Srodowisko& s, const QDate& od)
{
    const qint64 wiersze = od.daysTo(kRokDo.addDays(1)) * 96 * kRegulatory;
    QSqlDatabase db = s.baza->db();
    TransakcjaBazy t(db);
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "WITH RECURSIVE p(wiersze, regulatory, od) AS (SELECT ?, ?, ?), "
        "n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n, p WHERE i + 1 < p.wiersze), "
        "f(i, fala) AS (SELECT i, (i * 7919 % 1000) / 500.0 + 0.2 FROM n) "
        "INSERT INTO Pomiary (Adres, Data, EnCzynna, EnBiernaCalk, EnBiernaPoj, Napiecie, PradBierny, "
        "PradCalk, Czestotliwosc) "
        "SELECT 1 + i % regulatory, datetime(od, '+' || (i / regulatory * 900) || ' seconds'), "
        "CASE WHEN i % 97 = 0 THEN -0.5 ELSE 12.5 * fala END, 4.2 * fala + 0.3, 0.25 * fala, "
        "398 + (i * 17 % 90) / 10.0, 2.1 * fala, 18.0 * fala, 49.95 + (i * 13 % 100) / 1000.0 FROM f, p"));
    q.addBindValue(wiersze);
    q.addBindValue(kRegulatory);
    q.addBindValue(SqlDates::sqlDateTime(od.startOfDay()));
    return t.Rozpoczeta() && q.exec() && t.Zatwierdz();
}

double medianaMs(const std::function<void()>& zadanie)
{
    std::vector<double> czasy;
    QElapsedTimer t;
    for (int i = 0; i < kPowtorzenia; ++i) {
        t.start();
        zadanie();
        czasy.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(czasy.begin(), czasy.end());
    return czasy[czasy.size() / 2];
}

struct Przypadek
{
    const char* nazwa;
    RaportZapytania::Polecenie polecenie;
    std::function<void()> zapytanie;
    std::function<void(Raporty&)> raport;
};

std::vector<Przypadek> przypadki(const QSqlDatabase& db)
{
    using namespace RaportZapytania;
    const Adresy roczny{1};
    Adresy obiekt;
    for (int i = 1; i <= kRegulatory; ++i)
        obiekt << qint16(i);
    return {
        {"periodic, 1 regulator, 1 year", PolecenieOkresowe(kRokOd, kRokDo, roczny),
         [=] { Okresowe(db, kRokOd, kRokDo, roczny); },
         [](Raporty& r) { r.RaportOkresowyRegul(kRokOd, kRokDo, 1); }},
        {"periodic, 64 regulators, 1 year", PolecenieOkresowe(kRokOd, kRokDo, obiekt),
         [=] { Okresowe(db, kRokOd, kRokDo, obiekt); },
         [](Raporty& r) { r.RaportOkresowyObiekt(kRokOd, kRokDo, kObiekt); }},
        {"periodic, 64 regulators, 1 month", PolecenieOkresowe(kMiesiacOd, kRokDo, obiekt),
         [=] { Okresowe(db, kMiesiacOd, kRokDo, obiekt); },
         [](Raporty& r) { r.RaportOkresowyObiekt(kMiesiacOd, kRokDo, kObiekt); }},
        {"daily, 64 regulators", PolecenieDobowe(kDzien, kDzien, obiekt),
         [=] { Dobowe(db, kDzien, kDzien, obiekt); },
         [](Raporty& r) { r.RaportDobowyObiekt(kDzien, kObiekt); }},
        {"daily, 1 regulator", PolecenieDobowe(kDzien, kDzien, roczny),
         [=] { Dobowe(db, kDzien, kDzien, roczny); }, [](Raporty& r) { r.RaportDobowyRegul(kDzien, 1); }},
    };
}

// The report as the operator gets it: laid out, and its preview window drawn with the first
// page; and every page printed, for information: paper is not what the operator waits for.
struct Pokazy
{
    PoTakcie& poTakcie;
    int strony = 0;
    QTemporaryDir katalog;

    void podglad(RaportWydruk& r)
    {
        PodgladRaportu okno(r, poTakcie, nullptr);
        okno.show();
        okno.grab();
        strony = r.LiczbaStron();
    }
    void pdf(RaportWydruk& r)
    {
        QPrinter drukarka(QPrinter::HighResolution);
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(katalog.filePath(QStringLiteral("raport.pdf")));
        drukarka.setPageLayout(RaportWydruk::Strona());
        r.Drukuj(drukarka);
    }
};

// One line per report picked by `wybor`; true when every one is within its goal.
bool raporty(Srodowisko& s, const QString& wybor)
{
    Raporty raporty(s.uslugi, nullptr);
    Pokazy pokazy{s.poTakcie, 0, {}};
    bool wCelu = true;
    std::printf("  %-34s %6s %9s %9s %9s %6s %6s %12s\n", "report", "plan", "query ms", "whole ms", "goal ms",
                "ratio", "pages", "PDF ms (info)");
    for (const Przypadek& p : przypadki(s.baza->db())) {
        if (!QString::fromLatin1(p.nazwa).contains(wybor))
            continue;
        const QString plan = PlanBezIndeksuPomiarow(s.baza->db(), p.polecenie.sql, p.polecenie.wartosci);
        const double zapytanie = medianaMs(p.zapytanie);
        raporty.Pokaz = [&](RaportWydruk& r) { pokazy.podglad(r); };
        const double calosc = medianaMs([&] { p.raport(raporty); });
        raporty.Pokaz = [&](RaportWydruk& r) { pokazy.pdf(r); };
        const double druk = medianaMs([&] { p.raport(raporty); });
        const double cel = 1.5 * zapytanie + 100;
        const bool ok = plan.isEmpty() && calosc <= cel && s.komunikaty.teksty.isEmpty();
        wCelu = wCelu && ok;
        std::printf("  %-34s %6s %9.1f %9.1f %9.1f %6.2f %6d %12.1f  %s\n", p.nazwa,
                    plan.isEmpty() ? "index" : "SCAN", zapytanie, calosc, cel, calosc / zapytanie,
                    pokazy.strony, druk, ok ? "within goal" : "OVER GOAL");
        if (!plan.isEmpty())
            std::printf("    plan: %s\n", qPrintable(QString(plan).replace(u'\n', QStringLiteral("; "))));
    }
    for (const QString& t : s.komunikaty.teksty)
        std::fprintf(stderr, "bench_raporty: message shown: %s\n", qPrintable(t));
    return wCelu;
}

// Opening the file on a connection of its own, as start-up does and as the record editor does
// at every opening; true when both are within the goal.
bool otwarcia(const QString& plik)
{
    int n = 0;
    QString blad;
    const double start = medianaMs([&] {
        Baza baza(QStringLiteral("start-%1").arg(++n));
        blad += baza.Otworz(plik);
    });
    const double edytor = medianaMs([&] {
        clsRegulatory dane;
        blad += dane.Otworz(plik);
    });
    const bool ok = blad.isEmpty() && start <= kCelOtwarciaMs && edytor <= kCelOtwarciaMs;
    std::printf("  opening the file: start-up %.1f ms, record editor %.1f ms; goal <= %.0f ms each: %s\n",
                start, edytor, kCelOtwarciaMs, ok ? "met" : "NOT met");
    if (!blad.isEmpty())
        std::fprintf(stderr, "bench_raporty: %s\n", qPrintable(blad));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList argumenty = app.arguments().mid(1);
    int lata = 1;
    if (argumenty.size() >= 2 && argumenty.front() == QLatin1String("--lata")) {
        lata = std::max(1, argumenty[1].toInt());
        argumenty = argumenty.mid(2);
    }
    Srodowisko s;
    QElapsedTimer budowa;
    budowa.start();
    if (!zbudujRegulatory(s) || !wstawPomiary(s, QDate(2004 - lata, 1, 1)) || !s.wczytaj().isEmpty()) {
        std::fprintf(stderr, "bench_raporty: cannot build the database: %s\n",
                     qPrintable(s.baza->db().lastError().text()));
        return 1;
    }
    std::printf(
        "bench_raporty: %d readings (%d regulators, %d year(s)), %.0f MB, stored in %.1f s; medians of %d "
        "runs\n",
        s.liczWiersze(QStringLiteral("Pomiary")), kRegulatory, lata, double(QFileInfo(s.plik()).size()) / 1e6,
        double(budowa.elapsed()) / 1000, kPowtorzenia);
    // An argument picks the reports whose name holds it, for a profiler's run.
    const bool raportyWCelu = raporty(s, argumenty.value(0));
    std::printf("  goal: each report searches Pomiary by its index and whole <= 1.5 x query + 100 ms: %s\n",
                raportyWCelu ? "met" : "NOT met");
    const bool otwarciaWCelu = otwarcia(s.plik());
    return raportyWCelu && otwarciaWCelu ? 0 : 1;
}
