#pragma once

#include "Interfaces.h"

#include <QPointer>
#include <QWidget>

// Operator messages as modal message boxes with an OK button, over the given window.
class KomunikatyOkien final : public Komunikaty
{
  public:
    void UstawRodzica(QWidget* rodzic) { m_rodzic = rodzic; }
    // An empty title shows the program's name.
    void Pokaz(const QString& tekst, const QString& tytul, Ikona ikona) override;

  private:
    QPointer<QWidget> m_rodzic;
};
