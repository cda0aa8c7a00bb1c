#include "ObrazSvg.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

QPixmap obrazSvg(const QString& zasob, QSize rozmiar)
{
    const QString klucz = QStringLiteral("%1@%2x%3").arg(zasob).arg(rozmiar.width()).arg(rozmiar.height());
    QPixmap obraz;
    if (QPixmapCache::find(klucz, &obraz))
        return obraz;
    obraz = QPixmap(rozmiar);
    obraz.fill(Qt::transparent);
    QSvgRenderer svg(zasob);
    QPainter p(&obraz);
    svg.render(&p);
    p.end();
    QPixmapCache::insert(klucz, obraz);
    return obraz;
}
