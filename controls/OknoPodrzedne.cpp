#include "OknoPodrzedne.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

namespace OknoPodrzedne {

QMdiSubWindow* znajdz(const QMdiArea& obszar, const QMetaObject& klasa)
{
    for (QMdiSubWindow* podokno : obszar.subWindowList()) {
        if (podokno->widget() && podokno->widget()->metaObject()->inherits(&klasa))
            return podokno;
    }
    return nullptr;
}

namespace {

// The sub-window's "Zamknij" takes the platform's close keys, which on X11 desktops are Ctrl+W
// alone; Ctrl+F4 closes a child window on every platform, as the window menu says.
void zamykajCtrlF4(QMdiSubWindow& podokno)
{
    const QList<QKeySequence> zamknij = QKeySequence::keyBindings(QKeySequence::Close);
    const QKeySequence ctrlF4(Qt::CTRL | Qt::Key_F4);
    if (!podokno.systemMenu() || zamknij.contains(ctrlF4))
        return;
    for (QAction* a : podokno.systemMenu()->actions()) {
        if (!zamknij.isEmpty() && a->shortcuts() == zamknij)
            a->setShortcuts(QList<QKeySequence>{ctrlF4} + zamknij);
    }
}

} // namespace

QMdiSubWindow* pokaz(QMdiArea& obszar, QWidget* okno, Qt::WindowFlags flagi)
{
    const QSize wnetrze = okno->testAttribute(Qt::WA_Resized) ? okno->size() : QSize();
    QMdiSubWindow* podokno = obszar.addSubWindow(okno, flagi);
    podokno->setAttribute(Qt::WA_DeleteOnClose);
    zamykajCtrlF4(*podokno);
    podokno->show();
    // Shown, the sub-window has laid out its frame around the window.
    if (wnetrze.isValid())
        podokno->resize(podokno->size() - okno->size() + wnetrze);
    wWidoku(*podokno);
    // Shown is not yet active while the main window itself is hidden.
    obszar.setActiveSubWindow(podokno);
    return podokno;
}

void wWidoku(QMdiSubWindow& podokno)
{
    const QMdiArea* obszar = podokno.mdiArea();
    if (!obszar)
        return;
    const QSize widok = obszar->viewport()->size();
    const QPoint miejsce(std::clamp(podokno.x(), 0, std::max(0, widok.width() - podokno.width())),
                         std::clamp(podokno.y(), 0, std::max(0, widok.height() - podokno.height())));
    podokno.move(miejsce);
}

} // namespace OknoPodrzedne
