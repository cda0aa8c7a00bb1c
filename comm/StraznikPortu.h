#pragma once

#include <QString>
#include <functional>

class PortQt;
struct Uslugi;

// Keeps the serial line in service without anyone present. A device that fails while open (an
// adapter pulled out, the far end of the line gone) has been closed by the port; the guardian
// says so once, on the status line and in the event log naming the device, and opens the same
// device again at a steady pace on the steady clock. Once it opens, the readings go on as their
// schedule says and the event log tells that the line is back. Called between requests: by the
// polling tick, and by the start's wait for a port while no tick runs yet.
class StraznikPortu
{
  public:
    // Between two attempts to open a device that is not there.
    static constexpr qint64 kOdstepProbMs = 2000;

    StraznikPortu(Uslugi& uslugi, PortQt& port) : m_uslugi(uslugi), m_port(port) {}

    // Opens the device at once; empty, or the reason it did not open. The device is the one
    // kept in service from then on.
    QString Otworz(const QString& urzadzenie);
    // True when the pace allows another attempt since the last one.
    bool ProbaNalezna() const;
    // Notices a device lost since the last call and, while it is gone, opens it again when an
    // attempt is due.
    void Pilnuj();

    // The status line: told once when the device is lost and once when it is back.
    std::function<void(const QString&)> PokazStan;

  private:
    void zglos(const QString& tekst, const QString& status);

    Uslugi& m_uslugi;
    PortQt& m_port;
    QString m_urzadzenie;
    bool m_wSluzbie = false; // the device opened and is to be kept open
    bool m_utracony = false; // it was lost and is not back yet
    qint64 m_ostatniaProba = 0;
};
