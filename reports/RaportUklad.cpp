#include "RaportUklad.h"

bool RaportUklad::UstawEtykiete(const QString& nazwa, const QString& tekst)
{
    for (Element& e : RaportNagl.elementy) {
        if (e.rodzaj == Element::Rodzaj::Etykieta && e.nazwa.compare(nazwa, Qt::CaseInsensitive) == 0) {
            e.tekst = tekst;
            return true;
        }
    }
    return false;
}
