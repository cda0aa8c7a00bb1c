#include "fmpanel.h"

#include "CyklOkna.h"
#include "IkonyGlowne.h"
#include "Nazwany.h"
#include "OknaRegulatora.h"
#include "PanelPictures.h"
#include "PoleceniaRegulatora.h"
#include "Twipy.h"
#include "Uslugi.h"
#include "clRegulator.h"
#include "clsFunkcje.h"
#include "clsKolejka.h"
#include "clsWizual.h"
#include "clsoApp.h"
#include "colRegulatory.h"
#include "ctlDioda3d.h"
#include "ctlPrzel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
// Design geometry, twips.
const QSize kOkno(3510, 2805);
constexpr int kPierwszyUstawiany = 4; // switches 4 to 7 are the settable ones
constexpr int kUstawiane = 4;

struct OpisRamki
{
    const char* nazwa;
    const char* podpis;
    int lewa;
};
const OpisRamki kRamki[] = {
    {"Frame1", "nast. Q/N", 0},
    {"Frame2", "R   +    -   T", 1200},
    {"Frame4", "czas//TAN.", 2400},
};

// The fixed switches in the order of their bits in StanPrzel1, bit 0 first.
constexpr int kStalePrzelaczniki[] = {11, 10, 9, 8, 3, 2, 1, 0};

// The regulator's display: the high nibble of each display byte is a digit, 10 to 15 a blank;
// a point follows the first digit and a blank the last.
QString tekstWyswietlacza(const clsStan& s)
{
    QString t;
    for (quint8 bajt : {s.StanDisplay1, s.StanDisplay2, s.StanDisplay3, s.StanDisplay4}) {
        const int cyfra = bajt >> 4;
        t += cyfra >= 10 ? QChar(u' ') : QChar(u'0' + cyfra);
    }
    return t.insert(1, u'.') + u' ';
}

QString nazwaElementu(const char* tablica, int indeks)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(tablica)).arg(indeks);
}
} // namespace

fmpanel::fmpanel(Uslugi& uslugi, clsWizual& wizual, OknaRegulatora& okna, QWidget* parent)
    : QWidget(parent), m_uslugi(uslugi), m_wizual(wizual), m_okna(okna)
{
    setWindowTitle(QStringLiteral("Panel regulatora"));
    setWindowIcon(IkonyGlowne::obraz(QStringLiteral("panel")));
    QFont font = this->font();
    font.setPointSize(8);
    setFont(font);
    // The frames come first so that the switches drawn over them stay in front.
    utworzPrzelaczniki();
    utworzLampki();
    utworzWyswietlacz();
    utworzPrzyciski();
    setFixedSize(twipyNaPiksele(kOkno, this));
    m_cykl = new CyklOkna(
        this, [this] { Form_Load(); }, [this] { Form_Unload(); });
}

// A panel destroyed without being closed (with the main window) leaves no registration behind.
fmpanel::~fmpanel()
{
    if (m_cykl->Zaladowane())
        wyrejestruj();
}

void fmpanel::utworzLampki()
{
    const Obrazek zgaszona = panelPicture(PanelPicture::LampUnlit, devicePixelRatioF());
    const Obrazek zapalona = panelPicture(PanelPicture::LampLit, devicePixelRatioF());
    const auto lampka = [&](const QString& nazwa, QPoint miejsce) {
        auto* d = nazwany<ctlDioda3d>(nazwa, this);
        d->setPicture1(zgaszona);
        d->setPicture2(zapalona);
        d->setPicture(zgaszona);
        d->setGeometry(twipyNaPiksele(QRect(miejsce, QSize(135, 135)), this));
        return d;
    };
    const auto etykieta = [&](const QString& nazwa, const QString& tekst, const QRect& miejsce) {
        nazwany<QLabel>(nazwa, tekst, this)->setGeometry(twipyNaPiksele(miejsce, this));
    };
    for (int i = 0; i < int(m_diody.size()); ++i) {
        const int lewa = 240 + 360 * i;
        m_diody[size_t(i)] = lampka(nazwaElementu("ctlDioda1", i), {lewa, 240});
        etykieta(QStringLiteral("Label%1").arg(i + 3), QString::number(i + 1), {lewa, 0, 150, 195});
    }
    m_diodaZal = lampka(QStringLiteral("ctlDiodaZal"), {1500, 1560});
    m_diodaWyl = lampka(QStringLiteral("ctlDiodaWyl"), {1875, 1560});
    etykieta(QStringLiteral("Label1"), QStringLiteral("zał."), {1440, 1320, 360, 240});
    etykieta(QStringLiteral("Label2"), QStringLiteral("wył."), {1800, 1320, 360, 240});
}

