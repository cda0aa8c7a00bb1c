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

    // The key of a node that carries a name (a regulator's code, an element's name, a stage):
    // its tag, a bar, then the name. No tag holds the bar, so nodes of different tags never
    // share a key, whatever the names, and no such key is one of the fixed keys without a bar
    // ("Korzen", "Reg").
    static QString KluczWezla(const QString& znacznik, const QString& nazwa);

  protected:
    OknoDrzewa(const QString& tytul, QWidget* parent);
    bool eventFilter(QObject* obiekt, QEvent* event) override;

    QTreeWidget* m_tree;
    bool PrawyPrzycisk = false;
};
