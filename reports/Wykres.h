#pragma once

#include <QChartView>
#include <QStringList>
#include <optional>
#include <vector>

class QCategoryAxis;
class QValueAxis;

// The chart of the chart windows: a data grid of rows (categories along the horizontal axis,
// each with one label) and columns (one line series each, named by its label in the legend).
// Rows and columns count from 1. A cell never set has no value and the line skips it.
class Wykres final : public QChartView
{
    Q_OBJECT
  public:
    enum class Os
    {
        Kategorii = 0, // the horizontal axis of the rows
        Wartosci = 1,  // the value axis
    };

    explicit Wykres(QWidget* parent = nullptr);

    // Filling the grid with redrawing suspended rebuilds the picture once, when it is resumed.
    void setRepaint(bool wlacz);

    int RowCount() const { return int(m_etykietyWierszy.size()); }
    void setRowCount(int n);
    int ColumnCount() const { return int(m_dane.size()); }
    void setColumnCount(int n);

    QString TitleText() const;
    void setTitleText(const QString& tekst);
    bool ShowLegend() const;
    void setShowLegend(bool pokaz);

    QString ColumnLabel(int c) const { return m_etykietyKolumn.at(c - 1); }
    void setColumnLabel(int c, const QString& tekst);
    QString RowLabel(int r) const { return m_etykietyWierszy.at(r - 1); }
    void setRowLabel(int r, const QString& tekst);
    std::optional<double> Data(int r, int c) const { return m_dane.at(c - 1).at(r - 1); }
    void SetData(int r, int c, double wartosc);

    QString AxisTitle(Os os) const;
    void setAxisTitle(Os os, const QString& tekst);
    bool AxisGrid(Os os) const;
    void setAxisGrid(Os os, bool widoczna);
    void setSeriesPenWidth(int c, int szerokosc);

  protected:
    void resizeEvent(QResizeEvent* e) override;

  private:
    void zmieniono();
    void opiszKategorie();
    void odswiez();

    std::vector<std::vector<std::optional<double>>> m_dane; // by column, then row
    QStringList m_etykietyKolumn;
    QStringList m_etykietyWierszy;
    std::vector<int> m_szerokosciPiora; // by column
    QCategoryAxis* m_osKategorii;
    QValueAxis* m_osWartosci;
    bool m_wstrzymany = false;
};
