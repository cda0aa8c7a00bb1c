#include "PodgladRaportu.h"

#include "OknaModalne.h"
#include "RaportWydruk.h"
#include "WidokStrony.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

// A button showing a picture, its text as the tooltip.
QPushButton* ikona(QPushButton* b, QStyle::StandardPixmap obraz)
{
    b->setToolTip(b->text());
    b->setText({});
    b->setIcon(b->style()->standardIcon(obraz));
    return b;
}

} // namespace

PodgladRaportu::PodgladRaportu(RaportWydruk& raport, PoTakcie& poTakcie, QWidget* rodzic)
    : QDialog(rodzic), m_raport(raport), m_poTakcie(poTakcie), m_drukarka(QPrinter::HighResolution),
      m_widok(new WidokStrony(raport))
{
    setWindowTitle(raport.Uklad().podpis);
    m_drukarka.setPageLayout(RaportWydruk::Strona());
    auto* uklad = new QVBoxLayout(this);
    auto* narzedzia = new QHBoxLayout;
    uklad->addLayout(narzedzia);
    uklad->addWidget(m_widok, 1);
    narzedzia->addWidget(przycisk(QStringLiteral("&Drukuj..."), {QKeySequence::Print}, [this] {
        otworzPoTakcie(QStringLiteral("Drukowanie"), &PodgladRaportu::drukujZOkna);
    }));
    narzedzia->addWidget(przycisk(QStringLiteral("Ustawienia &strony..."), {}, [this] {
        otworzPoTakcie(QStringLiteral("Ustawienia strony"), &PodgladRaportu::ustawStroneZOkna);
    }));
    narzedzia->addSpacing(12);
    utworzPrzyciski(narzedzia);
    // Past the first or the last page there is none to turn to: the view stays where it is.
    connect(m_widok, &WidokStrony::PoprosonoOStrone, this, [this](int kierunek) {
        if (const int nr = m_nr + kierunek; nr >= 1 && nr <= m_raport.LiczbaStron())
            PokazStrone(nr, kierunek < 0);
    });
    skrot({QKeySequence::MoveToPreviousPage}, [this] { m_widok->Przewin(-1); });
    skrot({QKeySequence::MoveToNextPage}, [this] { m_widok->Przewin(+1); });
    narzedzia->addWidget(utworzPowiekszenie());
    narzedzia->addStretch();
    narzedzia->addWidget(przycisk(QStringLiteral("&Zamknij"), {}, [this] { accept(); }));

    setWindowState(Qt::WindowMaximized);
    Rozloz();
    m_widok->setFocus();
}

// First, previous, the page's number to go to, next and last.
void PodgladRaportu::utworzPrzyciski(QHBoxLayout* narzedzia)
{
    narzedzia->addWidget(ikona(przycisk(
                                   QStringLiteral("Pierwsza strona (Home)"),
                                   {Qt::Key_Home, QKeySequence::MoveToStartOfDocument},
                                   [this] { PokazStrone(1); }, &m_pierwsza),
                               QStyle::SP_MediaSkipBackward));
    narzedzia->addWidget(przycisk(
        QStringLiteral("&Poprzednia"), {}, [this] { PokazStrone(m_nr - 1); }, &m_poprzednia));
    m_numer = new QSpinBox;
    m_numer->setKeyboardTracking(false); // the page typed is gone to on Enter, not at each digit
    m_numer->setToolTip(QStringLiteral("Przejdź do strony (Ctrl+G)"));
    connect(m_numer, &QSpinBox::valueChanged, this, [this](int nr) { PokazStrone(nr); });
    skrot({Qt::CTRL | Qt::Key_G}, [this] {
        m_numer->setFocus();
        m_numer->selectAll();
    });
    auto* podpis = new QLabel(QStringLiteral("S&trona"));
    podpis->setBuddy(m_numer);
    m_liczba = new QLabel;
    narzedzia->addWidget(podpis);
    narzedzia->addWidget(m_numer);
    narzedzia->addWidget(m_liczba);
    narzedzia->addWidget(przycisk(
        QStringLiteral("&Następna"), {}, [this] { PokazStrone(m_nr + 1); }, &m_nastepna));
    narzedzia->addWidget(
        ikona(przycisk(
                  QStringLiteral("Ostatnia strona (End)"), {Qt::Key_End, QKeySequence::MoveToEndOfDocument},
                  [this] { PokazStrone(m_raport.LiczbaStron()); }, &m_ostatnia),
              QStyle::SP_MediaSkipForward));
}

