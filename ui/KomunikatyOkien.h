#pragma once

#include "Interfaces.h"

#include <QPointer>
#include <QWidget>

class PoTakcie;
class QMessageBox;

// Operator messages as message boxes with an OK button, over the given window, each cut to
// what its screen shows: modal ones, shown when the tick of the main loop that raised them has
// ended; boxes that stay open without holding anything up; and one box for the database write
// errors that stays open the same way.
class KomunikatyOkien final : public Komunikaty
{
  public:
    explicit KomunikatyOkien(PoTakcie& poTakcie) : m_poTakcie(poTakcie) {}
    void UstawRodzica(QWidget* rodzic) { m_rodzic = rodzic; }
    // An empty title shows the program's name.
    void Pokaz(const QString& tekst, const QString& tytul, Ikona ikona) override;
    void PokazBezCzekania(const QString& tekst, const QString& tytul, Ikona ikona) override;
    // The count of a repeated text shows under it; a new text replaces the one shown.
    void PokazBladZapisu(const QString& tekst) override;

  private:
    PoTakcie& m_poTakcie;
    QPointer<QWidget> m_rodzic;
    QPointer<QMessageBox> m_bladZapisu; // deleted when the operator closes it
    int m_wystapienia = 0;
};
