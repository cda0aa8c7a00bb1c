// Periodic reading on a grid of whole intervals of CzestOdczytu minutes.
#include "Clock.h"
#include "IWizual.h"
#include "Interfaces.h"
#include "Uslugi.h"
#include "WallClock.h"
#include "clRegulator.h"

#include <algorithm>

namespace {
qint64 minutyOdstepu(qint16 minuty)
{
    return std::max<qint64>(minuty, clRegulator::kNajkrotszyOdstep);
}
} // namespace

void clRegulator::OkresowyOdczyt(const QDateTime& Teraz)
{
    const bool bezPoprzedniego = WallClock::isOrigin(OstatniOdczyt);
    if (WallClock::secondsBetween(NastepnyOdczyt, Teraz) >= 0) {
        OstatniOdczyt = Teraz;
        m_uslugi.oWizual->eOkresowyOdczyt(Id, true);
        if (!WczytajStanRegul(Teraz)) {
            NastepnyOdczyt = WallClock::addMinutes(m_uslugi.zegar->now(), minutyOdstepu(awarCzest));
            m_uslugi.oWizual->eOkresowyOdczyt(Id, false);
            return;
        }
        NastepnyOdczyt = ObliczNastepnyOdczyt(Teraz);
        ZapiszDaneDB();
        m_uslugi.oWizual->eOkresowyOdczyt(Id, false);
    }
    if (bezPoprzedniego) {
        m_uslugi.oWizual->eOkresowyOdczyt(Id, true);
        std::array<quint8, 1> status{0};
        if (m_uslugi.oKomunikator->WykonajRozkaz(Id, QStringLiteral("Czytaj_blok"), status, 0)) {
            Zablokowany = KodBlokady(status[0]);
            m_uslugi.oWizual->eBlokadaRegul(Id, Zablokowany, false);
        }
        m_uslugi.oWizual->eOkresowyOdczyt(Id, false);
    }
}

// The first grid point after Teraz. A reading that lands exactly on a grid point stands for
// that point, so the next one is a whole interval later and no point is read twice.
QDateTime clRegulator::ObliczNastepnyOdczyt(const QDateTime& Teraz) const
{
    const qint64 czest = minutyOdstepu(CzestOdczytu);
    const qint64 s = WallClock::secondsBetween(NastepnyOdczyt, Teraz);
    return WallClock::addMinutes(NastepnyOdczyt, czest * (s / (60 * czest) + 1));
}
