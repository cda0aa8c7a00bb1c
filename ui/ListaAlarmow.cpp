#include "ListaAlarmow.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>

ListaAlarmow::ListaAlarmow(QWidget* parent) : QAbstractItemView(parent)
{
    m_naglowek = new QHeaderView(Qt::Horizontal, this);
    m_naglowek->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_naglowek->setSectionsMovable(true);
    m_naglowek->setFirstSectionMovable(false);
    const auto przeliczIRysuj = [this] {
        updateGeometries();
        viewport()->update();
    };
    connect(m_naglowek, &QHeaderView::sectionResized, this, przeliczIRysuj);
    connect(m_naglowek, &QHeaderView::sectionMoved, this, przeliczIRysuj);
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollMode(ScrollPerPixel);
}

void ListaAlarmow::setModel(QAbstractItemModel* model)
{
    QAbstractItemView::setModel(model);
    m_naglowek->setModel(model);
    m_wysokosc = 0;
}

void ListaAlarmow::reset()
{
    QAbstractItemView::reset();
    m_wysokosc = 0;
    updateGeometries();
}

int ListaAlarmow::liczbaWierszy() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int ListaAlarmow::wysokoscWiersza() const
{
    if (m_wysokosc <= 0 && liczbaWierszy() > 0)
        m_wysokosc = sizeHintForRow(0);
    return m_wysokosc;
}

int ListaAlarmow::widoczneWiersze() const
{
    const int h = wysokoscWiersza();
    return h > 0 ? std::max(1, viewport()->height() / h) : 0;
}

// The row under a height of the viewport; -1 where there is none.
int ListaAlarmow::wierszW(int y) const
{
    const int h = wysokoscWiersza();
    if (h <= 0 || y < 0)
        return -1;
    const int wiersz = verticalScrollBar()->value() + y / h;
    return wiersz < liczbaWierszy() ? wiersz : -1;
}

QRect ListaAlarmow::visualRect(const QModelIndex& index) const
{
    if (!index.isValid() || index.parent() != rootIndex())
        return {};
    const int h = wysokoscWiersza();
    return QRect(m_naglowek->sectionViewportPosition(index.column()),
                 (index.row() - verticalScrollBar()->value()) * h, m_naglowek->sectionSize(index.column()),
                 h);
}

void ListaAlarmow::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    QScrollBar* pion = verticalScrollBar();
    const int widoczne = widoczneWiersze();
    const int wiersz = index.row();
    if (hint == PositionAtTop || (hint == EnsureVisible && wiersz < pion->value()))
        pion->setValue(wiersz);
    else if (hint == PositionAtBottom || (hint == EnsureVisible && wiersz >= pion->value() + widoczne))
        pion->setValue(wiersz - widoczne + 1);
    else if (hint == PositionAtCenter)
        pion->setValue(wiersz - widoczne / 2);

    QScrollBar* poziom = horizontalScrollBar();
    const int lewa = m_naglowek->sectionPosition(index.column());
    const int prawa = lewa + m_naglowek->sectionSize(index.column());
    if (lewa < poziom->value())
        poziom->setValue(lewa);
    else if (prawa > poziom->value() + viewport()->width())
        poziom->setValue(std::min(lewa, prawa - viewport()->width()));
}

QModelIndex ListaAlarmow::indexAt(const QPoint& point) const
{
    const int wiersz = wierszW(point.y());
    const int kolumna = m_naglowek->logicalIndexAt(point.x());
    if (wiersz < 0 || kolumna < 0)
        return {};
    return model()->index(wiersz, kolumna, rootIndex());
}

QModelIndex ListaAlarmow::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers)
{
    const int wiersze = liczbaWierszy();
    if (wiersze == 0)
        return {};
    const QModelIndex biezacy = currentIndex();
    // The current row is framed while the list has the focus, as in a tree view.
    const bool zFokusem = (hasFocus() || viewport()->hasFocus()) && biezacy.isValid();
    const int kolumna = biezacy.isValid() ? biezacy.column() : 0;
    int wiersz = biezacy.isValid() ? biezacy.row() : 0;
    switch (cursorAction) {
    case MoveUp:
    case MovePrevious:
        --wiersz;
        break;
    case MoveDown:
    case MoveNext:
        wiersz += biezacy.isValid() ? 1 : 0;
        break;
    case MovePageUp:
        wiersz -= widoczneWiersze();
        break;
    case MovePageDown:
        wiersz += widoczneWiersze();
        break;
    case MoveHome:
        wiersz = 0;
        break;
    case MoveEnd:
        wiersz = wiersze - 1;
        break;
    default:
        break;
    }
    return model()->index(std::clamp(wiersz, 0, wiersze - 1), kolumna, rootIndex());
}

