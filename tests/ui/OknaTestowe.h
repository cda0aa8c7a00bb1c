#pragma once
// What the window tests share: two regulators, the command queue, a real notification object and
// window toggles that only record their calls; or the main window itself over a test database.

#include "Dzwieki.h"
#include "MenuGlowne.h"
#include "OknaRegulatora.h"
#include "PortQt.h"
#include "TestSupport.h"
#include "clsKolejka.h"
#include "clsWizual.h"
#include "fmGlowny.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>
#include <QTimer>

// Records "PokazPanel 1" style lines.
class FakeOkna final : public OknaRegulatora
{
  public:
    QStringList wywolania;
    void PokazPanel(bool p) override { wywolania << QStringLiteral("PokazPanel %1").arg(p); }
    void PokazDane(bool p) override { wywolania << QStringLiteral("PokazDane %1").arg(p); }
    void UstawMonitoring(bool w) override { wywolania << QStringLiteral("UstawMonitoring %1").arg(w); }
};

class Cisza final : public OdtwarzaczDzwiekow
{
  public:
    void Graj(const QString&) override {}
};

class NagrywarkaDzwiekow final : public OdtwarzaczDzwiekow
{
  public:
    QStringList zagrane;
    void Graj(const QString& plik) override { zagrane << plik; }
};

// "2 UstawKondensator 2,false" per queued command: regulator, command, parameters.
inline QStringList tekstKolejki(const clsKolejka& kolejka)
{
    QStringList w;
    for (int i = 1; i <= kolejka.Count(); ++i) {
        const clsPozKolejki& p = kolejka.Item(i);
        const QVariantList lista = p.Parametry.typeId() == QMetaType::QVariantList
                                       ? p.Parametry.toList()
                                       : QVariantList{p.Parametry};
        QStringList teksty;
        for (const QVariant& v : lista)
            teksty << v.toString();
        w << QStringLiteral("%1 %2 %3").arg(p.NrRegul).arg(p.Polecenie, teksty.join(u','));
    }
    return w;
}

// Regulators 1 "KB-01" and 2 "KB-02", the first current; Otworz puts a window of type Okno
// in a sub-window of the area as the main window does.
struct StanowiskoOkien
{
    StanowiskoOkien()
    {
        s.dodajRegulator(QStringLiteral("KB-01"), 1);
        s.dodajRegulator(QStringLiteral("KB-02"), 2);
        s.wczytaj();
        s.uslugi.oKolejka = &kolejka;
        s.app->NrAktRegulatora = 1;
        obszar.resize(400, 320);
    }

    template <typename Okno> Okno* Otworz()
    {
        auto* okno = new Okno(s.uslugi, wizual, okna);
        podokno = obszar.addSubWindow(okno);
        podokno->show();
        obszar.show();
        return okno;
    }

    QStringList polecenia() const { return tekstKolejki(kolejka); }

    Srodowisko s;
    clsKolejka kolejka{s.uslugi};
    Cisza cisza;
    clsWizual wizual{s.uslugi, cisza};
    FakeOkna okna;
    QMdiArea obszar;
    QMdiSubWindow* podokno = nullptr;
};

// Opening registers the window; the close box of its sub-window unloads it once; a stale close
// or the destruction of a closed window leaves the next window's registration alone.
// `zarejestrowane(w)` tells whether w is what the services hold (nullptr: nothing is held).
template <typename Okno>
void sprawdzOtwieranie(StanowiskoOkien& st, const bool& zaladowane,
                       const std::function<bool(QWidget*)>& zarejestrowane, const QString& przelacznik)
{
    QPointer<Okno> stary = st.Otworz<Okno>();
    QVERIFY(zaladowane && zarejestrowane(stary));
    st.podokno->close();
    QVERIFY(!zaladowane && zarejestrowane(nullptr));
    Okno* nowy = st.Otworz<Okno>();
    stary->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(stary.isNull());
    QVERIFY(zaladowane && zarejestrowane(nowy));
    const auto pokaz = [&przelacznik](bool p) { return QStringLiteral("%1 %2").arg(przelacznik).arg(p); };
    QCOMPARE(st.okna.wywolania, QStringList({pokaz(true), pokaz(false), pokaz(true)}));
}

// A picture for the eye, under the build folder's screenshots/ui.
inline void zapiszObraz(const QPixmap& obraz, const QString& nazwa)
{
    const QString katalog = QCoreApplication::applicationDirPath() + QStringLiteral("/../../screenshots/ui");
    QVERIFY(QDir().mkpath(katalog));
    QVERIFY(obraz.save(katalog + u'/' + nazwa));
}

// The main window with the real queue and the notification object writing its panels and menus.
struct StanowiskoGlowne
{
    StanowiskoGlowne()
    {
        s.uslugi.oKolejka = &kolejka;
        wizual.Cele().glowne = &okno;
        wizual.Cele().menu = &okno.Menu();
    }
    QAction* akcja(const char* nazwa) const { return okno.findChild<QAction*>(QLatin1String(nazwa)); }
    bool timer(const char* nazwa) const { return okno.findChild<QTimer*>(QLatin1String(nazwa))->isActive(); }
    QStringList polecenia() const { return tekstKolejki(kolejka); }

    Srodowisko s;
    clsKolejka kolejka{s.uslugi};
    NagrywarkaDzwiekow dzwieki;
    clsWizual wizual{s.uslugi, dzwieki};
    PortQt port;
    fmGlowny okno{s.uslugi, port};
};
