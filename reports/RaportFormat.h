#pragma once

#include <QString>
#include <QVariant>

// How a report field turns its value into text. A pattern holding '0' is a number pattern
// with up to two sections ("0.000;(0.000)": the second one for negative values, shown without
// the sign); any other pattern is a date pattern for TextFormat::date. Empty values print
// nothing.
namespace RaportFormat {

// A field's text: numbers by the layout's pattern with the Polish decimal comma, whatever the
// user's locale, as the printed reports have always shown them; dates by their pattern in the
// user's locale.
QString Wartosc(const QVariant& v, const QString& format);

} // namespace RaportFormat
