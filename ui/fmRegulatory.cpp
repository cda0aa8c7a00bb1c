#include "fmRegulatory.h"

#include "IWizual.h"
#include "ObrazkiDrzewa.h"
#include "OknoPodrzedne.h"
#include "TextFormat.h"
#include "Uslugi.h"
#include "clRegulator.h"
#include "clsWizual.h"
#include "clsoApp.h"
#include "colRegulatory.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeWidget>

namespace {
constexpr int kStopnie = 9;

// What a node carries besides its text.
constexpr int kRolaObrazu = Qt::UserRole;
constexpr int kRolaZnacznika = Qt::UserRole + 1;
constexpr int kRolaKlucza = Qt::UserRole + 2;
constexpr int kRolaRegulatora = Qt::UserRole + 3; // Id of the regulator of a regulator or stage node

const QString kZnacznikRegulatora = QStringLiteral("R");
const QString kZnacznikGrupy = QStringLiteral("RR");
const QString kZnacznikStopnia = QStringLiteral("B");
} // namespace

fmRegulatory::fmRegulatory(Uslugi& uslugi, clsWizual& wizual, QWidget* parent)
    : OknoDrzewa(QStringLiteral("Regulatory"), parent), m_uslugi(uslugi), m_wizual(wizual)
{
    connect(m_tree, &QTreeWidget::itemPressed, this, &fmRegulatory::Tree_NodeClick);
    LadujObiekty();
    m_wizual.Cele().drzewo = this;
    m_uslugi.drzewo = this;
}

fmRegulatory::~fmRegulatory()
{
    if (m_wizual.Cele().drzewo == this)
        m_wizual.Cele().drzewo = nullptr;
    if (m_uslugi.drzewo == this)
        m_uslugi.drzewo = nullptr;
}

fmRegulatory* fmRegulatory::OtworzW(QMdiArea* obszar, Uslugi& uslugi, clsWizual& wizual)
{
    auto* okno = new fmRegulatory(uslugi, wizual);
    const Qt::WindowFlags bezPrzyciskow = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    QMdiSubWindow* podokno = OknoPodrzedne::pokaz(*obszar, okno, bezPrzyciskow);
    podokno->setWindowIcon(ObrazkiDrzewa::ImageList1(ObrazkiDrzewa::kGrupa));
    podokno->move(0, 0);
    podokno->setFixedSize(podokno->size());
    return okno;
}

QString fmRegulatory::KluczRegulatora(const QString& kod)
{
    return KluczWezla(kZnacznikRegulatora, kod);
}

QString fmRegulatory::KluczStopnia(const QString& kod, int n)
{
    return KluczWezla(kZnacznikStopnia, kod + QStringLiteral("_b") + TextFormat::plain(n));
}

void fmRegulatory::LadujObiekty()
{
    m_tree->clear();
    m_wezly.clear();
    QTreeWidgetItem* korzen = dodajWezel(nullptr, QStringLiteral("Korzen"), QStringLiteral("System Kalbor"),
                                         ObrazkiDrzewa::kKorzen, {});
    QTreeWidgetItem* grupa = dodajWezel(korzen, QStringLiteral("Reg"), QStringLiteral("Regulatory"),
                                        ObrazkiDrzewa::kGrupa, kZnacznikGrupy);
    for (const clRegulator& r : *m_uslugi.oRegulatory) {
        QTreeWidgetItem* regulator = dodajWezel(grupa, KluczRegulatora(r.Kod), r.Kod,
                                                ObrazkiDrzewa::kRegulator, kZnacznikRegulatora, r.Id);
        for (int n = 1; n <= kStopnie; ++n)
            dodajWezel(regulator, KluczStopnia(r.Kod, n), QStringLiteral("stopień ") + TextFormat::plain(n),
                       ObrazkiDrzewa::kStopienWyl, kZnacznikStopnia, r.Id);
    }
    korzen->setExpanded(true);
    grupa->setExpanded(true);
}

