#pragma once
// Window geometry and report layouts are designed in twips (1/1440 inch); these turn window
// geometry into pixels at the logical resolution of the screen the widget is on.

#include <QRect>
#include <QWidget>
#include <cmath>

inline constexpr double kTwipyNaCal = 1440.0;
inline constexpr double kTwipyNaPunkt = kTwipyNaCal / 72; // a printer's point is 1/72 inch

inline int twipyNaPiksele(int twips, const QWidget* w, Qt::Orientation kierunek = Qt::Horizontal)
{
    const int dpi = kierunek == Qt::Horizontal ? w->logicalDpiX() : w->logicalDpiY();
    return int(std::lround(twips * dpi / kTwipyNaCal));
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
