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
const QString kAktywny = QStringLiteral("A");
const QString kNieaktywny = QStringLiteral("N");
const QString kNiepotwierdzony = QStringLiteral("N");
const QString kPotwierdzony = QStringLiteral("T");
constexpr qint16 kLimitLicznika = std::numeric_limits<qint16>::max();

// The counters are 16-bit. At the limit they stay there rather than wrap to a negative count,
// which would stop the blinking and the sound while alarms are still there.
void zwieksz(qint16& licznik)
{
    if (licznik < kLimitLicznika)
        ++licznik;
}
} // namespace

// Below the limit the counter is exact; once it has stood at the limit, the rows themselves tell
// how many are left (`liczony` tells a row that still counts).
void RejestrAlarmow::zmniejsz(qint16& licznik, const std::function<bool(const WierszAlarmu&)>& liczony) const
{
    if (licznik < kLimitLicznika) {
        if (licznik > 0)
            --licznik;
        return;
    }
    const auto ile = std::count_if(m_wiersze.begin(), m_wiersze.end(), liczony);
    licznik = qint16(std::min<qint64>(ile, kLimitLicznika));
}

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

bool RejestrAlarmow::maAktywny(int nrRegul, std::optional<int> kod) const
{
    return std::any_of(m_wiersze.begin(), m_wiersze.end(), [&](const WierszAlarmu& w) {
        return w.NrRegul.trimmed().toInt() == nrRegul && (!kod || w.KodAlarmu.trimmed().toInt() == *kod) &&
               w.Aktywny == kAktywny;
    });
}

qint32 RejestrAlarmow::idAlarmu(int pozycja) const
{
    return Wiersz(pozycja).IdAlarmu.trimmed().toInt();
}

void RejestrAlarmow::NowyAlarm(const QDateTime& Data, int NrRegul, int Kod, const QString& Opis)
{
    if (maAktywny(NrRegul, Kod))
        return;
    const QString kodRegulatora = m_uslugi.oRegulatory->Item(NrRegul).Kod;
    WierszAlarmu w;
    w.Czas = TextFormat::date(Data, u"dd/MM/yyyy hh:mm:ss");
    w.Regulator = kodRegulatora;
    w.TrescAlarmu = Prefiks(Kod) + Opis;
    w.NrRegul = TextFormat::plain(NrRegul);
    w.KodAlarmu = TextFormat::plain(Kod);
    w.Opis = Opis;
    w.Aktywny = kAktywny;
    w.Potwierdzony = kNiepotwierdzony;
    w.Obrazek = Kod == 100 ? 1 : Prefiks(Kod).isEmpty() ? 0 : 2;
    m_wiersze.push_back(w);
    const int pozycja = Count();

    const qint32 id = m_uslugi.oBD->ZapiszAlarm(Data, QStringLiteral("R"), w.TrescAlarmu, kodRegulatora, {});
    m_wiersze.back().IdAlarmu = TextFormat::plain(id);
    emit wierszDodany(pozycja);

    if (m_uslugi.drzewo)
        m_uslugi.drzewo->UstawAlarmWezla(kodRegulatora, true);
    zwieksz(m_uslugi.oApp->IloscAktywnychAlarmow);
    zwieksz(m_uslugi.oApp->IloscNiePotwAlarmow);
    m_uslugi.oWizual->eZmianaAlarmow();
}

void RejestrAlarmow::DezaktywujAlarm(int pozycja)
{
    WierszAlarmu& w = m_wiersze.at(size_t(pozycja - 1));
    if (w.Aktywny != kAktywny)
        return;
    w.Aktywny = kNieaktywny;
    zmniejsz(m_uslugi.oApp->IloscAktywnychAlarmow,
             [](const WierszAlarmu& r) { return r.Aktywny == kAktywny; });
    emit wierszZmieniony(pozycja);
    // The condition has cleared whether or not the file takes the time: the row follows the
    // regulator, and a refused write is reported by the writer.
    m_uslugi.oBD->ModyfikujAlarm(idAlarmu(pozycja), std::nullopt, m_uslugi.zegar->now(), {});
    if (m_uslugi.oApp->IloscAktywnychAlarmow == 0)
        m_uslugi.oWizual->eZmianaAlarmow();
    const int nr = w.NrRegul.trimmed().toInt();
    if (!maAktywny(nr) && m_uslugi.drzewo)
        m_uslugi.drzewo->UstawAlarmWezla(m_uslugi.oRegulatory->Item(nr).Kod, false);
}

void RejestrAlarmow::Potwierdz(int pozycja)
{
    if (pozycja < 1 || pozycja > Count())
        return;
    WierszAlarmu& w = m_wiersze[size_t(pozycja - 1)];
    if (w.Potwierdzony != kNiepotwierdzony)
        return;
    // An acknowledgement the file did not keep is not shown as made: the writer reports the
    // refusal, and the row waits for the operator to acknowledge it again.
    if (!m_uslugi.oBD->ModyfikujAlarm(idAlarmu(pozycja), m_uslugi.zegar->now(), std::nullopt, {}))
        return;
    w.Potwierdzony = kPotwierdzony;
    zmniejsz(m_uslugi.oApp->IloscNiePotwAlarmow,
             [](const WierszAlarmu& r) { return r.Potwierdzony == kNiepotwierdzony; });
    emit wierszZmieniony(pozycja);
    m_uslugi.oWizual->eZmianaAlarmow();
}
