#pragma once

#include "RaportUklad.h"

// The two report layouts: the daily one lists every reading of a day, the periodic one has a
// block of minima, maxima, averages and sums per day. Both share the column grid, the report
// header with the labels "tytul" and "podtytul", the page header and the page footer.
RaportUklad RapDobowy();
RaportUklad RapOkresowy();