int ListaAlarmow::horizontalOffset() const
{
    return horizontalScrollBar()->value();
}

int ListaAlarmow::verticalOffset() const
{
    return verticalScrollBar()->value() * wysokoscWiersza();
}

bool ListaAlarmow::isIndexHidden(const QModelIndex&) const
{
    return false;
}

// Whole rows, from the row at the top of the rectangle to the one at its bottom.
void ListaAlarmow::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command)
{
    const int wiersze = liczbaWierszy();
    if (wiersze == 0)
        return;
    const QRect r = rect.normalized();
    const int h = std::max(1, wysokoscWiersza());
    const int pierwszy = std::clamp(verticalScrollBar()->value() + r.top() / h, 0, wiersze - 1);
    const int ostatni = std::clamp(verticalScrollBar()->value() + r.bottom() / h, 0, wiersze - 1);
    const int kolumny = model()->columnCount(rootIndex());
    const QItemSelection wybor(model()->index(pierwszy, 0, rootIndex()),
                               model()->index(ostatni, kolumny - 1, rootIndex()));
    selectionModel()->select(wybor, command);
}

QRegion ListaAlarmow::visualRegionForSelection(const QItemSelection& selection) const
{
    QRegion obszar;
    const int pierwszy = verticalScrollBar()->value();
    const int ostatni = pierwszy + widoczneWiersze();
    const int h = wysokoscWiersza();
    for (const QItemSelectionRange& zakres : selection) {
        const int od = std::max(zakres.top(), pierwszy);
        const int doWiersza = std::min(zakres.bottom(), ostatni);
        if (od <= doWiersza)
            obszar += QRect(0, (od - pierwszy) * h, viewport()->width(), (doWiersza - od + 1) * h);
    }
    return obszar;
}

// Only the rows in view are drawn, each cell by the item delegate, the selected row whole.
void ListaAlarmow::paintEvent(QPaintEvent*)
{
    const int h = wysokoscWiersza();
    if (h <= 0)
        return;
    QPainter p(viewport());
    QStyleOptionViewItem opcje;
    initViewItemOption(&opcje);
    const int pierwszy = verticalScrollBar()->value();
    const int ostatni = std::min(liczbaWierszy(), pierwszy + widoczneWiersze() + 1);
    const QModelIndex biezacy = currentIndex();
    // The current row is framed while the list has the focus, as in a tree view.
    const bool zFokusem = (hasFocus() || viewport()->hasFocus()) && biezacy.isValid();
    for (int wiersz = pierwszy; wiersz < ostatni; ++wiersz) {
        const int y = (wiersz - pierwszy) * h;
        const bool wybrany = selectionModel() && selectionModel()->isRowSelected(wiersz, rootIndex());
        for (int kolumna = 0; kolumna < m_naglowek->count(); ++kolumna) {
            const QModelIndex index = model()->index(wiersz, kolumna, rootIndex());
            opcje.rect = visualRect(index);
            opcje.state.setFlag(QStyle::State_Selected, wybrany);
            itemDelegateForIndex(index)->paint(&p, opcje, index);
        }
        if (zFokusem && biezacy.row() == wiersz) {
            QStyleOptionFocusRect ramka;
            ramka.initFrom(this);
            ramka.state |= QStyle::State_KeyboardFocusChange;
            ramka.backgroundColor = palette().color(wybrany ? QPalette::Highlight : QPalette::Window);
            ramka.rect = QRect(-horizontalOffset(), y, m_naglowek->length(), h);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &ramka, &p, this);
        }
    }
}

void ListaAlarmow::updateGeometries()
{
    const QSize naglowek = m_naglowek->sizeHint();
    setViewportMargins(0, naglowek.height(), 0, 0);
    const QRect vg = viewport()->geometry();
    m_naglowek->setGeometry(vg.left(), vg.top() - naglowek.height(), vg.width(), naglowek.height());

    const int widoczne = widoczneWiersze();
    verticalScrollBar()->setRange(0, std::max(0, liczbaWierszy() - widoczne));
    verticalScrollBar()->setPageStep(std::max(1, widoczne));
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setRange(0, std::max(0, m_naglowek->length() - vg.width()));
    horizontalScrollBar()->setPageStep(vg.width());
    horizontalScrollBar()->setSingleStep(20);
    QAbstractItemView::updateGeometries();
}

void ListaAlarmow::scrollContentsBy(int, int)
{
    m_naglowek->setOffset(horizontalScrollBar()->value());
    viewport()->update();
}

// Only the scroll range changes; the rows in view are drawn again if the new ones are among them.
void ListaAlarmow::rowsInserted(const QModelIndex& parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    if (start <= verticalScrollBar()->value() + widoczneWiersze())
        viewport()->update();
}
