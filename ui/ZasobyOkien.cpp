#include "ZasobyOkien.h"

#include <QtGlobal>

// Registration happens once, outside any namespace, as the resource initialisers require.
void zarejestrujZasobyOkien()
{
    static const bool zarejestrowane = [] {
        Q_INIT_RESOURCE(main);
        Q_INIT_RESOURCE(dialogs);
        Q_INIT_RESOURCE(drzewo);
        Q_INIT_RESOURCE(struktura);
        return true;
    }();
    Q_UNUSED(zarejestrowane);
}
