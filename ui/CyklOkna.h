#pragma once

#include <QObject>
#include <functional>

class QWidget;

// The Load and Unload of a child window that opens and closes with the operator. Load runs
// when the window is shown while not loaded, Unload when it closes while loaded, so each runs
// once per opening whichever way the window is shown or closed: its own close, the close box
// of the sub-window that holds it, or a toggle of the main window closing it a second time.
class CyklOkna : public QObject
{
  public:
    CyklOkna(QWidget* okno, std::function<void()> zaladuj, std::function<void()> zwolnij);

    bool Zaladowane() const { return m_zaladowane; }

  protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

  private:
    std::function<void()> m_zaladuj;
    std::function<void()> m_zwolnij;
    bool m_zaladowane = false;
};
