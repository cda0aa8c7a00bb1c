#include "MenuGlowne.h"

#include "Clock.h"
#include "IkonyGlowne.h"
#include "ObrazkiDrzewa.h"
#include "ObrazyRaportow.h"
#include "OknaModalne.h"
#include "OknoPodrzedne.h"
#include "PoleceniaRegulatora.h"
#include "PrzelaczanieOkien.h"
#include "Raporty.h"
#include "Uslugi.h"
#include "clsoApp.h"
#include "fmAlarmyArch.h"
#include "fmAlarmyN.h"
#include "fmRapOkna.h"
#include "fmStruktura.h"
#include "fmWykresy1.h"
#include "fmWykresy2.h"
#include "frmOptions.h"
#include "frmRegulatory.h"
#include "frmSplash.h"

#include <QCursor>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>

MenuGlowne::MenuGlowne(Uslugi& uslugi, QMainWindow& okno, QMdiArea& obszar)
    : QObject(&okno), m_uslugi(uslugi), m_okno(okno), m_obszar(obszar),
      m_polecenia(std::make_unique<PoleceniaRegulatora>(uslugi, &okno)),
      m_raporty(std::make_unique<Raporty>(uslugi, &okno))
{
    createMenus();
    createToolBar();
    m_okna = std::make_unique<PrzelaczanieOkien>(uslugi, obszar,
                                                 PrzelaczanieOkien::Elementy{m_regulPanel, m_przyciskPanel},
                                                 PrzelaczanieOkien::Elementy{m_regulDane, m_przyciskDane},
                                                 PrzelaczanieOkien::Elementy{m_regulMonit, m_przyciskMonit});
}

MenuGlowne::~MenuGlowne() = default;

template <typename Akcja>
QAction* MenuGlowne::pozycja(QMenu* menu, const char* nazwa, const QString& podpis, Akcja akcja)
{
    QAction* a = menu->addAction(podpis);
    a->setObjectName(QLatin1String(nazwa));
    connect(a, &QAction::triggered, this, akcja);
    return a;
}

// A menu kept off the bar serves only as a pop-up menu.
QMenu* MenuGlowne::menu(const char* nazwa, const QString& podpis, bool naPasku)
{
    auto* m = new QMenu(podpis, &m_okno);
    m->setObjectName(QLatin1String(nazwa));
    if (naPasku)
        m_okno.menuBar()->addMenu(m);
    return m;
}

namespace {
template <typename Okno> Okno* otworzWykres(QMdiArea& obszar, Uslugi& uslugi)
{
    return OknoPodrzedne::otworz<Okno>(obszar, [&uslugi] { return new Okno(uslugi); });
}
} // namespace

void MenuGlowne::separator(QMenu* menu, const char* nazwa)
{
    menu->addSeparator()->setObjectName(QLatin1String(nazwa));
}

