#include "StartUp.h"

#include "Clock.h"
#include "Dzwieki.h"
#include "IkonyGlowne.h"
#include "IndeksyHistorii.h"
#include "Komunikator.h"
#include "KomunikatyOkien.h"
#include "MenuGlowne.h"
#include "OdczytHistorii.h"
#include "PetlaOdczytow.h"
#include "PoTakcie.h"
#include "PortQt.h"
#include "PrzelaczanieOkien.h"
#include "RejestrAlarmow.h"
#include "SygnalyZakonczenia.h"
#include "WczytajRegulatory.h"
#include "clComm.h"
#include "clsBD.h"
#include "clsFunkcje.h"
#include "clsKolejka.h"
#include "clsWizual.h"
#include "clsoApp.h"
#include "colRegulatory.h"
#include "fmAlarmyN.h"
#include "fmGlowny.h"
#include "fmLogin.h"
#include "fmRegulatory.h"
#include "fmpanel.h"
#include "frmDane.h"
#include "frmSplash.h"

// Every showing of the login is a fresh window over the main window.
class StartUp::Logowanie final : public OknoLogowania
{
  public:
    explicit Logowanie(StartUp& s) : m_s(s) {}
    void PokazModalnie(const std::function<void()>& poOdpowiedzi) override
    {
        fmLogin okno(m_s.m_uslugi, m_s.m_glowny.get());
        okno.PokazModalnie(poOdpowiedzi);
    }

  private:
    StartUp& m_s;
};

StartUp::StartUp()
    : m_app(std::make_unique<clsoApp>(m_uslugi)), m_comm(std::make_unique<clComm>(m_uslugi)),
      m_komunikator(std::make_unique<Komunikator>(m_uslugi)), m_dzwieki(std::make_unique<Dzwieki>())
{
    m_wizual = std::make_unique<clsWizual>(m_uslugi, *m_dzwieki);
    m_regulatory = std::make_unique<colRegulatory>(m_uslugi);
    m_funkcje = std::make_unique<clsFunkcje>();
    m_kolejka = std::make_unique<clsKolejka>(m_uslugi);
    m_bd = std::make_unique<clsBD>(m_uslugi);
    m_rejestr = std::make_unique<RejestrAlarmow>(m_uslugi);
    m_zegar = std::make_unique<SystemClock>();
    m_poTakcie = std::make_unique<PoTakcie>();
    m_odczyty = std::make_unique<OdczytyHistorii>(true);
    m_port = std::make_unique<PortQt>();
    m_komunikaty = std::make_unique<KomunikatyOkien>(*m_poTakcie);
    m_logowanie = std::make_unique<Logowanie>(*this);

    m_uslugi.oApp = m_app.get();
    m_uslugi.oComm = m_comm.get();
    m_uslugi.oKomunikator = m_komunikator.get();
    m_uslugi.oWizual = m_wizual.get();
    m_uslugi.oRegulatory = m_regulatory.get();
    m_uslugi.oFunkcje = m_funkcje.get();
    m_uslugi.oKolejka = m_kolejka.get();
    m_uslugi.oBD = m_bd.get();
    m_uslugi.cnBaza = &m_baza;
    m_uslugi.rejestr = m_rejestr.get();
    m_uslugi.komunikaty = m_komunikaty.get();
    m_uslugi.logowanie = m_logowanie.get();
    m_uslugi.zegar = m_zegar.get();
    m_uslugi.poTakcie = m_poTakcie.get();
    m_uslugi.odczyty = m_odczyty.get();
    m_comm->UstawPort(m_port.get());
}

StartUp::~StartUp()
{
    // The windows are children of nothing here and go first; the services they use stay
    // until then.
    m_glowny.reset();
    m_splash.reset();
}

int StartUp::Uruchom(const QString& plikBazy)
{
    const QString drugiProgram = m_blokada.Zajmij(plikBazy);
    if (!drugiProgram.isEmpty()) {
        m_uslugi.komunikaty->Pokaz(drugiProgram, kTytulAplikacji, Komunikaty::Ikona::Krytyczna);
        return kJuzDziala;
    }
    m_splash = std::make_unique<frmSplash>();
    m_splash->show();
    m_splash->repaint();
    m_splash->UstawPostep(QStringLiteral("Otwieram bazę danych i wczytuje regulatory..."));

    WynikWczytania wynik{m_baza.Otworz(plikBazy), {}};
    if (wynik.blad.isEmpty()) {
        uzupelnijIndeksy();
        wynik = WczytajRegulatory(m_uslugi);
    }
    if (!wynik.blad.isEmpty()) {
        m_splash.reset();
        m_uslugi.komunikaty->Pokaz(wynik.blad, kTytulAplikacji, Komunikaty::Ikona::Krytyczna);
        return kBladBazy;
    }

    otworzOkna();
    m_splash.reset();
    m_sygnaly = std::make_unique<SygnalyZakonczenia>();
    QObject::connect(m_sygnaly.get(), &SygnalyZakonczenia::zakonczenie, m_glowny.get(),
                     &fmGlowny::ZakonczBezPytania);
    m_glowny->Timer1().Wlacz();
    // Problems in the regulator data stop nothing: the regulators that loaded are supervised
    // while the report waits for the operator, and each problem is in the event log.
    if (!wynik.raport.isEmpty())
        m_uslugi.komunikaty->PokazBezCzekania(wynik.raport, kTytulAplikacji, Komunikaty::Ikona::Informacja);
    return 0;
}

// A file made before the indexes of the history's reads gets them now, once, each with a row
// in the event log. One that cannot be made leaves the reads slower, not the supervision.
void StartUp::uzupelnijIndeksy()
{
    try {
        for (const QString& indeks : IndeksyHistorii::Uzupelnij(m_baza.db()))
            m_bd->ZapiszDoLoga(QStringLiteral("Utworzono indeks bazy danych ") + indeks, QStringLiteral("N"),
                               QStringLiteral("L"), {});
    } catch (const std::exception& e) {
        m_bd->ZapiszDoLoga(QStringLiteral("Błąd tworzenia indeksu bazy danych: ") +
                               QString::fromUtf8(e.what()),
                           QStringLiteral("B"), QStringLiteral("L"), {});
    }
}

// The main window first (its load opens the port), then the windows open for the whole run:
// the regulator tree, then the current alarms.
void StartUp::otworzOkna()
{
    m_glowny = std::make_unique<fmGlowny>(m_uslugi, *m_port);
    m_wizual->Cele().glowne = m_glowny.get();
    m_wizual->Cele().menu = &m_glowny->Menu();
    PrzelaczanieOkien& okna = m_glowny->Menu().Okna();
    okna.TworzPanel = [this, &okna] { return new fmpanel(m_uslugi, *m_wizual, okna); };
    okna.TworzDane = [this, &okna] { return new frmDane(m_uslugi, *m_wizual, okna); };
    m_komunikaty->UstawRodzica(m_glowny.get());
    m_glowny->Zaladuj();
    m_glowny->show();
    fmRegulatory* drzewo = fmRegulatory::OtworzW(m_glowny->Obszar(), m_uslugi, *m_wizual);
    drzewo->PokazMenu = [this](MenuPodreczne menu) { m_glowny->Menu().PokazPodreczne(menu); };
    fmAlarmyN::OtworzW(m_glowny->Obszar(), m_uslugi, IkonyGlowne::obraz(QStringLiteral("blysk1")));
}

int StartUp::KodZakonczenia() const
{
    return m_bd->LiczbaNiezapisanych() > 0 ? kZapisyUtracone : 0;
}
