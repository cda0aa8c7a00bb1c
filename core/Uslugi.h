#pragma once

// The service objects of one running program, reachable under their names. The owner that
// creates them (in the order of the members below) fills this; tests fill it with fakes.
// Nothing else holds global state.

class clsoApp;
class clComm;
class IKomunikator;
class IWizual;
class colRegulatory;
class clsFunkcje;
class clsKolejka;
class clsBD;
class Baza;
class RejestrAlarmow;
class Komunikaty;
class OknoLogowania;
class DrzewoRegulatorow;
class PrzelacznikiPanelu;
class Clock;
class PoTakcie;
class OdczytyHistorii;

struct Uslugi
{
    clsoApp* oApp = nullptr;
    clComm* oComm = nullptr;
    IKomunikator* oKomunikator = nullptr;
    IWizual* oWizual = nullptr;
    colRegulatory* oRegulatory = nullptr;
    clsFunkcje* oFunkcje = nullptr;
    clsKolejka* oKolejka = nullptr;
    clsBD* oBD = nullptr;

    Baza* cnBaza = nullptr;              // the database connection
    RejestrAlarmow* rejestr = nullptr;   // register of the alarms raised during the run
    Komunikaty* komunikaty = nullptr;    // operator message boxes
    OknoLogowania* logowanie = nullptr;  // administrator login
    DrzewoRegulatorow* drzewo = nullptr; // regulator tree, null until its window exists
    PrzelacznikiPanelu* panel = nullptr; // front panel switches, null while the panel is closed
    Clock* zegar = nullptr;              // current local time
    PoTakcie* poTakcie = nullptr;        // actions that open a modal window, kept while a tick runs
    OdczytyHistorii* odczyty = nullptr;  // long reads of the history running away from the polling
};
