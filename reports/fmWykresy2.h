#pragma once

#include "WykresOkno.h"

class QDateEdit;

// "Wykres okresowy": one regulator's daily sums over a period of calendar days, one chart row
// per day with readings, as active and reactive energy or as the tg fi of the day's sums.
class fmWykresy2 final : public WykresOkno
{
    Q_OBJECT
  public:
    explicit fmWykresy2(Uslugi& uslugi, QWidget* parent = nullptr);

  protected:
    Zapytanie Wczytaj(int adres) const override;
    QString Okres() const override;
    QString TytulOsiWartosci(bool energia) const override;
    void Przesun(int kierunek) override;

  private:
    QDateEdit* m_data;
    QDateEdit* m_dataDo; // last day of the period, included
};
