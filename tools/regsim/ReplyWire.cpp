#include "ReplyWire.h"

#include "RegulatorState.h"

#include <QRandomGenerator>

namespace regsim {

QByteArray withFillers(const QByteArray& reply)
{
    QByteArray line;
    line.reserve(reply.size() * 2);
    for (const char byte : reply) {
        line.append(byte);
        if (quint8(byte) == protocol::kFrameStart)
            line.append(char(protocol::kFiller));
    }
    return line;
}

QByteArray onTheLine(const RegulatorState& state, const QByteArray& reply, QRandomGenerator& random)
{
    switch (state.failure) {
    case Failure::None:
        return withFillers(reply);
    case Failure::Silent:
        return {};
    case Failure::StopAfter:
        return withFillers(reply).left(state.stopAfter);
    case Failure::Garbage: {
        QByteArray garbage(reply.size(), '\0');
        for (char& byte : garbage)
            byte = char(random.bounded(256));
        return garbage;
    }
    }
    return {};
}

} // namespace regsim
