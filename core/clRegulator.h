#pragma once

#include "clsStan.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <memory>

struct Uslugi;

// Energy (kWh, kvarh) of the periods whose kept rows the file refused for good later; the next
// row of the regulator that the file takes carries it.
struct EnergiaNiezapisana
{
    float EnCzynna = 0;
    float EnBiernaCalk = 0;
    float EnBiernaPoj = 0;
};

// One supervised regulator: identity, scaling, thresholds, schedule, the values of its last
// reply and the counters of its last stored reading. Members are plain storage; the
// operations below poll, store and control the regulator through the services.
class clRegulator
{
  public:
    explicit clRegulator(Uslugi& uslugi);

    // Identity.
    qint16 Id = 0;      // position in oRegulatory; the number of commands, alarms and nodes
    qint16 adres = 0;   // bus address on the line; key of its rows in Pomiary and OstPomiar
    QString Kod;        // regulator code, trimmed
    QString KodWiersza; // Kod as its Regulatory row stores it, blanks kept: that row's key
    QString typ;

    // Reading schedule.
    bool aktywny = false;
    qint16 CzestOdczytu = 0; // minutes
    qint16 awarCzest = 0;    // minutes until a failed reading is retried
    // The shortest interval the schedule keeps, in minutes: shorter ones, 0 and below included,
    // have no grid and would retry a dead regulator at every tick, so they count as this.
    static constexpr qint16 kNajkrotszyOdstep = 1;
    QDateTime OstatniOdczyt;
    QDateTime NastepnyOdczyt;
    bool Monitoring = false;

    // Scaling.
    float Przekladnia = 0;
    qint16 PrzekladniaNap = 0;
    qint16 NapieciePomiar = 0;
    float SkalaNapiecia = 0;

    // Alarm thresholds; kBrakProgu stands for a threshold that is not set.
    static constexpr float kBrakProgu = 999999999.0f;
    float ProgPrad = 0;
    float ProgNapiecie = 0;
    float ProgTgFiMin = 0;
    float ProgTgFiMax = 0;

    // Display limits; the poll reads none of them for an alarm.
    float EnCzynnaMin = 0, EnCzynnaMax = 0, EnBiernaCalkMin = 0, EnBiernaCalkMax = 0;
    float EnBiernaPojMin = 0, EnBiernaPojMax = 0, NapiecieMin = 0, NapiecieMax = 0;
    float PradCzynnyMin = 0, PradCzynnyMax = 0, PradBiernyMin = 0, PradBiernyMax = 0;
    float PradCalkMin = 0, PradCalkMax = 0, CzestotliwoscMin = 0, CzestotliwoscMax = 0;

    // Values of the last reply. The four energy quantities are running counters (kWh, kvarh).
    float Napiecie = 0;
    float PradBierny = 0;
    float PradCalk = 0;
    float Faza = 0;
    float Okres = 0; // mains frequency, Hz
    float PradCalkSr = 0;
    float PradBiernSr = 0;
    float PradBiernPojSr = 0;
    float PradCzynny = 0;
    float TgFi = 0;
    // tg φ, of a reading or of a stored period, when no active energy flows.
    static constexpr float kTgFiBezEnergii = 9.999f;
    qint32 TimerU = 0;
    bool ZakloceniaHarm = false;

    // Counters of the last stored reading.
    float PopPradCzynny = 0;
    float PopPradBiernSr = 0;
    float PopPradBiernPojSr = 0;
    qint32 popTimerU = 0;
    float TgFiOkres = 0;

    // State.
    bool Zablokowany = false;
    qint16 AktywneAlarmy = 0;
    quint8 NrAktBaterii = 0;
    clsStan Stan; // raw status bytes, owned with the regulator

    // Poll and reply decoding.
    bool WczytajStanRegul(const QDateTime& Teraz);
    // Reading schedule.
    void OkresowyOdczyt(const QDateTime& Teraz);
    // Measurement storage.
    void ZapiszDaneDB();
    // Alarms.
    void DodajAlarm(const QDateTime& Data, int Typ, const QString& Opis);
    void SprawdzAlarm(int Typ);
    // Control.
    static bool KodBlokady(quint8 status) { return (status & 0x20) != 0; }
    void BlokujRegul(bool zablokuj);
    bool UstawRegulator();
    bool UstawKondensator(quint8 n, bool zalacz);
    bool SprawdzStanDiody(quint8 n) const;

  private:
    bool OdpowiedzMozliwa() const;
    void DekodujPomiar();
    void SprawdzProgi();
    QDateTime ObliczNastepnyOdczyt(const QDateTime& Teraz) const;
    void PrzestawHarmonogram(const QDateTime& Teraz);
    void ZakonczKondensator(bool zalacz);
    bool CzytajStopnie(quint8& k1, quint8& k2);
    bool ZalaczStopien(quint8 n, quint8& k1, quint8& k2);

    Uslugi& m_uslugi;
    // Shared with the writes of the regulator's rows still kept for the file.
    std::shared_ptr<EnergiaNiezapisana> m_niezapisana = std::make_shared<EnergiaNiezapisana>();

    // Working storage of the poll.
    std::array<quint8, 4> BuforDiod{};
    std::array<quint8, 1> BajtCzytaj{};
    std::array<quint8, 32> Bufor32{};
    double WspEnergii = 0;
    double WspPradu = 0;
    qint32 LicznikOkresu = 0;
};
