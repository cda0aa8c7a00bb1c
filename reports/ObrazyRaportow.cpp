#include "ObrazyRaportow.h"

#include "ObrazSvg.h"

// The pictures live in this static library's resources, which the linker keeps only when they
// are registered by name, once and outside any namespace.
static void zarejestrujZasobyRaportow()
{
    static const bool zarejestrowane = [] {
        Q_INIT_RESOURCE(wykresy);
        Q_INIT_RESOURCE(raporty);
        return true;
    }();
    Q_UNUSED(zarejestrowane);
}

QIcon WykresObraz()
{
    zarejestrujZasobyRaportow();
    QIcon ikona;
    for (int bok : {16, 32})
        ikona.addPixmap(obrazSvg(QStringLiteral(":/wykresy/wykres.svg"), QSize(bok, bok)));
    return ikona;
}

QIcon RaportObraz()
{
    zarejestrujZasobyRaportow();
    return QIcon(obrazSvg(QStringLiteral(":/raporty/raport.svg"), QSize(32, 32)));
}
