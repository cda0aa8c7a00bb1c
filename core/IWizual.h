#pragma once

#include <QString>

// The one channel from the model to the screen: one operation per model event. The windows'
// implementation decides which status-bar panels, menus, tree nodes and sounds follow.
class IWizual
{
  public:
    virtual ~IWizual() = default;

    virtual void eZmianaTrybuSterowania(bool AktTryb) = 0;
    virtual void eAlarm(int NrRegulatora, int KodAlarmu, const QString& TypAlarmu, bool Trwa) = 0;
    virtual void eKomunikacja(int Status) = 0;
    virtual void eMonitoring(int NrRegulatora, bool Trwa) = 0;
    virtual void eOkresowyOdczyt(int NrRegulatora, bool Trwa) = 0;
    virtual void eZalaczanieBaterii(int NrRegulatora, bool Trwa) = 0;
    virtual void eWylaczanieBaterii(int NrRegulatora, bool Trwa) = 0;
    virtual void eZapisDB(bool Trwa) = 0;
    virtual void eNoweDane(int NrRegulatora, const QString& TypDanych) = 0;
    virtual void eZmianaBaterii(int NrRegulatora, int NrBaterii) = 0;
    virtual void eZmianaAlarmow() = 0;
    virtual void eZmianaRegulatora(int NrRegulatora) = 0;
    virtual void eBlokowanieRegul(int NrRegulatora, bool Stan, bool Trwa) = 0;
    virtual void eBlokadaRegul(int NrRegulatora, bool Zablokowany, bool OdtworzDzwiek) = 0;
    virtual void GrajDzwiek(const QString& plik) = 0;
};
