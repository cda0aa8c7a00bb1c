#pragma once

#include "PortSzeregowy.h"

#include <QSerialPort>
#include <QString>

// The serial port of the workstation: 4800 baud, 8 data bits, even parity, 1 stop bit, no flow
// control. A pseudo-terminal that refuses the parity setting is used without parity.
//
// A device that fails while open (a USB adapter pulled out, the far end of a pseudo-terminal
// gone) is closed at once, whether the failure shows in a read or write of the link or while
// the program waits for events: left open, its unsent frame would be retried without end.
class PortQt final : public PortSzeregowy
{
  public:
    static constexpr qint32 kPredkosc = 4800;

    PortQt();

    // Opens the named device; returns an empty text or the reason it could not be opened.
    QString Otworz(const QString& nazwa);
    void Zamknij();
    bool Otwarty() const override { return m_port.isOpen(); }

    int InBufferCount() override;
    void WyczyscWejscie() override;
    int Input() override;
    void Output(const QByteArray& bajty) override;
    void CzekajNaDane(int ms) override;

  private:
    QString powodBledu(const QString& nazwa) const;
    void zamknijPoAwarii();

    QSerialPort m_port;
};
