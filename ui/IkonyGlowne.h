#pragma once
// The main window's two image lists, from which the status bar, the toolbar and the child
// windows take their 16 x 16 pictures, by key or by 1-based index.

#include <QPixmap>
#include <QString>

namespace IkonyGlowne {

// Pictures of ImageList1 that the program addresses by index.
inline constexpr int kWskaznikWolny = 20;  // indicator idle
inline constexpr int kWskaznikZajety = 21; // indicator busy
// ImageList2's first picture marks control mode.
inline constexpr int kTrybSterowania = 1;

// A picture of either list by its key ("blysk", "blysk1", "Dane", "Wykrzyknik", ...);
// a null pixmap for a key no picture has.
QPixmap obraz(const QString& klucz);
QPixmap ImageList1(int indeks);
QPixmap ImageList2(int indeks);

} // namespace IkonyGlowne
