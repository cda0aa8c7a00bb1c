#pragma once

#include <deque>
#include <functional>

// Operator actions that open a modal window (a login, a question, a message, a report preview).
// Such a window runs an event loop of its own until the operator closes it. Reached from a reply
// wait inside a tick of the main loop, it would hold that tick, and with it every reading, the
// monitoring and the alarm checks, for as long as it stays open. So while a tick runs these
// actions are kept, in the order they came, and carried out right after the tick has ended and
// the main loop has been re-armed; the following ticks then run inside the window's own loop.
class PoTakcie
{
  public:
    // At once between ticks; at the end of the running tick otherwise.
    void Wykonaj(std::function<void()> akcja);
    bool TrwaTakt() const { return m_trwaTakt; }

    // Called by the main loop around each tick.
    void PoczatekTaktu() { m_trwaTakt = true; }
    void KoniecTaktu();

  private:
    bool m_trwaTakt = false;
    std::deque<std::function<void()>> m_odlozone;
};
