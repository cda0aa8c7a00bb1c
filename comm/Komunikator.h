#pragma once

#include "Interfaces.h"

struct Uslugi;

// The command executor: announces each request to the notification object and hands it to
// the serial link.
class Komunikator final : public IKomunikator
{
  public:
    explicit Komunikator(Uslugi& uslugi) : m_uslugi(uslugi) {}
    bool TCP = false;

    bool WykonajRozkaz(int NrRegul, const QString& Rozkaz, std::span<quint8> Dane, quint8 Wartosc) override;

  private:
    Uslugi& m_uslugi;
};
