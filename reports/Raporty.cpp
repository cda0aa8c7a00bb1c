#include "Raporty.h"

#include "Baza.h"
#include "Clock.h"
#include "Interfaces.h"
#include "OknaModalne.h"
#include "PodgladRaportu.h"
#include "RaportUklady.h"
#include "RaportWydruk.h"
#include "TextFormat.h"
#include "Uslugi.h"
#include "clRegulator.h"
#include "colRegulatory.h"

#include <memory>

Raporty::Raporty(Uslugi& uslugi, QWidget* rodzic)
    : m_uslugi(uslugi), m_rodzic(rodzic), m_odczyt(*uslugi.odczyty, *uslugi.cnBaza, QStringLiteral("Raport"))
{
    Pokaz = [this](RaportWydruk& raport) { podglad(raport); };
}

Raporty::~Raporty() = default;

namespace {

QString zDnia(const QDate& data)
{
    return QStringLiteral(" z dnia ") + TextFormat::date(data.startOfDay(), u"dd/MM/yyyy");
}

QString zaOkres(const QDate& od, const QDate& doDnia)
{
    return QStringLiteral(" za okres od ") + TextFormat::date(od.startOfDay(), u"dd/MM/yy") +
           QStringLiteral(" do ") + TextFormat::date(doDnia.startOfDay(), u"dd/MM/yy");
}

QString obiektu(const QString& nazwa)
{
    return QStringLiteral(" obiektu '") + nazwa + u'\'';
}

} // namespace

void Raporty::RaportDobowyRegul(const QDate& data, qint16 Id)
{
    zbierz([=, this]() -> std::optional<Zamowienie> {
        QString tytul;
        const auto adresy = regulator(Id, tytul);
        return Zamowienie{RapDobowy(), tytul, zDnia(data), [=](const QSqlDatabase& db, const auto&) {
                              return RaportZapytania::Dobowe(db, data, data, adresy);
                          }};
    });
}

void Raporty::RaportDobowyObiekt(const QDate& data, const QString& nazwa)
{
    zbierz([=, this]() -> std::optional<Zamowienie> {
        const auto adresy = adresyObiektu(nazwa);
        if (adresy.isEmpty())
            return std::nullopt;
        const int zaklad = regulatoryZakladu();
        return Zamowienie{RapDobowy(), obiektu(nazwa), zDnia(data), [=](const QSqlDatabase& db, const auto&) {
                              return RaportZapytania::DoboweWg(db, data, data, adresy, {zaklad});
                          }};
    });
}

void Raporty::RaportOkresowyRegul(const QDate& od, const QDate& doDnia, qint16 Id)
{
    zbierz([=, this]() -> std::optional<Zamowienie> {
        QString tytul;
        const auto adresy = regulator(Id, tytul);
        return Zamowienie{RapOkresowy(), tytul, zaOkres(od, doDnia),
                          [=](const QSqlDatabase& db, const OdczytHistorii::Przerwanie& przerwano) {
                              return RaportZapytania::OkresoweWg(db, od, doDnia, adresy, {0, &przerwano});
                          }};
    });
}

void Raporty::RaportOkresowyObiekt(const QDate& od, const QDate& doDnia, const QString& nazwa)
{
    zbierz([=, this]() -> std::optional<Zamowienie> {
        const auto adresy = adresyObiektu(nazwa);
        if (adresy.isEmpty())
            return std::nullopt;
        const int zaklad = regulatoryZakladu();
        return Zamowienie{
            RapOkresowy(), obiektu(nazwa), zaOkres(od, doDnia),
            [=](const QSqlDatabase& db, const OdczytHistorii::Przerwanie& przerwano) {
                return RaportZapytania::OkresoweWg(db, od, doDnia, adresy, {zaklad, &przerwano});
            }};
    });
}

// The procedures run from menu and button handlers, also while a tick waits for a reply: a
// report that cannot be made (a regulator no longer in the collection, a failing statement) is
// told to the operator rather than unwinding into the event loop. The readings are gathered
// away from the polling, which goes on meanwhile; the busy cursor and the status line show that
// the report is being made. The preview, a modal window, opens through the deferral of modal
// windows, so a report gathered while a tick runs is shown when the tick has ended.
void Raporty::zbierz(const std::function<std::optional<Zamowienie>()>& przygotuj)
{
    if (m_odczyt.Trwa())
        return;
    std::optional<Zamowienie> zamowienie;
    try {
        zamowienie = przygotuj();
    } catch (const std::exception& e) {
        blad(QString::fromUtf8(e.what()));
        return;
    }
    if (!zamowienie)
        return;
    auto wiersze = std::make_shared<std::vector<QSqlRecord>>();
    auto czytaj = [wiersze, czytaj = zamowienie->czytaj](const QSqlDatabase& db,
                                                         const OdczytHistorii::Przerwanie& p) {
        *wiersze = czytaj(db, p);
    };
    m_odczyt.Uruchom(std::move(czytaj), [this, wiersze, z = std::move(*zamowienie)](const QString& tekst) {
        if (!tekst.isEmpty())
            return blad(tekst);
        const auto raport = zloz(z.uklad, std::move(*wiersze), z.tytul, z.podtytul);
        OknaModalne::Otworz(*m_uslugi.poTakcie, QStringLiteral("Podgląd raportu"),
                            [this, raport] { Pokaz(*raport); });
    });
}

void Raporty::blad(const QString& tekst) const
{
    if (m_uslugi.komunikaty)
        m_uslugi.komunikaty->Pokaz(tekst, kTytulAplikacji, Komunikaty::Ikona::Krytyczna);
}

RaportZapytania::Adresy Raporty::regulator(qint16 Id, QString& tytul) const
{
    const clRegulator& r = m_uslugi.oRegulatory->Item(Id);
    tytul = QStringLiteral(" regulatora '") + r.Kod + u'\'';
    return {r.adres};
}

// An element names its regulators by code; each code stands for the one regulator loaded under
// it, so rows of Regulatory that loading skipped never reach the report.
int Raporty::regulatoryZakladu() const
{
    return m_uslugi.oRegulatory->Count();
}

RaportZapytania::Adresy Raporty::adresyObiektu(const QString& nazwa) const
{
    RaportZapytania::Adresy adresy;
    for (const QString& kod : RaportZapytania::RegulatoryObiektu(m_uslugi.cnBaza->db(), nazwa)) {
        try {
            const qint16 adres = m_uslugi.oRegulatory->Item(kod).adres;
            if (!adresy.contains(adres))
                adresy << adres;
        } catch (const BladKolekcji&) {
            // No regulator was loaded under that code.
        }
    }
    return adresy;
}

std::shared_ptr<RaportWydruk> Raporty::zloz(RaportUklad uklad, std::vector<QSqlRecord> wiersze,
                                            const QString& tytul, const QString& podtytul) const
{
    uklad.UstawEtykiete(QStringLiteral("Tytul"), tytul);
    uklad.UstawEtykiete(QStringLiteral("Podtytul"), podtytul);
    const QDateTime teraz = m_uslugi.zegar ? m_uslugi.zegar->now() : QDateTime::currentDateTime();
    return std::make_shared<RaportWydruk>(std::move(uklad), std::move(wiersze), teraz);
}

void Raporty::podglad(RaportWydruk& raport)
{
    PodgladRaportu podglad(raport, *m_uslugi.poTakcie, m_rodzic);
    OknaModalne::Exec(*m_uslugi.poTakcie, podglad);
}
