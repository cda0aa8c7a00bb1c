#include "fmStruktura.h"

#include "Baza.h"
#include "IWizual.h"
#include "ObrazSvg.h"
#include "ObrazkiDrzewa.h"
#include "OknoPodrzedne.h"
#include "Uslugi.h"
#include "ZasobyOkien.h"
#include "clRegulator.h"
#include "clsoApp.h"
#include "colRegulatory.h"

#include <QCursor>
#include <QMenu>
#include <QSqlQuery>
#include <QTreeWidget>

const QString fmStruktura::kZnacznikElementu = QStringLiteral("S");
const QString fmStruktura::kZnacznikRegulatora = QStringLiteral("R");

namespace {

const QString kKluczKorzenia = QStringLiteral("Korzen");
const QString kKorzen = QStringLiteral("System Kalbor");

// The window's image list, 1-based.
enum Obraz
{
    kObrazKorzenia = 1,
    kObrazElementu,
    kObrazRegulatora
};

constexpr int kRolaKlucza = Qt::UserRole;
constexpr int kRolaZnacznika = Qt::UserRole + 1;

QIcon ImageList1(int obraz)
{
    switch (obraz) {
    case kObrazKorzenia:
        return ObrazkiDrzewa::ImageList1(ObrazkiDrzewa::kKorzen);
    case kObrazRegulatora:
        return ObrazkiDrzewa::ImageList1(ObrazkiDrzewa::kRegulator);
    default:
        zarejestrujZasobyOkien();
        return QIcon(obrazSvg(QStringLiteral(":/struktura/element.svg")));
    }
}
} // namespace

fmStruktura::fmStruktura(Uslugi& uslugi, QWidget* parent)
    : OknoDrzewa(QStringLiteral("Struktura"), parent), m_uslugi(uslugi)
{
    connect(m_tree, &QTreeWidget::itemPressed, this, &fmStruktura::Tree_NodeClick);
    LadujObiekty();
}

fmStruktura* fmStruktura::Otworz(QMdiArea& obszar, Uslugi& uslugi, QMenu* menu)
{
    const auto tworz = [&uslugi, menu] {
        auto* okno = new fmStruktura(uslugi);
        okno->PokazMenu = [menu] { menu->popup(QCursor::pos()); };
        return okno;
    };
    fmStruktura* okno = OknoPodrzedne::otworzStale<fmStruktura>(obszar, tworz);
    okno->parentWidget()->setWindowIcon(ImageList1(kObrazKorzenia));
    return okno;
}

// Every row first becomes a child of the root; the second pass moves each below its parent,
// so a child may come before its parent in the table. Rows come sorted by parent name, those
// of one parent in the order they were stored.
void fmStruktura::LadujObiekty()
{
    m_tree->clear();
    m_wezly.clear();
    QTreeWidgetItem* korzen = dodajWezel(nullptr, kKluczKorzenia, kKorzen, kObrazKorzenia, kZnacznikElementu);
    const QList<Wiersz> wiersze = wczytajWiersze();
    for (const Wiersz& w : wiersze) {
        const QString z = znacznik(w);
        dodajWezel(korzen, KluczWezla(z, w.kod), w.kod,
                   z == kZnacznikRegulatora ? kObrazRegulatora : kObrazElementu, z);
    }
    for (const Wiersz& w : wiersze)
        umiesc(w, korzen);
    m_tree->collapseAll();
    korzen->setExpanded(true);
}

// A row naming the root by its text stands for nothing of its own.
QList<fmStruktura::Wiersz> fmStruktura::wczytajWiersze() const
{
    QSqlQuery q(m_uslugi.cnBaza->db());
    q.setForwardOnly(true);
    q.exec(QStringLiteral("SELECT kod_obiektu, typ, kod_obiektu_nad FROM Hierarchia "
                          "ORDER BY kod_obiektu_nad, rowid"));
    QList<Wiersz> wiersze;
    while (q.next()) {
        Wiersz w{q.value(0).toString(), q.value(1).toString(), q.value(2).toString()};
        if (w.kod != kKorzen)
            wiersze << w;
    }
    q.finish();
    return wiersze;
}

QString fmStruktura::znacznik(const Wiersz& w)
{
    return w.typ == kZnacznikRegulatora ? kZnacznikRegulatora : kZnacznikElementu;
}

QTreeWidgetItem* fmStruktura::WezelNazwy(const QString& nazwa) const
{
    QTreeWidgetItem* element = Wezel(KluczWezla(kZnacznikElementu, nazwa));
    return element ? element : Wezel(KluczWezla(kZnacznikRegulatora, nazwa));
}

