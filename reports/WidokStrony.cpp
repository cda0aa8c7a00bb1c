#include "WidokStrony.h"

#include "RaportWydruk.h"
#include "Twipy.h"

#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kOdstep = 8;        // pixels of background around the sheet
constexpr int kObrotNaKrok = 120; // eighths of a degree in one notch of a mouse wheel
constexpr double kKrokPowiekszenia = 1.25;
constexpr double kNajmniejProcent = 10;
constexpr double kNajwiecejProcent = 800;

} // namespace

// The sheet at the view's scale with one page of the report on it.
class ArkuszStrony : public QWidget
{
  public:
    explicit ArkuszStrony(const RaportWydruk& raport) : m_raport(raport) {}

    QSizeF Arkusz() const { return m_arkusz; }
    void UstawArkusz(const QPageLayout& arkusz)
    {
        m_arkusz = arkusz.fullRectPoints().size() * kTwipyNaPunkt;
        m_margines = arkusz.paintRectPoints().topLeft() * kTwipyNaPunkt;
    }
    void UstawSkale(double pikseleNaTwip)
    {
        m_skala = pikseleNaTwip;
        resize(Kartka().size() + QSize(2 * kOdstep, 2 * kOdstep));
        update();
    }
    void UstawNumer(int nr)
    {
        m_nr = nr;
        update();
    }
    // The sheet in the widget's coordinates.
    QRect Kartka() const
    {
        return QRect(kOdstep, kOdstep, int(std::lround(m_arkusz.width() * m_skala)),
                     int(std::lround(m_arkusz.height() * m_skala)));
    }

  protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_raport.LiczbaStron() == 0 || m_skala <= 0)
            return;
        QPainter p(this);
        p.fillRect(Kartka(), Qt::white);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(Kartka().topLeft());
        p.scale(m_skala, m_skala);
        p.translate(m_margines);
        m_raport.MalujStrone(p, m_nr);
    }

  private:
    const RaportWydruk& m_raport;
    QSizeF m_arkusz{1, 1}; // the whole sheet, in twips
    QPointF m_margines;    // the printable area's corner on the sheet, in twips
    double m_skala = 0;    // pixels per twip
    int m_nr = 1;
};

WidokStrony::WidokStrony(const RaportWydruk& raport, QWidget* rodzic)
    : QScrollArea(rodzic), m_arkusz(new ArkuszStrony(raport))
{
    setBackgroundRole(QPalette::Dark);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
    setWidget(m_arkusz);
}

void WidokStrony::UstawArkusz(const QPageLayout& arkusz)
{
    m_arkusz->UstawArkusz(arkusz);
    dopasuj();
}

void WidokStrony::UstawStrone(int nr, bool odDolu)
{
    m_arkusz->UstawNumer(nr);
    QScrollBar* pasek = verticalScrollBar();
    pasek->setValue(odDolu ? pasek->maximum() : pasek->minimum());
}

void WidokStrony::UstawPowiekszenie(Powiekszenie tryb, double procent)
{
    m_tryb = tryb;
    m_procent = std::clamp(procent, kNajmniejProcent, kNajwiecejProcent);
    dopasuj();
    emit ZmienionoPowiekszenie();
}

void WidokStrony::Powieksz(double kroki)
{
    UstawPowiekszenie(Powiekszenie::Procent, Procent() * std::pow(kKrokPowiekszenia, kroki));
}

double WidokStrony::Procent() const
{
    return 100 * pikseleNaTwip() * kTwipyNaCal / logicalDpiX();
}

void WidokStrony::Przewin(int kierunek)
{
    QScrollBar* pasek = verticalScrollBar();
    if ((kierunek > 0 && pasek->value() < pasek->maximum()) ||
        (kierunek < 0 && pasek->value() > pasek->minimum()))
        pasek->setValue(pasek->value() + kierunek * pasek->pageStep());
    else
        emit PoprosonoOStrone(kierunek);
}

QRect WidokStrony::Kartka() const
{
    return m_arkusz->Kartka().translated(m_arkusz->pos());
}

void WidokStrony::resizeEvent(QResizeEvent* e)
{
    QScrollArea::resizeEvent(e);
    dopasuj();
}

// Ctrl with the wheel zooms. Otherwise the wheel scrolls the sheet, and a whole notch more at
// its edge turns to the neighbouring page.
void WidokStrony::wheelEvent(QWheelEvent* e)
{
    const int obrot = e->angleDelta().y();
    if (e->modifiers() & Qt::ControlModifier) {
        Powieksz(double(obrot) / kObrotNaKrok);
        e->accept();
        return;
    }
    const QScrollBar* pasek = verticalScrollBar();
    if (obrot == 0 || (obrot < 0 && pasek->value() < pasek->maximum()) ||
        (obrot > 0 && pasek->value() > pasek->minimum())) {
        m_obrot = 0;
        QScrollArea::wheelEvent(e);
        return;
    }
    m_obrot += obrot;
    if (std::abs(m_obrot) >= kObrotNaKrok) {
        emit PoprosonoOStrone(m_obrot < 0 ? +1 : -1);
        m_obrot = 0;
    }
    e->accept();
}

// Pixels per twip for the zoom chosen; fitting modes follow the view's size.
double WidokStrony::pikseleNaTwip() const
{
    const QSizeF arkusz = m_arkusz->Arkusz();
    const QSizeF miejsce = QSizeF(maximumViewportSize()) - QSizeF(2 * kOdstep, 2 * kOdstep);
    switch (m_tryb) {
    case Powiekszenie::CalaStrona:
        return std::max(0.0, std::min(miejsce.width() / arkusz.width(), miejsce.height() / arkusz.height()));
    case Powiekszenie::SzerokoscStrony: {
        const double skala = miejsce.width() / arkusz.width();
        // A sheet taller than the view brings the vertical scroll bar, which takes its width.
        if (arkusz.height() * skala <= miejsce.height())
            return std::max(0.0, skala);
        return std::max(0.0, (miejsce.width() - verticalScrollBar()->sizeHint().width()) / arkusz.width());
    }
    default:
        return m_procent / 100 * logicalDpiX() / kTwipyNaCal;
    }
}

void WidokStrony::dopasuj()
{
    m_arkusz->UstawSkale(pikseleNaTwip());
}
