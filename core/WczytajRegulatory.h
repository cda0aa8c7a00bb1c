#pragma once

#include <QString>

struct Uslugi;

// Builds one regulator per row of Regulatory whose Typ is exactly "regulator", in code order,
// with its thresholds, limits, scaling and the counters of its last stored reading, and makes
// the first one current. A row that cannot be a regulator (no code, no address, a number its
// member cannot hold, a code or address already loaded) is skipped; those rows and the NULLs
// read as 0 are reported to the operator in one message. Codes are compared as the collection
// compares them (KluczKodu), so the first row in load order keeps a code. Returns an empty text, or, when the
// database cannot be read, the reason for the operator; no regulator is loaded then.
[[nodiscard]] QString WczytajRegulatory(Uslugi& uslugi);
