#include "clsWizual.h"

#include "Dzwieki.h"
#include "IkonyGlowne.h"
#include "ObrazkiDrzewa.h"
#include "Uslugi.h"
#include "clRegulator.h"
#include "clsoApp.h"
#include "colRegulatory.h"
#include "fmRegulatory.h"

namespace {
constexpr int kObrazRegulatora = ObrazkiDrzewa::kRegulator;
constexpr int kObrazZablokowanego = ObrazkiDrzewa::kZablokowany;
constexpr int kObrazStopniaWl = ObrazkiDrzewa::kStopienWl;
constexpr int kObrazStopniaWyl = ObrazkiDrzewa::kStopienWyl;
constexpr int kStopnie = 9;
} // namespace

clRegulator& clsWizual::regulator(int nr) const
{
    return m_uslugi.oRegulatory->Item(nr);
}

bool clsWizual::panelPokazuje(int nr) const
{
    return m_cele.panel && m_uslugi.oApp->Loaded_Panel && m_uslugi.oApp->NrAktRegulatora == nr;
}

void clsWizual::tekstPanelu(PanelStanu panel, const QString& tekst)
{
    if (m_cele.glowne)
        m_cele.glowne->UstawTekstPanelu(panel, tekst);
}

void clsWizual::obrazPanelu(PanelStanu panel, const QPixmap& obraz)
{
    if (m_cele.glowne)
        m_cele.glowne->UstawObrazPanelu(panel, obraz);
}

void clsWizual::menu(PozycjaMenu pozycja, const QString& podpis)
{
    if (m_cele.menu)
        m_cele.menu->UstawPodpis(pozycja, podpis);
}

void clsWizual::menuDostepna(PozycjaMenu pozycja, bool dostepna)
{
    if (m_cele.menu)
        m_cele.menu->UstawDostepna(pozycja, dostepna);
}

void clsWizual::tekstPostepu(const QString& prefiks, int nr, bool trwa)
{
    tekstPanelu(PanelStanu::Stan, trwa ? prefiks + regulator(nr).Kod + QStringLiteral("' ...") : QString());
}

void clsWizual::eZmianaTrybuSterowania(bool AktTryb)
{
    menu(PozycjaMenu::SterWlacz,
         AktTryb ? QStringLiteral("Wyłącz tryb sterowania") : QStringLiteral("Włącz tryb sterowania"));
    menuDostepna(PozycjaMenu::RegulZablok, AktTryb);
    obrazPanelu(PanelStanu::TrybPracy,
                AktTryb ? IkonyGlowne::ImageList2(IkonyGlowne::kTrybSterowania) : QPixmap());
    tekstPanelu(PanelStanu::TrybPracy, AktTryb ? QStringLiteral("sterowanie") : QStringLiteral("normalny"));
    menuDostepna(PozycjaMenu::RegulBatZal, AktTryb);
    menuDostepna(PozycjaMenu::RegulBatTestuj, AktTryb);
    if (m_cele.menu)
        m_cele.menu->UstawTrybSterowania(AktTryb);
    if (m_cele.panel && m_uslugi.oApp->Loaded_Panel)
        m_cele.panel->UstawWidoczny(PrzyciskPanelu::Ustaw, AktTryb);
}

// The executor reports 1 before a request and 0 or 2 after it: the indicator is busy while
// a request runs and idle once it has ended, successfully or not. Only success clears the text.
void clsWizual::eKomunikacja(int Status)
{
    switch (Status) {
    case 0:
        tekstPanelu(PanelStanu::Komunikacja, {});
        obrazPanelu(PanelStanu::Komunikacja, IkonyGlowne::ImageList1(IkonyGlowne::kWskaznikWolny));
        break;
    case 1:
    case 3:
        obrazPanelu(PanelStanu::Komunikacja, IkonyGlowne::ImageList1(IkonyGlowne::kWskaznikZajety));
        break;
    case 2:
        obrazPanelu(PanelStanu::Komunikacja, IkonyGlowne::ImageList1(IkonyGlowne::kWskaznikWolny));
        break;
    default:
        break;
    }
}

void clsWizual::eMonitoring(int, bool Trwa)
{
    obrazPanelu(PanelStanu::Monitoring,
                IkonyGlowne::ImageList1(Trwa ? IkonyGlowne::kWskaznikZajety : IkonyGlowne::kWskaznikWolny));
}

void clsWizual::eOkresowyOdczyt(int NrRegulatora, bool Trwa)
{
    tekstPostepu(QStringLiteral("Oczytuję okresowe dane z regulatora '"), NrRegulatora, Trwa);
}

void clsWizual::eZalaczanieBaterii(int NrRegulatora, bool Trwa)
{
    tekstPostepu(QStringLiteral("Załączam stopień regulatora '"), NrRegulatora, Trwa);
}

void clsWizual::eWylaczanieBaterii(int NrRegulatora, bool Trwa)
{
    tekstPostepu(QStringLiteral("Wyłączam stopień regulatora '"), NrRegulatora, Trwa);
}

void clsWizual::eBlokowanieRegul(int NrRegulatora, bool Stan, bool Trwa)
{
    tekstPostepu(Stan ? QStringLiteral("Blokuję regulator '") : QStringLiteral("Odblokowuję regulator '"),
                 NrRegulatora, Trwa);
}

