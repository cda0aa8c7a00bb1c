// Periodic reading on a grid of whole intervals of CzestOdczytu minutes.
#include "Clock.h"
#include "IWizual.h"
#include "Interfaces.h"
#include "Uslugi.h"
#include "WallClock.h"
#include "clRegulator.h"
#include "clsBD.h"

#include <algorithm>

namespace {
qint64 minutyOdstepu(qint16 minuty)
{
    return std::max<qint64>(minuty, clRegulator::kNajkrotszyOdstep);
}

// The wall clock going back by up to this much (the hour after the change to winter time) only
// pauses the readings until the clock reaches the next reading time again, so that no stored
// time repeats; a longer step back re-anchors the schedule.
constexpr qint64 kCofniecieBezZmianySek = 3600;
} // namespace

void clRegulator::OkresowyOdczyt(const QDateTime& Teraz)
{
    const bool bezPoprzedniego = WallClock::isOrigin(OstatniOdczyt);
    if (WallClock::secondsBetween(Teraz, OstatniOdczyt) > kCofniecieBezZmianySek)
        PrzestawHarmonogram(Teraz);
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

// The clock was set back (a date corrected by hand, a time server after a bad clock) to before
// the last reading: left alone, the regulator would not be read for as long as the step. The
// next reading moves to the first point of its grid not before the new time, once: the ticks
// after it find the reading there.
void clRegulator::PrzestawHarmonogram(const QDateTime& Teraz)
{
    const qint64 czest = 60 * minutyOdstepu(CzestOdczytu);
    const qint64 wstecz = WallClock::secondsBetween(Teraz, NastepnyOdczyt) / czest * czest;
    if (wstecz <= 0)
        return;
    const QDateTime poprzedni = NastepnyOdczyt;
    NastepnyOdczyt =
        WallClock::fromSecondsSinceOrigin(WallClock::secondsSinceOrigin(NastepnyOdczyt) - wstecz);
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    m_uslugi.oBD->ZapiszDoLoga(QStringLiteral("Zegar cofnięty na %1, przed ostatni odczyt z %2: następny "
                                              "odczyt okresowy o %3 zamiast o %4")
                                   .arg(Teraz.toString(format), OstatniOdczyt.toString(format),
                                        NastepnyOdczyt.toString(format), poprzedni.toString(format)),
                               QStringLiteral("N"), QStringLiteral("K"), Kod);
}

// The first grid point after Teraz. A reading that lands exactly on a grid point stands for
// that point, so the next one is a whole interval later and no point is read twice.
QDateTime clRegulator::ObliczNastepnyOdczyt(const QDateTime& Teraz) const
{
    const qint64 czest = minutyOdstepu(CzestOdczytu);
    const qint64 s = WallClock::secondsBetween(NastepnyOdczyt, Teraz);
    return WallClock::addMinutes(NastepnyOdczyt, czest * (s / (60 * czest) + 1));
}
