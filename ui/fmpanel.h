#pragma once

#include "CeleWizual.h"
#include "Interfaces.h"

#include <QWidget>
#include <array>

class CyklOkna;
class OknaRegulatora;
class QLineEdit;
class QPushButton;
class clRegulator;
class clsWizual;
class ctlDioda3d;
class ctlPrzel;
struct Uslugi;

// The front panel of the current regulator: its nine stage lamps, the lamps "zał." and "wył.",
// its four-digit display and its twelve operating switches, as the last reading left them.
// Switches 4 to 7 are the settable ones: while the regulator is locked the operator flips them
// and "Ustaw" queues them for the regulator; the regulator's settings operation reads them
// through PrzelacznikiPanelu (index 0 to 3). The window keeps no data: every refresh reads the
// current regulator afresh.
class fmpanel : public QWidget, public PanelWizual, public PrzelacznikiPanelu
{
    Q_OBJECT
  public:
    fmpanel(Uslugi& uslugi, clsWizual& wizual, OknaRegulatora& okna, QWidget* parent = nullptr);
    ~fmpanel() override;

    void OdswiezPanel() override;
    void UstawPodpis(PrzyciskPanelu przycisk, const QString& podpis) override;
    void UstawDostepny(PrzyciskPanelu przycisk, bool dostepny) override;
    void UstawWidoczny(PrzyciskPanelu przycisk, bool widoczny) override;

    bool Value(int nr) const override;
    void UstawZmieniony(int nr, bool zmieniony) override;

  private:
    void utworzLampki();
    void utworzPrzelaczniki();
    void utworzWyswietlacz();
    void utworzPrzyciski();
    QPushButton* przycisk(PrzyciskPanelu p) const;
    void pokazBlokade(bool zablokowany);

    void Form_Load();
    void Form_Unload();
    void wyrejestruj();
    void cmdBlokuj_Click();
    void cmdUstaw_Click();

    Uslugi& m_uslugi;
    clsWizual& m_wizual;
    OknaRegulatora& m_okna;
    std::array<ctlDioda3d*, 9> m_diody{};
    ctlDioda3d* m_diodaZal = nullptr;
    ctlDioda3d* m_diodaWyl = nullptr;
    std::array<ctlPrzel*, 12> m_przel{};
    QLineEdit* m_wyswietlacz = nullptr;
    QPushButton* m_blokuj = nullptr;
    QPushButton* m_zalacz = nullptr;
    QPushButton* m_ustaw = nullptr;
    CyklOkna* m_cykl = nullptr;
};
