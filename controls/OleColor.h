#pragma once

#include <QColor>
#include <QPalette>
#include <QString>
#include <optional>

// Colours are kept as 32-bit colour numbers: 0x00BBGGRR, or a system colour (high bit set, the low byte
// naming which) that follows the palette.
QColor oleColor(quint32 value, const QPalette& palette);

// Reads a colour number as a designer types it: decimal (a negative one taken as its 32-bit pattern) or
// hexadecimal after "&H". Anything else, or a number that does not fit in 32 bits, is no colour number.
std::optional<quint32> parseOleColor(const QString& text);
