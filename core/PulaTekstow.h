#pragma once

#include <QString>
#include <string>
#include <vector>

// Short texts kept for the whole run, packed as UTF-8 into large blocks, so that a kept text
// costs its bytes rather than a string object and an allocation of its own. Texts are only
// ever added.
class PulaTekstow
{
  public:
    // Where a kept text lies: its block, its first byte in the block and its length in bytes.
    struct Miejsce
    {
        quint32 blok = 0;
        quint32 od = 0;
        quint32 dlugosc = 0;
    };

    Miejsce Dodaj(const QString& tekst);
    QString Tekst(const Miejsce& miejsce) const;

  private:
    std::vector<std::string> m_bloki;
};
