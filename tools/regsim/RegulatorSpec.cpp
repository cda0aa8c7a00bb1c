#include "RegulatorSpec.h"

#include <QSet>
#include <QStringList>
#include <cmath>
#include <limits>

namespace regsim {

namespace {

template <typename T> bool toInteger(const QString& text, T* out)
{
    bool ok = false;
    const bool hex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
    const qlonglong value = hex ? text.mid(2).toLongLong(&ok, 16) : text.toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<T>::min() || value > std::numeric_limits<T>::max())
        return false;
    *out = T(value);
    return true;
}

bool toReal(const QString& text, double* out)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return false;
    *out = value;
    return true;
}

bool toFrequency(const QString& text, qint16* period)
{
    double hertz = 0;
    if (!toReal(text, &hertz) || hertz <= 115200.0 / 32768)
        return false;
    *period = qint16(std::lround(115200 / hertz) - 1);
    return true;
}

bool toDisplay(const QString& text, std::array<quint8, 4>* digits)
{
    if (text.size() != 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        const QChar c = text.at(i);
        if (!c.isDigit() && c != QLatin1Char('-'))
            return false;
        (*digits)[i] = c.isDigit() ? quint8(c.digitValue()) : 15;
    }
    return true;
}

bool setFailure(RegulatorState& s, Failure failure, const QString& value)
{
    s.failure = failure;
    return value.isEmpty();
}

using Setter = bool (*)(RegulatorState&, const QString&);

struct Key
{
    const char* name;
    const char* help;
    Setter set;
};

const Key kKeys[] = {
    {"load", "active energy counts a minute",
     [](RegulatorState& s, const QString& v) { return toReal(v, &s.energy.activePerMinute); }},
    {"tg", "tg phi; negative is capacitive",
     [](RegulatorState& s, const QString& v) { return toReal(v, &s.energy.tgPhi); }},
    {"energy", "starting active count; the reactive counters start in proportion",
     [](RegulatorState& s, const QString& v) { return toReal(v, &s.energy.active); }},
    {"voltage", "voltage count (default 400)",
     [](RegulatorState& s, const QString& v) { return toInteger(v, &s.measurements.voltage); }},
    {"current", "total current count",
     [](RegulatorState& s, const QString& v) { return toInteger(v, &s.measurements.totalCurrent); }},
    {"reactive-current", "reactive current count (default: the current's share from tg phi)",
     [](RegulatorState& s, const QString& v) { return toInteger(v, &s.measurements.reactiveCurrent); }},
    {"phase", "phase value",
     [](RegulatorState& s, const QString& v) { return toInteger(v, &s.measurements.phase); }},
    {"period", "period count n, frequency 115200 / (n + 1) Hz (default 2303)",
     [](RegulatorState& s, const QString& v) { return toInteger(v, &s.measurements.periodCount); }},
    {"frequency", "mains frequency in Hz, sets period",
     [](RegulatorState& s, const QString& v) { return toFrequency(v, &s.measurements.periodCount); }},
    {"switches", "switch positions byte",
     [](RegulatorState& s, const QString& v) { return toInteger(v, &s.measurements.switches); }},
    {"display", "four display characters, digits or - for a blank",
     [](RegulatorState& s, const QString& v) { return toDisplay(v, &s.measurements.display); }},
    {"status", "status byte", [](RegulatorState& s, const QString& v) { return toInteger(v, &s.status); }},
    {"settings", "settings byte",
     [](RegulatorState& s, const QString& v) { return toInteger(v, &s.settings); }},
    {"stage1", "stage byte 1, active-low (default 0xFF)",
     [](RegulatorState& s, const QString& v) { return toInteger(v, &s.stage1); }},
    {"stage2", "stage byte 2, active-low (default 0xFF)",
     [](RegulatorState& s, const QString& v) { return toInteger(v, &s.stage2); }},
    {"test", "test byte, active-low (default 0xFF)",
     [](RegulatorState& s, const QString& v) { return toInteger(v, &s.test); }},
    {"locked", "flag: status lock bit 0x20 set",
     [](RegulatorState& s, const QString& v) {
         s.status |= protocol::kLockBit;
         return v.isEmpty();
     }},
    {"silent", "flag: never answers",
     [](RegulatorState& s, const QString& v) { return setFailure(s, Failure::Silent, v); }},
    {"garbage", "flag: answers random bytes",
     [](RegulatorState& s, const QString& v) { return setFailure(s, Failure::Garbage, v); }},
    {"stop-after", "each reply breaks off after this many bytes",
     [](RegulatorState& s, const QString& v) {
         s.failure = Failure::StopAfter;
         return toInteger(v, &s.stopAfter) && s.stopAfter >= 0;
     }},
};

const Key* findKey(const QString& name)
{
    for (const Key& key : kKeys) {
        if (name == QLatin1String(key.name))
            return &key;
    }
    return nullptr;
}

// Values that follow from others unless given themselves.
void derive(RegulatorState& s, const QSet<QString>& given)
{
    const double tg = s.energy.tgPhi;
    s.energy.reactive = s.energy.active * tg;
    s.energy.capacitive = tg < 0 ? s.energy.reactive : 0.0;
    if (!given.contains(QStringLiteral("reactive-current")))
        s.measurements.reactiveCurrent =
            qint16(std::lround(s.measurements.totalCurrent * tg / std::sqrt(1 + tg * tg)));
}

} // namespace

std::optional<RegulatorState> parseRegulatorSpec(const QString& spec, QString* error)
{
    const QStringList parts = spec.split(QLatin1Char(','));
    RegulatorState state;
    if (!toInteger(parts.first().trimmed(), &state.address)) {
        *error = QStringLiteral("'%1': the address must be 0..255").arg(spec);
        return std::nullopt;
    }
    QSet<QString> given;
    for (const QString& part : parts.mid(1)) {
        const QString name = part.section(QLatin1Char('='), 0, 0).trimmed();
        const QString value = part.section(QLatin1Char('='), 1).trimmed();
        const Key* key = findKey(name);
        if (!key || !key->set(state, value)) {
            *error = QStringLiteral("'%1': bad setting '%2'").arg(spec, part);
            return std::nullopt;
        }
        given.insert(name);
    }
    derive(state, given);
    return state;
}

QString regulatorSpecHelp()
{
    QString help;
    for (const Key& key : kKeys)
        help += QStringLiteral("  %1  %2\n").arg(QLatin1String(key.name), -17).arg(QLatin1String(key.help));
    return help;
}

} // namespace regsim
