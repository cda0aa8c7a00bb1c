// Reports and the opening of the file on realistic histories, each in a temporary file, all
// regulators under one structure element:
//  - a year of 64 regulators read every 15 minutes (2.24 M readings);
//  - the first 8 1/3 days of a month of 200 regulators read every minute (2.4 M readings),
//    stored time-major as the program stores them.
// Each report is timed as its query alone and as the whole report up to its preview window
// drawn with its first page, as the operator gets it, while a timer measures the longest pause
// of the event loop (the polling's thread) meanwhile; medians of the runs, against the goals:
// whole report <= 1.5 x query + 100 ms, longest pause <= 100 ms, and each report's own time
// where it has one. The figures before the reports were gathered on a worker are printed next to
// them (measured on a loaded machine: each one's own query alone then took about as long). A PDF of every
// page is timed for information. Then the file of the year is opened as start-up opens it and as the record
// editor opens it, against the goal: well under half a second, whatever the history. Usage: bench_raporty
// [--lata N (years of the 64 regulators' history, 1 by default)]
//                      [part of a report's name]
#include "IndeksyHistorii.h"
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
#include <optional>
#include <vector>

namespace {

constexpr int kPowtorzenia = 3;
constexpr double kCelOtwarciaMs = 250;
constexpr double kCelPrzerwyMs = 100;
const QString kObiekt = QStringLiteral("Hala");

// A plant and its history: `regulatory` regulators read every `odstepS` seconds from `od`,
// `wiersze` readings in all.
struct Zbior
{
    const char* nazwa;
    int regulatory;
    int odstepS;
    QDateTime od;
    qint64 wiersze;
};

// Codes of equal length, so that the collection, which orders by code, holds the regulators
// in address order and a regulator's Id is its address.
QString kod(int adres)
{
    return QStringLiteral("R%1").arg(adres, 3, 10, QLatin1Char('0'));
}

// The regulators and the structure element holding them all.
bool zbudujRegulatory(Srodowisko& s, int ile)
{
    for (int i = 1; i <= ile; ++i)
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
    for (int i = 1; i <= ile && ok; ++i)
        ok = wezel(kod(i), "R", kObiekt);
    return ok;
}

// The readings stored as the program stores them (one regulator after another at each reading
// time), with values that change from row to row (now and then a negative active energy,
// printed in parentheses). One statement in one transaction: the database makes the rows itself.
bool wstawPomiary(Srodowisko& s, const Zbior& z)
{
    QSqlDatabase db = s.baza->db();
    TransakcjaBazy t(db);
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "WITH RECURSIVE p(wiersze, regulatory, odstep, od) AS (SELECT ?, ?, ?, ?), "
        "n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n, p WHERE i + 1 < p.wiersze), "
        "f(i, fala) AS (SELECT i, (i * 7919 % 1000) / 500.0 + 0.2 FROM n) "
        "INSERT INTO Pomiary (Adres, Data, EnCzynna, EnBiernaCalk, EnBiernaPoj, Napiecie, PradBierny, "
        "PradCalk, Czestotliwosc) "
        "SELECT 1 + i % regulatory, datetime(od, '+' || (i / regulatory * odstep) || ' seconds'), "
        "CASE WHEN i % 97 = 0 THEN -0.5 ELSE 12.5 * fala END, 4.2 * fala + 0.3, 0.25 * fala, "
        "398 + (i * 17 % 90) / 10.0, 2.1 * fala, 18.0 * fala, 49.95 + (i * 13 % 100) / 1000.0 FROM f, p"));
    q.addBindValue(z.wiersze);
    q.addBindValue(z.regulatory);
    q.addBindValue(z.odstepS);
    q.addBindValue(SqlDates::sqlDateTime(z.od));
    return t.Rozpoczeta() && q.exec() && t.Zatwierdz();
}

// One report of a data set: its query alone, the report as the operator asks for it, its own
// goal for the time to the preview (none: only the ratio to its query) and the figures
// measured before the reports were gathered on a worker.
struct Przypadek
{
    const char* nazwa;
    std::function<void(const QSqlDatabase&)> zapytanie;
    std::function<void(Raporty&)> raport;
    std::optional<double> celMs;
    double przedMs;      // to the preview, before
    double przedPrzerwa; // longest pause, before
    int powtorzenia = kPowtorzenia;
};

