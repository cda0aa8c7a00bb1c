#pragma once

#include <QtGlobal>

// Bytes of the regulators' request frames: 02, address, code, operation and, for writes, a value.
namespace regsim::protocol {

inline constexpr quint8 kFrameStart = 0x02;
// The link drops the byte after every 0x02 it receives, so each 0x02 of a reply is followed
// by one byte of no meaning.
inline constexpr quint8 kFiller = 0x00;

inline constexpr int kAddressIndex = 1;
inline constexpr int kCodeIndex = 2;
inline constexpr int kOperationIndex = 3;
inline constexpr int kValueIndex = 4;

// Operation byte.
inline constexpr quint8 kWriteStage = 0x01;
inline constexpr quint8 kWriteRegister = 0x03;
inline constexpr quint8 kReadLamps = 0x04;
inline constexpr quint8 kReadRegister = 0x05;
inline constexpr quint8 kSendData = 0x06;

// Code byte.
inline constexpr quint8 kData = 0x4F;
inline constexpr quint8 kStatus = 0x2F;
inline constexpr quint8 kSettings = 0x6A;
inline constexpr quint8 kStageByte1 = 0x90;
inline constexpr quint8 kStageByte2 = 0xA0;
inline constexpr quint8 kTestByte = 0xB0;
// Discharge timer of stage n is code 0x70 + n.
inline constexpr quint8 kDischargeFirst = 0x70;

inline constexpr int kStages = 9;
inline constexpr int kBlockSize = 32;
inline constexpr quint8 kLockBit = 0x20;

// Writes carry a value byte; everything else is four bytes long.
inline constexpr int frameLength(quint8 operation)
{
    return operation == kWriteStage || operation == kWriteRegister ? 5 : 4;
}

} // namespace regsim::protocol
