#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// The two ways numbers become text in this system, kept apart on purpose:
//  - plain(): the locale-independent conversion (point as separator, at most seven
//    significant digits for single precision, one leading blank before a number that is not
//    negative). Texts written by one part of the program and compared by another (alarm
//    register positions, tree keys, log rows) use it on both sides.
//  - pattern()/date(): user-facing formatting with a pattern, following the user's locale
//    unless the caller names another (the printed reports keep Polish numbers).
namespace TextFormat {

QString plain(int v);
QString plain(qint64 v);
QString plain(float v);
QString plain(double v);

// Formats v with a numeric pattern such as "0.000", "##########0.000", "#######0", "###0.00"
// or "0.0000000": digits before the separator are '#' (optional) or '0' (required), the
// number of characters after '.' is the number of decimals. No digit grouping.
QString pattern(double v, QStringView pattern, const QLocale& locale = QLocale());

// Formats a date with a pattern in which '/' stands for the locale's date separator,
// dd/MM/yyyy for day, month, year and hh:mm:ss for the 24-hour time.
QString date(const QDateTime& t, QStringView pattern, const QLocale& locale = QLocale());

} // namespace TextFormat
