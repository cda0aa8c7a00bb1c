#pragma once

#include "Interfaces.h"

#include <QDialog>

class QLineEdit;
struct Uslugi;

// The administrator login that stands before control mode. Its verdict is left in
// oApp.ParametrGlob: True after a matching user and password, False whenever it closes
// otherwise. Every showing starts with empty fields.
class fmLogin : public QDialog, public OknoLogowania
{
    Q_OBJECT
  public:
    explicit fmLogin(Uslugi& uslugi, QWidget* parent = nullptr);

    void PokazModalnie(const std::function<void()>& poOdpowiedzi) override;
    void done(int wynik) override;

  private:
    void sprawdz();

    Uslugi& m_uslugi;
    std::function<void()> m_poOdpowiedzi; // while shown
    QLineEdit* m_uzytkownik = nullptr;
    QLineEdit* m_haslo = nullptr;
};
