// The alarm archive's day step on a year of alarms: 200 regulators whose tg fi hovers at a limit,
// 16.8 M rows of Alarmy in a temporary file, in the order they were raised. First as the archive
// read a day before the (Kod_Regul, Data) index: its statement on the polling's thread, which
// scans the whole table, so the polling waits as long; then the index made as start-up makes it
// for an existing file (its time and size), and five steps of the archive window with ">", each
// timed from the click to its list, with the longest pause of the event loop meanwhile.
// Goals: each day step <= 200 ms, longest pause <= 100 ms.
// Usage: bench_archiwum [rows in millions, 16.8 by default]
#include "IndeksyHistorii.h"
#include "OdczytHistorii.h"
#include "SqlDates.h"
#include "TestSupport.h"
#include "TransakcjaBazy.h"
#include "fmAlarmyArch.h"

#include <QApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSqlQuery>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRegulatory = 200;
constexpr int kKroki = 5;
constexpr double kCelKrokuMs = 200;
constexpr double kCelPrzerwyMs = 100;
const QDate kOd(2003, 1, 1), kDzien(2003, 6, 10);

QString kod(int i)
{
    return QStringLiteral("R%1").arg(i, 3, 10, QLatin1Char('0'));
}

// `wiersze` alarms spread evenly over the year, one regulator after another, every other one
// cleared; the last tenth neither acknowledged nor cleared.
bool wstawAlarmy(Srodowisko& s, qint64 wiersze)
{
    QSqlDatabase db = s.baza->db();
    TransakcjaBazy t(db);
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "WITH RECURSIVE p(wiersze, regulatory, krok, od) AS (SELECT ?, ?, ?, ?), "
        "n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n, p WHERE i + 1 < p.wiersze) "
        "INSERT INTO Alarmy (Data, Typ, Tresc, Kod_Regul, Data_potw, data_dezakt) "
        "SELECT datetime(od, '+' || CAST(i / regulatory * krok AS INTEGER) || ' seconds') AS d, 'R', "
        "'Przekroczenie tg fi: ' || (i % 7), 'R' || substr('00' || (1 + i % regulatory), -3), "
        "CASE WHEN i * 10 < wiersze * 9 THEN datetime(od, '+' || CAST(i / regulatory * krok + 30 AS INTEGER) "
        "|| ' seconds') END, "
        "CASE WHEN i % 2 = 0 AND i * 10 < wiersze * 9 THEN datetime(od, '+' || CAST(i / regulatory * krok + "
        "60 "
        "AS INTEGER) || ' seconds') END FROM n, p"));
    q.addBindValue(wiersze);
    q.addBindValue(kRegulatory);
    q.addBindValue(365.0 * 86400 * kRegulatory / double(wiersze));
    q.addBindValue(SqlDates::sqlDateTime(kOd.startOfDay()));
    return t.Rozpoczeta() && q.exec() && t.Zatwierdz();
}

qint64 rozmiar(const Srodowisko& s)
{
    return s
        .wartosc(QStringLiteral("SELECT (page_count - freelist_count) * page_size FROM pragma_page_count, "
                                "pragma_freelist_count, pragma_page_size"))
        .toLongLong();
}

// As the archive read a day before: the statement on the polling's thread, without the index.
double dzienPrzed(Srodowisko& s, const QDate& dzien)
{
    QElapsedTimer t;
    t.start();
    QSqlQuery q(s.baza->db());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT Data, Kod_Regul, Tresc, Data_potw, Data_dezakt FROM Alarmy "
                             "WHERE Kod_Regul = ? AND Data >= ? AND Data < ?"));
    q.addBindValue(kod(1));
    q.addBindValue(SqlDates::sqlDay(dzien));
    q.addBindValue(SqlDates::sqlDay(dzien.addDays(1)));
    q.exec();
    int n = 0;
    while (q.next())
        ++n;
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double miliony = app.arguments().size() > 1 ? app.arguments()[1].toDouble() : 16.8;
    Srodowisko s;
    for (int i = 1; i <= kRegulatory; ++i)
        s.dodajRegulator(kod(i), i);
    QElapsedTimer budowa;
    budowa.start();
    if (!QSqlQuery(s.baza->db()).exec(QStringLiteral("DROP INDEX Alarmy_Kod_Regul_Data")) ||
        !wstawAlarmy(s, qint64(miliony * 1e6)) || !s.wczytaj().isEmpty()) {
        std::fprintf(stderr, "bench_archiwum: cannot build the database\n");
        return 1;
    }
    std::printf("bench_archiwum: %d alarms of %d regulators over a year, %.0f MB, stored in %.1f s\n",
                s.liczWiersze(QStringLiteral("Alarmy")), kRegulatory, double(rozmiar(s)) / 1e6,
                double(budowa.elapsed()) / 1000);

    double przed = 0;
    for (int i = 0; i < kKroki; ++i)
        przed = std::max(przed, dzienPrzed(s, kDzien.addDays(i + 1)));
    std::printf("  before: a day step %.0f ms at most, all of it a pause of the polling\n", przed);

    const qint64 bezIndeksu = rozmiar(s);
    QElapsedTimer t;
    t.start();
    const QStringList indeksy = IndeksyHistorii::Uzupelnij(s.baza->db());
    std::printf("  index %s made at start-up in %.1f s, %.0f MB\n", qPrintable(indeksy.join(u", ")),
                double(t.elapsed()) / 1000, double(rozmiar(s) - bezIndeksu) / 1e6);

    OdczytyHistorii wTle(true);
    s.uslugi.odczyty = &wTle;
    bool trwa = false;
    wTle.ZmianaTrwajacych = [&](const QStringList& nazwy) { trwa = !nazwy.isEmpty(); };
    fmAlarmyArch okno(s.uslugi);
    okno.findChild<QDateEdit*>(QStringLiteral("dtData"))->setDate(kDzien);
    okno.show();
    auto* prawo = okno.findChild<QPushButton*>(QStringLiteral("btnPrawo"));
    auto* lista = okno.findChild<QTreeWidget*>(QStringLiteral("lstAlarmy"));
    double krok = 0, przerwa = 0;
    for (int i = 0; i < kKroki; ++i) {
        const CzasIPrzerwa m = ZmierzZPrzerwami([&] { prawo->click(); }, [&] { return !trwa; });
        krok = std::max(krok, m.ms);
        przerwa = std::max(przerwa, m.przerwaMs);
    }
    const bool ok = krok <= kCelKrokuMs && przerwa <= kCelPrzerwyMs;
    std::printf(
        "  after: a day step %.1f ms at most (%d alarms listed), longest pause %.1f ms; goals <= %.0f ms "
        "and <= %.0f ms: %s\n",
        krok, lista->topLevelItemCount(), przerwa, kCelKrokuMs, kCelPrzerwyMs, ok ? "met" : "NOT met");
    s.uslugi.odczyty = &s.odczyty;
    return ok ? 0 : 1;
}
