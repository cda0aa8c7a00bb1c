#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class PoTakcie;
class QDialog;
class QWidget;

// The one place where the program opens modal windows and runs their own event loops. A window
// opened during a tick of the main loop would hold the tick for as long as it stays open, so
// every one is asked for through Otworz, which carries it out when no tick runs, and runs its
// loop with Exec, Pytaj or Komunikat, which refuse to run one inside a tick.
namespace OknaModalne {

// Opens a modal window: at once between ticks, at the end of the running tick otherwise.
// `nazwa` tells the operator what waits; requests with one `klucz` (by default the name) give
// one window.
void Otworz(PoTakcie& poTakcie, const QString& nazwa, std::function<void()> otworz,
            const QString& klucz = {});

// The window's own loop and its result. Inside a running tick the window does not open and
// the result is QDialog::Rejected, as if the operator had cancelled it.
int Exec(const PoTakcie& poTakcie, QDialog& okno);
// A question with OK and Cancel; true for OK. `poOdpowiedzi` hears the answer as soon as the
// operator gives it, which is before the window's loop returns when a tick runs inside it.
bool Pytaj(const PoTakcie& poTakcie, QWidget* rodzic, const QString& tytul, const QString& tekst,
           const std::function<void(bool)>& poOdpowiedzi = {});
// A message with an OK button.
void Komunikat(const PoTakcie& poTakcie, QWidget* rodzic, QMessageBox::Icon ikona, const QString& tytul,
               const QString& tekst);

// Every message box of the program is made here, modal or not.
QMessageBox* NowyKomunikat(QWidget* rodzic, QMessageBox::Icon ikona, const QString& tytul,
                           const QString& tekst, QMessageBox::StandardButtons przyciski);

// Qt's own dialogs (the print dialog) open further modal windows from their buttons: the
// printer's properties, the file browser, a warning on OK. While a tick runs, every input to
// such a dialog, and to the windows it opens, waits for the tick's end and is then carried out
// in the order it came; a button's Alt letter clicks it at once rather than a moment later.
void WstrzymujWejscie(PoTakcie& poTakcie, QDialog& okno);

} // namespace OknaModalne
