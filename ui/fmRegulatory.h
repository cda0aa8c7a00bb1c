#pragma once

#include "CeleWizual.h"
#include "Interfaces.h"
#include "OknoDrzewa.h"

#include <QHash>
#include <QWidget>
#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QTreeWidget;
class QTreeWidgetItem;
class clRegulator;
class clsWizual;
struct Uslugi;

// The main window's pop-up menus that the tree shows on a right click.
enum class MenuPodreczne
{
    Regulator, // popmnuRegul
    Baza,      // mnuBaza
    Stopien    // mnuRegulBat
};

// The regulator tree "Regulatory": every regulator with its nine capacitor stages, the
// operator's way of choosing the current regulator and stage. It is open for the whole run and
// refuses to close, because the notification object and the alarm register draw on its nodes.
class fmRegulatory : public OknoDrzewa, public DrzewoWizual, public DrzewoRegulatorow
{
    Q_OBJECT
  public:
    // Registers itself as the tree of the notification object and of the alarm register.
    fmRegulatory(Uslugi& uslugi, clsWizual& wizual, QWidget* parent = nullptr);
    ~fmRegulatory() override;

    // Creates the window as a sub-window of the main window's area, at its design place, with a
    // fixed border and no close, minimise or maximise buttons.
    static fmRegulatory* OtworzW(QMdiArea* obszar, Uslugi& uslugi, clsWizual& wizual);

    // The keys of a regulator's node and of its stage node n; the notification object and the
    // alarm register find the nodes by the same keys. The stage's name is the code, "_b" and the
    // stage number by the plain conversion ("KB-01_b 3").
    static QString KluczRegulatora(const QString& kod);
    static QString KluczStopnia(const QString& kod, int n);

    // Shows the main window's pop-up menu; set by whoever owns the menus.
    std::function<void(MenuPodreczne)> PokazMenu;

    void LadujObiekty();
    // Null for a key no node has.
    QTreeWidgetItem* Wezel(const QString& klucz) const { return m_wezly.value(klucz); }

    int ObrazWezla(const QString& klucz) const override;
    void UstawObrazWezla(const QString& klucz, int obraz) override;
    void UstawKolorWezla(const QString& klucz, const QColor& kolor) override;
    void UstawAlarmWezla(const QString& kodRegulatora, bool alarm) override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QTreeWidgetItem* dodajWezel(QTreeWidgetItem* rodzic, const QString& klucz, const QString& tekst,
                                int obraz, const QString& znacznik, int id = 0);
    clRegulator& regulatorWezla(const QTreeWidgetItem* wezel) const;
    void Tree_NodeClick(QTreeWidgetItem* wezel);
    void kliknietoRegulator(const QTreeWidgetItem* wezel);
    void kliknietoStopien(QTreeWidgetItem* wezel);
    void pokazMenu(MenuPodreczne menu);

    Uslugi& m_uslugi;
    clsWizual& m_wizual;
    QHash<QString, QTreeWidgetItem*> m_wezly;
};
