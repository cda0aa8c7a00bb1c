// Periodic reading on a grid of whole intervals of CzestOdczytu minutes.
#include "Clock.h"
#include "IWizual.h"
#include "Interfaces.h"
#include "Uslugi.h"
#include "WallClock.h"
#include "clRegulator.h"

#include <cmath>

void clRegulator::OkresowyOdczyt(const QDateTime& Teraz)
{
    const bool bezPoprzedniego = WallClock::isOrigin(OstatniOdczyt);
    if (WallClock::secondsBetween(NastepnyOdczyt, Teraz) >= 0) {
        OstatniOdczyt = Teraz;
        m_uslugi.oWizual->eOkresowyOdczyt(Id, true);
        if (!WczytajStanRegul(Teraz)) {
            NastepnyOdczyt = WallClock::addMinutes(m_uslugi.zegar->now(), awarCzest);
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

QDateTime clRegulator::ObliczNastepnyOdczyt(const QDateTime& Teraz) const
{
    // An interval below one minute has no grid; such a regulator is read every minute.
    const qint64 czest = std::max<qint64>(CzestOdczytu, 1);
    const qint64 s = WallClock::secondsBetween(NastepnyOdczyt, Teraz);
    const double z = double(s) / 60.0 / double(czest);
    qint64 k;
    if (z == 0.0)
        k = 1;
    else if (z != std::floor(z))
        k = qint64(std::floor(z)) + 1;
    else
        k = qint64(z);
    return WallClock::addMinutes(NastepnyOdczyt, czest * k);
}
