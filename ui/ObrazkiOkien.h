#pragma once
// The pictures of the alarm, splash and about windows, drawn from their SVG resources.

#include <QIcon>
#include <QPixmap>

// 1 communication alarm, 2 limit alarm; any other number gives a null icon.
QIcon ikonaAlarmu(int obrazek);

QPixmap logoKalbor(QSize rozmiar);
