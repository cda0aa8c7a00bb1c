#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// An SVG resource drawn into a transparent pixmap of the given size; drawn once, then served
// from the pixmap cache. The resource must be registered by the caller.
QPixmap obrazSvg(const QString& zasob, QSize rozmiar = QSize(16, 16));
