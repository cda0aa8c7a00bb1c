#pragma once

#include <QMdiArea>
#include <QMdiSubWindow>

// A working window of the main window lives once: opening it again brings the open one
// forward, and closing its sub-window destroys it.
namespace OknoPodrzedne {

// Null when no sub-window of the area shows a window of that class.
QMdiSubWindow* znajdz(const QMdiArea& obszar, const QMetaObject& klasa);
// Puts a new window in a sub-window of the area, shows it and makes it the active one. A size
// given to the window beforehand is its designed inner size and stays so in the sub-window,
// also for a window without a layout, which has no size hint for the sub-window to take.
QMdiSubWindow* pokaz(QMdiArea& obszar, QWidget* okno, Qt::WindowFlags flagi = {});

// The open window of class Okno brought forward, or a new one made by tworz() and shown;
// null when tworz() could not make one.
template <typename Okno, typename Tworz>
Okno* otworz(QMdiArea& obszar, Tworz tworz, Qt::WindowFlags flagi = {})
{
    if (QMdiSubWindow* podokno = znajdz(obszar, Okno::staticMetaObject)) {
        obszar.setActiveSubWindow(podokno);
        return static_cast<Okno*>(podokno->widget());
    }
    Okno* okno = tworz();
    if (okno)
        pokaz(obszar, okno, flagi);
    return okno;
}

} // namespace OknoPodrzedne
