// Storage of a periodic reading.
#include "Baza.h"
#include "IWizual.h"
#include "MagazynPomiarow.h"
#include "Uslugi.h"
#include "clRegulator.h"
#include "clsBD.h"

namespace {
// Energy of the period: a previous counter of 0 means there was no previous reading.
float roznica(float biezacy, float poprzedni)
{
    return poprzedni == 0.0f ? 0.0f : biezacy - poprzedni;
}
} // namespace

void clRegulator::ZapiszDaneDB()
{
    ZapisPomiaru z;
    z.Adres = adres;
    z.Data = OstatniOdczyt;
    z.EnCzynna = roznica(PradCzynny, PopPradCzynny);
    z.EnBiernaCalk = roznica(PradBiernSr, PopPradBiernSr);
    z.EnBiernaPoj = roznica(PradBiernPojSr, PopPradBiernPojSr);
    z.Napiecie = Napiecie;
    z.PradBierny = PradBierny;
    z.PradCalk = PradCalk;
    z.Czestotliwosc = Okres;
    z.PopPradCzynny = PradCzynny;
    z.PopPradBiernSr = PradBiernSr;
    z.PopPradBiernPojSr = PradBiernPojSr;
    z.PopTimerU = TimerU;
    TgFiOkres = z.EnCzynna != 0.0f ? z.EnBiernaCalk / z.EnCzynna : kTgFiBezEnergii;

    // The row keeps its own period: kept for later, it is still this period's row, and the
    // counters move on. Only a reading that is lost leaves them, so that the next stored row
    // covers this period too and no energy is lost.
    const clsBD::Wynik wynik = m_uslugi.oBD->Zapisz(
        [baza = m_uslugi.cnBaza, z] {
            MagazynPomiarow& magazyn = baza->Pomiary();
            return magazyn.Zapisz(z) ? QSqlError() : magazyn.blad();
        },
        Kod);
    if (wynik != clsBD::Wynik::Zapisany)
        m_uslugi.oWizual->eZapisDB(true);
    if (wynik == clsBD::Wynik::Odrzucony)
        return;
    PopPradCzynny = PradCzynny;
    PopPradBiernSr = PradBiernSr;
    PopPradBiernPojSr = PradBiernPojSr;
    popTimerU = TimerU;
}
