#include "RejestrAlarmow.h"

#include "Clock.h"
#include "IWizual.h"
#include "Interfaces.h"
#include "TextFormat.h"
#include "Uslugi.h"
#include "clRegulator.h"
#include "clsBD.h"
#include "clsoApp.h"
#include "colRegulatory.h"

#include <algorithm>
#include <limits>

namespace {
constexpr qint16 kLimitLicznika = std::numeric_limits<qint16>::max();
constexpr qint64 kMsDoby = 24 * 60 * 60 * 1000;

// The counters are 16-bit. At the limit they stay there rather than wrap to a negative count,
// which would stop the blinking and the sound while alarms are still there.
void zwieksz(qint16& licznik)
{
    if (licznik < kLimitLicznika)
        ++licznik;
}

// Below the limit the counter is exact; once it has stood at the limit, the rows still counted
// (`ile`) tell how many are left.
void zmniejsz(qint16& licznik, qint64 ile)
{
    if (licznik < kLimitLicznika) {
        if (licznik > 0)
            --licznik;
        return;
    }
    licznik = qint16(std::min<qint64>(ile, kLimitLicznika));
}

constexpr qint64 kBrakCzasu = std::numeric_limits<qint64>::min();

// The date and time as the clock gave them, whatever their time zone: the row shows them so.
qint64 czasWiersza(const QDateTime& t)
{
    return t.isValid() ? t.date().toJulianDay() * kMsDoby + t.time().msecsSinceStartOfDay() : kBrakCzasu;
}

QDateTime czasZWiersza(qint64 ms)
{
    if (ms == kBrakCzasu)
        return {};
    return QDateTime(QDate::fromJulianDay(ms / kMsDoby), QTime::fromMSecsSinceStartOfDay(int(ms % kMsDoby)),
                     Qt::UTC);
}

QString flaga(bool tak, QStringView jesliTak, QStringView jesliNie)
{
    return (tak ? jesliTak : jesliNie).toString();
}
} // namespace

RejestrAlarmow::RejestrAlarmow(Uslugi& uslugi, QObject* parent) : QObject(parent), m_uslugi(uslugi) {}

QString RejestrAlarmow::Prefiks(int kodAlarmu)
{
    switch (kodAlarmu) {
    case 100:
        return QStringLiteral("Brak komunikacji z regulatorem ");
    case 201:
        return QStringLiteral("Przekroczona wartość prądu ");
    case 202:
        return QStringLiteral("Przekroczona wartość napięcia ");
    case 203:
        return QStringLiteral("Przekroczona wartość tg fi ");
    default:
        return {};
    }
}

int RejestrAlarmow::obrazek(int kod)
{
    return kod == 100 ? 1 : Prefiks(kod).isEmpty() ? 0 : 2;
}

QString RejestrAlarmow::regulator(int nrRegul) const
{
    return m_uslugi.oRegulatory->Item(nrRegul).Kod;
}

WierszAlarmu RejestrAlarmow::Wiersz(int pozycja) const
{
    const Alarm& a = alarm(pozycja);
    WierszAlarmu w;
    w.Czas = TextFormat::date(czasZWiersza(a.czas), u"dd/MM/yyyy hh:mm:ss");
    w.Regulator = regulator(a.nrRegul);
    w.Opis = m_opisy.Tekst(a.opis);
    w.TrescAlarmu = Prefiks(a.kod) + w.Opis;
    w.NrRegul = TextFormat::plain(int(a.nrRegul));
    w.KodAlarmu = TextFormat::plain(int(a.kod));
    w.Aktywny = flaga(a.aktywny, u"A", u"N");
    w.Potwierdzony = flaga(a.potwierdzony, u"T", u"N");
    w.IdAlarmu = TextFormat::plain(a.idAlarmu);
    w.Obrazek = obrazek(a.kod);
    return w;
}

int RejestrAlarmow::AktywnyWiersz(int nrRegul, int kod) const
{
    return m_aktywne.value(klucz(nrRegul, kod));
}

void RejestrAlarmow::NowyAlarm(const QDateTime& Data, int NrRegul, int Kod, const QString& Opis)
{
    if (AktywnyWiersz(NrRegul, Kod) > 0)
        return;
    const QString kodRegulatora = regulator(NrRegul);
    const QString tresc = Prefiks(Kod) + Opis;
    m_alarmy.push_back(Alarm{.czas = czasWiersza(Data),
                             .opis = m_opisy.Dodaj(Opis),
                             .nrRegul = qint16(NrRegul),
                             .kod = qint16(Kod)});
    const int pozycja = Count();
    m_aktywne.insert(klucz(NrRegul, Kod), pozycja);
    ++m_aktywneRegulatora[qint16(NrRegul)];
    ++m_liczbaAktywnych;
    ++m_liczbaNiepotwierdzonych;

    m_alarmy.back().idAlarmu = m_uslugi.oBD->ZapiszAlarm(Data, QStringLiteral("R"), tresc, kodRegulatora, {});
    emit wierszDodany(pozycja);

    if (m_uslugi.drzewo)
        m_uslugi.drzewo->UstawAlarmWezla(kodRegulatora, true);
    zwieksz(m_uslugi.oApp->IloscAktywnychAlarmow);
    zwieksz(m_uslugi.oApp->IloscNiePotwAlarmow);
    m_uslugi.oWizual->eZmianaAlarmow();
}

void RejestrAlarmow::DezaktywujAlarm(int pozycja)
{
    Alarm& a = m_alarmy.at(size_t(pozycja - 1));
    if (!a.aktywny)
        return;
    a.aktywny = false;
    m_aktywne.remove(klucz(a.nrRegul, a.kod));
    const bool ostatniRegulatora = --m_aktywneRegulatora[a.nrRegul] == 0;
    if (ostatniRegulatora)
        m_aktywneRegulatora.remove(a.nrRegul);
    zmniejsz(m_uslugi.oApp->IloscAktywnychAlarmow, --m_liczbaAktywnych);
    emit wierszZmieniony(pozycja);
    // The condition has cleared whether or not the file takes the time: the row follows the
    // regulator, and a refused write is reported by the writer.
    m_uslugi.oBD->ModyfikujAlarm(a.idAlarmu, std::nullopt, m_uslugi.zegar->now(), {});
    if (m_uslugi.oApp->IloscAktywnychAlarmow == 0)
        m_uslugi.oWizual->eZmianaAlarmow();
    if (ostatniRegulatora && m_uslugi.drzewo)
        m_uslugi.drzewo->UstawAlarmWezla(regulator(a.nrRegul), false);
}

void RejestrAlarmow::Potwierdz(int pozycja)
{
    if (pozycja < 1 || pozycja > Count())
        return;
    Alarm& a = m_alarmy[size_t(pozycja - 1)];
    if (a.potwierdzony)
        return;
    // An acknowledgement the file did not keep is not shown as made: the writer reports the
    // refusal, and the row waits for the operator to acknowledge it again. An alarm whose row
    // the file never took has nothing to wait for: it is acknowledged on the screen all the same,
    // or it would blink and sound until the program ends.
    if (!m_uslugi.oBD->ModyfikujAlarm(a.idAlarmu, m_uslugi.zegar->now(), std::nullopt, {}) &&
        !m_uslugi.oBD->AlarmNiezapisany(a.idAlarmu))
        return;
    a.potwierdzony = true;
    zmniejsz(m_uslugi.oApp->IloscNiePotwAlarmow, --m_liczbaNiepotwierdzonych);
    emit wierszZmieniony(pozycja);
    m_uslugi.oWizual->eZmianaAlarmow();
}
