#pragma once

#include <QLocale>
#include <QString>
#include <QVariant>

// How a report field turns its value into text. A pattern holding '0' is a number pattern
// with up to two sections ("0.000;(0.000)": the second one for negative values, shown without
// the sign); any other pattern is a date pattern for TextFormat::date. Empty values print
// nothing.
namespace RaportFormat {

// A field's text: numbers by the layout's pattern and dates by its date pattern, both in the
// user's locale.
QString Wartosc(const QVariant& v, const QString& format, const QLocale& liczby = QLocale());

} // namespace RaportFormat