void fmpanel::utworzPrzelaczniki()
{
    for (const OpisRamki& r : kRamki) {
        auto* ramka = nazwany<QGroupBox>(QLatin1String(r.nazwa), QString::fromUtf8(r.podpis), this);
        ramka->setGeometry(twipyNaPiksele(QRect(r.lewa, 2040, 1095, 735), this));
    }
    const Obrazek gora = panelPicture(PanelPicture::SwitchUp, devicePixelRatioF());
    const Obrazek dol = panelPicture(PanelPicture::SwitchDown, devicePixelRatioF());
    for (int i = 0; i < int(m_przel.size()); ++i) {
        auto* p = nazwany<ctlPrzel>(nazwaElementu("ctlPrzel1", i), this);
        p->setPicture1(gora);
        p->setPicture2(dol);
        // The design position: on, not flipped, not enabled.
        p->setValue(true);
        const int lewa = 120 + 240 * (i % 4) + 1200 * (i / 4);
        p->setGeometry(twipyNaPiksele(QRect(lewa, 2280, 165, 255), this));
        m_przel[size_t(i)] = p;
    }
}

void fmpanel::utworzWyswietlacz()
{
    m_wyswietlacz = nazwany<QLineEdit>(QStringLiteral("txtDisplay"), QStringLiteral("999.99"), this);
    m_wyswietlacz->setReadOnly(true);
    m_wyswietlacz->setFocusPolicy(Qt::NoFocus);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(14);
    font.setBold(true);
    m_wyswietlacz->setFont(font);
    // Light orange segments on the dark glass of the regulator's display.
    m_wyswietlacz->setStyleSheet(
        QStringLiteral("QLineEdit { background: #404040; color: #ffc080; border: 2px inset #202020; }"));
    m_wyswietlacz->setGeometry(twipyNaPiksele(QRect(1680, 720, 1575, 495), this));
}

void fmpanel::utworzPrzyciski()
{
    const auto utworz = [this](const char* nazwa, const QString& podpis, const QRect& miejsce) {
        auto* b = nazwany<QPushButton>(QLatin1String(nazwa), podpis, this);
        b->setGeometry(twipyNaPiksele(miejsce, this));
        return b;
    };
    m_blokuj = utworz("cmdBlokuj", QStringLiteral("Zablokuj"), {60, 900, 855, 315});
    // "Załącz" has no action of its own; it only follows the lock state.
    m_zalacz = utworz("cmdZalacz", QStringLiteral("Załącz"), {1320, 420, 855, 255});
    m_ustaw = utworz("cmdUstaw", QStringLiteral("Ustaw"), {1320, 1800, 855, 255});
    connect(m_blokuj, &QPushButton::clicked, this, &fmpanel::cmdBlokuj_Click);
    connect(m_ustaw, &QPushButton::clicked, this, &fmpanel::cmdUstaw_Click);
}

