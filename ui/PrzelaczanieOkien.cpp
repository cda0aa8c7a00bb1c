#include "PrzelaczanieOkien.h"

#include "OknoPodrzedne.h"
#include "PoleceniaRegulatora.h"
#include "Uslugi.h"
#include "clRegulator.h"
#include "clsBD.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScopedValueRollback>

PrzelaczanieOkien::PrzelaczanieOkien(Uslugi& uslugi, QMdiArea& obszar, Elementy panel, Elementy dane,
                                     Elementy monitoring)
    : m_uslugi(uslugi), m_obszar(obszar), m_panel{panel, {}, false}, m_dane{dane, {}, false},
      m_monitoring(monitoring)
{
}

// Setting the state from code is not a click: no action follows.
void PrzelaczanieOkien::zaznacz(const Elementy& e, bool wlacz)
{
    e.pozycja->setChecked(wlacz);
    e.przycisk->setChecked(wlacz);
}

void PrzelaczanieOkien::PokazPanel(bool Pokaz)
{
    przelacz(m_panel, TworzPanel, Pokaz);
}

void PrzelaczanieOkien::PokazDane(bool Pokaz)
{
    przelacz(m_dane, TworzDane, Pokaz);
}

// The windows call this from their own opening and closing too, so each step tolerates being
// reached again while it runs.
void PrzelaczanieOkien::przelacz(Okno& o, const Tworzenie& tworz, bool pokaz)
{
    zaznacz(o.elementy, pokaz);
    if (pokaz)
        otworz(o, tworz);
    else
        zamknij(o);
}

void PrzelaczanieOkien::otworz(Okno& o, const Tworzenie& tworz)
{
    if (o.podokno) {
        m_obszar.setActiveSubWindow(o.podokno);
        return;
    }
    if (o.otwierane)
        return;
    // Until the sub-window is held: showing it loads the window, which comes back here.
    const QScopedValueRollback otwierane(o.otwierane, true);
    QWidget* okno = nullptr;
    // The panel and the data window show the current regulator: without one there is nothing to show.
    if (tworz && regulatorAktualny(m_uslugi))
        okno = tworz();
    if (!okno) {
        zaznacz(o.elementy, false);
        return;
    }
    // Both are fixed-size windows: a frame without minimise and maximise buttons, which also
    // leaves their narrow title bars room for the regulator's code.
    o.podokno = OknoPodrzedne::pokaz(m_obszar, okno, OknoPodrzedne::kStaleOkno);
}

void PrzelaczanieOkien::zamknij(Okno& o)
{
    // Taken first: closing runs the window's own close, which comes back here.
    QPointer<QMdiSubWindow> podokno = std::exchange(o.podokno, nullptr);
    if (podokno && !podokno->close()) {
        o.podokno = podokno;
        zaznacz(o.elementy, true);
    }
}

// With no current regulator there is nothing to monitor: the toggle stays released.
void PrzelaczanieOkien::UstawMonitoring(bool Wlacz)
{
    clRegulator* r = regulatorAktualny(m_uslugi);
    zaznacz(m_monitoring, r && Wlacz);
    if (!r)
        return;
    r->Monitoring = Wlacz;
    m_uslugi.oBD->ZapiszDoLoga(Wlacz ? QStringLiteral("Włączono monitoring")
                                     : QStringLiteral("Wyłączono monitoring"),
                               QStringLiteral("N"), QStringLiteral("M"), r->Kod);
}
