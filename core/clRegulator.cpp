#include "clRegulator.h"

#include "WallClock.h"

clRegulator::clRegulator(Uslugi& uslugi)
    : OstatniOdczyt(WallClock::dateOrigin()), NastepnyOdczyt(WallClock::dateOrigin()), m_uslugi(uslugi)
{
}
