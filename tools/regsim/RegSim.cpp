#include "RegSim.h"

#include "RegulatorCommands.h"
#include "ReplyWire.h"

#include <QElapsedTimer>
#include <QMutexLocker>
#include <QSocketNotifier>
#include <cerrno>
#include <unistd.h>

namespace regsim {

namespace {

RegSim::TimeSource steadyClock()
{
    QElapsedTimer timer;
    timer.start();
    return [timer] { return timer.elapsed(); };
}

} // namespace

RegSim::RegSim(QObject* parent) : QObject(parent), m_writer(this), m_now(steadyClock()) {}

RegSim::~RegSim() = default;

bool RegSim::open()
{
    m_notifier.reset();
    if (!m_pty.open())
        return false;
    m_writer.setFd(m_pty.masterFd());
    m_notifier = std::make_unique<QSocketNotifier>(m_pty.masterFd(), QSocketNotifier::Read, this);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &RegSim::readMaster);
    return true;
}

QString RegSim::errorString() const
{
    return m_pty.errorString();
}

QString RegSim::slavePath() const
{
    return m_pty.slavePath();
}

void RegSim::addRegulator(const RegulatorState& state)
{
    QMutexLocker lock(&m_mutex);
    catchUp();
    m_regulators[state.address] = state;
}

std::optional<RegulatorState> RegSim::regulator(quint8 address)
{
    QMutexLocker lock(&m_mutex);
    catchUp();
    const auto found = m_regulators.find(address);
    if (found == m_regulators.end())
        return std::nullopt;
    return found->second;
}

bool RegSim::updateRegulator(quint8 address, const std::function<void(RegulatorState&)>& change)
{
    QMutexLocker lock(&m_mutex);
    catchUp();
    const auto found = m_regulators.find(address);
    if (found == m_regulators.end())
        return false;
    change(found->second);
    found->second.address = address;
    return true;
}

void RegSim::setTimeSource(TimeSource now)
{
    QMutexLocker lock(&m_mutex);
    catchUp();
    m_now = std::move(now);
    m_lastMs = m_now();
}

void RegSim::setLineTiming(LineTiming timing)
{
    QMutexLocker lock(&m_mutex);
    m_timing = timing;
}

bool RegSim::setLogFile(const QString& path)
{
    QMutexLocker lock(&m_mutex);
    if (m_log.open(path))
        return true;
    qWarning("regsim: cannot open log %s: %s", qPrintable(path), qPrintable(m_log.errorString()));
    return false;
}

QList<QByteArray> RegSim::receivedFrames() const
{
    QMutexLocker lock(&m_mutex);
    return m_frames;
}

void RegSim::clearReceivedFrames()
{
    QMutexLocker lock(&m_mutex);
    m_frames.clear();
}

void RegSim::setFrameRecording(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_recording = on;
}

void RegSim::readMaster()
{
    char buffer[256];
    const ssize_t got = ::read(m_pty.masterFd(), buffer, sizeof buffer);
    if (got < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    if (got <= 0) {
        qWarning("regsim: reading the terminal failed (errno %d), no longer listening", errno);
        m_notifier->setEnabled(false);
        return;
    }
    QMutexLocker lock(&m_mutex);
    catchUp();
    for (const QByteArray& piece : m_parser.feed(QByteArray(buffer, int(got))))
        handle(piece);
}

void RegSim::handle(const QByteArray& piece)
{
    if (m_recording)
        m_frames.append(piece);
    m_log.received(piece);
    if (!FrameParser::isFrame(piece))
        return;
    const auto found = m_regulators.find(quint8(piece.at(protocol::kAddressIndex)));
    if (found == m_regulators.end())
        return;
    const QByteArray reply = answerFrame(found->second, piece);
    if (found->second.mutedCodes.count(quint8(piece.at(protocol::kCodeIndex))))
        return;
    const QByteArray line = onTheLine(found->second, reply, m_random);
    m_log.sent(line);
    m_writer.send(line, m_timing);
}

// Caller holds the mutex.
void RegSim::catchUp()
{
    const qint64 now = m_now();
    for (auto& [address, state] : m_regulators)
        state.advance(now - m_lastMs);
    m_lastMs = now;
}

} // namespace regsim
