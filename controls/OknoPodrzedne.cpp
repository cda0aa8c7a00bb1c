#include "OknoPodrzedne.h"

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

QMdiSubWindow* pokaz(QMdiArea& obszar, QWidget* okno, Qt::WindowFlags flagi)
{
    const QSize wnetrze = okno->testAttribute(Qt::WA_Resized) ? okno->size() : QSize();
    QMdiSubWindow* podokno = obszar.addSubWindow(okno, flagi);
    podokno->setAttribute(Qt::WA_DeleteOnClose);
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
