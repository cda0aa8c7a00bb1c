#pragma once
// The screen elements the notification object writes, one narrow interface per window. The
// main window registers its status bar at start; the windows that show regulators register
// themselves with clsWizual when they are created and withdraw when destroyed. An element
// whose window is not registered is left alone.

#include <QColor>
#include <QPixmap>
#include <QString>

// Status-bar panels of the main window, numbered as the whole program addresses them.
enum class PanelStanu
{
    Stan = 1,
    Monitoring,
    Alarmy,
    Komunikacja,
    TrybPracy,
    Czas
};

// The main window: its status bar and the two alarm timers.
class OknoGlowneWizual
{
  public:
    virtual ~OknoGlowneWizual() = default;
    virtual void UstawTekstPanelu(PanelStanu panel, const QString& tekst) = 0;
    // A null picture removes the panel's picture.
    virtual void UstawObrazPanelu(PanelStanu panel, const QPixmap& obraz) = 0;
    virtual void UstawMiganieAlarmu(bool wlacz) = 0;     // the blinking alarm icon
    virtual void UstawPowtarzanieAlarmu(bool wlacz) = 0; // the repeated alarm sound
};

// The main window's menu items that follow the model, and the monitoring toggle ("Monit").
enum class PozycjaMenu
{
    SterWlacz,
    RegulZablok,
    RegulBatZal,
    RegulBatTestuj
};

class MenuWizual
{
  public:
    virtual ~MenuWizual() = default;
    virtual void UstawPodpis(PozycjaMenu pozycja, const QString& podpis) = 0;
    virtual void UstawDostepna(PozycjaMenu pozycja, bool dostepna) = 0;
    // The toolbar button and the menu item's check mark; no action follows.
    virtual void UstawMonitoring(bool wcisniety) = 0;
    // Control mode now in force, for the windows the menus opened: the options dialog lets the
    // password be changed only in control mode.
    virtual void UstawTrybSterowania(bool tryb) = 0;
};

// The regulator tree: node pictures and text colours by node key.
class DrzewoWizual
{
  public:
    virtual ~DrzewoWizual() = default;
    virtual int ObrazWezla(const QString& klucz) const = 0;
    virtual void UstawObrazWezla(const QString& klucz, int obraz) = 0;
    virtual void UstawKolorWezla(const QString& klucz, const QColor& kolor) = 0;
};

// The front panel of the current regulator.
enum class PrzyciskPanelu
{
    Blokuj,
    Ustaw,
    Zalacz
};

class PanelWizual
{
  public:
    virtual ~PanelWizual() = default;
    virtual void OdswiezPanel() = 0;
    virtual void UstawPodpis(PrzyciskPanelu przycisk, const QString& podpis) = 0;
    virtual void UstawDostepny(PrzyciskPanelu przycisk, bool dostepny) = 0;
    virtual void UstawWidoczny(PrzyciskPanelu przycisk, bool widoczny) = 0;
};

// The data window of the current regulator.
class DaneWizual
{
  public:
    virtual ~DaneWizual() = default;
    virtual void Odswiez() = 0;
    virtual void UstawOdswiezanieDostepne(bool dostepne) = 0;
};

struct CeleWizual
{
    OknoGlowneWizual* glowne = nullptr;
    MenuWizual* menu = nullptr;
    DrzewoWizual* drzewo = nullptr;
    PanelWizual* panel = nullptr;
    DaneWizual* dane = nullptr;
};
