#pragma once

#include <QString>

struct Uslugi;

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
