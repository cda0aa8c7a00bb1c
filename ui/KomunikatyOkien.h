#pragma once

#include "Interfaces.h"

#include <QPointer>
#include <QWidget>

class QMessageBox;

// Operator messages as message boxes with an OK button, over the given window: modal ones, and
// one box for the database write errors that stays open without holding anything up.
class KomunikatyOkien final : public Komunikaty
{
  public:
    void UstawRodzica(QWidget* rodzic) { m_rodzic = rodzic; }
    // An empty title shows the program's name.
    void Pokaz(const QString& tekst, const QString& tytul, Ikona ikona) override;
    // The count of a repeated text shows under it; a new text replaces the one shown.
    void PokazBladZapisu(const QString& tekst) override;

  private:
    QPointer<QWidget> m_rodzic;
    QPointer<QMessageBox> m_bladZapisu; // deleted when the operator closes it
    int m_wystapienia = 0;
};
