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

#include <QGuiApplication>
#include <memory>

Raporty::Raporty(Uslugi& uslugi, QWidget* rodzic) : m_uslugi(uslugi), m_rodzic(rodzic)
{
    Pokaz = [this](RaportWydruk& raport) { podglad(raport); };
}

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

// The busy cursor for as long as it lives.
class KursorZajety
{
  public:
    KursorZajety() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~KursorZajety() { QGuiApplication::restoreOverrideCursor(); }
    KursorZajety(const KursorZajety&) = delete;
    KursorZajety& operator=(const KursorZajety&) = delete;
};

} // namespace

void Raporty::RaportDobowyRegul(const QDate& data, qint16 Id)
{
    bezpiecznie([=, this] {
        QString tytul;
        const auto adresy = regulator(Id, tytul);
        return zloz(RapDobowy(), RaportZapytania::Dobowe(m_uslugi.cnBaza->db(), data, data, adresy), tytul,
                    zDnia(data));
    });
}

void Raporty::RaportDobowyObiekt(const QDate& data, const QString& nazwa)
{
    bezpiecznie([=, this]() -> std::shared_ptr<RaportWydruk> {
        const auto adresy = adresyObiektu(nazwa);
        if (adresy.isEmpty())
            return nullptr;
        return zloz(RapDobowy(), RaportZapytania::Dobowe(m_uslugi.cnBaza->db(), data, data, adresy),
                    obiektu(nazwa), zDnia(data));
    });
}

void Raporty::RaportOkresowyRegul(const QDate& od, const QDate& doDnia, qint16 Id)
{
    bezpiecznie([=, this] {
        QString tytul;
        const auto adresy = regulator(Id, tytul);
        return zloz(RapOkresowy(), RaportZapytania::Okresowe(m_uslugi.cnBaza->db(), od, doDnia, adresy),
                    tytul, zaOkres(od, doDnia));
    });
}

void Raporty::RaportOkresowyObiekt(const QDate& od, const QDate& doDnia, const QString& nazwa)
{
    bezpiecznie([=, this]() -> std::shared_ptr<RaportWydruk> {
        const auto adresy = adresyObiektu(nazwa);
        if (adresy.isEmpty())
            return nullptr;
        return zloz(RapOkresowy(), RaportZapytania::Okresowe(m_uslugi.cnBaza->db(), od, doDnia, adresy),
                    obiektu(nazwa), zaOkres(od, doDnia));
    });
}

// The procedures run from menu and button handlers: a report that cannot be made (a regulator
// no longer in the collection, a failing statement) is told to the operator rather than
// unwinding into the event loop. A year of readings takes a while to gather, so the report is
// made, as its modal preview is shown, when no tick runs: asked for during one, both wait for
// its end, and a repeated "&Ok" makes the last choice once. The busy cursor shows while the
// report is made and is gone before the message or the preview appears.
void Raporty::bezpiecznie(std::function<std::shared_ptr<RaportWydruk>()> zbuduj)
{
    OknaModalne::Otworz(*m_uslugi.poTakcie, QStringLiteral("Podgląd raportu"),
                        [this, zbuduj = std::move(zbuduj)] {
                            std::shared_ptr<RaportWydruk> raport;
                            try {
                                const KursorZajety kursor;
                                raport = zbuduj();
                            } catch (const std::exception& e) {
                                if (m_uslugi.komunikaty)
                                    m_uslugi.komunikaty->Pokaz(QString::fromUtf8(e.what()), kTytulAplikacji,
                                                               Komunikaty::Ikona::Krytyczna);
                                return;
                            }
                            if (raport)
                                Pokaz(*raport);
                        });
}

RaportZapytania::Adresy Raporty::regulator(qint16 Id, QString& tytul) const
{
    const clRegulator& r = m_uslugi.oRegulatory->Item(Id);
    tytul = QStringLiteral(" regulatora '") + r.Kod + u'\'';
    return {r.adres};
}

// An element names its regulators by code; each code stands for the one regulator loaded under
// it, so rows of Regulatory that loading skipped never reach the report.
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
