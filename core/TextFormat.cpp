#include "TextFormat.h"

namespace TextFormat {
namespace {

QString withSignPosition(QString digits)
{
    return digits.startsWith(u'-') ? digits : u' ' + digits;
}

QChar dateSeparator(const QLocale& locale)
{
    // The separator of the locale's numeric short date; a locale whose short date spells the
    // month out (the C locale) keeps the slash.
    for (QChar c : locale.dateFormat(QLocale::ShortFormat)) {
        if (c == u'.' || c == u'-' || c == u'/')
            return c;
    }
    return u'/';
}

} // namespace

QString plain(int v)
{
    return withSignPosition(QString::number(v));
}

QString plain(qint64 v)
{
    return withSignPosition(QString::number(v));
}

QString plain(float v)
{
    return withSignPosition(QString::asprintf("%.7G", double(v)));
}

QString plain(double v)
{
    return withSignPosition(QString::asprintf("%.15G", v));
}

QString pattern(double v, QStringView pattern, const QLocale& locale)
{
    const qsizetype point = pattern.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(pattern.size() - point - 1);
    const QStringView integerPart = point < 0 ? pattern : pattern.left(point);
    const int minIntegerDigits = int(integerPart.count(u'0'));

    QLocale plainLocale = locale;
    if (locale.numberOptions() != QLocale::OmitGroupSeparator)
        plainLocale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = plainLocale.toString(v, 'f', decimals);

    const QString minus = plainLocale.negativeSign();
    const bool negative = text.startsWith(minus);
    if (negative)
        text.remove(0, minus.size());
    const qsizetype sep = decimals > 0 ? text.indexOf(plainLocale.decimalPoint()) : text.size();
    const int integerDigits = int(sep < 0 ? text.size() : sep);
    if (integerDigits < minIntegerDigits)
        text.prepend(QString(minIntegerDigits - integerDigits, plainLocale.zeroDigit().at(0)));
    return negative ? minus + text : text;
}

QString date(const QDateTime& t, QStringView pattern, const QLocale& locale)
{
    QString qtPattern = pattern.toString();
    qtPattern.replace(u'/', dateSeparator(locale));
    return locale.toString(t, qtPattern);
}

} // namespace TextFormat
