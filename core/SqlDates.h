#pragma once

#include <QDateTime>
#include <QString>

// Dates are stored as text "yyyy-MM-dd HH:mm:ss" in local time, so text comparison orders them
// and a day is selected with  Data >= :day AND Data < :nextDay  using sqlDay() on both bounds.
namespace SqlDates {

QString sqlDateTime(const QDateTime& t);
QDateTime fromSqlDateTime(const QString& text);

// Bound of a day filter: "yyyy-MM-dd", which sorts before every time of that day (the day after
// 9999-12-31 included).
QString sqlDay(const QDate& d);

} // namespace SqlDates
