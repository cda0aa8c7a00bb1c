#include "PacedWriter.h"

#include <QDebug>
#include <algorithm>
#include <unistd.h>

namespace regsim {

PacedWriter::PacedWriter(QObject* parent) : QObject(parent), m_timer(this)
{
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PacedWriter::writeDue);
}

void PacedWriter::setFd(int fd)
{
    m_fd = fd;
    m_queue.clear();
    m_timer.stop();
}

void PacedWriter::send(const QByteArray& reply, LineTiming timing)
{
    if (reply.isEmpty())
        return;
    // A reply queued behind another starts when the line is free again.
    qint64 at = m_clock.nsecsElapsed() + qint64(timing.turnaroundMs) * 1'000'000;
    if (!m_queue.empty())
        at = std::max(at, m_queue.back().atNs);
    for (const char byte : reply) {
        if (timing.paced)
            at += kByteNs;
        m_queue.push_back({at, byte});
    }
    writeDue();
}

void PacedWriter::writeDue()
{
    // Timers fire in whole milliseconds: a byte due within half of one goes out now, so the
    // line keeps its average speed instead of losing up to a millisecond per byte.
    constexpr qint64 kSlackNs = 500'000;
    const qint64 now = m_clock.nsecsElapsed();
    QByteArray bytes;
    while (!m_queue.empty() && m_queue.front().atNs <= now + kSlackNs) {
        bytes.append(m_queue.front().byte);
        m_queue.pop_front();
    }
    if (!bytes.isEmpty() && m_fd >= 0 &&
        ::write(m_fd, bytes.constData(), size_t(bytes.size())) != bytes.size())
        qWarning("regsim: reply bytes dropped, the terminal's buffer is full");
    if (!m_queue.empty()) {
        const qint64 waitNs = m_queue.front().atNs - now;
        m_timer.start(int(std::max<qint64>(0, (waitNs + kSlackNs) / 1'000'000)));
    }
}

} // namespace regsim
