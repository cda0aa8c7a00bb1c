#pragma once

#include <QAbstractItemView>

class QHeaderView;

// A flat list of rows of one height under a header of columns, for the alarm register that
// grows for the whole run: a row added at the end costs the same however many rows the list
// holds, as the list keeps no per-row layout (a tree view lays out every row again). Rows are
// selected whole, one at a time; a double-click reports its row.
class ListaAlarmow : public QAbstractItemView
{
    Q_OBJECT
  public:
    explicit ListaAlarmow(QWidget* parent = nullptr);

    QHeaderView* header() const { return m_naglowek; }
    void setModel(QAbstractItemModel* model) override;

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;

  protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex& index) const override;
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;

    void paintEvent(QPaintEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void rowsInserted(const QModelIndex& parent, int start, int end) override;
    void reset() override;

  private:
    int wysokoscWiersza() const;
    int wierszW(int y) const;
    int liczbaWierszy() const;
    int widoczneWiersze() const;

    QHeaderView* m_naglowek = nullptr;
    mutable int m_wysokosc = 0; // of every row, taken from the first row once there is one
};
