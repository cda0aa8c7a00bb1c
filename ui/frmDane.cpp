#include "frmDane.h"

#include "Clock.h"
#include "CyklOkna.h"
#include "IkonyGlowne.h"
#include "Nazwany.h"
#include "OknaRegulatora.h"
#include "TextFormat.h"
#include "Twipy.h"
#include "Uslugi.h"
#include "clRegulator.h"
#include "clsKolejka.h"
#include "clsWizual.h"
#include "clsoApp.h"
#include "colRegulatory.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Design geometry, twips.
const QSize kOkno(2910, 3840);
constexpr int kLewaWartosci = 1200;
constexpr int kSzerokoscWartosci = 1095;
constexpr int kWysokoscWartosci = 285;
constexpr int kLewaJednostki = 2340;

struct Wiersz
{
    const char* podpis;
    const char* wzor;
    int gora;     // twips
    int etykieta; // index in the Label1 array of the unit, -1 for none
    const char* jednostka;
    float (*wartosc)(const clRegulator&);
};

// The energies are running counters; the inductive one is the reactive counter less the
// capacitive one, taken in single precision as the regulator object keeps them.
const Wiersz kWiersze[] = {
    {"Energia czynna:", "##########0.000", 60, 12, "kWh", [](const clRegulator& r) { return r.PradCzynny; }},
    {"Energia bierna indukcyjna:", "##########0.000", 540, 13, "kVarh",
     [](const clRegulator& r) { return float(r.PradBiernSr - r.PradBiernPojSr); }},
    {"Energia bierna pojemnościowa:", "##########0.000", 1020, 14, "kVarh",
     [](const clRegulator& r) { return r.PradBiernPojSr; }},
    {"tg fi:", "0.000", 1500, -1, "", [](const clRegulator& r) { return r.TgFi; }},
    {"Napięcie międzyfazowe:", "#######0", 1980, 8, "V", [](const clRegulator& r) { return r.Napiecie; }},
    {"Prąd całkowity:", "###0.00", 2340, 9, "A", [](const clRegulator& r) { return r.PradCalk; }},
    {"Prąd bierny:", "###0.00", 2700, 10, "A", [](const clRegulator& r) { return r.PradBierny; }},
    {"Częstotliwość:", "###0.00", 3060, 15, "Hz", [](const clRegulator& r) { return r.Okres; }},
};

// A caption is centred on the line of its value and may take the whole gap to the next line:
// the wider gaps of the first lines leave room for captions of two lines.
QRect miejscePodpisu(int wiersz)
{
    const int wysokosc = wiersz < 5 ? 480 : 360;
    const int srodek = kWiersze[wiersz].gora + kWysokoscWartosci / 2;
    return {0, srodek - wysokosc / 2, kLewaWartosci - 30, wysokosc};
}
} // namespace

frmDane::frmDane(Uslugi& uslugi, clsWizual& wizual, OknaRegulatora& okna, QWidget* parent)
    : QWidget(parent), m_uslugi(uslugi), m_wizual(wizual), m_okna(okna)
{
    setWindowTitle(QStringLiteral("Dane regulatora"));
    QFont font = this->font();
    font.setPointSize(8);
    setFont(font);
    utworzWiersze();
    m_odswiez = nazwany<QPushButton>(QStringLiteral("cmdOdswiez"), QStringLiteral("&Odśwież"), this);
    m_odswiez->setGeometry(twipyNaPiksele(QRect(2100, 3480, 795, 315), this));
    connect(m_odswiez, &QPushButton::clicked, this, &frmDane::cmdOdswiez_Click);
    setFixedSize(twipyNaPiksele(kOkno, this));
    m_cykl = new CyklOkna(
        this, [this] { Form_Load(); }, [this] { Form_Unload(); });
}

frmDane::~frmDane()
{
    if (m_cykl->Zaladowane())
        wyrejestruj();
}

void frmDane::utworzWiersze()
{
    for (int i = 0; i < int(m_dane.size()); ++i) {
        const Wiersz& w = kWiersze[i];
        auto* podpis =
            nazwany<QLabel>(QStringLiteral("Label1(%1)").arg(i), QString::fromUtf8(w.podpis), this);
        podpis->setWordWrap(true);
        // The narrow column of captions takes the longest names in two lines only at a smaller size.
        QFont maly = font();
        maly.setPointSize(7);
        podpis->setFont(maly);
        podpis->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        podpis->setGeometry(twipyNaPiksele(miejscePodpisu(i), this));
        auto* pole = nazwany<QLineEdit>(QStringLiteral("txtDane(%1)").arg(i), QStringLiteral("Text1"), this);
        pole->setReadOnly(true);
        // The values sit on the button face, like the rest of the window.
        pole->setStyleSheet(QStringLiteral("QLineEdit { background: palette(button); color: black; }"));
        pole->setGeometry(
            twipyNaPiksele(QRect(kLewaWartosci, w.gora, kSzerokoscWartosci, kWysokoscWartosci), this));
        m_dane[size_t(i)] = pole;
        if (w.etykieta < 0)
            continue;
        auto* jednostka = nazwany<QLabel>(QStringLiteral("Label1(%1)").arg(w.etykieta),
                                          QString::fromUtf8(w.jednostka), this);
        jednostka->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        jednostka->setGeometry(twipyNaPiksele(
            QRect(kLewaJednostki, w.gora, kOkno.width() - kLewaJednostki, kWysokoscWartosci), this));
    }
}

void frmDane::Odswiez()
{
    const clRegulator& r = m_uslugi.oRegulatory->Item(m_uslugi.oApp->NrAktRegulatora);
    setWindowTitle(QStringLiteral("Dane regulatora '") + r.Kod + u'\'');
    for (int i = 0; i < int(m_dane.size()); ++i) {
        const Wiersz& w = kWiersze[i];
        QLineEdit* pole = m_dane[size_t(i)];
        pole->setText(TextFormat::pattern(w.wartosc(r), QString::fromLatin1(w.wzor)));
        // A counter wider than its box shows its leading digits, as a text box shows its start.
        pole->setCursorPosition(0);
    }
    // A monitored regulator is read on every tick of the main loop.
    UstawOdswiezanieDostepne(!r.Monitoring);
}

void frmDane::UstawOdswiezanieDostepne(bool dostepne)
{
    m_odswiez->setEnabled(dostepne);
}

// Only queues: the reading runs in a later tick and refreshes the window when it succeeds.
void frmDane::cmdOdswiez_Click()
{
    m_odswiez->setEnabled(false);
    m_uslugi.oKolejka->Add(m_uslugi.oApp->NrAktRegulatora, QStringLiteral("WczytajStanRegul"),
                           m_uslugi.zegar->now(), 0);
    m_odswiez->setEnabled(true);
}

void frmDane::Form_Load()
{
    setWindowIcon(IkonyGlowne::obraz(QStringLiteral("Dane")));
    m_uslugi.oApp->Loaded_Dane = true;
    m_wizual.Cele().dane = this;
    m_okna.PokazDane(true);
    Odswiez();
}

void frmDane::Form_Unload()
{
    wyrejestruj();
    m_okna.PokazDane(false);
}

void frmDane::wyrejestruj()
{
    m_uslugi.oApp->Loaded_Dane = false;
    if (m_wizual.Cele().dane == this)
        m_wizual.Cele().dane = nullptr;
}
