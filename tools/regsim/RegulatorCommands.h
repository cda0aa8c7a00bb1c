#pragma once

#include <QByteArray>

namespace regsim {

struct RegulatorState;

// The regulator's side of one request frame addressed to it: applies a write and returns the
// reply bytes as the regulator means them, before fillers and failures are applied. Frames it
// does not know change nothing and get no reply.
QByteArray answerFrame(RegulatorState& state, const QByteArray& frame);

} // namespace regsim
