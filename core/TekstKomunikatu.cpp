#include "TekstKomunikatu.h"

#include <algorithm>

namespace TekstKomunikatu {

QStringList PierwszeZ(const QStringList& pozycje, qsizetype ile)
{
    ile = std::max<qsizetype>(ile, 2);
    if (pozycje.size() <= ile)
        return pozycje;
    QStringList wynik = pozycje.first(ile - 1);
    wynik << QStringLiteral("… i %1 innych").arg(pozycje.size() - wynik.size());
    return wynik;
}

QString NaEkran(const QString& tekst, Miejsce miejsce)
{
    const int znaki = std::max(miejsce.znakiWWierszu, 1);
    const int wiersze = std::max(miejsce.wiersze, 2);
    QStringList linie = tekst.split(u'\n');
    const auto wysokosc = [znaki](const QString& linia) {
        return std::max<qsizetype>(1, (linia.size() + znaki - 1) / znaki);
    };
    qsizetype zajete = 0;
    for (const QString& linia : linie)
        zajete += wysokosc(linia);
    if (zajete <= wiersze)
        return tekst;
    // One screen line stays for the count of what is left out.
    qsizetype wolne = wiersze - 1;
    qsizetype mieszcza = 0;
    while (mieszcza < linie.size() && wysokosc(linie[mieszcza]) <= wolne)
        wolne -= wysokosc(linie[mieszcza++]);
    if (mieszcza < linie.size() && wolne > 0) {
        // Cut where it no longer fits, so that a single long line still shows its beginning.
        linie[mieszcza] = linie[mieszcza].left(wolne * znaki - 1) + u'…';
        if (++mieszcza == linie.size())
            return linie.join(u'\n');
    }
    return PierwszeZ(linie, mieszcza + 1).join(u'\n');
}

} // namespace TekstKomunikatu
