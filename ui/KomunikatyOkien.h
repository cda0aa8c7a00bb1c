#pragma once

#include "Interfaces.h"

#include <QPointer>
#include <QWidget>

class PoTakcie;

// Operator messages as modal message boxes with an OK button, over the given window. A message
// that comes during a tick of the main loop is shown when the tick has ended.
class KomunikatyOkien final : public Komunikaty
{
  public:
    explicit KomunikatyOkien(PoTakcie& poTakcie) : m_poTakcie(poTakcie) {}
    void UstawRodzica(QWidget* rodzic) { m_rodzic = rodzic; }
    // An empty title shows the program's name.
    void Pokaz(const QString& tekst, const QString& tytul, Ikona ikona) override;

  private:
    PoTakcie& m_poTakcie;
    QPointer<QWidget> m_rodzic;
};
