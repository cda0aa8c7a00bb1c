#pragma once

#include <QByteArray>

class QRandomGenerator;

namespace regsim {

struct RegulatorState;

// The reply with one filler byte after every 0x02.
QByteArray withFillers(const QByteArray& reply);

// The bytes the regulator actually puts on the line for a reply, after its failure mode.
QByteArray onTheLine(const RegulatorState& state, const QByteArray& reply, QRandomGenerator& random);

} // namespace regsim
