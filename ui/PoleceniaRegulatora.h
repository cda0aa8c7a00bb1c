#pragma once

#include <QString>
#include <functional>

class QWidget;
class clRegulator;
struct Uslugi;

// The current regulator (oApp.NrAktRegulatora); null when there is none (none configured).
clRegulator* regulatorAktualny(const Uslugi& uslugi);

// Queues locking the current regulator when it is unlocked, unlocking it when locked; the lock
// state changes only when the command has run, so two requests before the next tick both ask
// for the same state. The regulator menu and the front panel's lock button share it.
void kolejkujBlokade(const Uslugi& uslugi);

// The operator's commands on the current regulator from the regulator menu: switching the
// selected stage and locking go into the command queue and run in a later tick of the main
// loop; deleting removes the regulator's row from table Regulatory, effective at the next start.
class PoleceniaRegulatora
{
  public:
    // Questions are asked over the given window.
    explicit PoleceniaRegulatora(Uslugi& uslugi, QWidget* rodzic = nullptr);

    // Asks the operator an OK/Cancel question; true on OK.
    std::function<bool(const QString& tytul, const QString& tekst)> Pytaj;

    void mnuRegulBatZal_Click();
    void mnuRegulZablok_Click();
    void mnuRegulUsun_Click();

  private:
    void usunWiersz(const QString& kodWiersza, int adres);

    Uslugi& m_uslugi;
};
