#include "ObrazkiOkien.h"

#include "ObrazSvg.h"

// The resources of a static library are registered by its user, outside any namespace.
static void zarejestrujObrazkiOkien()
{
    static const bool zarejestrowane = [] {
        Q_INIT_RESOURCE(dialogs);
        return true;
    }();
    Q_UNUSED(zarejestrowane);
}

namespace {
QPixmap narysuj(const QString& plik, QSize rozmiar)
{
    zarejestrujObrazkiOkien();
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
