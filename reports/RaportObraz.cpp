#include "RaportObraz.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// Resources of a static library must be registered by name before use.
static void zarejestrujRaporty()
{
    Q_INIT_RESOURCE(raporty);
}

QIcon RaportObraz()
{
    zarejestrujRaporty();
    QSvgRenderer svg(QStringLiteral(":/raporty/raport.svg"));
    QPixmap obraz(32, 32);
    obraz.fill(Qt::transparent);
    QPainter p(&obraz);
    svg.render(&p);
    p.end();
    return QIcon(obraz);
}
