#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// Request frames of the regulator protocol: 02, address, code byte, operation byte and, for
// writes, a value byte. The protocol has no checksum, length or terminator.
enum class RodzajOdpowiedzi
{
    Brak,   // nothing is read; the command succeeds once its frames are written
    Bajt,   // one byte after the last frame
    Blok32, // the 32-byte measurement block
    Diody,  // one byte after each of three frames
};

struct RozkazLinii
{
    QList<QByteArray> ramki;
    RodzajOdpowiedzi odpowiedz;
};

// The frames and reply of an upper-case command name, or nothing for an unknown name.
// n is the command's value byte (a stage index for the discharge-timer commands).
std::optional<RozkazLinii> RamkiRozkazu(const QString& nazwa, quint8 adres, quint8 n);
