#include "fmGlowny.h"

#include "Baza.h"
#include "CzekanieNaPort.h"
#include "IWizual.h"
#include "IkonyGlowne.h"
#include "Interfaces.h"
#include "MenuGlowne.h"
#include "OdczytHistorii.h"
#include "OknaModalne.h"
#include "PetlaOdczytow.h"
#include "PoTakcie.h"
#include "PoleStanu.h"
#include "PortQt.h"
#include "StraznikPortu.h"
#include "Twipy.h"
#include "Uslugi.h"
#include "clsBD.h"
#include "clsoApp.h"
#include "frmOptions.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QMdiArea>
#include <QStatusBar>
#include <QTimer>

namespace {

struct OpisPanelu
{
    const char* podpowiedz;
    int szerokoscTwipy; // 0: panel 1 takes the remaining width, panel 5 fits its contents
};

constexpr OpisPanelu kPanele[] = {
    {"Aktualny stan Kalbora", 0}, {"Monitoring", 1940}, {"Alarmy", 529},
    {"Komunikacja", 529},         {"Tryb pracy", 0},    {"Aktualny czas", 1411},
};

} // namespace

fmGlowny::fmGlowny(Uslugi& uslugi, PortQt& port, QWidget* parent)
    : QMainWindow(parent), m_uslugi(uslugi), m_port(port),
      m_straznik(std::make_unique<StraznikPortu>(uslugi, port)), m_obszar(new QMdiArea(this)),
      m_menu(new MenuGlowne(uslugi, *this, *m_obszar)), m_petla(new PetlaOdczytow(uslugi, *m_straznik, this))
{
    setWindowTitle(kTytulAplikacji);
    setWindowIcon(IkonyGlowne::obraz(QStringLiteral("Regul")));
    setCentralWidget(m_obszar);
    resize(1024, 720);
    WybierzPort = [this] {
        OknaModalne::Otworz(*m_uslugi.poTakcie, QStringLiteral("Opcje programu"), [this] {
            frmOptions opcje(m_uslugi, this);
            OknaModalne::Exec(*m_uslugi.poTakcie, opcje);
        });
    };
    m_uslugi.poTakcie->ZmianaCzekajacych = [this](const QStringList& nazwy) { pokazCzekajace(nazwy); };
    if (m_uslugi.odczyty)
        m_uslugi.odczyty->ZmianaTrwajacych = [this](const QStringList& nazwy) { pokazTrwajace(nazwy); };
    m_menu->Koniec = [this] { ZapytajOZakonczenie(); };
    m_straznik->PokazStan = [this](const QString& tekst) { UstawTekstPanelu(PanelStanu::Stan, tekst); };
    createStatusBar();
    createTimers();
    connect(m_petla, &PetlaOdczytow::czas, this, &fmGlowny::pokazCzas);
}

fmGlowny::~fmGlowny()
{
    m_uslugi.poTakcie->ZmianaCzekajacych = nullptr;
    pokazCzekajace({});
    if (m_uslugi.odczyty)
        m_uslugi.odczyty->ZmianaTrwajacych = nullptr;
    pokazTrwajace({});
}

void fmGlowny::createStatusBar()
{
    for (size_t i = 0; i < m_panele.size(); ++i) {
        auto* pole = new PoleStanu(statusBar());
        pole->setObjectName(QStringLiteral("panel%1").arg(i + 1));
        pole->setToolTip(QString::fromUtf8(kPanele[i].podpowiedz));
        if (kPanele[i].szerokoscTwipy > 0)
            pole->setFixedWidth(twipyNaPiksele(kPanele[i].szerokoscTwipy, this));
        if (i == 0)
            statusBar()->addWidget(pole, 1);
        else
            statusBar()->addPermanentWidget(pole);
        m_panele[i] = pole;
    }
    statusBar()->setSizeGripEnabled(false);
    UstawTekstPanelu(PanelStanu::Stan, QStringLiteral("Stan"));
    UstawTekstPanelu(PanelStanu::TrybPracy, QStringLiteral("normalny"));
    UstawTekstPanelu(PanelStanu::Monitoring, QStringLiteral("Monitoring"));
    UstawObrazPanelu(PanelStanu::Monitoring, IkonyGlowne::ImageList1(IkonyGlowne::kWskaznikWolny));
    UstawObrazPanelu(PanelStanu::Komunikacja, IkonyGlowne::ImageList1(IkonyGlowne::kWskaznikWolny));
}

