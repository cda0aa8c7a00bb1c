#pragma once

#include "Protocol.h"

#include <QByteArray>
#include <array>
#include <optional>
#include <set>

namespace regsim {

// How a regulator misbehaves on the line. Writes are obeyed in every mode; only what it
// transmits changes.
enum class Failure
{
    None,
    Silent,    // never answers
    StopAfter, // each reply breaks off after stopAfter bytes on the line (fillers counted)
    Garbage,   // each reply is replaced by as many random bytes, sent without fillers
};

// Raw values of the measurement block that do not change by themselves; the program under
// test applies the transformer ratios and scales.
struct Measurements
{
    qint16 voltage = 400;
    qint16 reactiveCurrent = 0;
    qint16 totalCurrent = 0;
    qint16 phase = 0;
    qint16 periodCount = 2303; // 115200 / (n + 1) Hz: 50 Hz
    quint8 switches = 0;
    // Front-panel digits 0..9; 10..15 show as a blank.
    std::array<quint8, 4> display{15, 15, 15, 15};

    bool operator==(const Measurements&) const = default;
};

// Energy meters in counts. The regulator meters apparent energy and the reactive energy; the
// program derives the active energy as sqrt(apparent² - reactive²), so the apparent count is
// formed from the active and reactive counts grown here.
struct EnergyCounters
{
    double activePerMinute = 0.0; // the load
    double tgPhi = 0.0;           // negative: capacitive
    double active = 0.0;
    // Inductive and capacitive together; capacitive energy counts down.
    double reactive = 0.0;
    // Capacitive energy alone, counting down from 0.
    double capacitive = 0.0;

    void advance(qint64 ms);
    quint32 apparent() const;
    bool operator==(const EnergyCounters&) const = default;
};

// Everything one regulator at one address holds. Tests read and change it through RegSim.
struct RegulatorState
{
    quint8 address = 1;
    quint8 status = 0; // kLockBit set: locked
    quint8 settings = 0;
    // Stage and lamp bytes are active-low: a cleared bit means on / lit.
    quint8 stage1 = 0xFF;
    quint8 stage2 = 0xFF;
    quint8 test = 0xFF;
    // The byte sent before the measurement block; nothing interprets it.
    quint8 dataAck = 0x06;
    std::array<qint64, protocol::kStages> dischargeLeftMs{};
    Measurements measurements;
    EnergyCounters energy;
    // Time since power-up; whole seconds drive the 24-bit counter of the block.
    qint64 uptimeMs = 0;
    // When set, sent instead of the block built from the fields (exactly 32 bytes).
    std::optional<QByteArray> blockOverride;
    Failure failure = Failure::None;
    int stopAfter = 0;
    // Code bytes whose frames get no answer (writes are still obeyed), e.g. 0xB0: the test byte.
    std::set<quint8> mutedCodes;

    bool locked() const { return status & protocol::kLockBit; }
    void advance(qint64 ms);
    void startDischarge(int stage, int seconds) { dischargeLeftMs.at(stage) = qint64(seconds) * 1000; }
    // Whole seconds left, rounded up so a running timer never reads 0; at most 255.
    quint8 dischargeSecondsLeft(int stage) const;
    QByteArray measurementBlock() const;
    bool operator==(const RegulatorState&) const = default;
};

} // namespace regsim
