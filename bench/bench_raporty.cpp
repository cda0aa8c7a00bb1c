// Reports against their own query: 64 regulators over 31 days and one regulator over 365 days
// of 15-minute readings, with a structure element holding the 64. Each report is timed as its
// query alone and as the whole report (query, layout, the preview window drawn with its first
// page, as the operator gets it) on the same connection, medians of 5, and set against the
// goal: whole report <= 1.5 x query + 100 ms. A PDF of every page is timed for information.
// Usage: bench_raporty [part of a report's name, e.g. "daily, 64"]
#include "PodgladRaportu.h"
#include "RaportWydruk.h"
#include "RaportZapytania.h"
#include "Raporty.h"
#include "SqlDates.h"
#include "TestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRegulatoryObiektu = 64;
constexpr int kRegulatorRoczny = kRegulatoryObiektu + 1; // its Id and its address
constexpr int kPowtorzenia = 5;
const QString kObiekt = QStringLiteral("Hala");
const QDate kMiesiacOd(2003, 12, 1), kMiesiacDo(2003, 12, 31), kRokOd(2003, 1, 1), kDzien(2003, 12, 17);

// Readings every 15 minutes from `od` to `doDnia`, with values that change from row to row
// (now and then a negative active energy, printed in parentheses).
bool wstawPomiary(QSqlQuery& q, int adres, const QDate& od, const QDate& doDnia)
{
    const QDateTime koniec = doDnia.addDays(1).startOfDay();
    int i = adres * 7;
    for (QDateTime t = od.startOfDay(); t < koniec; t = t.addSecs(900), ++i) {
        const double fala = std::sin(i * 0.37) + 1.2;
        const QVariantList v{adres,
                             SqlDates::sqlDateTime(t),
                             i % 97 == 0 ? -0.5 : 12.5 * fala,
                             4.2 * fala + 0.3,
                             0.25 * fala,
                             398 + std::fmod(i * 1.7, 9.0),
                             2.1 * fala,
                             18.0 * fala,
                             49.95 + std::fmod(i * 0.013, 0.1)};
        for (int k = 0; k < v.size(); ++k)
            q.bindValue(k, v[k]);
        if (!q.exec())
            return false;
    }
    return true;
}

// Codes of equal length, so that the collection, which orders by code, holds the regulators
// in address order and a regulator's Id is its address.
QString kod(int adres)
{
    return QStringLiteral("R%1").arg(adres, 2, 10, QLatin1Char('0'));
}

