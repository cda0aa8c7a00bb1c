#pragma once

#include "WykresOkno.h"

class QDateEdit;

// "Wykres dobowy": one regulator's stored readings of one calendar day, one chart row per
// reading, as active and reactive energy or as tg fi.
class fmWykresy1 final : public WykresOkno
{
    Q_OBJECT
  public:
    explicit fmWykresy1(Uslugi& uslugi, QWidget* parent = nullptr);

  protected:
    Zapytanie Wczytaj(int adres) const override;
    QString Okres() const override;
    QString TytulOsiWartosci(bool energia) const override;
    void Przesun(int kierunek) override;

  private:
    QDateEdit* m_data;
};
