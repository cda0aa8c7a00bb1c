// Speed of the serial link against simulated regulators paced at 4800 baud: how close full
// polls come to the time the line itself needs, and how little processor time the link spends
// while it waits for a reply on a silent line.
#include "Komunikator.h"
#include "PortQt.h"
#include "RamkiRozkazow.h"
#include "TestSupport.h"
#include "clComm.h"
#include "regsim/RegSim.h"
#include "regsim/RegSimThread.h"
#include "regsim/ReplyWire.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <array>
#include <cstdio>
#include <ctime>

namespace {

constexpr int kOdczyty = 20;
constexpr int kOdpowiedziOdczytu = 4; // three lamp bytes and the measurement block
constexpr int kPrzerwaMs = 5;         // from the end of a request to the first reply byte
constexpr quint8 kAdres = 5;
constexpr quint8 kAdresCichy = 6;
constexpr double kCelLinii = 1.05;
constexpr double kCelProcesora = 0.05;
constexpr double kBajtS = double(regsim::kByteNs) / 1e9;
constexpr qint64 kLimitOdpowiedziMs = 1000;
// Every poll waits out one turnaround before each of its replies.
constexpr double kPrzerwyS = kOdczyty * kOdpowiedziOdczytu * kPrzerwaMs / 1000.0;

// Counts the bytes crossing the port, so that the line time follows the replies the regulator
// actually sent, fillers included.
class LiczacyPort final : public PortSzeregowy
{
  public:
    explicit LiczacyPort(PortSzeregowy& port) : m_port(port) {}
    qint64 wyslane = 0;
    qint64 odebrane = 0;

    int InBufferCount() override { return m_port.InBufferCount(); }
    void WyczyscWejscie() override { m_port.WyczyscWejscie(); }
    int Input() override
    {
        const int c = m_port.Input();
        if (c >= 0)
            ++odebrane;
        return c;
    }
    void Output(const QByteArray& bajty) override
    {
        wyslane += bajty.size();
        m_port.Output(bajty);
    }
    void CzekajNaDane(int ms) override { m_port.CzekajNaDane(ms); }

  private:
    PortSzeregowy& m_port;
};

double czasProcesoraS()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

const char* ocena(bool spelniony)
{
    return spelniony ? "met" : "MISSED";
}

struct Pomiar
{
    double scianaS = 0;
    double liniaS = 0;
    double stosunek() const { return scianaS / liniaS; }
};

// The link as the program runs it: real clock, real port, the executor in front of the
// protocol; regulator 1 (address 5) answers, regulator 2 (address 6) never does.
class Stanowisko
{
  public:
    QString uruchom();
    bool odczyt(int nr);
    void zmierzOdczyty();
    void zmierzCisze();

  private:
    Pomiar zmierzBezposrednio();
    bool odczytBezposredni();
    bool wymiana(const QByteArray& ramka, qsizetype bajty);

