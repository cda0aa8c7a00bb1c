#pragma once

#include "CeleWizual.h"
#include "fmRegulatory.h"

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>

class PoleceniaRegulatora;
class Raporty;
class PrzelaczanieOkien;
class QAction;
class QMainWindow;
class QMdiArea;
class QMenu;
class QToolBar;
class frmOptions;
struct Uslugi;

// The main window's menu bar, pop-up menus and toolbar. Menu actions open windows, queue
// operator commands or change the table of regulators; none talks to a regulator. The
// notification object sets the captions, enabled states and the "Monit" button through
// MenuWizual.
class MenuGlowne final : public QObject, public MenuWizual
{
    Q_OBJECT
  public:
    MenuGlowne(Uslugi& uslugi, QMainWindow& okno, QMdiArea& obszar);
    ~MenuGlowne() override;

    PrzelaczanieOkien& Okna() const { return *m_okna; }
    PoleceniaRegulatora& Polecenia() const { return *m_polecenia; }
    QMenu* Podreczne(MenuPodreczne menu) const;
    // Pops the menu up at the mouse.
    void PokazPodreczne(MenuPodreczne menu) const;

    // A toolbar button's action by its exact key; Value is a check button's state after the
    // click. Other keys do nothing.
    void ToolbarAction(const QString& Key, bool Value);

    // The report window for the current selection: a regulator's when oApp.AktTypEl is "R",
    // the structure element's otherwise.
    void WyswRaportDobowy();
    void WyswRaportOkresowy();
    Raporty& Raport() const { return *m_raporty; }
    // "&Koniec": by default closes the window; the main window asks its exit question.
    std::function<void()> Koniec;

    void UstawPodpis(PozycjaMenu pozycja, const QString& podpis) override;
    void UstawDostepna(PozycjaMenu pozycja, bool dostepna) override;
    void UstawMonitoring(bool wcisniety) override;
    void UstawTrybSterowania(bool tryb) override;

  private:
    template <typename Akcja>
    QAction* pozycja(QMenu* menu, const char* nazwa, const QString& podpis, Akcja akcja);
    QMenu* menu(const char* nazwa, const QString& podpis, bool naPasku = true);
    static void separator(QMenu* menu, const char* nazwa);
    void createMenus();
    void createRegulMenu();
    void createToolBar();
    QAction* przycisk(const char* klucz, const QIcon& ikona, const QString& podpowiedz, bool przelacznik);
    void pokazAlarmy();
    void otworzOpcje();
    void przelaczTryb();

    Uslugi& m_uslugi;
    QMainWindow& m_okno;
    QMdiArea& m_obszar;
    std::unique_ptr<PrzelaczanieOkien> m_okna;
    std::unique_ptr<PoleceniaRegulatora> m_polecenia;
    std::unique_ptr<Raporty> m_raporty;
    QToolBar* m_pasek = nullptr;
    QMenu* m_regul = nullptr;
    QMenu* m_baza = nullptr;
    QMenu* m_bateria = nullptr;
    std::array<QAction*, 4> m_pozycje{}; // by PozycjaMenu
    QAction* m_regulPanel = nullptr;
    QAction* m_regulDane = nullptr;
    QAction* m_regulMonit = nullptr;
    QAction* m_przyciskPanel = nullptr;
    QAction* m_przyciskDane = nullptr;
    QAction* m_przyciskMonit = nullptr;
    QPointer<frmOptions> m_opcje;
};
