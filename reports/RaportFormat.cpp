#include "RaportFormat.h"

#include "SqlDates.h"
#include "TextFormat.h"

#include <QRegularExpression>

namespace RaportFormat {
namespace {

QString liczba(double v, const QString& format, const QLocale& liczby)
{
    const QStringList sekcje = format.split(u';');
    QString wzor = sekcje.first();
    if (v < 0 && sekcje.size() > 1) {
        wzor = sekcje.at(1);
        v = -v;
    }
    // Text around the digits of a section ("(" and ")") is copied as it stands.
    const qsizetype pierwsza = wzor.indexOf(QRegularExpression(QStringLiteral("[0#]")));
    const qsizetype ostatnia = wzor.lastIndexOf(QRegularExpression(QStringLiteral("[0#]")));
    return wzor.left(pierwsza) +
           TextFormat::pattern(v, QStringView(wzor).sliced(pierwsza, ostatnia - pierwsza + 1), liczby) +
           wzor.mid(ostatnia + 1);
}

QDateTime data(const QVariant& v)
{
    if (v.metaType().id() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.metaType().id() == QMetaType::QDate)
        return QDateTime(v.toDate(), QTime(0, 0));
    return SqlDates::fromSqlDateTime(v.toString());
}

} // namespace

QString Wartosc(const QVariant& v, const QString& format, const QLocale& liczby)
{
    if (v.isNull() || !v.isValid())
        return {};
    if (format.contains(u'0'))
        return liczba(v.toDouble(), format, liczby);
    return TextFormat::date(data(v), format);
}

} // namespace RaportFormat
