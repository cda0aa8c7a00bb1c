#pragma once

#include <QString>

struct Uslugi;
class QVariant;

// The texts of Typ and aktywny that start-up takes: a row is a regulator when its Typ is
// kTypRegulatora, and it is polled when its aktywny is kAktywny.
inline const QString kTypRegulatora = QStringLiteral("regulator");
inline const QString kAktywny = QStringLiteral("Tak");
// How start-up compares a stored Typ or aktywny with those texts: as stored, letter case and
// blanks included, so "Regulator" is no regulator and "TAK" is not polled. The record editor
// shows a list's item for a stored text by the same comparison.
bool JakPrzyStarcie(const QVariant& zapisany, const QString& tekst);

struct WynikWczytania
{
    // The reason for the operator when the database cannot be read; nothing is loaded then and
    // start-up cannot go on.
    QString blad;
    // Empty, or the message telling the operator of the rows skipped or read otherwise than
    // stored, shortened to what a screen shows; every one of them is also in the event log.
    QString raport;
};

// Builds one regulator per row of Regulatory whose Typ is exactly "regulator", in code order,
// with its thresholds, limits, scaling and the counters of its last stored reading, and makes
// the first one current. A row that cannot be a regulator (no code, no address, a number its
// member cannot hold, a code or address already loaded) is skipped; a NULL read as 0, an
// interval the schedule cannot keep and a last stored reading that is not sound are noted too.
// Codes are compared as the collection compares them (KluczKodu), so the first row in load order
// keeps a code. Nothing is shown: the caller shows the report once polling runs.
[[nodiscard]] WynikWczytania WczytajRegulatory(Uslugi& uslugi);
