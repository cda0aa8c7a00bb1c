// Cost of storing one periodic reading (the Pomiary row and the OstPomiar row in one
// transaction) in a fresh database file with synchronous=FULL, as the program opens it.
#include "TestSupport.h"
#include "clRegulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int kRegulatory = 5;
constexpr int kOdczyty = 3000;

double percentyl(const std::vector<double>& posortowane, double p)
{
    return posortowane[size_t(p * double(posortowane.size() - 1))];
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Srodowisko s;
    for (int i = 1; i <= kRegulatory; ++i)
        s.dodajRegulator(QStringLiteral("R%1").arg(i), i);
    s.wczytaj();
    QSqlQuery q(s.baza->db());
    q.exec(QStringLiteral("PRAGMA synchronous"));
    q.next();
    const int synchronous = q.value(0).toInt();
    q.exec(QStringLiteral("PRAGMA journal_mode"));
    q.next();
    const QString dziennik = q.value(0).toString();
    q.finish(); // an unfinished statement would keep the storing transaction from committing

    std::vector<double> czasy;
    czasy.reserve(kOdczyty);
    QElapsedTimer t;
    for (int i = 0; i < kOdczyty; ++i) {
        clRegulator& r = s.regulatory->Item(i % kRegulatory + 1);
        r.PradCzynny += 1.5f;
        r.PradBiernSr += 0.5f;
        s.zegar.advance(180);
        r.OstatniOdczyt = s.zegar.czas;
        t.start();
        r.ZapiszDaneDB();
        czasy.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    if (!s.komunikaty.teksty.isEmpty()) {
        std::fprintf(stderr, "zapis odrzucony: %s\n", qPrintable(s.komunikaty.teksty.first()));
        return 1;
    }
    std::sort(czasy.begin(), czasy.end());
    std::printf("bench_zapis: %d readings of %d regulators, journal_mode=%s, synchronous=%d (2 = FULL)\n",
                kOdczyty, kRegulatory, qPrintable(dziennik), synchronous);
    std::printf("  one stored reading: median %.3f ms, p90 %.3f ms, p99 %.3f ms, max %.3f ms (goal: median "
                "<= 2 ms)\n",
                percentyl(czasy, 0.5), percentyl(czasy, 0.9), percentyl(czasy, 0.99), czasy.back());
    return 0;
}
