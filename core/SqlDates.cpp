#include "SqlDates.h"

namespace SqlDates {
namespace {
const QString kDateTimeFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss");
}

QString sqlDateTime(const QDateTime& t)
{
    return t.toString(kDateTimeFormat);
}

QDateTime fromSqlDateTime(const QString& text)
{
    QDateTime t = QDateTime::fromString(text, kDateTimeFormat);
    if (!t.isValid())
        t = QDateTime(QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd")), QTime(0, 0));
    return t;
}

QString sqlDay(const QDate& d)
{
    // The day after the last one a date can name has no date of its own; "9999-12-32" sorts
    // after every time of 9999-12-31, as the next day's text would.
    if (d.year() > 9999)
        return QStringLiteral("9999-12-32");
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace SqlDates
