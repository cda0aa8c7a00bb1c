#include "WallClock.h"

namespace WallClock {
namespace {
const QDate kOriginDate(1899, 12, 30);
constexpr qint64 kSecondsPerDay = 86400;
} // namespace

QDateTime dateOrigin()
{
    return QDateTime(kOriginDate, QTime(0, 0));
}

qint64 secondsSinceOrigin(const QDateTime& t)
{
    const qint64 days = kOriginDate.daysTo(t.date());
    return days * kSecondsPerDay + t.time().msecsSinceStartOfDay() / 1000;
}

QDateTime fromSecondsSinceOrigin(qint64 s)
{
    qint64 days = s / kSecondsPerDay;
    qint64 rest = s % kSecondsPerDay;
    if (rest < 0) {
        rest += kSecondsPerDay;
        --days;
    }
    return QDateTime(kOriginDate.addDays(days), QTime::fromMSecsSinceStartOfDay(int(rest * 1000)));
}

} // namespace WallClock
