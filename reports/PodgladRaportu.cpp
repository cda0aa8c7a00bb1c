#include "PodgladRaportu.h"

#include "OknaModalne.h"
#include "RaportWydruk.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

// One sheet of the report, as large as the widget holds it whole, painted when it is shown.
class StronaRaportu : public QWidget
{
  public:
    StronaRaportu(const RaportWydruk& raport, QSizeF arkusz, QPointF margines)
        : m_raport(raport), m_arkusz(arkusz), m_margines(margines)
    {
        setBackgroundRole(QPalette::Dark);
        setAutoFillBackground(true);
    }
    void UstawNumer(int nr)
    {
        m_nr = nr;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override
    {
        constexpr int kOdstep = 8; // pixels of background around the sheet
        const QSizeF miejsce = QSizeF(size()) - QSizeF(2 * kOdstep, 2 * kOdstep);
        const double skala =
            std::min(miejsce.width() / m_arkusz.width(), miejsce.height() / m_arkusz.height());
        if (skala <= 0)
            return;
        const QSizeF kartka = m_arkusz * skala;
        QPainter p(this);
        p.translate((width() - kartka.width()) / 2, (height() - kartka.height()) / 2);
        p.fillRect(QRectF(QPointF(0, 0), kartka), Qt::white);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(skala, skala);
        p.translate(m_margines);
        m_raport.MalujStrone(p, m_nr);
    }

  private:
    const RaportWydruk& m_raport;
    QSizeF m_arkusz;    // the whole sheet, in twips
    QPointF m_margines; // the printable area's corner on the sheet, in twips
    int m_nr = 1;
};

namespace {
constexpr double kTwipyNaPunkt = 20.0;
}

PodgladRaportu::PodgladRaportu(RaportWydruk& raport, PoTakcie& poTakcie, QWidget* rodzic)
    : QDialog(rodzic), m_raport(raport), m_poTakcie(poTakcie), m_drukarka(QPrinter::HighResolution)
{
    setWindowTitle(raport.Uklad().podpis);
    m_drukarka.setPageLayout(RaportWydruk::Strona());
    raport.Rozloz(m_drukarka);

    const QPageLayout strona = m_drukarka.pageLayout();
    m_strona = new StronaRaportu(raport, strona.fullRectPoints().size() * kTwipyNaPunkt,
                                 strona.paintRectPoints().topLeft() * kTwipyNaPunkt);

    auto* drukuj = new QPushButton(QStringLiteral("&Drukuj..."));
    m_poprzednia = new QPushButton(QStringLiteral("&Poprzednia"));
    m_nastepna = new QPushButton(QStringLiteral("&Następna"));
    auto* zamknij = new QPushButton(QStringLiteral("&Zamknij"));
    m_numer = new QLabel;
    connect(drukuj, &QPushButton::clicked, this, &PodgladRaportu::drukuj);
    connect(m_poprzednia, &QPushButton::clicked, this, [this] { PokazStrone(m_nr - 1); });
    connect(m_nastepna, &QPushButton::clicked, this, [this] { PokazStrone(m_nr + 1); });
    connect(zamknij, &QPushButton::clicked, this, &QDialog::accept);

    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(drukuj);
    przyciski->addSpacing(24);
    przyciski->addWidget(m_poprzednia);
    przyciski->addWidget(m_numer);
    przyciski->addWidget(m_nastepna);
    przyciski->addStretch();
    przyciski->addWidget(zamknij);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(przyciski);
    uklad->addWidget(m_strona, 1);

    setWindowState(Qt::WindowMaximized);
    PokazStrone(1);
}

void PodgladRaportu::PokazStrone(int nr)
{
    m_nr = std::clamp(nr, 1, m_raport.LiczbaStron());
    m_numer->setText(QStringLiteral("Strona %1 z %2").arg(m_nr).arg(m_raport.LiczbaStron()));
    m_poprzednia->setEnabled(m_nr > 1);
    m_nastepna->setEnabled(m_nr < m_raport.LiczbaStron());
    m_strona->UstawNumer(m_nr);
}

// A preview closed while its print dialog waited for the tick's end prints nothing.
void PodgladRaportu::drukuj()
{
    OknaModalne::Otworz(m_poTakcie, QStringLiteral("Drukowanie"), [podglad = QPointer<PodgladRaportu>(this)] {
        if (podglad && podglad->isVisible())
            podglad->drukujZOkna();
    });
}

void PodgladRaportu::drukujZOkna()
{
    QPrintDialog okno(&m_drukarka, this);
    OknaModalne::WstrzymujPrzyciski(m_poTakcie, okno);
    if (OknaModalne::Exec(m_poTakcie, okno) != QDialog::Accepted)
        return;
    m_raport.Drukuj(m_drukarka);
    PokazStrone(m_nr); // another paper may have given other pages
}