void MenuGlowne::createMenus()
{
    QMenu* struktura = menu("mnuStr", QStringLiteral("Struktura"), false);
    pozycja(struktura, "mnuStrRapDob", QStringLiteral("raport dobowy"), [this] { WyswRaportDobowy(); });
    pozycja(struktura, "mnuStrRapOkr", QStringLiteral("raport okresowy"), [this] { WyswRaportOkresowy(); });
    QMenu* plik = menu("mnuPlik", QStringLiteral("&Plik"));
    pozycja(plik, "mnuStruktura", QStringLiteral("&Struktura"),
            [this, struktura] { fmStruktura::Otworz(m_obszar, m_uslugi, struktura); });
    Koniec = [this] { m_okno.close(); };
    pozycja(plik, "mnuKoniec", QStringLiteral("&Koniec"), [this] { Koniec(); });
    m_baza = menu("mnuBaza", QStringLiteral("&Baza danych"), false);
    pozycja(m_baza, "mnuBDNowyRegul", QStringLiteral("&Nowy regulator"),
            [this] { frmRegulatory::OtworzNowyRekord(m_uslugi, m_obszar); });
    createRegulMenu();
    QMenu* raporty = menu("mnuRaporty", QStringLiteral("&Raporty"));
    pozycja(raporty, "mnuRaportyDobowy", QStringLiteral("Raport &dobowy"), [this] { WyswRaportDobowy(); });
    pozycja(raporty, "mnuRapOkresowy", QStringLiteral("Raport &okresowy"), [this] { WyswRaportOkresowy(); });
    QMenu* wykresy = menu("mnuWykresy", QStringLiteral("&Wykresy"));
    pozycja(wykresy, "mnuWykresDob", QStringLiteral("Wykres &dobowy"),
            [this] { otworzWykres<fmWykresy1>(m_obszar, m_uslugi); });
    pozycja(wykresy, "mnuWykresMies", QStringLiteral("Wykres &okresowy"),
            [this] { otworzWykres<fmWykresy2>(m_obszar, m_uslugi); });
    QMenu* ster = menu("mnuSter", QStringLiteral("&Sterowanie"));
    m_pozycje[size_t(PozycjaMenu::SterWlacz)] =
        pozycja(ster, "mnuSterWlacz", QStringLiteral("Włącz tryb &sterowania"), [this] { przelaczTryb(); });
    QMenu* narzedzia = menu("mnuNarzedzia", QStringLiteral("&Narzędzia"));
    pozycja(narzedzia, "mnuNarzOpcje", QStringLiteral("&Opcje"), [this] { otworzOpcje(); });
    pozycja(narzedzia, "mnuNarzAlarmy", QStringLiteral("Archiwum &alarmów"),
            [this] { fmAlarmyArch::Otworz(m_obszar, m_uslugi); });
    QMenu* pomoc = menu("mnuPomoc", QStringLiteral("&Pomoc"));
    pozycja(pomoc, "mnuPomocOProgramie", QStringLiteral("&O programie"), [this] {
        OknaModalne::Otworz(*m_uslugi.poTakcie, QStringLiteral("O programie"),
                            [this] { frmSplash::PokazOProgramie(&m_okno); });
    });
}

// The window items are hidden; their check marks only follow the toggles. The stage and lock
// items are enabled in control mode.
void MenuGlowne::createRegulMenu()
{
    m_regul = menu("popmnuRegul", QStringLiteral("&Regulator"));
    m_regulPanel = pozycja(m_regul, "mnuRegulPanel", QStringLiteral("wyświetl panel"),
                           [this](bool z) { m_okna->PokazPanel(z); });
    m_regulDane = pozycja(m_regul, "mnureguldane", QStringLiteral("wyświetl dane"),
                          [this](bool z) { m_okna->PokazDane(z); });
    m_regulMonit = pozycja(m_regul, "mnuregulmonit", QStringLiteral("&Monitoring"),
                           [this](bool z) { m_okna->UstawMonitoring(z); });
    for (QAction* a : {m_regulPanel, m_regulDane, m_regulMonit})
        a->setCheckable(true);
    m_regulPanel->setVisible(false);
    m_regulDane->setVisible(false);

    m_bateria = m_regul->addMenu(QStringLiteral("&Stopień"));
    m_bateria->setObjectName(QStringLiteral("mnuRegulBat"));
    m_pozycje[size_t(PozycjaMenu::RegulBatZal)] =
        pozycja(m_bateria, "mnuRegulBatZal", QStringLiteral("&Załącz stopień"),
                [this] { m_polecenia->mnuRegulBatZal_Click(); });
    m_pozycje[size_t(PozycjaMenu::RegulBatTestuj)] = m_bateria->addAction(QStringLiteral("&Testuj stopień"));
    m_pozycje[size_t(PozycjaMenu::RegulBatTestuj)]->setObjectName(QStringLiteral("mnuRegulBatTestuj"));
    separator(m_regul, "mnunic2");
    pozycja(m_regul, "mnuRegRapDob", QStringLiteral("&Raport z akt. doby"), [this] {
        if (regulatorAktualny(m_uslugi))
            m_raporty->RaportDobowyRegul(m_uslugi.zegar->now().date(), m_uslugi.oApp->NrAktRegulatora);
    });
    pozycja(m_regul, "mnyRegWykrDob", QStringLiteral("&Wykres z akt. doby"),
            [this] { otworzWykres<fmWykresy1>(m_obszar, m_uslugi)->btnWykresl_Click(); });
    pozycja(m_regul, "mnuRegulAlarmy", QStringLiteral("&Alarmy z doby"),
            [this] { fmAlarmyArch::Otworz(m_obszar, m_uslugi)->WczytajAlarmy(); });
    separator(m_regul, "mnunic4");
    m_pozycje[size_t(PozycjaMenu::RegulZablok)] =
        pozycja(m_regul, "mnuRegulZablok", QStringLiteral("&Zablokuj regulator"),
                [this] { m_polecenia->mnuRegulZablok_Click(); });
    separator(m_regul, "mnunic");
    pozycja(m_regul, "mnuRegulEdytuj", QStringLiteral("edytuj"),
            [this] { frmRegulatory::OtworzRekordAktualnego(m_uslugi, m_obszar); });
    pozycja(m_regul, "mnuRegulUsun", QStringLiteral("usuń"), [this] { m_polecenia->mnuRegulUsun_Click(); });
    for (PozycjaMenu p : {PozycjaMenu::RegulBatZal, PozycjaMenu::RegulBatTestuj, PozycjaMenu::RegulZablok})
        m_pozycje[size_t(p)]->setEnabled(false);
}

