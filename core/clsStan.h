#pragma once

#include <QtGlobal>

// The nine raw status bytes of a regulator as it reported them. Lamp bits are active-low:
// a cleared bit means the lamp is lit (the stage is switched on).
struct clsStan
{
    quint8 StanDiod1 = 0;    // stages 1..8 in bits 0..7
    quint8 StanDiod2 = 0;    // stage 9 in bit 7
    quint8 StanDiod3 = 0;    // test byte: bit 7 lamp "zał.", bit 6 lamp "wył."
    quint8 StanDisplay1 = 0; // display digits in the high nibble
    quint8 StanDisplay2 = 0;
    quint8 StanDisplay3 = 0;
    quint8 StanDisplay4 = 0;
    quint8 StanPrzel1 = 0; // eight switch positions
    quint8 StanPrzel2 = 0; // the four operating switches, bits 0..3
};