std::vector<Przypadek> przypadkiRoku(int regulatory)
{
    using namespace RaportZapytania;
    const QDate rokOd(2003, 1, 1), miesiacOd(2003, 12, 1), rokDo(2003, 12, 31), dzien(2003, 12, 17),
        daleko(9999, 12, 31);
    const Adresy jeden{1};
    Adresy obiekt;
    for (int i = 1; i <= regulatory; ++i)
        obiekt << qint16(i);
    return {
        {"periodic, 1 regulator, 1 year",
         [=](auto& db) { Okresowe(db, rokOd, rokDo, jeden); },
         [=](Raporty& r) { r.RaportOkresowyRegul(rokOd, rokDo, 1); },
         {},
         218,
         241},
        {"periodic, 64 regulators, 1 year",
         [=](auto& db) { OkresoweWg(db, rokOd, rokDo, obiekt, {regulatory}); },
         [=](Raporty& r) { r.RaportOkresowyObiekt(rokOd, rokDo, kObiekt); }, 2500, 3808, 4112},
        {"periodic, 64 regulators, 1 month",
         [=](auto& db) { OkresoweWg(db, miesiacOd, rokDo, obiekt, {regulatory}); },
         [=](Raporty& r) { r.RaportOkresowyObiekt(miesiacOd, rokDo, kObiekt); },
         {},
         227,
         255},
        {"daily, 64 regulators",
         [=](auto& db) { DoboweWg(db, dzien, dzien, obiekt, {regulatory}); },
         [=](Raporty& r) { r.RaportDobowyObiekt(dzien, kObiekt); },
         {},
         29,
         39},
        {"daily, 1 regulator",
         [=](auto& db) { Dobowe(db, dzien, dzien, jeden); },
         [=](Raporty& r) { r.RaportDobowyRegul(dzien, 1); },
         {},
         6,
         13},
        {"periodic, 1 regulator, to 9999-12-31",
         [=](auto& db) { Okresowe(db, rokOd, daleko, jeden); },
         [=](Raporty& r) { r.RaportOkresowyRegul(rokOd, daleko, 1); },
         {},
         41221,
         41221,
         1},
    };
}

std::vector<Przypadek> przypadkiMiesiaca(int regulatory)
{
    using namespace RaportZapytania;
    const QDate od(2003, 12, 1), doDnia(2003, 12, 9), dzien(2003, 12, 5);
    const Adresy jeden{1};
    Adresy obiekt;
    for (int i = 1; i <= regulatory; ++i)
        obiekt << qint16(i);
    return {
        {"periodic, 200 regulators, month",
         [=](auto& db) { OkresoweWg(db, od, doDnia, obiekt, {regulatory}); },
         [=](Raporty& r) { r.RaportOkresowyObiekt(od, doDnia, kObiekt); }, 3000, 39811, 43633},
        {"periodic, 1 regulator, month",
         [=](auto& db) { Okresowe(db, od, doDnia, jeden); },
         [=](Raporty& r) { r.RaportOkresowyRegul(od, doDnia, 1); },
         {},
         154,
         157},
        {"daily, 1 regulator, every minute",
         [=](auto& db) { Dobowe(db, dzien, dzien, jeden); },
         [=](Raporty& r) { r.RaportDobowyRegul(dzien, 1); },
         {},
         37,
         49},
    };
}

// The report as the operator gets it: laid out, and its preview window drawn with the first
// page; and every page printed, for information: paper is not what the operator waits for.
struct Pokazy
{
    PoTakcie& poTakcie;
    int strony = 0;
    bool pokazany = false;
    QTemporaryDir katalog;

    void podglad(RaportWydruk& r)
    {
        PodgladRaportu okno(r, poTakcie, nullptr);
        okno.show();
        okno.grab();
        strony = r.LiczbaStron();
        pokazany = true;
    }
    void pdf(RaportWydruk& r)
    {
        QPrinter drukarka(QPrinter::HighResolution);
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(katalog.filePath(QStringLiteral("raport.pdf")));
        drukarka.setPageLayout(RaportWydruk::Strona());
        r.Drukuj(drukarka);
        pokazany = true;
    }
};

