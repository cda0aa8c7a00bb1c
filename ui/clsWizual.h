#pragma once

#include "CeleWizual.h"
#include "IWizual.h"

class OdtwarzaczDzwiekow;
class clRegulator;
struct Uslugi;

// The notification object: turns each model event into the screen changes and sounds that
// depend on it. It keeps nothing between calls: every operation reads the counters, flags and
// regulators at the moment of the call and writes to the windows registered in Cele().
class clsWizual final : public IWizual
{
  public:
    clsWizual(Uslugi& uslugi, OdtwarzaczDzwiekow& dzwieki) : m_uslugi(uslugi), m_dzwieki(dzwieki) {}

    // Where the windows register their elements.
    CeleWizual& Cele() { return m_cele; }

    void eZmianaTrybuSterowania(bool AktTryb) override;
    void eAlarm(int, int, const QString&, bool) override {}
    void eKomunikacja(int Status) override;
    void eMonitoring(int NrRegulatora, bool Trwa) override;
    void eOkresowyOdczyt(int NrRegulatora, bool Trwa) override;
    void eZalaczanieBaterii(int NrRegulatora, bool Trwa) override;
    void eWylaczanieBaterii(int NrRegulatora, bool Trwa) override;
    void eZapisDB(bool) override {}
    void eNoweDane(int NrRegulatora, const QString& TypDanych) override;
    void eZmianaBaterii(int NrRegulatora, int NrBaterii) override;
    void eZmianaAlarmow() override;
    void eZmianaRegulatora(int NrRegulatora) override;
    void eBlokowanieRegul(int NrRegulatora, bool Stan, bool Trwa) override;
    void eBlokadaRegul(int NrRegulatora, bool Zablokowany, bool OdtworzDzwiek) override;
    // Silent while the sound setting is 0.
    void GrajDzwiek(const QString& plik) override;

  private:
    clRegulator& regulator(int nr) const;
    bool panelPokazuje(int nr) const;
    void tekstPostepu(const QString& prefiks, int nr, bool trwa);
    void tekstPanelu(PanelStanu panel, const QString& tekst);
    void obrazPanelu(PanelStanu panel, const QPixmap& obraz);
    void menu(PozycjaMenu pozycja, const QString& podpis);
    void menuDostepna(PozycjaMenu pozycja, bool dostepna);
    void menuBlokady(bool zablokowany);
    static bool maStopien(const clRegulator& r);
    void menuStopnia(const clRegulator& r);
    void wezlyRegulatora(const clRegulator& r);

    Uslugi& m_uslugi;
    OdtwarzaczDzwiekow& m_dzwieki;
    CeleWizual m_cele;
};
