#pragma once

#include "Baza.h"
#include "BlokadaProgramu.h"
#include "Uslugi.h"

#include <QString>
#include <memory>

class Clock;
class Dzwieki;
class KomunikatyOkien;
class OdczytyHistorii;
class PoTakcie;
class PortQt;
class RejestrAlarmow;
class SygnalyZakonczenia;
class clComm;
class clsBD;
class clsFunkcje;
class clsKolejka;
class clsWizual;
class clsoApp;
class colRegulatory;
class fmGlowny;
class frmSplash;

// The program's start: owns the service objects, the database connection, the serial port and
// the main window for the whole run. The constructor creates the services in their fixed order
// and wires them; Uruchom opens the database, loads the regulators, opens the windows and starts
// the main loop. Tests may replace the clock and the message boxes in uslugi() in between.
class StartUp
{
  public:
    StartUp();
    ~StartUp();
    StartUp(const StartUp&) = delete;
    StartUp& operator=(const StartUp&) = delete;

    // 0 with the main loop running and the system's requests to stop leading to the normal
    // shutdown; otherwise the exit status of a start that cannot go on (another program runs on
    // the database file, or the file could not be opened or its regulators read; the operator
    // has been told why).
    int Uruchom(const QString& plikBazy = Baza::kPlikBazy);

    Uslugi& uslugi() { return m_uslugi; }
    clsWizual& Wizual() { return *m_wizual; }
    PortQt& Port() { return *m_port; }
    // Null before Uruchom has shown it.
    fmGlowny* OknoGlowne() { return m_glowny.get(); }

    // The exit status once the main loop has ended: kZapisyUtracone when the stop left writes
    // that the file never took (told on the standard error output), else 0.
    int KodZakonczenia() const;

    static constexpr int kBladBazy = 1;
    static constexpr int kZapisyUtracone = 2;
    static constexpr int kJuzDziala = 3;

  private:
    class Logowanie;
    void otworzOkna();
    void uzupelnijIndeksy();

    // Released last, after the file and the port.
    BlokadaProgramu m_blokada;
    Uslugi m_uslugi;
    std::unique_ptr<clsoApp> m_app;
    std::unique_ptr<clComm> m_comm;
    std::unique_ptr<IKomunikator> m_komunikator;
    std::unique_ptr<clsWizual> m_wizual;
    std::unique_ptr<colRegulatory> m_regulatory;
    std::unique_ptr<clsFunkcje> m_funkcje;
    std::unique_ptr<clsKolejka> m_kolejka;
    std::unique_ptr<clsBD> m_bd;
    Baza m_baza;
    std::unique_ptr<RejestrAlarmow> m_rejestr;
    std::unique_ptr<Clock> m_zegar;
    std::unique_ptr<PoTakcie> m_poTakcie;
    std::unique_ptr<OdczytyHistorii> m_odczyty;
    std::unique_ptr<PortQt> m_port;
    std::unique_ptr<Dzwieki> m_dzwieki;
    std::unique_ptr<KomunikatyOkien> m_komunikaty;
    std::unique_ptr<Logowanie> m_logowanie;
    std::unique_ptr<SygnalyZakonczenia> m_sygnaly;
    // Windows last, so that they go before the services they show.
    std::unique_ptr<frmSplash> m_splash;
    std::unique_ptr<fmGlowny> m_glowny;
};