void MenuGlowne::createToolBar()
{
    m_pasek = m_okno.addToolBar(QStringLiteral("Toolbar"));
    m_pasek->setObjectName(QStringLiteral("Toolbar"));
    m_pasek->setMovable(false);
    przycisk("Komun", ObrazkiDrzewa::komunikacja(), QStringLiteral("Włączanie/wyłaczanie komunikacji"), true)
        ->setChecked(true);
    m_pasek->addSeparator();
    m_przyciskPanel = przycisk("Panel", IkonyGlowne::obraz(QStringLiteral("panel")),
                               QStringLiteral("Pokaż/ukryj panel"), true);
    m_przyciskDane = przycisk("Dane", IkonyGlowne::obraz(QStringLiteral("Dane")),
                              QStringLiteral("Pokaż/ukryj dane z regulatora"), true);
    m_przyciskMonit = przycisk("Monit", IkonyGlowne::obraz(QStringLiteral("lornetka")),
                               QStringLiteral("Włącz/wyłącz monitoring"), true);
    m_pasek->addSeparator();
    przycisk("Alarm", IkonyGlowne::obraz(QStringLiteral("blysk1")), QStringLiteral("Pokaż okno alarmów"),
             false);
    m_pasek->addSeparator();
    przycisk("RapDob", RaportObraz(), QStringLiteral("Raport dobowy"), false);
    przycisk("Wykresy", WykresObraz(), QStringLiteral("Wykres dobowy"), false);
    // The settings wizard's button has no key and no action.
    przycisk("", QIcon(IkonyGlowne::ImageList1(11)), QStringLiteral("Czarosdziej ustawien"), false);
}

QAction* MenuGlowne::przycisk(const char* klucz, const QIcon& ikona, const QString& podpowiedz,
                              bool przelacznik)
{
    const QString k = QLatin1String(klucz);
    QAction* a = m_pasek->addAction(ikona, k);
    a->setObjectName(k);
    a->setToolTip(podpowiedz);
    a->setCheckable(przelacznik);
    connect(a, &QAction::triggered, this, [this, k](bool stan) { ToolbarAction(k, stan); });
    return a;
}

