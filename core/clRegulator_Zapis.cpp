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

// Stores the row with the energy of the periods not stored before it, which it then carries.
QSqlError zapiszZNiezapisana(Baza& baza, ZapisPomiaru z, EnergiaNiezapisana& niezapisana)
{
    z.EnCzynna += niezapisana.EnCzynna;
    z.EnBiernaCalk += niezapisana.EnBiernaCalk;
    z.EnBiernaPoj += niezapisana.EnBiernaPoj;
    MagazynPomiarow& magazyn = baza.Pomiary();
    if (!magazyn.Zapisz(z))
        return magazyn.blad();
    niezapisana = {};
    return {};
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
    // counters move on. A reading lost at once leaves them, so that the next reading's row
    // covers this period too; a kept one that the file refuses for good later hands its energy
    // to the next row of the regulator that the file takes. No energy is lost either way.
    const clsBD::Wynik wynik = m_uslugi.oBD->Zapisz(
        [baza = m_uslugi.cnBaza, z, niezapisana = m_niezapisana] {
            return zapiszZNiezapisana(*baza, z, *niezapisana);
        },
        Kod,
        [z, niezapisana = m_niezapisana] {
            niezapisana->EnCzynna += z.EnCzynna;
            niezapisana->EnBiernaCalk += z.EnBiernaCalk;
            niezapisana->EnBiernaPoj += z.EnBiernaPoj;
        });
    if (wynik != clsBD::Wynik::Zapisany)
        m_uslugi.oWizual->eZapisDB(true);
    if (wynik == clsBD::Wynik::Odrzucony)
        return;
    PopPradCzynny = PradCzynny;
    PopPradBiernSr = PradBiernSr;
    PopPradBiernPojSr = PradBiernPojSr;
    popTimerU = TimerU;
}
