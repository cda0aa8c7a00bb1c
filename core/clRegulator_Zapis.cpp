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
    TgFiOkres = z.EnCzynna != 0.0f ? z.EnBiernaCalk / z.EnCzynna : 9.999f;

    MagazynPomiarow& magazyn = m_uslugi.cnBaza->Pomiary();
    if (!magazyn.Zapisz(z)) {
        // Nothing was stored: the previous counters stay, so the next stored reading covers
        // this period too and no energy is lost.
        m_uslugi.oWizual->eZapisDB(true);
        m_uslugi.oBD->ZglosBladZapisu(magazyn.blad(), Kod);
        return;
    }
    PopPradCzynny = PradCzynny;
    PopPradBiernSr = PradBiernSr;
    PopPradBiernPojSr = PradBiernPojSr;
    popTimerU = TimerU;
}
