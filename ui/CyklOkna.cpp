#include "CyklOkna.h"

#include <QEvent>
#include <QWidget>

CyklOkna::CyklOkna(QWidget* okno, std::function<void()> zaladuj, std::function<void()> zwolnij)
    : QObject(okno), m_zaladuj(std::move(zaladuj)), m_zwolnij(std::move(zwolnij))
{
    okno->installEventFilter(this);
}

bool CyklOkna::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    // The flag changes before the handler runs: a handler that shows or closes the window again
    // (the main window's toggles do) finds the new state and does not start it a second time.
    if (zdarzenie->type() == QEvent::Show && !m_zaladowane) {
        m_zaladowane = true;
        m_zaladuj();
    } else if (zdarzenie->type() == QEvent::Close && m_zaladowane) {
        m_zaladowane = false;
        m_zwolnij();
    }
    return QObject::eventFilter(obiekt, zdarzenie);
}
