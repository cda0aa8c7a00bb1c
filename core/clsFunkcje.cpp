#include "clsFunkcje.h"

qint16 clsFunkcje::TworzInt(quint8 b1, quint8 b2)
{
    return qint16(quint16((b1 << 8) | b2));
}

qint32 clsFunkcje::TworzLong(quint8 b1, quint8 b2, quint8 b3, quint8 b4)
{
    return qint32(TworzLongU(b1, b2, b3, b4));
}

quint32 clsFunkcje::TworzLongU(quint8 b1, quint8 b2, quint8 b3, quint8 b4)
{
    return (quint32(b1) << 24) | (quint32(b2) << 16) | (quint32(b3) << 8) | quint32(b4);
}
