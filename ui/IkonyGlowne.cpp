#include "IkonyGlowne.h"

#include "ObrazSvg.h"
#include "ZasobyOkien.h"

namespace IkonyGlowne {
namespace {

constexpr int kRozmiar = 16;

struct Pozycja
{
    int lista;
    int indeks;
    const char* klucz; // empty: addressed by index only
    const char* plik;
};

// The toolbar pictures 1, 3 and 4 (communication, report, chart) are drawn beside the windows
// that use them.
constexpr Pozycja kObrazy[] = {
    {1, 11, "", "czarodziej"},
    {1, 13, "blysk1", "blysk1"},
    {1, 14, "uwaga", "uwaga"},
    {1, 17, "panel", "panel"},
    {1, kWskaznikWolny, "", "wskaznik_wolny"},
    {1, kWskaznikZajety, "", "wskaznik_zajety"},
    {1, 22, "blysk", "blysk"},
    {1, 23, "lornetka", "lornetka"},
    {1, 24, "Dane", "dane"},
    {2, 1, "Wykrzyknik", "wykrzyknik"},
    {2, 2, "ZablokRegul", "zablokregul"},
    {2, 3, "Regul", "regul"},
};

QPixmap narysuj(const char* plik)
{
    zarejestrujZasobyOkien();
    return obrazSvg(QStringLiteral(":/glowny/%1.svg").arg(QLatin1String(plik)), QSize(kRozmiar, kRozmiar));
}

QPixmap zListy(int lista, int indeks)
{
    for (const Pozycja& p : kObrazy) {
        if (p.lista == lista && p.indeks == indeks)
            return narysuj(p.plik);
    }
    return {};
}

} // namespace

QPixmap obraz(const QString& klucz)
{
    for (const Pozycja& p : kObrazy) {
        if (*p.klucz && klucz == QLatin1String(p.klucz))
            return narysuj(p.plik);
    }
    return {};
}

QPixmap ImageList1(int indeks)
{
    return zListy(1, indeks);
}

QPixmap ImageList2(int indeks)
{
    return zListy(2, indeks);
}

} // namespace IkonyGlowne
