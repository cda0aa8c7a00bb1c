// Alarm rules of a regulator: raised and cleared by level at every successful reading; the
// register turns repeated reports of one condition into one entry.
#include "Clock.h"
#include "IWizual.h"
#include "RejestrAlarmow.h"
#include "TextFormat.h"
#include "Uslugi.h"
#include "clRegulator.h"

#include <limits>

namespace {
enum KodAlarmu
{
    kPrad = 201,
    kNapiecie = 202,
    kTgFi = 203
};

// A single-precision value carries seven significant digits; a pattern with more decimals
// shows those digits (9.9990000), not the tail of its binary form (9.9989996).
double siedemCyfr(float v)
{
    return QString::number(double(v), 'g', 7).toDouble();
}
} // namespace

void clRegulator::DodajAlarm(const QDateTime& Data, int Typ, const QString& Opis)
{
    // Counts every report; it only has to tell whether the regulator ever raised an alarm,
    // so it stops at its limit.
    if (AktywneAlarmy < std::numeric_limits<qint16>::max())
        ++AktywneAlarmy;
    m_uslugi.rejestr->NowyAlarm(Data, Id, Typ, Opis);
    m_uslugi.oWizual->eAlarm(Id, Typ, Opis, true);
}

void clRegulator::SprawdzAlarm(int Typ)
{
    if (AktywneAlarmy <= 0)
        return;
    // The register holds at most one active row of a regulator and code.
    if (const int pozycja = m_uslugi.rejestr->AktywnyWiersz(Id, Typ); pozycja > 0)
        m_uslugi.rejestr->DezaktywujAlarm(pozycja);
}

void clRegulator::SprawdzProgi()
{
    const QDateTime teraz = m_uslugi.zegar->now();
    if (PradBierny > ProgPrad)
        DodajAlarm(teraz, kPrad, u'(' + TextFormat::plain(PradBierny) + QStringLiteral(" A)"));
    else
        SprawdzAlarm(kPrad);

    if (Napiecie > ProgNapiecie)
        DodajAlarm(teraz, kNapiecie, u'(' + TextFormat::plain(Napiecie) + QStringLiteral(" V)"));
    else
        SprawdzAlarm(kNapiecie);

    if (TgFi > ProgTgFiMax || TgFi < ProgTgFiMin)
        DodajAlarm(teraz, kTgFi, u'(' + TextFormat::pattern(siedemCyfr(TgFi), u"0.0000000") + u')');
    else
        SprawdzAlarm(kTgFi);
}
