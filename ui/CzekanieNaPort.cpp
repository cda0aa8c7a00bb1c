#include "CzekanieNaPort.h"

#include "StraznikPortu.h"
#include "Uslugi.h"
#include "clsoApp.h"

#include <QApplication>
#include <QDialog>

CzekanieNaPort::CzekanieNaPort(Uslugi& uslugi, StraznikPortu& straznik)
    : m_uslugi(uslugi), m_straznik(straznik)
{
    m_timer.setInterval(kSprawdzanieMs);
    connect(&m_timer, &QTimer::timeout, this, &CzekanieNaPort::sprobuj);
    m_timer.start();
}

// The settings are read again for each attempt, so a port the operator has already applied in
// the dialog is the one tried.
void CzekanieNaPort::sprobuj()
{
    if (!m_straznik.ProbaNalezna())
        return;
    m_uslugi.oApp->WczytajOpcje();
    if (!m_straznik.Otworz(m_uslugi.oApp->UrzadzeniePortu()).isEmpty())
        return;
    m_timer.stop();
    // No tick runs yet: the only window waiting for the operator is the port loop's own.
    if (auto* okno = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
        okno->reject();
}
