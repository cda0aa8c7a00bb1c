#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

// Operator actions that open a modal window (a login, a question, a message, a report preview,
// the print dialog). Such a window runs an event loop of its own until the operator closes it.
// Reached from a reply wait inside a tick of the main loop, it would hold that tick, and with it
// every reading, the monitoring and the alarm checks, for as long as it stays open. So while a
// tick runs these actions are kept, in the order they came, and carried out right after the tick
// has ended and the main loop has been re-armed; the following ticks then run inside the
// window's own loop.
//
// Each action names the window it opens. A request for a window that already waits takes the
// waiting one's place, so an impatient operator repeating a click gets one window, showing his
// last choice. Whoever shows the operator what waits is told each time the list changes.
class PoTakcie
{
  public:
    // At once between ticks; at the end of the running tick otherwise. `klucz` tells which
    // requests are one window; empty, the name does.
    void Wykonaj(const QString& nazwa, std::function<void()> akcja, const QString& klucz = {});
    bool TrwaTakt() const { return m_trwaTakt; }

    // Called with the names of the windows waiting for the tick's end, in the order they will
    // open, whenever they change. Each is taken off the list just before it opens, so the list
    // is empty when the last of them opens.
    std::function<void(const QStringList&)> ZmianaCzekajacych;

    // Called by the main loop around each tick.
    void PoczatekTaktu() { m_trwaTakt = true; }
    void KoniecTaktu();

  private:
    struct Odlozona
    {
        QString nazwa;
        QString klucz;
        std::function<void()> akcja;
    };
    QStringList czekajace() const;
    void zglosZmiane() const;

    bool m_trwaTakt = false;
    std::deque<Odlozona> m_odlozone;
};
