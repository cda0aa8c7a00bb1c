#include "Komunikator.h"

#include "IWizual.h"
#include "Uslugi.h"
#include "clComm.h"

bool Komunikator::WykonajRozkaz(int NrRegul, const QString& Rozkaz, std::span<quint8> Dane, quint8 Wartosc)
{
    m_uslugi.oWizual->eKomunikacja(1);
    QString rozkaz = Rozkaz;
    const bool ok = m_uslugi.oComm->WykonajPolecenie(NrRegul, rozkaz, Dane, Wartosc);
    m_uslugi.oWizual->eKomunikacja(ok ? 0 : 2);
    return ok;
}
