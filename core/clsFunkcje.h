#pragma once

#include <QtGlobal>

// Assembly of big-endian reply values and bit tests.
class clsFunkcje
{
  public:
    // 16-bit two's complement from high byte b1 and low byte b2.
    static qint16 TworzInt(quint8 b1, quint8 b2);
    // 32-bit two's complement, b1 most significant.
    static qint32 TworzLong(quint8 b1, quint8 b2, quint8 b3, quint8 b4);
    // Unsigned 32-bit count, b1 most significant: counters with the top bit set stay positive.
    static quint32 TworzLongU(quint8 b1, quint8 b2, quint8 b3, quint8 b4);
    static bool logic(qint32 l) { return l != 0; }
};
