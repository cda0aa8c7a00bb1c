#pragma once

#include <QMdiArea>
#include <QMdiSubWindow>

// A working window of the main window lives once: opening it again brings the open one
// forward, and closing its sub-window destroys it.
namespace OknoPodrzedne {

// The frame of a fixed-size window: a title, the window menu ("Zamknij", Ctrl+F4) and the close
// box, no minimise or maximise button.
inline constexpr Qt::WindowFlags kStaleOkno = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// Null when no sub-window of the area shows a window of that class.
QMdiSubWindow* znajdz(const QMdiArea& obszar, const QMetaObject& klasa);
// Puts a new window in a sub-window of the area, shows it and makes it the active one. A size
// given to the window beforehand is its designed inner size and stays so in the sub-window,
// also for a window without a layout, which has no size hint for the sub-window to take.
// It is placed inside the visible part of the area.
QMdiSubWindow* pokaz(QMdiArea& obszar, QWidget* okno, Qt::WindowFlags flagi = {});
// Moves the sub-window into the visible part of its area, as far as it fits there, its top left
// corner first; call it again after giving the sub-window another size.
void wWidoku(QMdiSubWindow& podokno);

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

// The same with the frame of a fixed-size window, held at the size its contents ask for.
template <typename Okno, typename Tworz> Okno* otworzStale(QMdiArea& obszar, Tworz tworz)
{
    Okno* okno = otworz<Okno>(obszar, tworz, kStaleOkno);
    if (okno) {
        QWidget* podokno = okno->parentWidget();
        podokno->setFixedSize(podokno->sizeHint().expandedTo(podokno->size()));
        wWidoku(*static_cast<QMdiSubWindow*>(podokno));
    }
    return okno;
}

} // namespace OknoPodrzedne
