#pragma once

#include <QString>

class QDateEdit;
struct Uslugi;

// The date pickers of the chart windows.
namespace WykresDaty {

// A picker named `nazwa`, with a calendar, set to today.
QDateEdit* Pole(const char* nazwa, const QString& podpowiedz, const Uslugi& uslugi);
// The picker's day as the chart titles write it, "dd/MM/yyyy".
QString Tekst(const QDateEdit* pole);

} // namespace WykresDaty
