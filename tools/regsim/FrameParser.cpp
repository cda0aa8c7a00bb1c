#include "FrameParser.h"

#include "Protocol.h"

namespace regsim {

QList<QByteArray> FrameParser::feed(const QByteArray& bytes)
{
    using namespace protocol;
    QList<QByteArray> pieces;
    m_pending += bytes;
    while (!m_pending.isEmpty()) {
        if (quint8(m_pending.at(0)) != kFrameStart) {
            pieces.append(m_pending.left(1));
            m_pending.remove(0, 1);
            continue;
        }
        if (m_pending.size() <= kOperationIndex)
            break;
        const int length = frameLength(quint8(m_pending.at(kOperationIndex)));
        if (m_pending.size() < length)
            break;
        pieces.append(m_pending.left(length));
        m_pending.remove(0, length);
    }
    return pieces;
}

} // namespace regsim