void fmGlowny::createTimers()
{
    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(1000);
    connect(m_timer2, &QTimer::timeout, this, &fmGlowny::Timer2_Timer);
    // Runs from the start, silent until an alarm is active.
    m_timer3 = new QTimer(this);
    m_timer3->setObjectName(QStringLiteral("Timer3"));
    m_timer3->setInterval(3000);
    connect(m_timer3, &QTimer::timeout, this, &fmGlowny::Timer3_Timer);
    m_timer3->start();
}

void fmGlowny::Zaladuj()
{
    otworzPort();
    m_uslugi.oApp->Znakdaty = QStringLiteral("#");
    m_uslugi.oBD->ZapiszDoLoga(QStringLiteral("Start aplikacji"), QStringLiteral("N"), QStringLiteral("L"),
                               {});
}

// There is no way out but a port that opens: the program cannot supervise without its line.
void fmGlowny::otworzPort()
{
    for (;;) {
        m_uslugi.oApp->WczytajOpcje();
        const QString blad = m_straznik->Otworz(m_uslugi.oApp->UrzadzeniePortu());
        if (blad.isEmpty())
            return;
        CzekanieNaPort czekanie(m_uslugi, *m_straznik);
        m_uslugi.komunikaty->Pokaz(QStringLiteral("Błąd otwarcia portu szeregowego: ") + blad + u'\r' +
                                       QStringLiteral("Proszę zmienić nr portu."),
                                   kTytulAplikacji, Komunikaty::Ikona::Krytyczna);
        if (!m_port.Otwarty())
            WybierzPort();
        if (m_port.Otwarty())
            return;
    }
}

// While a window waits for the tick's end, or a long read of the history runs, the status line
// names it over the progress texts.
void fmGlowny::UstawTekstPanelu(PanelStanu panel, const QString& tekst)
{
    if (panel == PanelStanu::Stan) {
        m_tekstStanu = tekst;
        return pokazStan();
    }
    m_panele[size_t(panel) - 1]->UstawTekst(tekst);
}

void fmGlowny::pokazStan()
{
    const QString& tekst = !m_czekajace.isEmpty()  ? m_czekajace
                           : !m_trwajace.isEmpty() ? m_trwajace
                                                   : m_tekstStanu;
    m_panele[size_t(PanelStanu::Stan) - 1]->UstawTekst(tekst);
}

// The busy cursor while something the operator asked for is on its way; each such thing holds
// one of the cursors on the application's stack.
void fmGlowny::kursorZajety(bool byl, bool jest)
{
    if (byl == jest)
        return;
    if (jest)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    else
        QApplication::restoreOverrideCursor();
}

// A report, a chart or the archive's day is being read while the polling goes on.
void fmGlowny::pokazTrwajace(const QStringList& nazwy)
{
    kursorZajety(!m_trwajace.isEmpty(), !nazwy.isEmpty());
    m_trwajace = nazwy.isEmpty() ? QString() : QStringLiteral("Odczyt z bazy danych: ") + nazwy.join(u", ");
    pokazStan();
}

// Shows at once that a request was taken, though its window opens only when the tick ends.
void fmGlowny::pokazCzekajace(const QStringList& nazwy)
{
    kursorZajety(!m_czekajace.isEmpty(), !nazwy.isEmpty());
    m_czekajace =
        nazwy.isEmpty() ? QString() : QStringLiteral("Czeka na koniec odczytu: ") + nazwy.join(u", ");
    pokazStan();
}

