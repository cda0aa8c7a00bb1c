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
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace SqlDates
