#pragma once

struct Uslugi;

// Builds one regulator per row of Regulatory whose Typ is exactly "regulator", in code order,
// with its thresholds, limits, scaling and the counters of its last stored reading, and makes
// the first one current. Problems in the table are reported to the operator in one message;
// loading goes on.
void WczytajRegulatory(Uslugi& uslugi);