void fmGlowny::UstawObrazPanelu(PanelStanu panel, const QPixmap& obraz)
{
    m_panele[size_t(panel) - 1]->UstawObraz(obraz);
}

void fmGlowny::UstawMiganieAlarmu(bool wlacz)
{
    // Re-enabling a running timer would restart its interval and hold the blink.
    if (wlacz != m_timer2->isActive())
        wlacz ? m_timer2->start() : m_timer2->stop();
}

void fmGlowny::UstawPowtarzanieAlarmu(bool wlacz)
{
    if (wlacz != m_timer3->isActive())
        wlacz ? m_timer3->start() : m_timer3->stop();
}

void fmGlowny::Timer2_Timer()
{
    if (m_uslugi.oApp->IloscAktywnychAlarmow <= 0)
        return;
    const bool pokazany = Panel(PanelStanu::Alarmy).maObraz();
    UstawObrazPanelu(PanelStanu::Alarmy, pokazany ? QPixmap() : IkonyGlowne::obraz(QStringLiteral("blysk")));
}

void fmGlowny::Timer3_Timer()
{
    if (m_uslugi.oApp->IloscAktywnychAlarmow > 0)
        m_uslugi.oWizual->GrajDzwiek(QStringLiteral("alarm.wav"));
}

void fmGlowny::pokazCzas(const QString& czas)
{
    if (Panel(PanelStanu::Czas).tekst() != czas)
        UstawTekstPanelu(PanelStanu::Czas, czas);
}

// Never asked inside a close: a window still closing takes no further close, and a request made
// after the question was cancelled, but before its loop has returned under a tick, would be lost.
// An OK counts the moment it is given, though a tick running inside the question returns its
// loop only later: the closing starts at once, so the operator sees it and a further request
// asks nothing.
void fmGlowny::ZapytajOZakonczenie()
{
    OknaModalne::Otworz(*m_uslugi.poTakcie, QStringLiteral("Koniec programu"), [this] {
        if (m_zamkniecieZatwierdzone)
            return;
        OknaModalne::Pytaj(*m_uslugi.poTakcie, this, QStringLiteral("Koniec programu"),
                           QStringLiteral("Czy zakończyć działanie programu Kalbor?"), [this](bool ok) {
                               if (ok)
                                   ZakonczBezPytania();
                           });
    });
}

void fmGlowny::ZakonczBezPytania()
{
    m_zamkniecieZatwierdzone = true;
    close();
}

// A close is first asked, right after this close has returned; a confirmed one asked for during
// a tick is put off to the tick's end, and the status line names it under a busy cursor until
// then, so Unload never takes the port or the database from under a reading.
void fmGlowny::closeEvent(QCloseEvent* event)
{
    if (!m_zamkniecieZatwierdzone) {
        event->ignore();
        QMetaObject::invokeMethod(this, &fmGlowny::ZapytajOZakonczenie, Qt::QueuedConnection);
        return;
    }
    if (m_uslugi.poTakcie->TrwaTakt()) {
        event->ignore();
        m_uslugi.poTakcie->Wykonaj(
            QStringLiteral("Koniec programu"), [this] { close(); }, QStringLiteral("zamknięcie"));
        return;
    }
    Unload();
    event->accept();
}

void fmGlowny::Unload()
{
    m_petla->Wylacz();
    m_timer2->stop();
    m_timer3->stop();
    m_port.Zamknij();
    m_uslugi.oBD->ZapiszWszystkieZalegle();
    m_uslugi.oBD->ZapiszDoLoga(QStringLiteral("Zatrzymanie aplikacji"), QStringLiteral("N"),
                               QStringLiteral("L"), {});
    // The event log is in the file that refused them: whoever restarts the program unattended
    // learns of the gap from the standard error output (and the exit status).
    if (const QString niezapisane = m_uslugi.oBD->RaportNiezapisanych(); !niezapisane.isEmpty())
        qCritical().noquote() << niezapisane;
    m_uslugi.cnBaza->Zamknij();
}
