#pragma once

#include <QByteArray>

// What the serial link uses of a port: the received bytes waiting, discarding them, taking one,
// sending bytes, and sleeping until bytes arrive so that a silent line costs no processor time.
class PortSzeregowy
{
  public:
    virtual ~PortSzeregowy() = default;

    // False while no device is open (it was lost and is not back yet): nothing can be sent and
    // nothing can arrive, so no reply is waited for.
    virtual bool Otwarty() const { return true; }

    virtual int InBufferCount() = 0;
    virtual void WyczyscWejscie() = 0;
    // The next received byte 0..255, or -1 when none is waiting.
    virtual int Input() = 0;
    virtual void Output(const QByteArray& bajty) = 0;
    // Returns when a byte is waiting or after at most ms milliseconds.
    virtual void CzekajNaDane(int ms) = 0;
};
