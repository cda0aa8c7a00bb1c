#pragma once

#include <QDateTime>

// Source of the current local time, replaceable so that schedules and time-outs can be
// exercised without waiting.
class Clock
{
  public:
    virtual ~Clock() = default;
    // Local date and time, whole seconds.
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock
{
  public:
    QDateTime now() const override;
};
