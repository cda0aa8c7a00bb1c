#include "Wykres.h"

#include <QCategoryAxis>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QValueAxis>
#include <cmath>

namespace {

// Room a row label needs along the axis: its own width and a gap of two digits, so that the
// chart never shortens a label to make it fit.
double szerokoscEtykiety(const QFont& czcionka, const QStringList& etykiety)
{
    const QFontMetricsF miara(czcionka);
    double najszersza = 0;
    for (const QString& e : etykiety)
        najszersza = std::max(najszersza, miara.horizontalAdvance(e));
    return najszersza + 2 * miara.horizontalAdvance(u'0');
}

} // namespace

Wykres::Wykres(QWidget* parent)
    : QChartView(parent), m_osKategorii(new QCategoryAxis), m_osWartosci(new QValueAxis)
{
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->setVisible(false);
    chart()->legend()->setAlignment(Qt::AlignRight);
    m_osKategorii->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    chart()->addAxis(m_osKategorii, Qt::AlignBottom);
    chart()->addAxis(m_osWartosci, Qt::AlignLeft);
}

void Wykres::setRepaint(bool wlacz)
{
    m_wstrzymany = !wlacz;
    zmieniono();
}

void Wykres::setRowCount(int n)
{
    m_etykietyWierszy.resize(n);
    for (auto& kolumna : m_dane)
        kolumna.resize(size_t(n));
    zmieniono();
}

void Wykres::setColumnCount(int n)
{
    m_dane.resize(size_t(n), std::vector<std::optional<double>>(size_t(RowCount())));
    m_etykietyKolumn.resize(n);
    m_szerokosciPiora.resize(size_t(n), 1);
    zmieniono();
}

QString Wykres::TitleText() const
{
    return chart()->title();
}

void Wykres::setTitleText(const QString& tekst)
{
    chart()->setTitle(tekst);
}

bool Wykres::ShowLegend() const
{
    return chart()->legend()->isVisible();
}

void Wykres::setShowLegend(bool pokaz)
{
    chart()->legend()->setVisible(pokaz);
    // The legend takes its room from the plot area, and with it from the row labels.
    if (!m_wstrzymany)
        opiszKategorie();
}

void Wykres::setColumnLabel(int c, const QString& tekst)
{
    m_etykietyKolumn[c - 1] = tekst;
    zmieniono();
}

void Wykres::setRowLabel(int r, const QString& tekst)
{
    m_etykietyWierszy[r - 1] = tekst;
    zmieniono();
}

void Wykres::SetData(int r, int c, double wartosc)
{
    m_dane.at(size_t(c - 1)).at(size_t(r - 1)) = wartosc;
    zmieniono();
}

QString Wykres::AxisTitle(Os os) const
{
    return os == Os::Kategorii ? m_osKategorii->titleText() : m_osWartosci->titleText();
}

void Wykres::setAxisTitle(Os os, const QString& tekst)
{
    os == Os::Kategorii ? m_osKategorii->setTitleText(tekst) : m_osWartosci->setTitleText(tekst);
}

bool Wykres::AxisGrid(Os os) const
{
    return os == Os::Kategorii ? m_osKategorii->isGridLineVisible() : m_osWartosci->isGridLineVisible();
}

void Wykres::setAxisGrid(Os os, bool widoczna)
{
    os == Os::Kategorii ? m_osKategorii->setGridLineVisible(widoczna)
                        : m_osWartosci->setGridLineVisible(widoczna);
}

void Wykres::setSeriesPenWidth(int c, int szerokosc)
{
    m_szerokosciPiora.at(size_t(c - 1)) = szerokosc;
    zmieniono();
}

void Wykres::resizeEvent(QResizeEvent* e)
{
    QChartView::resizeEvent(e);
    // While redrawing is suspended the labels belong to the picture still shown.
    if (!m_wstrzymany)
        opiszKategorie();
}

void Wykres::zmieniono()
{
    if (!m_wstrzymany)
        odswiez();
}

// Row r sits at x = r - 1; a cell without a value leaves its point out.
void Wykres::odswiez()
{
    chart()->removeAllSeries();
    double min = 0.0;
    double max = 0.0;
    for (size_t c = 0; c < m_dane.size(); ++c) {
        auto* seria = new QLineSeries;
        seria->setName(m_etykietyKolumn.at(qsizetype(c)));
        for (size_t r = 0; r < m_dane[c].size(); ++r) {
            if (const auto& v = m_dane[c][r]) {
                seria->append(double(r), *v);
                min = std::min(min, *v);
                max = std::max(max, *v);
            }
        }
        seria->setPointsVisible(true);
        seria->setMarkerSize(4);
        chart()->addSeries(seria);
        QPen pioro = seria->pen();
        pioro.setWidth(m_szerokosciPiora[c]);
        seria->setPen(pioro);
        seria->attachAxis(m_osKategorii);
        seria->attachAxis(m_osWartosci);
    }
    m_osWartosci->setRange(min, max > min ? max : min + 1.0);
    m_osWartosci->applyNiceNumbers();
    opiszKategorie();
}

// Every row is a category, but only as many labels are written as fit along the plot area,
// which the legend and the value labels leave narrower than the chart.
void Wykres::opiszKategorie()
{
    for (const QString& etykieta : m_osKategorii->categoriesLabels())
        m_osKategorii->remove(etykieta);
    const int n = RowCount();
    m_osKategorii->setRange(-0.5, std::max(n, 1) - 0.5);
    // A chart drawn before its window is shown has not yet been given the view's size.
    if (chart()->size() != QSizeF(size()))
        chart()->resize(size());
    chart()->layout()->activate();
    const double naWiersz = chart()->plotArea().width() / std::max(n, 1);
    const double potrzeba = szerokoscEtykiety(m_osKategorii->labelsFont(), m_etykietyWierszy);
    const int krok = std::max(1, int(std::ceil(potrzeba / std::max(naWiersz, 1.0))));
    for (int r = 0; r < n; r += krok)
        m_osKategorii->append(m_etykietyWierszy.at(r), r);
    // The chart otherwise places its axis texts only once the event loop comes round, and a
    // picture taken before that shows no labels and the axis title in the top corner.
    chart()->layout()->activate();
}