    Srodowisko m_s;
    SystemClock m_zegar;
    regsim::RegSimThread m_sim;
    PortQt m_port;
    LiczacyPort m_licznik{m_port};
    std::unique_ptr<clComm> m_comm;
    std::unique_ptr<Komunikator> m_komunikator;
    // Bytes on the line in reply to DAJ_DANE: acknowledgement, block and fillers.
    qsizetype m_odpowiedzDanych = 0;
};

QString Stanowisko::uruchom()
{
    if (!m_sim.startSim())
        return m_sim.errorString();
    m_sim.sim()->setLineTiming({.paced = true, .turnaroundMs = kPrzerwaMs});
    m_sim.sim()->setFrameRecording(false);
    // Stopped time keeps the measurement block, and so its fillers, the same in every poll.
    m_sim.sim()->setTimeSource([] { return qint64(0); });
    for (const quint8 adres : {kAdres, kAdresCichy}) {
        regsim::RegulatorState st;
        st.address = adres;
        st.failure = adres == kAdresCichy ? regsim::Failure::Silent : regsim::Failure::None;
        m_sim.sim()->addRegulator(st);
        m_s.regulatory->Add(adres, QString::number(adres), QString::number(adres));
    }
    if (const QString blad = m_port.Otworz(m_sim.sim()->slavePath()); !blad.isEmpty())
        return blad;
    const auto regulator = m_sim.sim()->regulator(kAdres);
    m_odpowiedzDanych = regsim::withFillers(char(regulator->dataAck) + regulator->measurementBlock()).size();
    m_s.uslugi.zegar = &m_zegar;
    m_comm = std::make_unique<clComm>(m_s.uslugi);
    m_comm->UstawPort(&m_licznik);
    m_s.uslugi.oComm = m_comm.get();
    m_komunikator = std::make_unique<Komunikator>(m_s.uslugi);
    return {};
}

// The four commands of one reading, stopping at the first that fails.
bool Stanowisko::odczyt(int nr)
{
    std::array<quint8, 4> diody{};
    std::array<quint8, 1> potwierdzenie{};
    std::array<quint8, 32> blok{};
    return m_komunikator->WykonajRozkaz(nr, QStringLiteral("Czytaj_Diody"), diody, 0) &&
           m_komunikator->WykonajRozkaz(nr, QStringLiteral("daj_dane"), {}, 0) &&
           m_komunikator->WykonajRozkaz(nr, QStringLiteral("czytaj"), potwierdzenie, 0) &&
           m_komunikator->WykonajRozkaz(nr, QStringLiteral("czytaj32"), blok, 0);
}

// The pseudo-terminal hands requests over at once; only the replies are paced, so they and the
// turnarounds are the time the line needs here. On a real line the requests add their own.
void Stanowisko::zmierzOdczyty()
{
    m_licznik.wyslane = 0;
    m_licznik.odebrane = 0;
    QElapsedTimer zegar;
    zegar.start();
    int udane = 0;
    for (int i = 0; i < kOdczyty; ++i)
        udane += odczyt(1);
    const Pomiar lacze{double(zegar.nsecsElapsed()) / 1e9, double(m_licznik.odebrane) * kBajtS + kPrzerwyS};
    const double zZadaniami = lacze.liniaS + double(m_licznik.wyslane) * kBajtS;
    const Pomiar bezposrednio = zmierzBezposrednio();
    std::printf("Full polls: %d of %d answered, 4800 baud, %d ms turnaround\n", udane, kOdczyty, kPrzerwaMs);
    std::printf("  bytes sent %lld, received %lld (fillers included)\n", m_licznik.wyslane,
                m_licznik.odebrane);
    std::printf("  wall time %.1f ms, line time of the replies plus turnarounds %.1f ms\n",
                lacze.scianaS * 1e3, lacze.liniaS * 1e3);
    std::printf("  wall / line = %.3f   goal <= %.2f   %s\n", lacze.stosunek(), kCelLinii,
                ocena(lacze.stosunek() <= kCelLinii));
    std::printf("  counting the requests' line time too (%.1f ms): %.3f\n", zZadaniami * 1e3,
                lacze.scianaS / zZadaniami);
    std::printf(
        "  the same exchanges read straight from the port: wall / line = %.3f (the simulator's pacing)\n",
        bezposrednio.stosunek());
    std::printf("  the link's own share: %+.1f %%\n", (lacze.scianaS / bezposrednio.scianaS - 1) * 100);
}

// The floor the simulator allows: the frames of the same polls written to the port and each
// whole reply awaited without the protocol layer.
Pomiar Stanowisko::zmierzBezposrednio()
{
    QElapsedTimer zegar;
    zegar.start();
    for (int i = 0; i < kOdczyty; ++i) {
        if (!odczytBezposredni()) {
            std::fprintf(stderr, "bench_lacze: a reply read straight from the port was incomplete\n");
            break;
        }
    }
    const double bajty = double(kOdczyty) * double(kOdpowiedziOdczytu - 1 + m_odpowiedzDanych);
    return {double(zegar.nsecsElapsed()) / 1e9, bajty * kBajtS + kPrzerwyS};
}

// The lamp bytes are 0xFF, so each comes without a filler.
bool Stanowisko::odczytBezposredni()
{
    const std::optional<RozkazLinii> diody = RamkiRozkazu(QStringLiteral("CZYTAJ_DIODY"), kAdres, 0);
    for (const QByteArray& ramka : diody->ramki) {
        if (!wymiana(ramka, 1))
            return false;
    }
    return wymiana(RamkiRozkazu(QStringLiteral("DAJ_DANE"), kAdres, 0)->ramki.first(), m_odpowiedzDanych);
}

bool Stanowisko::wymiana(const QByteArray& ramka, qsizetype bajty)
{
    m_port.Output(ramka);
    QElapsedTimer limit;
    limit.start();
    for (qsizetype odebrane = 0; odebrane < bajty;) {
        if (limit.hasExpired(kLimitOdpowiedziMs))
            return false;
        m_port.CzekajNaDane(int(kLimitOdpowiedziMs));
        while (odebrane < bajty && m_port.Input() >= 0)
            ++odebrane;
    }
    return true;
}

// A lamp reading of a regulator that never answers ends after the first frame's time-out.
void Stanowisko::zmierzCisze()
{
    QElapsedTimer zegar;
    const double procesor0 = czasProcesoraS();
    zegar.start();
    std::array<quint8, 4> diody{};
    const bool odpowiedzial = m_komunikator->WykonajRozkaz(2, QStringLiteral("Czytaj_Diody"), diody, 0);
    const double sciana = double(zegar.nsecsElapsed()) / 1e9;
    const double procesor = czasProcesoraS() - procesor0;
    const double udzial = procesor / sciana;
    std::printf("Silent line: one reply time-out%s\n", odpowiedzial ? " (UNEXPECTED ANSWER)" : "");
    std::printf("  wall %.2f s, process CPU %.1f ms = %.2f %%   goal < %.0f %%   %s\n", sciana,
                procesor * 1e3, udzial * 100, kCelProcesora * 100, ocena(udzial < kCelProcesora));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Stanowisko stanowisko;
    if (const QString blad = stanowisko.uruchom(); !blad.isEmpty()) {
        std::fprintf(stderr, "bench_lacze: %s\n", qPrintable(blad));
        return 1;
    }
    // The first reading opens the line and warms the caches; it is not counted.
    if (!stanowisko.odczyt(1)) {
        std::fprintf(stderr, "bench_lacze: the simulated regulator does not answer\n");
        return 1;
    }
    stanowisko.zmierzOdczyty();
    stanowisko.zmierzCisze();
    return 0;
}
