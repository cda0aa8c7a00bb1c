#pragma once

#include <QPageLayout>
#include <QScrollArea>

class ArkuszStrony;
class RaportWydruk;

// One page of a report on its sheet, in a view that scrolls when the sheet is larger than the
// view. The sheet is drawn whole in the view, as wide as the view, or at a percentage of its
// size on paper. Only the page shown is painted, so a long report scrolls as fast as a short one.
// The wheel and the page keys scroll the sheet; past its top or bottom they ask for the
// neighbouring page.
class WidokStrony : public QScrollArea
{
    Q_OBJECT
  public:
    enum class Powiekszenie
    {
        CalaStrona,
        SzerokoscStrony,
        Procent,
    };

    WidokStrony(const RaportWydruk& raport, QWidget* rodzic = nullptr);

    // The sheet and its printable area, as the printer is set up.
    void UstawArkusz(const QPageLayout& arkusz);
    // Shows page `nr`, from its top, or from its bottom when coming back from the next page.
    void UstawStrone(int nr, bool odDolu = false);
    void UstawPowiekszenie(Powiekszenie tryb, double procent = 100);
    // Zooms by `kroki` steps of a quarter, in (positive) or out, from the size now shown.
    void Powieksz(double kroki);
    Powiekszenie Tryb() const { return m_tryb; }
    // The size shown, in percent of the sheet's size on paper.
    double Procent() const;
    // Scrolls a view's height up (-1) or down (+1), or asks for the neighbouring page when the
    // sheet is already at that edge.
    void Przewin(int kierunek);
    // Where the sheet lies in the view.
    QRect Kartka() const;

  signals:
    void PoprosonoOStrone(int kierunek);
    void ZmienionoPowiekszenie();

  protected:
    void resizeEvent(QResizeEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

  private:
    double pikseleNaTwip() const;
    void dopasuj();

    ArkuszStrony* m_arkusz;
    Powiekszenie m_tryb = Powiekszenie::CalaStrona;
    double m_procent = 100;
    int m_obrot = 0; // wheel angle gathered at a sheet's edge, in eighths of a degree
};
