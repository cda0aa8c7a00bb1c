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

void wypiszCzasy(const char* co, std::vector<double> czasy)
{
    if (czasy.empty())
        return;
    std::sort(czasy.begin(), czasy.end());
    std::printf("bench_odzew: %-34s %2zu requests, median %8.1f ms, max %8.1f ms\n", co, czasy.size(),
                czasy[czasy.size() / 2], czasy.back());
}

// The times taken on the main thread, where the clicks arrive and the windows open.
class Pomiar
{
  public:
    // A click on the menu item made at `klik`: either it shows at once that it waits for the
    // tick's end, or its window has already been answered.
    void kliknij(fmGlowny& glowny, const char* pozycja, Zegar::time_point klik)
    {
        glowny.findChild<QAction*>(QLatin1String(pozycja))->trigger();
        const bool czekaNaTakt = QApplication::overrideCursor() &&
                                 glowny.Panel(PanelStanu::Stan).tekst().startsWith(QStringLiteral("Czeka"));
        if (!czekaNaTakt) {
            m_odRazu.push_back(ms(Zegar::now() - klik));
            return;
        }
        m_odzew.push_back(ms(Zegar::now() - klik));
        if (!czeka())
            m_czekajacaOd = klik;
    }
    // A window opened: the first waiting request got it. It is answered at once.
    void otwarte(QDialog& okno)
    {
        if (czeka())
            m_okno.push_back(ms(Zegar::now() - std::exchange(m_czekajacaOd, {})));
        okno.reject();
    }
    bool czeka() const { return m_czekajacaOd != Zegar::time_point{}; }
    // True when every click showed its feedback within the goal.
    bool wypisz() const
    {
        wypiszCzasy("click to busy cursor and text:", m_odzew);
        std::printf("bench_odzew: goal: busy cursor and text within %d ms of every click\n", kCel);
        wypiszCzasy("click to the window, if waiting:", m_okno);
        wypiszCzasy("click to the window, between ticks:", m_odRazu);
        return std::all_of(m_odzew.begin(), m_odzew.end(), [](double t) { return t <= kCel; });
    }

  private:
    std::vector<double> m_odzew, m_okno, m_odRazu;
    Zegar::time_point m_czekajacaOd{}; // the click of the first request still waiting
};

// The program started on the demonstration plant in `katalog`, against a line on which no
// regulator answers, with KB-01 and KB-02 monitored and nothing read periodically.
bool uruchom(const QTemporaryDir& katalog, regsim::RegSimThread& sim, StartUp& start)
{
    const QString plik = katalog.filePath(QStringLiteral("kalbor.mdb"));
    if (const QString blad = UtworzBazeDemo(plik, 1, QDate::currentDate()); !blad.isEmpty()) {
        std::fprintf(stderr, "bench_odzew: %s\n", qPrintable(blad));
        return false;
    }
    if (!sim.startSim()) {
        std::fprintf(stderr, "bench_odzew: %s\n", qPrintable(sim.errorString()));
        return false;
    }
    AppSettings::write(AppSettings::Port, sim.sim()->slavePath());
    if (start.Uruchom(plik) != 0)
        return false;
    for (clRegulator& r : *start.uslugi().oRegulatory) {
        r.aktywny = false;
        r.Monitoring = r.Id <= 2;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir katalog;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(katalog.path()));
    QApplication app(argc, argv);
    UstawWygladProgramu();
    regsim::RegSimThread sim; // no regulator on the line: every address is silent
    StartUp start;
    if (!uruchom(katalog, sim, start))
        return 1;
    fmGlowny& glowny = *start.OknoGlowne();

    Pomiar pomiar;
    QTimer straz; // answers each window at once
    QObject::connect(&straz, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            pomiar.otwarte(*d);
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
                pomiar.kliknij(glowny, pozycja, klik);
                ++zrobione;
            });
        }
    });
    QTimer koniec;
    QObject::connect(&koniec, &QTimer::timeout, [&] {
        if (zrobione == kProsby && !pomiar.czeka())
            glowny.ZakonczBezPytania();
    });
    koniec.start(100);
    QApplication::exec();
    operatorPulpitu.join();
    return pomiar.wypisz() ? 0 : 1;
}