// The report asked for, and the event loop run until it has been shown.
CzasIPrzerwa zmierz(const std::function<void()>& zadanie, Pokazy& pokazy)
{
    pokazy.pokazany = false;
    return ZmierzZPrzerwami(zadanie, [&] { return pokazy.pokazany; });
}

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double medianaMs(const std::function<void()>& zadanie, int razy = kPowtorzenia)
{
    std::vector<double> czasy;
    QElapsedTimer t;
    for (int i = 0; i < razy; ++i) {
        t.start();
        zadanie();
        czasy.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return mediana(czasy);
}

// One line per report picked by `wybor`; true when every one is within its goals.
bool raporty(Srodowisko& s, const std::vector<Przypadek>& przypadki, const QString& wybor, bool pdf)
{
    // As the program gathers them: on a worker.
    OdczytyHistorii wTle(true);
    s.uslugi.odczyty = &wTle;
    Raporty raporty(s.uslugi, nullptr);
    Pokazy pokazy{s.poTakcie, 0, false, {}};
    bool wCelu = true;
    std::printf("  %-37s %9s %10s %9s %8s %6s %6s %10s %16s\n", "report", "query ms", "preview ms", "goal ms",
                "pause ms", "ratio", "pages", "PDF ms", "before: ms/pause");
    for (const Przypadek& p : przypadki) {
        if (!QString::fromLatin1(p.nazwa).contains(wybor))
            continue;
        const double zapytanie = medianaMs([&] { p.zapytanie(s.baza->db()); }, p.powtorzenia);
        raporty.Pokaz = [&](RaportWydruk& r) { pokazy.podglad(r); };
        std::vector<double> czasy;
        double przerwa = 0;
        for (int i = 0; i < p.powtorzenia; ++i) {
            const CzasIPrzerwa m = zmierz([&] { p.raport(raporty); }, pokazy);
            czasy.push_back(m.ms);
            przerwa = std::max(przerwa, m.przerwaMs);
        }
        const double calosc = mediana(czasy);
        double druk = 0;
        if (pdf) {
            raporty.Pokaz = [&](RaportWydruk& r) { pokazy.pdf(r); };
            druk = medianaMs([&] { zmierz([&] { p.raport(raporty); }, pokazy); }, p.powtorzenia);
        }
        const double cel = std::min(1.5 * zapytanie + 100, p.celMs.value_or(1e300));
        const bool ok = calosc <= cel && przerwa <= kCelPrzerwyMs && s.komunikaty.teksty.isEmpty();
        wCelu = wCelu && ok;
        std::printf("  %-37s %9.1f %10.1f %9.1f %8.1f %6.2f %6d %10.1f %9.0f/%6.0f  %s\n", p.nazwa, zapytanie,
                    calosc, cel, przerwa, calosc / zapytanie, pokazy.strony, druk, p.przedMs, p.przedPrzerwa,
                    ok ? "within goal" : "OVER GOAL");
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

// The readings' Data index as start-up makes it once for a file made before it: its time and size.
void indeks(Srodowisko& s)
{
    const QString sql = QStringLiteral("SELECT (page_count - freelist_count) * page_size FROM "
                                       "pragma_page_count, pragma_freelist_count, pragma_page_size");
    QSqlQuery(s.baza->db()).exec(QStringLiteral("DROP INDEX Pomiary_Data"));
    const qint64 przed = s.wartosc(sql).toLongLong();
    QElapsedTimer t;
    t.start();
    const QStringList zrobione = IndeksyHistorii::Uzupelnij(s.baza->db());
    std::printf("  index %s made at start-up in %.2f s, %.1f MB\n", qPrintable(zrobione.join(u", ")),
                double(t.elapsed()) / 1000, double(s.wartosc(sql).toLongLong() - przed) / 1e6);
}

// The data set built in a fresh file and loaded as start-up loads it; null when it cannot be.
std::unique_ptr<Srodowisko> zbuduj(const Zbior& z)
{
    auto s = std::make_unique<Srodowisko>();
    QElapsedTimer budowa;
    budowa.start();
    if (!zbudujRegulatory(*s, z.regulatory) || !wstawPomiary(*s, z) || !s->wczytaj().isEmpty()) {
        std::fprintf(stderr, "bench_raporty: cannot build the database: %s\n",
                     qPrintable(s->baza->db().lastError().text()));
        return nullptr;
    }
    std::printf("bench_raporty: %s: %d readings, %.0f MB, stored in %.1f s; medians of %d runs\n", z.nazwa,
                s->liczWiersze(QStringLiteral("Pomiary")), double(QFileInfo(s->plik()).size()) / 1e6,
                double(budowa.elapsed()) / 1000, kPowtorzenia);
    return s;
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
    // An argument picks the reports whose name holds it, for a profiler's run.
    const QString wybor = argumenty.value(0);
    bool wCelu = true;
    {
        const QDateTime od(QDate(2003, 12, 1), QTime(0, 0));
        const Zbior miesiac{"200 regulators every minute, 1-9 December", 200, 60, od, 200LL * 12000};
        const auto przypadki = przypadkiMiesiaca(miesiac.regulatory);
        if (std::any_of(przypadki.begin(), przypadki.end(),
                        [&](const Przypadek& p) { return QString::fromLatin1(p.nazwa).contains(wybor); })) {
            const auto s = zbuduj(miesiac);
            if (!s)
                return 1;
            wCelu = raporty(*s, przypadki, wybor, false) && wCelu;
        }
    }
    const QDate od(2004 - lata, 1, 1);
    const Zbior rok{"64 regulators every 15 minutes", 64, 900, od.startOfDay(),
                    od.daysTo(QDate(2004, 1, 1)) * 96 * 64};
    const auto s = zbuduj(rok);
    if (!s)
        return 1;
    if (wybor.isEmpty())
        indeks(*s);
    wCelu = raporty(*s, przypadkiRoku(rok.regulatory), wybor, true) && wCelu;
    std::printf("  goals: whole <= 1.5 x query + 100 ms and its own goal, longest pause <= %.0f ms: %s\n",
                kCelPrzerwyMs, wCelu ? "met" : "NOT met");
    const bool otwarciaWCelu = otwarcia(s->plik());
    return wCelu && otwarciaWCelu ? 0 : 1;
}