void MenuGlowne::ToolbarAction(const QString& Key, bool Value)
{
    if (Key == QLatin1String("Panel"))
        m_okna->PokazPanel(Value);
    else if (Key == QLatin1String("Dane"))
        m_okna->PokazDane(Value);
    else if (Key == QLatin1String("Monit"))
        m_okna->UstawMonitoring(Value);
    else if (Key == QLatin1String("Alarm"))
        pokazAlarmy();
    else if (Key == QLatin1String("Wykresy"))
        otworzWykres<fmWykresy1>(m_obszar, m_uslugi);
    else if (Key == QLatin1String("RapDob"))
        WyswRaportDobowy();
}

void MenuGlowne::WyswRaportDobowy()
{
    if (m_uslugi.oApp->AktTypEl == QLatin1String("R"))
        OknoPodrzedne::otworzStale<fmRapDob>(m_obszar, [this] { return new fmRapDob(m_uslugi, *m_raporty); });
    else
        OknoPodrzedne::otworzStale<fmRapDobS>(m_obszar,
                                              [this] { return new fmRapDobS(m_uslugi, *m_raporty); });
}

void MenuGlowne::WyswRaportOkresowy()
{
    if (m_uslugi.oApp->AktTypEl == QLatin1String("R"))
        OknoPodrzedne::otworzStale<fmRapOkres>(m_obszar,
                                               [this] { return new fmRapOkres(m_uslugi, *m_raporty); });
    else
        OknoPodrzedne::otworzStale<fmRapOkresS>(m_obszar,
                                                [this] { return new fmRapOkresS(m_uslugi, *m_raporty); });
}

// The current-alarms window is open for the whole run; the button only brings it forward.
void MenuGlowne::pokazAlarmy()
{
    for (QMdiSubWindow* podokno : m_obszar.subWindowList()) {
        if (qobject_cast<fmAlarmyN*>(podokno->widget())) {
            m_obszar.setActiveSubWindow(podokno);
            podokno->widget()->setFocus();
        }
    }
}

// Switching on asks for the login, a modal window. Both ways wait for a running tick's end, so
// that the clicks keep their order; clicks repeated meanwhile are one.
void MenuGlowne::przelaczTryb()
{
    const QString nazwa = m_uslugi.oApp->TrybSterowania ? QStringLiteral("Wyłącz tryb sterowania")
                                                        : QStringLiteral("Logowanie");
    OknaModalne::Otworz(
        *m_uslugi.poTakcie, nazwa, [this] { m_uslugi.oApp->PrzelaczTrybSterowania(); },
        QStringLiteral("mnuSterWlacz"));
}

void MenuGlowne::otworzOpcje()
{
    if (!m_opcje) {
        m_opcje = new frmOptions(m_uslugi, &m_okno);
        connect(m_opcje, &QDialog::finished, m_opcje, &QObject::deleteLater);
    }
    m_opcje->show();
    m_opcje->raise();
    m_opcje->activateWindow();
}

QMenu* MenuGlowne::Podreczne(MenuPodreczne menu) const
{
    switch (menu) {
    case MenuPodreczne::Regulator:
        return m_regul;
    case MenuPodreczne::Baza:
        return m_baza;
    case MenuPodreczne::Stopien:
        return m_bateria;
    }
    return nullptr;
}

void MenuGlowne::PokazPodreczne(MenuPodreczne menu) const
{
    Podreczne(menu)->popup(QCursor::pos());
}

void MenuGlowne::UstawPodpis(PozycjaMenu pozycja, const QString& podpis)
{
    m_pozycje[size_t(pozycja)]->setText(podpis);
}

void MenuGlowne::UstawDostepna(PozycjaMenu pozycja, bool dostepna)
{
    m_pozycje[size_t(pozycja)]->setEnabled(dostepna);
}

void MenuGlowne::UstawMonitoring(bool wcisniety)
{
    m_przyciskMonit->setChecked(wcisniety);
    m_regulMonit->setChecked(wcisniety);
}

void MenuGlowne::UstawTrybSterowania(bool tryb)
{
    if (m_opcje)
        m_opcje->UstawTrybSterowania(tryb);
}
