#pragma once

#include "CeleWizual.h"

#include <QWidget>
#include <array>

class CyklOkna;
class OknaRegulatora;
class QLineEdit;
class QPushButton;
class clsWizual;
struct Uslugi;

// The data window: the eight measured values of the current regulator as its last successful
// reading decoded them, and "Odśwież", which queues a fresh reading unless the regulator is
// being monitored (then it is read on every tick anyway).
class frmDane : public QWidget, public DaneWizual
{
    Q_OBJECT
  public:
    frmDane(Uslugi& uslugi, clsWizual& wizual, OknaRegulatora& okna, QWidget* parent = nullptr);
    ~frmDane() override;

    void Odswiez() override;
    void UstawOdswiezanieDostepne(bool dostepne) override;

  private:
    void utworzWiersze();
    void cmdOdswiez_Click();
    void Form_Load();
    void Form_Unload();
    void wyrejestruj();

    Uslugi& m_uslugi;
    clsWizual& m_wizual;
    OknaRegulatora& m_okna;
    std::array<QLineEdit*, 8> m_dane{};
    QPushButton* m_odswiez = nullptr;
    CyklOkna* m_cykl = nullptr;
};
