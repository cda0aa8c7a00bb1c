#include "WykresObraz.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The picture lives in this static library's resources, which the linker keeps only when
// registered explicitly.
static void zarejestrujObraz()
{
    Q_INIT_RESOURCE(wykresy);
}

QIcon WykresObraz()
{
    static const bool zarejestrowany = (zarejestrujObraz(), true);
    Q_UNUSED(zarejestrowany);
    QSvgRenderer svg(QStringLiteral(":/wykresy/wykres.svg"));
    QIcon ikona;
    for (int bok : {16, 32}) {
        QPixmap obraz(bok, bok);
        obraz.fill(Qt::transparent);
        QPainter p(&obraz);
        svg.render(&p);
        p.end();
        ikona.addPixmap(obraz);
    }
    return ikona;
}
