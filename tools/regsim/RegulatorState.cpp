#include "RegulatorState.h"

#include <algorithm>
#include <cmath>

namespace regsim {

namespace {

// Counters wrap like the regulator's registers; the conversion keeps the low bits.
quint32 wrapped(double count)
{
    return quint32(quint64(std::llround(count)));
}

void putBigEndian(QByteArray& block, int at, quint32 value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i, value >>= 8)
        block[at + i] = char(value & 0xFF);
}

} // namespace

void EnergyCounters::advance(qint64 ms)
{
    const double grown = activePerMinute * double(ms) / 60000.0;
    active += grown;
    reactive += grown * tgPhi;
    if (tgPhi < 0)
        capacitive += grown * tgPhi;
}

quint32 EnergyCounters::apparent() const
{
    return wrapped(std::hypot(active, reactive));
}

void RegulatorState::advance(qint64 ms)
{
    if (ms <= 0)
        return;
    uptimeMs += ms;
    energy.advance(ms);
    for (qint64& left : dischargeLeftMs)
        left = std::max<qint64>(0, left - ms);
}

quint8 RegulatorState::dischargeSecondsLeft(int stage) const
{
    const qint64 seconds = (dischargeLeftMs.at(stage) + 999) / 1000;
    return quint8(std::min<qint64>(seconds, 255));
}

QByteArray RegulatorState::measurementBlock() const
{
    if (blockOverride)
        return *blockOverride;
    QByteArray block(protocol::kBlockSize, '\0');
    putBigEndian(block, 0, energy.apparent(), 4);
    putBigEndian(block, 4, wrapped(energy.capacitive), 4);
    putBigEndian(block, 8, wrapped(energy.reactive), 4);
    putBigEndian(block, 12, quint32(uptimeMs / 1000), 3);
    putBigEndian(block, 15, quint16(measurements.voltage), 2);
    putBigEndian(block, 17, quint16(measurements.reactiveCurrent), 2);
    putBigEndian(block, 19, quint16(measurements.totalCurrent), 2);
    putBigEndian(block, 21, quint16(measurements.phase), 2);
    putBigEndian(block, 23, quint16(measurements.periodCount), 2);
    block[25] = char(measurements.switches);
    block[26] = char(settings);
    for (int i = 0; i < 4; ++i)
        block[27 + i] = char(measurements.display[i] << 4);
    return block;
}

} // namespace regsim
