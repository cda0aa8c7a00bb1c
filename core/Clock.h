#pragma once

#include <QDateTime>
#include <QElapsedTimer>

// Source of the current local time, replaceable so that schedules and time-outs can be
// exercised without waiting.
class Clock
{
  public:
    virtual ~Clock() = default;
    // Local date and time, whole seconds.
    virtual QDateTime now() const = 0;
    // Milliseconds on a steady clock from an arbitrary zero. Setting the wall clock (a change
    // of season, a time server, the operator) does not move it, so elapsed time is measured here.
    virtual qint64 monotonicMs() const = 0;
};

class SystemClock final : public Clock
{
  public:
    SystemClock() { m_start.start(); }
    QDateTime now() const override;
    qint64 monotonicMs() const override { return m_start.elapsed(); }

  private:
    QElapsedTimer m_start;
};
