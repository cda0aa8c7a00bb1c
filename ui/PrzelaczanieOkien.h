#pragma once

#include "OknaRegulatora.h"

#include <QPointer>
#include <functional>

class QAction;
class QMdiArea;
#include <QMdiSubWindow>
class QWidget;
struct Uslugi;

// The window toggles of the main window: the front panel, the data window and the monitoring of
// the current regulator, each with its menu item and toolbar button.
class PrzelaczanieOkien final : public OknaRegulatora
{
  public:
    // The menu item whose check mark and the toolbar button whose pressed state follow a toggle.
    struct Elementy
    {
        QAction* pozycja;
        QAction* przycisk;
    };

    PrzelaczanieOkien(Uslugi& uslugi, QMdiArea& obszar, Elementy panel, Elementy dane, Elementy monitoring);

    // Make the front panel and the data window; each is shown as a sub-window of the main
    // window's area and deleted when closed. Without a maker the toggle stays released.
    using Tworzenie = std::function<QWidget*()>;
    Tworzenie TworzPanel;
    Tworzenie TworzDane;

    void PokazPanel(bool Pokaz) override;
    void PokazDane(bool Pokaz) override;
    // Writes the event-log row on every call, whether or not the state changes.
    void UstawMonitoring(bool Wlacz) override;

    // Null while the window is closed.
    QMdiSubWindow* Panel() const { return m_panel.podokno; }
    QMdiSubWindow* Dane() const { return m_dane.podokno; }

  private:
    struct Okno
    {
        Elementy elementy;
        QPointer<QMdiSubWindow> podokno;
        bool otwierane = false;
    };
    static void zaznacz(const Elementy& e, bool wlacz);
    void przelacz(Okno& o, const Tworzenie& tworz, bool pokaz);
    void otworz(Okno& o, const Tworzenie& tworz);
    static void zamknij(Okno& o);

    Uslugi& m_uslugi;
    QMdiArea& m_obszar;
    Okno m_panel;
    Okno m_dane;
    Elementy m_monitoring;
};
