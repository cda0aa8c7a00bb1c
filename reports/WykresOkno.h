#pragma once

#include "OdczytHistorii.h"
#include "WykresZapytania.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QFrame;
class QPushButton;
class Wykres;
struct Uslugi;

// What the daily and the periodic chart window share: the chart above a tool strip with the
// quantity, the regulator, the arrows, the draw button, the legend and the grid choice. The
// window reads the stored readings and writes nothing; choosing a regulator, quantity or date
// changes nothing on the chart until it is drawn. The readings are read away from the polling.
class WykresOkno : public QWidget
{
    Q_OBJECT
  public:
    // Draws the chart for the window's current choices. Asked for while the readings of a drawing
    // are being read, the chart is drawn for the choices of then once that read has ended.
    void btnWykresl_Click();

  protected:
    // The designed inner size and the tool strip's left edge and width, in twips.
    struct Projekt
    {
        QSize wnetrze;
        int lewaNarzedzi;
        int szerokoscNarzedzi;
        QString podpowiedzWykresl;
        QString podpowiedzLewo;
        QString podpowiedzPrawo;
    };

    WykresOkno(Uslugi& uslugi, Projekt projekt, QWidget* parent);
    // Builds the tool strip with the window's own date controls first, then loads the choices.
    void zbuduj(const QList<QWidget*>& daty);

    // The read of the chart's rows for the regulator at `adres` and the window's dates; it runs
    // away from the window.
    using Zapytanie = std::function<std::vector<WierszWykresu>(const QSqlDatabase&)>;
    virtual Zapytanie Wczytaj(int adres) const = 0;
    // " z dnia ..." or " za okres od ... do ..." after the regulator's code in the title.
    virtual QString Okres() const = 0;
    virtual QString TytulOsiWartosci(bool energia) const = 0;
    // One step of the arrows: -1 back, +1 on.
    virtual void Przesun(int kierunek) = 0;

    // Selects a grid choice as the operator would.
    void WybierzSiatke(const QString& tekst);
    Uslugi& uslugi() const { return m_uslugi; }

    void resizeEvent(QResizeEvent* e) override;

  private:
    void utworzNarzedzia(const QList<QWidget*>& daty);
    void Form_Load();
    void Form_Resize();
    void rysuj(const std::vector<WierszWykresu>& wiersze);
    void wypelnij(const std::vector<WierszWykresu>& wiersze, bool energia);
    void chkLegenda_Click();
    void cmbSiatka_Click();

    Uslugi& m_uslugi;
    Projekt m_projekt;
    Wykres* m_wykres;
    QFrame* m_narzedzia = nullptr;
    QComboBox* m_wyswietl = nullptr;
    QComboBox* m_regul = nullptr;
    QPushButton* m_wykresl = nullptr;
    QCheckBox* m_legenda = nullptr;
    QComboBox* m_siatka = nullptr;
    OdczytHistorii m_odczyt;
    bool m_ponownie = false;
};