void fmpanel::OdswiezPanel()
{
    const clRegulator& r = m_uslugi.oRegulatory->Item(m_uslugi.oApp->NrAktRegulatora);
    const clsStan& s = r.Stan;
    const auto logic = clsFunkcje::logic;
    setWindowTitle(QStringLiteral("Regulator '") + r.Kod + u'\'');
    // Lamps are lit by a cleared bit.
    for (int i = 0; i < 8; ++i)
        m_diody[size_t(i)]->setZapalona(!logic(s.StanDiod1 & (1 << i)));
    m_diody[8]->setZapalona(!logic(s.StanDiod2 & 0x80));
    m_diodaWyl->setZapalona(!logic(s.StanDiod3 & 0x40));
    m_diodaZal->setZapalona(!logic(s.StanDiod3 & 0x80));
    for (int bit = 0; bit < 8; ++bit)
        m_przel[size_t(kStalePrzelaczniki[bit])]->setValue(logic(s.StanPrzel1 & (1 << bit)));
    // A position the operator has flipped and not yet sent stays as the operator left it.
    for (int k = 0; k < kUstawiane; ++k) {
        ctlPrzel* p = m_przel[size_t(kPierwszyUstawiany + k)];
        if (!p->Zmieniony())
            p->setValue(logic(s.StanPrzel2 & (1 << k)));
    }
    m_wyswietlacz->setText(tekstWyswietlacza(s));
    pokazBlokade(r.Zablokowany);
}

// The settable switches can be flipped and sent only while the workstation holds the
// regulator locked.
void fmpanel::pokazBlokade(bool zablokowany)
{
    m_blokuj->setText(zablokowany ? QStringLiteral("Odblokuj") : QStringLiteral("Zablokuj"));
    m_ustaw->setEnabled(zablokowany);
    m_zalacz->setEnabled(zablokowany);
    for (int k = 0; k < kUstawiane; ++k)
        m_przel[size_t(kPierwszyUstawiany + k)]->setEnabled(zablokowany);
}

QPushButton* fmpanel::przycisk(PrzyciskPanelu p) const
{
    switch (p) {
    case PrzyciskPanelu::Blokuj:
        return m_blokuj;
    case PrzyciskPanelu::Ustaw:
        return m_ustaw;
    case PrzyciskPanelu::Zalacz:
        return m_zalacz;
    }
    return m_zalacz;
}

void fmpanel::UstawPodpis(PrzyciskPanelu p, const QString& podpis)
{
    przycisk(p)->setText(podpis);
}

void fmpanel::UstawDostepny(PrzyciskPanelu p, bool dostepny)
{
    przycisk(p)->setEnabled(dostepny);
}

void fmpanel::UstawWidoczny(PrzyciskPanelu p, bool widoczny)
{
    przycisk(p)->setVisible(widoczny);
}

bool fmpanel::Value(int nr) const
{
    return m_przel.at(size_t(kPierwszyUstawiany + nr))->Value();
}

void fmpanel::UstawZmieniony(int nr, bool zmieniony)
{
    m_przel.at(size_t(kPierwszyUstawiany + nr))->setZmieniony(zmieniony);
}

void fmpanel::cmdBlokuj_Click()
{
    kolejkujBlokade(m_uslugi);
}

// The settings operation reads switches 4 to 7 when its tick comes; the parameter is unused.
void fmpanel::cmdUstaw_Click()
{
    m_uslugi.oKolejka->Add(m_uslugi.oApp->NrAktRegulatora, QStringLiteral("Ustaw_przel"), 0, 0);
}

void fmpanel::Form_Load()
{
    // Every opening starts from the design position of the settable switches.
    for (int k = 0; k < kUstawiane; ++k)
        m_przel[size_t(kPierwszyUstawiany + k)]->setValue(true);
    m_uslugi.oApp->Loaded_Panel = true;
    m_wizual.Cele().panel = this;
    m_uslugi.panel = this;
    m_okna.PokazPanel(true);
    m_ustaw->setVisible(m_uslugi.oApp->TrybSterowania);
    OdswiezPanel();
}

void fmpanel::Form_Unload()
{
    wyrejestruj();
    // Keeps the menu check mark and the toolbar button in step when the close box closed it.
    m_okna.PokazPanel(false);
}

void fmpanel::wyrejestruj()
{
    m_uslugi.oApp->Loaded_Panel = false;
    if (m_wizual.Cele().panel == this)
        m_wizual.Cele().panel = nullptr;
    if (m_uslugi.panel == this)
        m_uslugi.panel = nullptr;
}