bool zbuduj(Srodowisko& s)
{
    for (int i = 1; i <= kRegulatorRoczny; ++i)
        s.dodajRegulator(kod(i), i);
    QSqlDatabase db = s.baza->db();
    db.transaction();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO Hierarchia (kod_obiektu, typ, kod_obiektu_nad) VALUES (?, ?, ?)"));
    auto wezel = [&](const QString& kod, const char* typ, const QString& nad) {
        q.bindValue(0, kod);
        q.bindValue(1, QLatin1String(typ));
        q.bindValue(2, nad);
        return q.exec();
    };
    if (!wezel(kObiekt, "S", QStringLiteral("System Kalbor")))
        return false;
    for (int i = 1; i <= kRegulatoryObiektu; ++i) {
        if (!wezel(kod(i), "R", kObiekt))
            return false;
    }
    q.prepare(
        QStringLiteral("INSERT INTO Pomiary (Adres, Data, EnCzynna, EnBiernaCalk, EnBiernaPoj, Napiecie, "
                       "PradBierny, PradCalk, Czestotliwosc) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int i = 1; i <= kRegulatoryObiektu; ++i) {
        if (!wstawPomiary(q, i, kMiesiacOd, kMiesiacDo))
            return false;
    }
    if (!wstawPomiary(q, kRegulatorRoczny, kRokOd, kMiesiacDo))
        return false;
    q.finish();
    if (!db.commit())
        return false;
    s.wczytaj();
    return true;
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
    std::function<void()> zapytanie;
    std::function<void(Raporty&)> raport;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Srodowisko s;
    QElapsedTimer budowa;
    budowa.start();
    if (!zbuduj(s)) {
        std::fprintf(stderr, "bench_raporty: cannot build the database: %s\n",
                     qPrintable(s.baza->db().lastError().text()));
        return 1;
    }
    std::printf("bench_raporty: %d readings stored in %.1f s; medians of %d runs\n",
                s.liczWiersze(QStringLiteral("Pomiary")), double(budowa.elapsed()) / 1000, kPowtorzenia);

    Raporty raporty(s.uslugi, nullptr);
    int strony = 0;
    // The report as the operator gets it: laid out, and its preview window drawn with the first
    // page.
    auto podglad = [&](RaportWydruk& r) {
        PodgladRaportu okno(r, s.poTakcie, nullptr);
        okno.show();
        okno.grab();
        strony = r.LiczbaStron();
    };
    // Every page printed, for information: paper is not what the operator waits for.
    QTemporaryDir katalog;
    auto pdf = [&](RaportWydruk& r) {
        QPrinter drukarka(QPrinter::HighResolution);
        drukarka.setOutputFormat(QPrinter::PdfFormat);
        drukarka.setOutputFileName(katalog.filePath(QStringLiteral("raport.pdf")));
        drukarka.setPageLayout(RaportWydruk::Strona());
        r.Drukuj(drukarka);
    };

    const QSqlDatabase db = s.baza->db();
    const RaportZapytania::Regulatory roczny{qint16(kRegulatorRoczny), {}};
    auto obiekt = [&] {
        return RaportZapytania::Regulatory{std::nullopt, RaportZapytania::RegulatoryObiektu(db, kObiekt)};
    };
    const std::vector<Przypadek> przypadki{
        {"periodic, 1 regulator, 1 year", [&] { RaportZapytania::Okresowe(db, kRokOd, kMiesiacDo, roczny); },
         [&](Raporty& r) { r.RaportOkresowyRegul(kRokOd, kMiesiacDo, kRegulatorRoczny); }},
        {"periodic, 64 regulators, 1 month",
         [&] { RaportZapytania::Okresowe(db, kMiesiacOd, kMiesiacDo, obiekt()); },
         [&](Raporty& r) { r.RaportOkresowyObiekt(kMiesiacOd, kMiesiacDo, kObiekt); }},
        {"daily, 64 regulators", [&] { RaportZapytania::Dobowe(db, kDzien, kDzien, obiekt()); },
         [&](Raporty& r) { r.RaportDobowyObiekt(kDzien, kObiekt); }},
        {"daily, 1 regulator", [&] { RaportZapytania::Dobowe(db, kDzien, kDzien, roczny); },
         [&](Raporty& r) { r.RaportDobowyRegul(kDzien, kRegulatorRoczny); }},
    };

    bool wCelu = true;
    std::printf("  %-34s %9s %9s %9s %6s %6s %12s\n", "report", "query ms", "whole ms", "goal ms", "ratio",
                "pages", "PDF ms (info)");
    // An argument picks the reports whose name holds it, for a profiler's run.
    const QString wybor = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    for (const Przypadek& p : przypadki) {
        if (!QString::fromLatin1(p.nazwa).contains(wybor))
            continue;
        const double zapytanie = medianaMs(p.zapytanie);
        raporty.Pokaz = podglad;
        const double calosc = medianaMs([&] { p.raport(raporty); });
        raporty.Pokaz = pdf;
        const double druk = medianaMs([&] { p.raport(raporty); });
        const double cel = 1.5 * zapytanie + 100;
        const bool ok = calosc <= cel && s.komunikaty.teksty.isEmpty();
        wCelu = wCelu && ok;
        std::printf("  %-34s %9.1f %9.1f %9.1f %6.2f %6d %12.1f  %s\n", p.nazwa, zapytanie, calosc, cel,
                    calosc / zapytanie, strony, druk, ok ? "within goal" : "OVER GOAL");
    }
    for (const QString& t : s.komunikaty.teksty)
        std::fprintf(stderr, "bench_raporty: message shown: %s\n", qPrintable(t));
    std::printf("  goal: whole report <= 1.5 x query + 100 ms: %s\n", wCelu ? "met" : "NOT met");
    return wCelu ? 0 : 1;
}
