#include "OknoDrzewa.h"

#include "Nazwany.h"
#include "Twipy.h"

#include <QMouseEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const QSize kRozmiar(2895, 5055); // twips
}

OknoDrzewa::OknoDrzewa(const QString& tytul, QWidget* parent)
    : QWidget(parent), m_tree(nazwany<QTreeWidget>(QStringLiteral("Tree")))
{
    setWindowTitle(tytul);
    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(m_tree);
    m_tree->setHeaderHidden(true);
    m_tree->setIconSize(QSize(16, 16));
    m_tree->viewport()->installEventFilter(this);
    resize(twipyNaPiksele(kRozmiar, this));
}

QString OknoDrzewa::KluczWezla(const QString& znacznik, const QString& nazwa)
{
    return znacznik + u'|' + nazwa;
}

// Tree_MouseDown: the press reaches this filter before the tree turns it into a node click.
bool OknoDrzewa::eventFilter(QObject* obiekt, QEvent* event)
{
    if (obiekt == m_tree->viewport() && event->type() == QEvent::MouseButtonPress)
        PrawyPrzycisk = static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
    return QWidget::eventFilter(obiekt, event);
}
