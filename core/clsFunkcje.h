#pragma once

#include <QDateTime>
#include <QString>

class clsoApp;

// Assembly of big-endian reply values, bit tests and SQL date literals.
class clsFunkcje
{
  public:
    explicit clsFunkcje(const clsoApp& app) : m_app(app) {}

    // 16-bit two's complement from high byte b1 and low byte b2.
    static qint16 TworzInt(quint8 b1, quint8 b2);
    // 32-bit two's complement, b1 most significant.
    static qint32 TworzLong(quint8 b1, quint8 b2, quint8 b3, quint8 b4);
    // Unsigned 32-bit count, b1 most significant: counters with the top bit set stay positive.
    static quint32 TworzLongU(quint8 b1, quint8 b2, quint8 b3, quint8 b4);
    static bool logic(qint32 l) { return l != 0; }

    // The date as Znakdaty + "yyyy-MM-dd" + Znakdaty; the time of day is dropped.
    QString SqlZamienNaDate(const QDateTime& data) const;

  private:
    const clsoApp& m_app;
};
