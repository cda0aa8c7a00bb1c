// How soon the operator sees that a request was taken while every tick waits for silent
// regulators: the demonstration plant with no regulator answering, two of them monitored, so
// that each tick waits out their reply time-outs. Requests for the exit question and for the
// login arrive from another thread at random moments, as clicks would, and the time to the
// busy cursor and the status text, and to the window itself, is printed.
#include "AppSettings.h"
#include "BazaDemo.h"
#include "PoleStanu.h"
#include "StartUp.h"
#include "WygladProgramu.h"
#include "clRegulator.h"
#include "colRegulatory.h"
#include "fmGlowny.h"
#include "regsim/RegSim.h"
#include "regsim/RegSimThread.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

namespace {

using Zegar = std::chrono::steady_clock;
constexpr int kProsby = 24;
// What an operator takes for at once.
constexpr int kCel = 100;

double ms(Zegar::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

void wypisz(const char* co, std::vector<double> czasy)
{
    if (czasy.empty())
        return;
    std::sort(czasy.begin(), czasy.end());
    std::printf("bench_odzew: %-34s %2zu requests, median %8.1f ms, max %8.1f ms\n", co, czasy.size(),
                czasy[czasy.size() / 2], czasy.back());
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir katalog;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(katalog.path()));
    QApplication app(argc, argv);
    UstawWygladProgramu();
    const QString plik = katalog.filePath(QStringLiteral("kalbor.mdb"));
    if (const QString blad = UtworzBazeDemo(plik, 1, QDate::currentDate()); !blad.isEmpty()) {
        std::fprintf(stderr, "bench_odzew: %s\n", qPrintable(blad));
        return 1;
    }
    regsim::RegSimThread sim; // no regulator on the line: every address is silent
    if (!sim.startSim()) {
        std::fprintf(stderr, "bench_odzew: %s\n", qPrintable(sim.errorString()));
        return 1;
    }
    AppSettings::write(AppSettings::Port, sim.sim()->slavePath());
    StartUp start;
    if (start.Uruchom(plik) != 0)
        return 1;
    fmGlowny& glowny = *start.OknoGlowne();
    for (clRegulator& r : *start.uslugi().oRegulatory) {
        r.aktywny = false;
        r.Monitoring = r.Id <= 2;
    }

    std::vector<double> odzew, okno, odRazu;
    Zegar::time_point czekajacaOd{};
    QTimer straz; // answers each window at once, noting when the first waiting request got it
    QObject::connect(&straz, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            if (czekajacaOd != Zegar::time_point{})
                okno.push_back(ms(Zegar::now() - std::exchange(czekajacaOd, {})));
            d->reject();
        }
    });
    straz.start(0);

    std::atomic<int> zrobione = 0;
    std::thread operatorPulpitu([&] {
        std::mt19937 los(17);
        std::uniform_int_distribution<int> przerwa(300, 1700);
        for (int i = 0; i < kProsby; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(przerwa(los)));
            const auto klik = Zegar::now();
            const char* pozycja = i % 2 ? "mnuSterWlacz" : "mnuKoniec";
            QMetaObject::invokeMethod(&glowny, [&, klik, pozycja] {
                glowny.findChild<QAction*>(QLatin1String(pozycja))->trigger();
                const bool czeka = QApplication::overrideCursor() &&
                                   glowny.Panel(PanelStanu::Stan).tekst().startsWith(QStringLiteral("Czeka"));
                if (czeka) {
                    odzew.push_back(ms(Zegar::now() - klik));
                    if (czekajacaOd == Zegar::time_point{})
                        czekajacaOd = klik;
                } else {
                    odRazu.push_back(ms(Zegar::now() - klik));
                }
                ++zrobione;
            });
        }
    });
    QTimer koniec;
    QObject::connect(&koniec, &QTimer::timeout, [&] {
        if (zrobione == kProsby && czekajacaOd == Zegar::time_point{})
            glowny.ZakonczBezPytania();
    });
    koniec.start(100);
    QApplication::exec();
    operatorPulpitu.join();
    const bool wCelu = std::all_of(odzew.begin(), odzew.end(), [](double t) { return t <= kCel; });
    wypisz("click to busy cursor and text:", odzew);
    std::printf("bench_odzew: goal: busy cursor and text within %d ms of every click\n", kCel);
    wypisz("click to the window, if waiting:", okno);
    wypisz("click to the window, between ticks:", odRazu);
    return wCelu ? 0 : 1;
}
