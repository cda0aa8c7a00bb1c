#include "ObrazkiOkien.h"

#include "ObrazSvg.h"
#include "ZasobyOkien.h"

namespace {
QPixmap narysuj(const QString& plik, QSize rozmiar)
{
    zarejestrujZasobyOkien();
    return obrazSvg(plik, rozmiar);
}
} // namespace

QIcon ikonaAlarmu(int obrazek)
{
    switch (obrazek) {
    case 1:
        return QIcon(narysuj(QStringLiteral(":/dialogs/alarm_komunikacja.svg"), QSize(16, 16)));
    case 2:
        return QIcon(narysuj(QStringLiteral(":/dialogs/alarm_przekroczenie.svg"), QSize(16, 16)));
    default:
        return {};
    }
}

QPixmap logoKalbor(QSize rozmiar)
{
    return narysuj(QStringLiteral(":/dialogs/logo.svg"), rozmiar);
}
