#pragma once

#include <QByteArray>
#include <QList>

namespace regsim {

// Cuts the received byte stream into request frames. A byte that cannot start a frame comes
// out on its own, so the log still shows everything that arrived.
class FrameParser
{
  public:
    // Complete frames (four or five bytes, starting 0x02) and stray single bytes, in arrival
    // order; an unfinished frame waits for the next call.
    QList<QByteArray> feed(const QByteArray& bytes);

    static bool isFrame(const QByteArray& piece) { return piece.size() >= 4; }

  private:
    QByteArray m_pending;
};

} // namespace regsim
