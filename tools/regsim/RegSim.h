#pragma once

#include "FrameLog.h"
#include "FrameParser.h"
#include "PacedWriter.h"
#include "Pty.h"
#include "RegulatorState.h"

#include <QMutex>
#include <QObject>
#include <QRandomGenerator>
#include <functional>
#include <map>
#include <memory>

class QSocketNotifier;

namespace regsim {

// One or more field regulators answering on a pseudo-terminal.
//
// Threads: open() and the line work run in the thread the object lives in, which needs an
// event loop. Every other public function may be called from any thread; they share one
// mutex with the line work, so a frame is handled either wholly before or wholly after a
// change made through them.
class RegSim : public QObject
{
    Q_OBJECT
  public:
    // Monotonic milliseconds; drives discharge timers, energy growth and the 24-bit counter.
    using TimeSource = std::function<qint64()>;

    explicit RegSim(QObject* parent = nullptr);
    ~RegSim() override;

    bool open();
    QString errorString() const;
    QString slavePath() const;

    // Adds the regulator at state.address, or replaces the one there.
    void addRegulator(const RegulatorState& state);
    // A copy of the regulator brought up to the time source's present; empty for an unknown
    // address.
    std::optional<RegulatorState> regulator(quint8 address);
    // Brings the regulator up to the present, then lets change edit it; false for an unknown
    // address.
    bool updateRegulator(quint8 address, const std::function<void(RegulatorState&)>& change);

    // Time passes for the regulators only as this source advances.
    void setTimeSource(TimeSource now);
    void setLineTiming(LineTiming timing);
    bool setLogFile(const QString& path);

    // Every frame received, byte for byte, and every stray byte on its own, in order. Kept
    // only while recording is on (the default).
    QList<QByteArray> receivedFrames() const;
    void clearReceivedFrames();
    void setFrameRecording(bool on);

  private:
    void readMaster();
    void handle(const QByteArray& piece);
    void catchUp();

    mutable QMutex m_mutex;
    Pty m_pty;
    std::unique_ptr<QSocketNotifier> m_notifier;
    PacedWriter m_writer;
    FrameParser m_parser;
    FrameLog m_log;
    std::map<quint8, RegulatorState> m_regulators;
    TimeSource m_now;
    qint64 m_lastMs = 0;
    LineTiming m_timing;
    QList<QByteArray> m_frames;
    bool m_recording = true;
    // Fixed seed: a garbage reply is the same from run to run.
    QRandomGenerator m_random{0x4B414C};
};

} // namespace regsim
