#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <deque>

namespace regsim {

// How replies are timed on the line. Unpaced replies go out in one piece.
struct LineTiming
{
    bool paced = false;   // one byte per 11 bit times at 4800 baud (start, 8 data, parity, stop)
    int turnaroundMs = 0; // from the request to the first reply byte
};

inline constexpr qint64 kByteNs = 11 * 1'000'000'000LL / 4800;

// Writes replies to the pseudo-terminal master, each byte when it would have finished
// arriving on the real line. Bytes the client never reads fill the terminal's buffer; what no
// longer fits is dropped, as a full receive buffer would.
class PacedWriter : public QObject
{
    Q_OBJECT
  public:
    explicit PacedWriter(QObject* parent = nullptr);

    void setFd(int fd);
    void send(const QByteArray& reply, LineTiming timing);

  private:
    struct Due
    {
        qint64 atNs;
        char byte;
    };

    void writeDue();

    int m_fd = -1;
    std::deque<Due> m_queue;
    QElapsedTimer m_clock;
    QTimer m_timer;
};

} // namespace regsim
