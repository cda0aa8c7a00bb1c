#pragma once
// Window geometry is designed in twips (1/1440 inch); these turn it into pixels at the
// logical resolution of the screen the widget is on.

#include <QRect>
#include <QWidget>

inline int twipyNaPiksele(int twips, const QWidget* w, Qt::Orientation kierunek = Qt::Horizontal)
{
    const int dpi = kierunek == Qt::Horizontal ? w->logicalDpiX() : w->logicalDpiY();
    return (twips * dpi + 720) / 1440;
}

inline QSize twipyNaPiksele(QSize twips, const QWidget* w)
{
    return {twipyNaPiksele(twips.width(), w, Qt::Horizontal),
            twipyNaPiksele(twips.height(), w, Qt::Vertical)};
}

inline QRect twipyNaPiksele(const QRect& twips, const QWidget* w)
{
    return {
        QPoint(twipyNaPiksele(twips.left(), w, Qt::Horizontal), twipyNaPiksele(twips.top(), w, Qt::Vertical)),
        twipyNaPiksele(twips.size(), w)};
}
