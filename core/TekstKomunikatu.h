#pragma once

#include <QString>
#include <QStringList>

// Messages for the operator kept to what a screen can show, so that the end of the text and
// the OK button never fall off it. Whatever is left out is counted in the message; callers
// that must keep all of it write it to the log.
namespace TekstKomunikatu {

// Entries of a list shown in one message.
constexpr qsizetype kPozycjiListy = 12;

// At most `ile` entries (at least 2): when there are more, the first ile - 1 and in place of
// the rest "… i N innych".
QStringList PierwszeZ(const QStringList& pozycje, qsizetype ile = kPozycjiListy);

// The room a message has on the screen: lines of text, and characters in one of them.
struct Miejsce
{
    int wiersze;
    int znakiWWierszu;
};

// The text (lines broken with '\n') as it fits `miejsce`, counting a long line as the screen
// lines it wraps to: the lines that fit and "… i N innych" for the rest; a line longer than
// the whole room is cut with "…".
QString NaEkran(const QString& tekst, Miejsce miejsce);

} // namespace TekstKomunikatu
