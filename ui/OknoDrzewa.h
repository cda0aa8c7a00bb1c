#pragma once

#include <QWidget>

class QTreeWidget;

// A window that is one tree filling it, as both the regulator tree and the plant-structure
// tree are. It remembers whether the last press on the tree was the right button, because a
// node click pops up a menu only then.
class OknoDrzewa : public QWidget
{
    Q_OBJECT
  public:
    QTreeWidget* Tree() const { return m_tree; }

  protected:
    OknoDrzewa(const QString& tytul, QWidget* parent);
    bool eventFilter(QObject* obiekt, QEvent* event) override;

    QTreeWidget* m_tree;
    bool PrawyPrzycisk = false;
};
