#include "OknoPodrzedne.h"

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
    QMdiSubWindow* podokno = obszar.addSubWindow(okno, flagi);
    podokno->setAttribute(Qt::WA_DeleteOnClose);
    podokno->show();
    // Shown is not yet active while the main window itself is hidden.
    obszar.setActiveSubWindow(podokno);
    return podokno;
}

} // namespace OknoPodrzedne
