#pragma once

#include "PortSzeregowy.h"

#include <QSerialPort>
#include <QString>

// The serial port of the workstation: 4800 baud, 8 data bits, even parity, 1 stop bit, no flow
// control. A pseudo-terminal that refuses the parity setting is used without parity.
class PortQt final : public PortSzeregowy
{
  public:
    static constexpr qint32 kPredkosc = 4800;

    // Opens the named device; returns an empty text or the reason it could not be opened.
    QString Otworz(const QString& nazwa);
    void Zamknij();
    bool Otwarty() const { return m_port.isOpen(); }

    int InBufferCount() override;
    void WyczyscWejscie() override;
    int Input() override;
    void Output(const QByteArray& bajty) override;
    void CzekajNaDane(int ms) override;

  private:
    QSerialPort m_port;
};
