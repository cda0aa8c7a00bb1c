#include "RaportFormat.h"

#include "SqlDates.h"
#include "TextFormat.h"

namespace RaportFormat {
namespace {

// Without digit grouping, as the pattern formatter prints; set once, so that no number
// detaches a locale of its own.
const QLocale& liczbyRaportu()
{
    static const QLocale polski = [] {
        QLocale l(QLocale::Polish, QLocale::Poland);
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        return l;
    }();
    return polski;
}

bool cyfra(QChar c)
{
    return c == u'0' || c == u'#';
}

QString liczba(double v, QStringView format)
{
    QStringView wzor = format;
    if (const qsizetype srednik = format.indexOf(u';'); srednik >= 0) {
        wzor = format.first(srednik);
        if (v < 0) {
            wzor = format.sliced(srednik + 1);
            v = -v;
        }
    }
    // Text around the digits of a section ("(" and ")") is copied as it stands.
    qsizetype pierwsza = 0, koniec = wzor.size();
    while (pierwsza < koniec && !cyfra(wzor[pierwsza]))
        ++pierwsza;
    while (koniec > pierwsza && !cyfra(wzor[koniec - 1]))
        --koniec;
    QString tekst = TextFormat::pattern(v, wzor.sliced(pierwsza, koniec - pierwsza), liczbyRaportu());
    if (pierwsza > 0 || koniec < wzor.size())
        tekst = wzor.first(pierwsza).toString() + tekst + wzor.sliced(koniec).toString();
    return tekst;
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

QString Wartosc(const QVariant& v, const QString& format)
{
    if (v.isNull() || !v.isValid())
        return {};
    if (format.contains(u'0'))
        return liczba(v.toDouble(), format);
    return TextFormat::date(data(v), format);
}

} // namespace RaportFormat