QTreeWidgetItem* fmStruktura::dodajWezel(QTreeWidgetItem* rodzic, const QString& klucz, const QString& tekst,
                                         int obraz, const QString& znacznik)
{
    auto* wezel = rodzic ? new QTreeWidgetItem(rodzic) : new QTreeWidgetItem(m_tree);
    wezel->setText(0, tekst);
    wezel->setIcon(0, ImageList1(obraz));
    wezel->setData(0, kRolaKlucza, klucz);
    wezel->setData(0, kRolaZnacznika, znacznik);
    if (!m_wezly.contains(klucz))
        m_wezly.insert(klucz, wezel);
    return wezel;
}

// A parent named by no row of its own becomes an element below the root, which later rows
// naming it find. Names are looked up among the named nodes only: a row naming "Korzen" as
// its parent means an element of that name, not the root.
void fmStruktura::umiesc(const Wiersz& w, QTreeWidgetItem* korzen)
{
    QTreeWidgetItem* rodzic = WezelNazwy(w.nad);
    if (!rodzic)
        rodzic = w.nad == kKorzen ? korzen
                                  : dodajWezel(korzen, KluczWezla(kZnacznikElementu, w.nad), w.nad,
                                               kObrazElementu, kZnacznikElementu);
    przenies(Wezel(KluczWezla(znacznik(w), w.kod)), rodzic);
}

// The node goes last below its new parent, with its children. A row naming itself or an
// element below it as parent would close a cycle: its node stays where it is.
void fmStruktura::przenies(QTreeWidgetItem* wezel, QTreeWidgetItem* rodzic)
{
    for (const QTreeWidgetItem* w = rodzic; w; w = w->parent()) {
        if (w == wezel)
            return;
    }
    QTreeWidgetItem* stary = wezel->parent();
    stary->takeChild(stary->indexOfChild(wezel));
    rodzic->addChild(wezel);
}

QString fmStruktura::Znacznik(const QTreeWidgetItem* wezel)
{
    return wezel->data(0, kRolaZnacznika).toString();
}

QString fmStruktura::WezListeRegul(const QString& Key) const
{
    const QTreeWidgetItem* wezel = Wezel(Key);
    return wezel ? listaRegul(wezel) : QString();
}

// The tree may hold a current node that the operator never selected (focus alone gives one).
QString fmStruktura::WezListeRegulAkt() const
{
    const QList<QTreeWidgetItem*> wybrane = m_tree->selectedItems();
    return wybrane.isEmpty() ? QString() : listaRegul(wybrane.first());
}

// Walks the nodes themselves rather than looking children up by text, so a row that repeats
// the root's key cannot send the walk round in a circle.
QString fmStruktura::listaRegul(const QTreeWidgetItem* wezel)
{
    if (Znacznik(wezel) != kZnacznikElementu)
        return wezel->text(0);
    QStringList czesci;
    for (int i = 0; i < wezel->childCount(); ++i) {
        const QTreeWidgetItem* dziecko = wezel->child(i);
        const QString czesc =
            Znacznik(dziecko) == kZnacznikRegulatora ? u'\'' + dziecko->text(0) + u'\'' : listaRegul(dziecko);
        if (!czesc.isEmpty())
            czesci << czesc;
    }
    return czesci.join(u',');
}

// Tree_MouseDown: the tree window notes the button before the tree turns the press into a node click.
// The regulator's number stays as it was when an element is chosen.
void fmStruktura::Tree_NodeClick(QTreeWidgetItem* wezel)
{
    if (Znacznik(wezel) == kZnacznikRegulatora) {
        if (!wybierzRegulator(wezel))
            return;
    } else {
        m_uslugi.oApp->AktElStruktury = wezel->text(0);
        m_uslugi.oApp->AktTypEl = kZnacznikElementu;
    }
    if (PrawyPrzycisk && PokazMenu)
        PokazMenu();
}

// A regulator of the table that start-up did not load (deleted, or not of type "regulator")
// cannot become current: its node changes nothing.
bool fmStruktura::wybierzRegulator(const QTreeWidgetItem* wezel)
{
    const clRegulator* r = nullptr;
    try {
        r = &m_uslugi.oRegulatory->Item(wezel->text(0));
    } catch (const BladKolekcji&) {
        return false;
    }
    clsoApp& app = *m_uslugi.oApp;
    app.NrAktRegulatora = r->Id;
    app.AktElStruktury = wezel->text(0);
    app.AktTypEl = kZnacznikRegulatora;
    m_uslugi.oWizual->eZmianaRegulatora(r->Id);
    return true;
}
