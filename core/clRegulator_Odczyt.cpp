// Poll of one regulator and decoding of its measurement reply.
#include "Clock.h"
#include "IWizual.h"
#include "Interfaces.h"
#include "Uslugi.h"
#include "clRegulator.h"
#include "clsBD.h"
#include "clsFunkcje.h"

#include <cmath>

namespace {
constexpr int kAlarmKomunikacji = 100;
// Band of mains frequencies, in hertz, wide around the 50 and 60 Hz grids the regulator
// measures; a period count giving a frequency outside it is no measurement of a grid.
constexpr double kCzestotliwoscSieciMin = 40.0;
constexpr double kCzestotliwoscSieciMax = 70.0;
// Period counts the regulator sends instead of a measurement: 00 00 when harmonics disturbed
// it, FF FF when it has none (the frequency shown is then kept).
constexpr qint16 kOkresZaklocony = 0;
constexpr qint16 kOkresNiezmierzony = -1;
// Period counts are taken against this reference to give the mains frequency in hertz.
constexpr double kCzestotliwoscOdniesienia = 115200.0;

// The signed 16-bit value of the block at bytes i and i + 1.
qint16 slowo(const std::array<quint8, 32>& b, int i)
{
    return clsFunkcje::TworzInt(b[size_t(i)], b[size_t(i) + 1]);
}
} // namespace

bool clRegulator::WczytajStanRegul(const QDateTime& /*Teraz: the reading's time is set by the caller*/)
{
    ZakloceniaHarm = false;
    IKomunikator& k = *m_uslugi.oKomunikator;
    const auto brakKomunikacji = [this] {
        DodajAlarm(m_uslugi.zegar->now(), kAlarmKomunikacji, QString());
        return false;
    };
    const auto brakKomunikacjiWLogu = [&] {
        brakKomunikacji();
        m_uslugi.oBD->ZapiszDoLoga(QStringLiteral("Błąd komunikacji z regulatorem"), QStringLiteral("B"),
                                   QStringLiteral("K"), Kod);
        return false;
    };

    if (!k.WykonajRozkaz(Id, QStringLiteral("Czytaj_Diody"), BuforDiod, 0))
        return brakKomunikacjiWLogu();
    Stan.StanDiod1 = BuforDiod[1];
    Stan.StanDiod2 = BuforDiod[2];
    Stan.StanDiod3 = BuforDiod[3];

    k.WykonajRozkaz(Id, QStringLiteral("daj_dane"), {}, 0);
    if (!k.WykonajRozkaz(Id, QStringLiteral("czytaj"), BajtCzytaj, 0))
        return brakKomunikacji();
    if (!k.WykonajRozkaz(Id, QStringLiteral("czytaj32"), Bufor32, 0))
        return brakKomunikacji();
    // Corrupted on the line: a failed poll, and nothing of it is shown, checked or stored.
    if (!OdpowiedzMozliwa())
        return brakKomunikacjiWLogu();

    SprawdzAlarm(kAlarmKomunikacji);
    DekodujPomiar();
    SprawdzProgi();
    m_uslugi.oWizual->eNoweDane(Id, QStringLiteral("O"));
    return true;
}

// The reply carries no checksum, so a block corrupted on the line is recognised by values the
// regulator cannot send:
// - voltage and total current are magnitudes, so their counts are never negative (the reactive
//   current is signed: capacitive current is negative);
// - the period count gives a mains frequency inside the band of grid frequencies, or is one of
//   the two counts that stand for no measurement.
// The energy counters are not checked: a regulator that was reset counts again from 0, and its
// first reply after the reset is a true reading whose period energy is stored as it comes,
// negative, at that very reading. Capacitive energy counts the reactive counters down.
bool clRegulator::OdpowiedzMozliwa() const
{
    const auto& b = Bufor32;
    if (slowo(b, 15) < 0 || slowo(b, 19) < 0)
        return false;
    const qint16 okres = slowo(b, 23);
    if (okres == kOkresZaklocony || okres == kOkresNiezmierzony)
        return true;
    const double czestotliwosc = kCzestotliwoscOdniesienia / (qint32(okres) + 1);
    return czestotliwosc >= kCzestotliwoscSieciMin && czestotliwosc <= kCzestotliwoscSieciMax;
}

void clRegulator::DekodujPomiar()
{
    const auto& b = Bufor32;
    const auto int16 = [&b](int i) { return slowo(b, i); };

    Napiecie = float(int16(15)) * SkalaNapiecia * float(PrzekladniaNap);
    WspEnergii = std::sqrt(3.0) / 100 * double(Przekladnia) * double(SkalaNapiecia) * double(PrzekladniaNap) *
                 400 / 3600000;
    WspPradu = double(Przekladnia) / 200;
    PradCalkSr = float(clsFunkcje::TworzLongU(b[0], b[1], b[2], b[3]) * WspEnergii);
    PradBiernPojSr = float(clsFunkcje::TworzLong(b[4], b[5], b[6], b[7]) * WspEnergii);
    PradBiernSr = float(clsFunkcje::TworzLong(b[8], b[9], b[10], b[11]) * WspEnergii);
    TimerU = qint32(clsFunkcje::TworzLongU(0, b[12], b[13], b[14]));
    PradBierny = float(int16(17) * WspPradu);
    PradCalk = float(int16(19) * WspPradu);
    Faza = float(int16(21));

    // Held wider than 16 bits: a count of 32767 gives 32768, not an overflow.
    LicznikOkresu = qint32(int16(23)) + 1;
    if (LicznikOkresu == 1)
        ZakloceniaHarm = true;
    if (LicznikOkresu != 0)
        Okres = float(kCzestotliwoscOdniesienia / LicznikOkresu);

    if (std::fabs(PradBiernSr) < std::fabs(PradCalkSr)) {
        PradCzynny = float(std::sqrt(double(PradCalkSr) * PradCalkSr - double(PradBiernSr) * PradBiernSr));
    } else {
        PradCzynny = std::fabs(PradBiernSr);
        ZakloceniaHarm = true;
    }
    TgFi = PradCzynny == 0.0f ? kTgFiBezEnergii : PradBiernSr / PradCzynny;

    Stan.StanPrzel1 = b[25];
    Stan.StanPrzel2 = b[26];
    Stan.StanDisplay1 = b[27];
    Stan.StanDisplay2 = b[28];
    Stan.StanDisplay3 = b[29];
    Stan.StanDisplay4 = b[30];
}
