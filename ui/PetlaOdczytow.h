#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <functional>

class StraznikPortu;
class clRegulator;
struct Uslugi;

// The main loop (the main window's Timer1): each tick writes the clock, retries the database
// writes kept while the file refused them, keeps the serial line in service (a lost device
// reopened), runs the due periodic readings, one queued operator command and the monitoring
// readings. The timer is off while a tick runs and re-armed at its
// end, so ticks never overlap even though serial waits inside a tick let other window events
// run; a tick starts 100 ms after the previous one ended. Actions that open a modal window and
// came during a tick are carried out at its end (PoTakcie).
class PetlaOdczytow : public QObject
{
    Q_OBJECT
  public:
    static constexpr int kOkresMs = 100;

    PetlaOdczytow(Uslugi& uslugi, StraznikPortu& straznik, QObject* parent = nullptr);

    // Timer1.Enabled.
    void Wlacz() { m_timer.start(); }
    void Wylacz() { m_timer.stop(); }
    bool Wlaczona() const { return m_timer.isActive(); }

    // Timer1_Timer. A step that fails in a way its own operation does not handle is written
    // to the event log; the tick goes on and the timer is re-armed all the same.
    void Takt();

  signals:
    // The clock text "hh:mm:ss" of this tick.
    void czas(const QString& tekst);

  private:
    void odczytyOkresowe();
    void monitoring();
    void krok(const QString& opis, const QString& kodRegulatora, const std::function<void()>& f);

    Uslugi& m_uslugi;
    StraznikPortu& m_straznik;
    QTimer m_timer;
    QDateTime m_teraz; // the tick's start, given to the monitoring readings
};
