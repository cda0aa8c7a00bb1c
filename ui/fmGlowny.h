#pragma once

#include "CeleWizual.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class MenuGlowne;
class PetlaOdczytow;
class PoleStanu;
class PortQt;
class QMdiArea;
class QTimer;
class StraznikPortu;
struct Uslugi;

// The program's frame window "Kalbor": the area of the child windows, the menus and toolbar, the
// status bar that the notification object writes, the main loop (Timer1), the blinking alarm icon
// (Timer2) and the repeated alarm sound (Timer3). It opens the serial port at load and closes the
// port and the database when the operator ends the program.
class fmGlowny : public QMainWindow, public OknoGlowneWizual
{
    Q_OBJECT
  public:
    fmGlowny(Uslugi& uslugi, PortQt& port, QWidget* parent = nullptr);
    ~fmGlowny() override;

    // The window's load: opens the serial port, offering the options after every failure until
    // a port opens (the saved port is tried meanwhile, and once it opens the waiting window is
    // closed), then sets the SQL date delimiter and records the start in the event log.
    void Zaladuj();
    // The options dialog of the port loop, shown modally; the next attempt reads the settings
    // again, so a port saved there is tried at once.
    std::function<void()> WybierzPort;

    // Plik → Koniec, the close box, the window manager's close: the exit question, asked when
    // no tick runs; each request gets its answer until one is OK, after which the program is
    // closing and nothing more is asked.
    void ZapytajOZakonczenie();
    // Ends the program as a confirmed close, without the exit question (the system's request
    // to stop); during a tick it is carried out when the tick has ended.
    void ZakonczBezPytania();

    QMdiArea* Obszar() const { return m_obszar; }
    MenuGlowne& Menu() const { return *m_menu; }
    PetlaOdczytow& Timer1() const { return *m_petla; }
    const PoleStanu& Panel(PanelStanu panel) const { return *m_panele[size_t(panel) - 1]; }

    void UstawTekstPanelu(PanelStanu panel, const QString& tekst) override;
    void UstawObrazPanelu(PanelStanu panel, const QPixmap& obraz) override;
    void UstawMiganieAlarmu(bool wlacz) override;
    void UstawPowtarzanieAlarmu(bool wlacz) override;

    // Timer2: shows or hides the alarm icon while an alarm is active.
    void Timer2_Timer();
    // Timer3: the alarm sound while an alarm is active.
    void Timer3_Timer();

  protected:
    // Asks before closing, whatever starts it; never inside a tick of the main loop, which still
    // uses the port, the database and the regulators.
    void closeEvent(QCloseEvent* event) override;

  private:
    void createStatusBar();
    void createTimers();
    void otworzPort();
    void pokazCzas(const QString& czas);
    void pokazCzekajace(const QStringList& nazwy);
    void pokazTrwajace(const QStringList& nazwy);
    void pokazStan();
    static void kursorZajety(bool byl, bool jest);
    void Unload();

    Uslugi& m_uslugi;
    PortQt& m_port;
    std::unique_ptr<StraznikPortu> m_straznik; // keeps the port in service
    QMdiArea* m_obszar;
    MenuGlowne* m_menu;
    std::array<PoleStanu*, 6> m_panele{};
    PetlaOdczytow* m_petla;
    QTimer* m_timer2 = nullptr;
    QTimer* m_timer3 = nullptr;
    bool m_zamkniecieZatwierdzone = false; // asked and confirmed, or the system's stop: no question
    QString m_tekstStanu;                  // the status line's progress text
    QString m_czekajace;                   // what waits for the tick's end, shown over it
    QString m_trwajace;                    // the long reads of the history running, shown over it
};