// The zoom list: the fitting sizes and the sheet's own; any other size, reached with Ctrl and
// the wheel or the zoom keys, is shown as its percentage in place of a choice.
QWidget* PodgladRaportu::utworzPowiekszenie()
{
    m_powiekszenie = new QComboBox;
    m_powiekszenie->addItems(
        {QStringLiteral("Cała strona"), QStringLiteral("Szerokość strony"), QStringLiteral("100 %")});
    m_powiekszenie->setToolTip(QStringLiteral("Powiększenie (Ctrl+kółko, Ctrl++, Ctrl+-, Ctrl+0)"));
    m_powiekszenie->setFocusPolicy(Qt::ClickFocus);
    m_powiekszenie->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_powiekszenie, &QComboBox::activated, this, [this](int i) {
        m_widok->UstawPowiekszenie(WidokStrony::Powiekszenie(i));
        m_widok->setFocus();
    });
    connect(m_widok, &WidokStrony::ZmienionoPowiekszenie, this, &PodgladRaportu::pokazPowiekszenie);
    skrot({QKeySequence::ZoomIn, Qt::CTRL | Qt::Key_Equal}, [this] { m_widok->Powieksz(+1); });
    skrot({QKeySequence::ZoomOut}, [this] { m_widok->Powieksz(-1); });
    skrot({Qt::CTRL | Qt::Key_0}, [this] { m_widok->UstawPowiekszenie(WidokStrony::Powiekszenie::Procent); });
    return m_powiekszenie;
}

// A button for a command of the window. The command's keys, the button's Alt letter among
// them, belong to an action of the window that acts at once on every press and autorepeat: the
// button's own Alt letter would animate a click and drop the presses that come meanwhile.
QPushButton* PodgladRaportu::przycisk(const QString& tekst, QList<QKeySequence> klawisze,
                                      const std::function<void()>& co, QAction** akcja)
{
    if (const QKeySequence litera = QKeySequence::mnemonic(tekst); !litera.isEmpty())
        klawisze.prepend(litera);
    QAction* polecenie = skrot(klawisze, co);
    polecenie->setText(tekst);
    auto* b = new QPushButton(tekst);
    b->setShortcut({});
    b->setAutoDefault(false); // Enter in the page number goes to the page, it presses no button
    connect(b, &QPushButton::clicked, polecenie, &QAction::trigger);
    connect(polecenie, &QAction::changed, b, [b, polecenie] { b->setEnabled(polecenie->isEnabled()); });
    if (akcja)
        *akcja = polecenie;
    return b;
}

QAction* PodgladRaportu::skrot(const QList<QKeySequence>& klawisze, const std::function<void()>& co)
{
    auto* polecenie = new QAction(this);
    polecenie->setShortcuts(klawisze);
    addAction(polecenie);
    connect(polecenie, &QAction::triggered, this, co);
    return polecenie;
}

void PodgladRaportu::pokazPowiekszenie()
{
    using P = WidokStrony::Powiekszenie;
    const long procent = std::lround(m_widok->Procent());
    const bool wybor = m_widok->Tryb() != P::Procent || procent == 100;
    m_powiekszenie->setPlaceholderText(QStringLiteral("%1 %").arg(procent));
    m_powiekszenie->setCurrentIndex(wybor ? int(m_widok->Tryb()) : -1);
}

void PodgladRaportu::PokazStrone(int nr, bool odDolu)
{
    const int liczba = m_raport.LiczbaStron();
    m_nr = std::clamp(nr, 1, liczba);
    {
        const QSignalBlocker cicho(m_numer);
        m_numer->setValue(m_nr);
    }
    m_liczba->setText(QStringLiteral("z %1").arg(liczba));
    m_pierwsza->setEnabled(m_nr > 1);
    m_poprzednia->setEnabled(m_nr > 1);
    m_nastepna->setEnabled(m_nr < liczba);
    m_ostatnia->setEnabled(m_nr < liczba);
    m_widok->UstawStrone(m_nr, odDolu);
}

void PodgladRaportu::Rozloz()
{
    m_raport.Rozloz(m_drukarka);
    pokazUklad();
}

// Printing lays the report out on the printer's paper itself.
void PodgladRaportu::Drukuj()
{
    m_raport.Drukuj(m_drukarka, m_nr);
    pokazUklad();
}

void PodgladRaportu::pokazUklad()
{
    m_widok->UstawArkusz(m_drukarka.pageLayout());
    m_numer->setRange(1, m_raport.LiczbaStron());
    PokazStrone(m_nr);
    pokazPowiekszenie();
}

void PodgladRaportu::otworzPoTakcie(const QString& nazwa, void (PodgladRaportu::*okno)())
{
    OknaModalne::Otworz(m_poTakcie, nazwa, [podglad = QPointer<PodgladRaportu>(this), okno] {
        if (podglad && podglad->isVisible())
            (podglad->*okno)();
    });
}

// The dialog offers the range, the page shown and collated copies; its printer properties may
// change the paper even when the operator then cancels.
void PodgladRaportu::drukujZOkna()
{
    QPrintDialog okno(&m_drukarka, this);
    okno.setOptions(okno.options() | QAbstractPrintDialog::PrintPageRange |
                    QAbstractPrintDialog::PrintCurrentPage | QAbstractPrintDialog::PrintCollateCopies);
    okno.setMinMax(1, m_raport.LiczbaStron());
    OknaModalne::WstrzymujWejscie(m_poTakcie, okno);
    if (OknaModalne::Exec(m_poTakcie, okno) == QDialog::Accepted)
        Drukuj();
    else
        Rozloz();
}

void PodgladRaportu::ustawStroneZOkna()
{
    QPageSetupDialog okno(&m_drukarka, this);
    if (OknaModalne::Exec(m_poTakcie, okno) == QDialog::Accepted)
        Rozloz();
}
