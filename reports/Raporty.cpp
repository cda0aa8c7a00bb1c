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

} // namespace

void Raporty::RaportDobowyRegul(const QDate& data, qint16 Id)
{
    bezpiecznie([&] {
        QString tytul;
        const auto wybor = regulator(Id, tytul);
        pokaz(RapDobowy(), RaportZapytania::Dobowe(m_uslugi.cnBaza->db(), data, data, wybor), tytul,
              zDnia(data));
    });
}

void Raporty::RaportDobowyObiekt(const QDate& data, const QString& nazwa)
{
    bezpiecznie([&] {
        const QStringList kody = RaportZapytania::RegulatoryObiektu(m_uslugi.cnBaza->db(), nazwa);
        if (kody.isEmpty())
            return;
        pokaz(RapDobowy(), RaportZapytania::Dobowe(m_uslugi.cnBaza->db(), data, data, {std::nullopt, kody}),
              obiektu(nazwa), zDnia(data));
    });
}

void Raporty::RaportOkresowyRegul(const QDate& od, const QDate& doDnia, qint16 Id)
{
    bezpiecznie([&] {
        QString tytul;
        const auto wybor = regulator(Id, tytul);
        pokaz(RapOkresowy(), RaportZapytania::Okresowe(m_uslugi.cnBaza->db(), od, doDnia, wybor), tytul,
              zaOkres(od, doDnia));
    });
}

void Raporty::RaportOkresowyObiekt(const QDate& od, const QDate& doDnia, const QString& nazwa)
{
    bezpiecznie([&] {
        const QStringList kody = RaportZapytania::RegulatoryObiektu(m_uslugi.cnBaza->db(), nazwa);
        if (kody.isEmpty())
            return;
        pokaz(RapOkresowy(),
              RaportZapytania::Okresowe(m_uslugi.cnBaza->db(), od, doDnia, {std::nullopt, kody}),
              obiektu(nazwa), zaOkres(od, doDnia));
    });
}

// The procedures run from menu and button handlers: a report that cannot be made (a regulator
// no longer in the collection, a failing statement) is told to the operator rather than
// unwinding into the event loop.
void Raporty::bezpiecznie(const std::function<void()>& raport)
{
    try {
        raport();
    } catch (const std::exception& e) {
        if (m_uslugi.komunikaty)
            m_uslugi.komunikaty->Pokaz(QString::fromUtf8(e.what()), kTytulAplikacji,
                                       Komunikaty::Ikona::Krytyczna);
    }
}

RaportZapytania::Regulatory Raporty::regulator(qint16 Id, QString& tytul) const
{
    const clRegulator& r = m_uslugi.oRegulatory->Item(Id);
    tytul = QStringLiteral(" regulatora '") + r.Kod + u'\'';
    return {r.adres, {}};
}

void Raporty::pokaz(RaportUklad uklad, std::vector<QSqlRecord> wiersze, const QString& tytul,
                    const QString& podtytul)
{
    uklad.UstawEtykiete(QStringLiteral("Tytul"), tytul);
    uklad.UstawEtykiete(QStringLiteral("Podtytul"), podtytul);
    const QDateTime teraz = m_uslugi.zegar ? m_uslugi.zegar->now() : QDateTime::currentDateTime();
    // The preview is modal: asked for during a tick, it opens when the tick has ended.
    auto raport = std::make_shared<RaportWydruk>(std::move(uklad), std::move(wiersze), teraz);
    // One preview waits at a time: a repeated "&Ok" shows the last choice once.
    OknaModalne::Otworz(*m_uslugi.poTakcie, QStringLiteral("Podgląd raportu"),
                        [this, raport] { Pokaz(*raport); });
}

void Raporty::podglad(RaportWydruk& raport)
{
    PodgladRaportu podglad(raport, *m_uslugi.poTakcie, m_rodzic);
    OknaModalne::Exec(*m_uslugi.poTakcie, podglad);
}