void clsWizual::eNoweDane(int NrRegulatora, const QString& TypDanych)
{
    if (TypDanych != QStringLiteral("O"))
        return;
    const clRegulator& r = regulator(NrRegulatora);
    if (m_uslugi.oApp->NrAktRegulatora == NrRegulatora && maStopien(r))
        menuStopnia(r);
    if (panelPokazuje(NrRegulatora))
        m_cele.panel->OdswiezPanel();
    // The data window always shows the current regulator: new data of any regulator refresh it.
    if (m_cele.dane && m_uslugi.oApp->Loaded_Dane)
        m_cele.dane->Odswiez();
    if (m_cele.drzewo)
        wezlyRegulatora(regulator(NrRegulatora));
}

// Only pictures that change are written, so a node keeps its colour while its stage holds.
void clsWizual::wezlyRegulatora(const clRegulator& r)
{
    DrzewoWizual& d = *m_cele.drzewo;
    const int obraz = r.Zablokowany ? kObrazZablokowanego : kObrazRegulatora;
    const QString wezelRegulatora = fmRegulatory::KluczRegulatora(r.Kod);
    if (d.ObrazWezla(wezelRegulatora) != obraz)
        d.UstawObrazWezla(wezelRegulatora, obraz);
    for (int n = 1; n <= kStopnie; ++n) {
        const QString klucz = fmRegulatory::KluczStopnia(r.Kod, n);
        const bool wl = r.SprawdzStanDiody(quint8(n - 1));
        const int obrazStopnia = wl ? kObrazStopniaWl : kObrazStopniaWyl;
        if (d.ObrazWezla(klucz) != obrazStopnia) {
            d.UstawObrazWezla(klucz, obrazStopnia);
            d.UstawKolorWezla(klucz, wl ? QColor(Qt::red) : QColor(Qt::black));
        }
    }
}

void clsWizual::eZmianaBaterii(int NrRegulatora, int NrBaterii)
{
    const bool wl = regulator(NrRegulatora).SprawdzStanDiody(quint8(NrBaterii - 1));
    menu(PozycjaMenu::RegulBatZal,
         wl ? QStringLiteral("&Wyłącz stopień") : QStringLiteral("&Załącz stopień"));
}

bool clsWizual::maStopien(const clRegulator& r)
{
    return r.NrAktBaterii >= 1 && r.NrAktBaterii <= kStopnie;
}

// The stage item offers the opposite of the selected stage's state, and switching on when no
// stage is selected.
void clsWizual::menuStopnia(const clRegulator& r)
{
    if (maStopien(r))
        eZmianaBaterii(r.Id, r.NrAktBaterii);
    else
        menu(PozycjaMenu::RegulBatZal, QStringLiteral("&Załącz stopień"));
}

void clsWizual::menuBlokady(bool zablokowany)
{
    menu(PozycjaMenu::RegulZablok,
         zablokowany ? QStringLiteral("&Odblokuj regulator") : QStringLiteral("&Zablokuj regulator"));
}

void clsWizual::eZmianaAlarmow()
{
    const clsoApp& app = *m_uslugi.oApp;
    if (m_cele.glowne) {
        const bool niepotwierdzone = app.IloscNiePotwAlarmow >= 1;
        m_cele.glowne->UstawMiganieAlarmu(niepotwierdzone);
        m_cele.glowne->UstawPowtarzanieAlarmu(niepotwierdzone);
    }
    const bool alarmy = app.IloscAktywnychAlarmow > 0 || app.IloscNiePotwAlarmow > 0;
    obrazPanelu(PanelStanu::Alarmy, alarmy ? IkonyGlowne::obraz(QStringLiteral("blysk")) : QPixmap());
}

// The items that act on the current regulator describe the new one before they can be chosen.
void clsWizual::eZmianaRegulatora(int NrRegulatora)
{
    const clRegulator& r = regulator(NrRegulatora);
    const bool monitoring = r.Monitoring;
    if (m_cele.menu)
        m_cele.menu->UstawMonitoring(monitoring);
    menuBlokady(r.Zablokowany);
    menuStopnia(r);
    if (m_cele.panel && m_uslugi.oApp->Loaded_Panel)
        m_cele.panel->OdswiezPanel();
    if (m_cele.dane && m_uslugi.oApp->Loaded_Dane) {
        m_cele.dane->Odswiez();
        m_cele.dane->UstawOdswiezanieDostepne(!monitoring);
    }
}

void clsWizual::eBlokadaRegul(int NrRegulatora, bool Zablokowany, bool OdtworzDzwiek)
{
    const clRegulator& r = regulator(NrRegulatora);
    if (m_cele.drzewo)
        m_cele.drzewo->UstawObrazWezla(fmRegulatory::KluczRegulatora(r.Kod),
                                       Zablokowany ? kObrazZablokowanego : kObrazRegulatora);
    if (OdtworzDzwiek)
        GrajDzwiek(Zablokowany ? QStringLiteral("zablokregul.wav") : QStringLiteral("odblokregul.wav"));
    // The lock item acts on the current regulator: another one's state is not its caption.
    if (m_uslugi.oApp->NrAktRegulatora == NrRegulatora)
        menuBlokady(Zablokowany);
    if (!panelPokazuje(NrRegulatora))
        return;
    if (Zablokowany) {
        // The settable switches stay as they are until the regulator's next data.
        m_cele.panel->UstawPodpis(PrzyciskPanelu::Blokuj, QStringLiteral("Odblokuj"));
        m_cele.panel->UstawDostepny(PrzyciskPanelu::Ustaw, true);
        m_cele.panel->UstawDostepny(PrzyciskPanelu::Zalacz, true);
    } else {
        m_cele.panel->OdswiezPanel();
    }
}

void clsWizual::GrajDzwiek(const QString& plik)
{
    if (m_uslugi.oApp->Dzwieki != 0)
        m_dzwieki.Graj(plik);
}