// Codes are unique in the collection, so with the tag in every named key no two nodes share one.
QTreeWidgetItem* fmRegulatory::dodajWezel(QTreeWidgetItem* rodzic, const QString& klucz, const QString& tekst,
                                          int obraz, const QString& znacznik, int id)
{
    auto* wezel = rodzic ? new QTreeWidgetItem(rodzic) : new QTreeWidgetItem(m_tree);
    wezel->setText(0, tekst);
    wezel->setData(0, kRolaKlucza, klucz);
    wezel->setData(0, kRolaZnacznika, znacznik);
    wezel->setData(0, kRolaObrazu, obraz);
    wezel->setIcon(0, ObrazkiDrzewa::ImageList1(obraz));
    wezel->setData(0, kRolaRegulatora, id);
    m_wezly.insert(klucz, wezel);
    return wezel;
}

clRegulator& fmRegulatory::regulatorWezla(const QTreeWidgetItem* wezel) const
{
    return m_uslugi.oRegulatory->Item(wezel->data(0, kRolaRegulatora).toInt());
}

int fmRegulatory::ObrazWezla(const QString& klucz) const
{
    const QTreeWidgetItem* wezel = Wezel(klucz);
    return wezel ? wezel->data(0, kRolaObrazu).toInt() : 0;
}

void fmRegulatory::UstawObrazWezla(const QString& klucz, int obraz)
{
    if (QTreeWidgetItem* wezel = Wezel(klucz)) {
        wezel->setData(0, kRolaObrazu, obraz);
        wezel->setIcon(0, ObrazkiDrzewa::ImageList1(obraz));
    }
}

void fmRegulatory::UstawKolorWezla(const QString& klucz, const QColor& kolor)
{
    if (QTreeWidgetItem* wezel = Wezel(klucz))
        wezel->setForeground(0, kolor);
}

void fmRegulatory::UstawAlarmWezla(const QString& kodRegulatora, bool alarm)
{
    // Back to the window's own colour, as the window had it when the alarm came.
    if (QTreeWidgetItem* wezel = Wezel(KluczRegulatora(kodRegulatora)))
        wezel->setBackground(0, alarm ? QColor(Qt::red) : palette().color(QPalette::Window));
}

// The notification object and the alarm register draw on the nodes for the whole run.
void fmRegulatory::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void fmRegulatory::Tree_NodeClick(QTreeWidgetItem* wezel)
{
    const QString znacznik = wezel->data(0, kRolaZnacznika).toString();
    if (znacznik == kZnacznikRegulatora)
        kliknietoRegulator(wezel);
    else if (znacznik == kZnacznikGrupy && PrawyPrzycisk)
        pokazMenu(MenuPodreczne::Baza);
    else if (znacznik == kZnacznikStopnia)
        kliknietoStopien(wezel);
}

void fmRegulatory::kliknietoRegulator(const QTreeWidgetItem* wezel)
{
    const clRegulator& r = regulatorWezla(wezel);
    clsoApp& app = *m_uslugi.oApp;
    app.NrAktRegulatora = r.Id;
    app.AktElStruktury.clear();
    app.AktTypEl = kZnacznikRegulatora;
    m_uslugi.oWizual->eZmianaRegulatora(r.Id);
    if (PrawyPrzycisk)
        pokazMenu(MenuPodreczne::Regulator);
}

void fmRegulatory::kliknietoStopien(QTreeWidgetItem* wezel)
{
    clRegulator& r = regulatorWezla(wezel);
    const QString klucz = wezel->data(0, kRolaKlucza).toString();
    const bool innyRegulator = m_uslugi.oApp->NrAktRegulatora != r.Id;
    m_uslugi.oApp->NrAktRegulatora = r.Id;
    r.NrAktBaterii = quint8(klucz.back().digitValue());
    // The open panel and data window show the regulator their buttons now act on.
    if (innyRegulator)
        m_uslugi.oWizual->eZmianaRegulatora(r.Id);
    m_uslugi.oWizual->eZmianaBaterii(r.Id, r.NrAktBaterii);
    if (PrawyPrzycisk)
        pokazMenu(MenuPodreczne::Stopien);
}

void fmRegulatory::pokazMenu(MenuPodreczne menu)
{
    if (PokazMenu)
        PokazMenu(menu);
}
