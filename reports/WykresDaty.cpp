#include "WykresDaty.h"

#include "Clock.h"
#include "TextFormat.h"
#include "Uslugi.h"
#include "WygladProgramu.h"

#include <QDateEdit>

namespace WykresDaty {

QDateEdit* Pole(const char* nazwa, const QString& podpowiedz, const Uslugi& uslugi)
{
    auto* pole = PoleDaty(uslugi.zegar->now().date());
    pole->setObjectName(QLatin1String(nazwa));
    pole->setToolTip(podpowiedz);
    return pole;
}

QString Tekst(const QDateEdit* pole)
{
    return TextFormat::date(pole->date().startOfDay(), u"dd/MM/yyyy");
}

} // namespace WykresDaty
