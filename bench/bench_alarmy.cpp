// Alarm work that must not grow with the length of the run. The register is filled in advance
// as months of a plant would fill it: 200 regulators whose tg φ hovers at a limit, so that each
// raises alarm 203 and clears it at every other reading. Then, for each size of the register:
//  - the alarm work of one reading (clearing 100, 201 and 202, raising or clearing 203 in turn),
//    with its row written to the file, median and mean of 2000 readings;
//  - the current-alarms list's cost for one raised alarm (the row inserted into the list and the
//    window brought up to date, drawing included), median of 200 alarms;
//  - the memory the process grew by while filling, per kept alarm (at 10 k mostly the database's
//    page cache; a size measured after a larger one reuses that one's freed memory).
// Goal: the same figures at every size, within noise. The file is written with synchronous=OFF,
// so that the disk's flushes do not drown the figures.
// Usage: bench_alarmy [sizes of the register, 10000 1000000 4000000 by default]
#include "IWizual.h"
#include "RejestrAlarmow.h"
#include "TestSupport.h"
#include "clRegulator.h"
#include "fmAlarmyN.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {

constexpr int kRegulatory = 200;
constexpr int kOdczyty = 2000;
constexpr int kAlarmyListy = 200;
constexpr int kTgFi = 203;

// The windows' side is not what is measured here.
class CichyWizual final : public IWizual
{
  public:
    void eZmianaTrybuSterowania(bool) override {}
    void eAlarm(int, int, const QString&, bool) override {}
    void eKomunikacja(int) override {}
    void eMonitoring(int, bool) override {}
    void eOkresowyOdczyt(int, bool) override {}
    void eZalaczanieBaterii(int, bool) override {}
    void eWylaczanieBaterii(int, bool) override {}
    void eZapisDB(bool) override {}
    void eNoweDane(int, const QString&) override {}
    void eZmianaBaterii(int, int) override {}
    void eZmianaAlarmow() override {}
    void eZmianaRegulatora(int) override {}
    void eBlokowanieRegul(int, bool, bool) override {}
    void eBlokadaRegul(int, bool, bool) override {}
    void GrajDzwiek(const QString&) override {}
};

double mediana(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double srednia(const std::vector<double>& v)
{
    return std::accumulate(v.begin(), v.end(), 0.0) / double(v.size());
}

qint64 pamiecProcesu()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pola = f.readAll().split(' ');
    return pola.size() > 1 ? pola[1].toLongLong() * 4096 : 0;
}

void wykonaj(Srodowisko& s, const char* sql)
{
    QSqlQuery q(s.baza->db());
    q.exec(QString::fromLatin1(sql));
}

// The run so far: regulator after regulator raising 203 and clearing it at its next reading.
void wypelnij(Srodowisko& s, qint64 ile)
{
    wykonaj(s, "BEGIN");
    for (qint64 i = 0; i < ile; ++i) {
        clRegulator& r = s.regulatory->Item(int(i % kRegulatory) + 1);
        s.zegar.advance(1);
        r.DodajAlarm(s.zegar.czas, kTgFi,
                     QStringLiteral("(1,%1)").arg(i % 10000000, 7, 10, QLatin1Char('0')));
        r.SprawdzAlarm(kTgFi);
    }
    wykonaj(s, "COMMIT");
}

// One reading's alarm checks, as the poll makes them; 203 is raised at every other reading of a
// regulator and cleared at the next.
void odczyt(Srodowisko& s, int i)
{
    clRegulator& r = s.regulatory->Item(i % kRegulatory + 1);
    s.zegar.advance(1);
    r.SprawdzAlarm(100);
    r.SprawdzAlarm(201);
    r.SprawdzAlarm(202);
    if ((i / kRegulatory) % 2 == 0)
        r.DodajAlarm(s.zegar.czas, kTgFi, QStringLiteral("(0,9500000)"));
    else
        r.SprawdzAlarm(kTgFi);
}

std::vector<double> pomiarOdczytow(Srodowisko& s)
{
    std::vector<double> czasy;
    QElapsedTimer t;
    for (int i = 0; i < kOdczyty; ++i) {
        t.start();
        odczyt(s, i);
        czasy.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return czasy;
}

// Each raised alarm: the list's share of the raise (its model and view told of the new row) and
// the window brought up to date afterwards.
std::vector<double> pomiarListy(Srodowisko& s)
{
    QElapsedTimer t;
    double wstawienie = 0;
    QObject::connect(s.rejestr.get(), &RejestrAlarmow::wierszDodany, [&t] { t.start(); });
    fmAlarmyN okno(s.uslugi);
    QObject::connect(s.rejestr.get(), &RejestrAlarmow::wierszDodany,
                     [&] { wstawienie = double(t.nsecsElapsed()) / 1e6; });
    okno.resize(900, 300);
    okno.show();
    QApplication::processEvents();
    std::vector<double> czasy;
    for (int i = 0; i < kAlarmyListy; ++i) {
        clRegulator& r = s.regulatory->Item(i % kRegulatory + 1);
        s.zegar.advance(1);
        r.DodajAlarm(s.zegar.czas, 201, QStringLiteral("( 12.5 A)"));
        QElapsedTimer odswiezenie;
        odswiezenie.start();
        QApplication::processEvents();
        QApplication::sendPostedEvents();
        czasy.push_back(wstawienie + double(odswiezenie.nsecsElapsed()) / 1e6);
        r.SprawdzAlarm(201);
        QApplication::processEvents();
    }
    s.rejestr->disconnect();
    return czasy;
}

void zmierz(qint64 ile)
{
    Srodowisko s;
    CichyWizual wizual;
    s.uslugi.oWizual = &wizual;
    for (int i = 1; i <= kRegulatory; ++i)
        s.dodajRegulator(QStringLiteral("R%1").arg(i, 3, 10, QLatin1Char('0')), i);
    s.wczytaj();
    wykonaj(s, "PRAGMA synchronous = OFF");

    const qint64 przed = pamiecProcesu();
    QElapsedTimer t;
    t.start();
    wypelnij(s, ile);
    const double wypelnienie = double(t.elapsed()) / 1000;
    const double naWiersz = double(pamiecProcesu() - przed) / double(ile);

    const std::vector<double> odczyty = pomiarOdczytow(s);
    const std::vector<double> lista = pomiarListy(s);
    if (!s.komunikaty.bledyZapisu.isEmpty())
        std::printf("  write refused: %s\n", qPrintable(s.komunikaty.bledyZapisu.first()));
    std::printf("%9lld alarms: one reading's alarm work median %.4f ms, mean %.4f ms; list per raised alarm "
                "median %.4f ms; %.0f bytes per kept alarm (filled in %.1f s)\n",
                ile, mediana(odczyty), srednia(odczyty), mediana(lista), naWiersz, wypelnienie);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<qint64> rozmiary;
    for (int i = 1; i < argc; ++i)
        rozmiary.push_back(QByteArray(argv[i]).toLongLong());
    if (rozmiary.empty())
        rozmiary = {10000, 1000000, 4000000};
    std::printf("bench_alarmy: %d regulators raising and clearing 203 in turn (goal: the same figures at "
                "every size, within noise)\n",
                kRegulatory);
    for (qint64 ile : rozmiary)
        zmierz(ile);
    return 0;
}
