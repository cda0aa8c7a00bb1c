#pragma once
// The regulator tree's image list and the toolbar's communication picture, drawn from their
// SVG resources.

#include <QIcon>

namespace ObrazkiDrzewa {

// The tree's pictures by their 1-based place in its image list.
inline constexpr int kKorzen = 1;
inline constexpr int kRegulator = 2;
inline constexpr int kGrupa = 3;
inline constexpr int kZablokowany = 4;
inline constexpr int kStopienWl = 5;
inline constexpr int kStopienWyl = 6;

// A null icon for a place the list does not have.
QIcon ImageList1(int obraz);
QIcon komunikacja();

} // namespace ObrazkiDrzewa
