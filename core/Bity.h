#pragma once

#include <QtGlobal>
#include <array>

// Single-bit masks used to test the regulator's stage bits: Bity[n] == 2^n.
inline constexpr std::array<quint8, 8> Bity{1, 2, 4, 8, 16, 32, 64, 128};
