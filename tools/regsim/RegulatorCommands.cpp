#include "RegulatorCommands.h"

#include "RegulatorState.h"

#include <optional>

namespace regsim {

using namespace protocol;

namespace {

std::optional<int> dischargeStage(quint8 code)
{
    if (code >= kDischargeFirst && code < kDischargeFirst + kStages)
        return code - kDischargeFirst;
    return std::nullopt;
}

QByteArray oneByte(quint8 value)
{
    return QByteArray(1, char(value));
}

void writeStageByte(RegulatorState& state, quint8 code, quint8 value)
{
    if (code == kStageByte1)
        state.stage1 = value;
    else if (code == kStageByte2)
        state.stage2 = value;
}

void writeRegister(RegulatorState& state, quint8 code, quint8 value)
{
    if (code == kStatus)
        state.status = value;
    else if (code == kSettings)
        state.settings = value;
    else if (const auto stage = dischargeStage(code))
        state.startDischarge(*stage, value);
}

QByteArray readLamps(const RegulatorState& state, quint8 code)
{
    switch (code) {
    case kStageByte1:
        return oneByte(state.stage1);
    case kStageByte2:
        return oneByte(state.stage2);
    case kTestByte:
        return oneByte(state.test);
    }
    return {};
}

QByteArray readRegister(const RegulatorState& state, quint8 code)
{
    if (code == kStatus)
        return oneByte(state.status);
    if (const auto stage = dischargeStage(code))
        return oneByte(state.dischargeSecondsLeft(*stage));
    return {};
}

} // namespace

QByteArray answerFrame(RegulatorState& state, const QByteArray& frame)
{
    const quint8 code = quint8(frame.at(kCodeIndex));
    const quint8 operation = quint8(frame.at(kOperationIndex));
    const quint8 value = frame.size() > kValueIndex ? quint8(frame.at(kValueIndex)) : 0;
    switch (operation) {
    case kWriteStage:
        writeStageByte(state, code, value);
        return {};
    case kWriteRegister:
        writeRegister(state, code, value);
        return {};
    case kReadLamps:
        return readLamps(state, code);
    case kReadRegister:
        return readRegister(state, code);
    case kSendData:
        return code == kData ? oneByte(state.dataAck) + state.measurementBlock() : QByteArray();
    }
    return {};
}

} // namespace regsim
