#pragma once

#include "OknoDrzewa.h"

#include <QHash>
#include <functional>

class QMdiArea;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;
struct Uslugi;

// The plant structure "Struktura": the elements of table Hierarchia as a tree below the root
// "System Kalbor", holding further elements and regulators. A click makes the element or the
// regulator the operator's choice; a right click also pops up the structure menu with the
// reports. The structure reports ask it for the regulators below an element.
class fmStruktura : public OknoDrzewa
{
    Q_OBJECT
  public:
    explicit fmStruktura(Uslugi& uslugi, QWidget* parent = nullptr);

    // Opens the window as a sub-window of the area with a fixed border, or brings the open one
    // forward; a right click pops up `menu`.
    static fmStruktura* Otworz(QMdiArea& obszar, Uslugi& uslugi, QMenu* menu);

    // Pops up the structure menu; set by whoever owns the menus.
    std::function<void()> PokazMenu;

    // Rebuilds the tree from the table.
    void LadujObiekty();
    // The regulator codes below the node with key Key, depth first in tree order, each between
    // single quotes, separated by commas ('K1','K2'); a regulator node gives its bare code, an
    // unknown key or an element without regulators an empty text.
    QString WezListeRegul(const QString& Key) const;
    // The same for the selected node; empty when none is selected.
    QString WezListeRegulAkt() const;

    // Null for a key no node has.
    QTreeWidgetItem* Wezel(const QString& klucz) const { return m_wezly.value(klucz); }
    // The element or regulator node of that name (the name a row of the table gives it); null
    // when there is none. The root is no named node.
    QTreeWidgetItem* WezelNazwy(const QString& nazwa) const;

    static const QString kZnacznikElementu;   // "S", the root's tag too
    static const QString kZnacznikRegulatora; // "R"
    static QString Znacznik(const QTreeWidgetItem* wezel);

  private:
    struct Wiersz
    {
        QString kod;
        QString typ;
        QString nad;
    };
    QList<Wiersz> wczytajWiersze() const;
    static QString znacznik(const Wiersz& w);
    QTreeWidgetItem* dodajWezel(QTreeWidgetItem* rodzic, const QString& klucz, const QString& tekst,
                                int obraz, const QString& znacznik);
    void umiesc(const Wiersz& w, QTreeWidgetItem* korzen);
    static void przenies(QTreeWidgetItem* wezel, QTreeWidgetItem* rodzic);
    static QString listaRegul(const QTreeWidgetItem* wezel);
    void Tree_NodeClick(QTreeWidgetItem* wezel);
    bool wybierzRegulator(const QTreeWidgetItem* wezel);

    Uslugi& m_uslugi;
    // The first node given a key; keys are unique while names are unique in the table.
    QHash<QString, QTreeWidgetItem*> m_wezly;
};
