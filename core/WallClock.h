#pragma once

#include <QDateTime>

// Times in the model are local wall-clock values. Arithmetic on them counts days since the
// date origin (30 December 1899, 00:00:00) plus the time of day and ignores daylight-saving
// offsets, so a grid of whole intervals stays on whole clock times (:00, :15, ...) across a
// change of season, as the regulators' operators read their clocks.
namespace WallClock {

// The date origin: the zero of every date value; "no date yet" in the schedule.
QDateTime dateOrigin();

// Whole seconds from the date origin to the wall-clock time of t.
qint64 secondsSinceOrigin(const QDateTime& t);

// The local time whose wall clock lies s seconds after the date origin.
QDateTime fromSecondsSinceOrigin(qint64 s);

// Wall-clock seconds from a to b (negative when b is earlier).
inline qint64 secondsBetween(const QDateTime& a, const QDateTime& b)
{
    return secondsSinceOrigin(b) - secondsSinceOrigin(a);
}

inline QDateTime addMinutes(const QDateTime& t, qint64 minutes)
{
    return fromSecondsSinceOrigin(secondsSinceOrigin(t) + minutes * 60);
}

inline bool isOrigin(const QDateTime& t)
{
    return secondsSinceOrigin(t) == 0;
}

} // namespace WallClock
