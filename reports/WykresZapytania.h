#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <vector>

// One row of a chart: its label and the active and reactive energy of a reading or of a
// day's sums; a value the database holds as empty has none.
struct WierszWykresu
{
    QString etykieta;
    std::optional<double> EnCzynna;
    std::optional<double> EnBiernaCalk;
};

namespace WykresZapytania {

// The readings of the regulator at `adres` stored on `dzien` (00:00 of it included, 00:00 of
// the next day not), in time order, each labelled with its time "hh:mm".
std::vector<WierszWykresu> PomiaryDoby(const QSqlDatabase& db, int adres, const QDate& dzien);

// Per calendar day from `od` to `doDnia` (both included) that has readings: the sums of the
// day's energies, labelled with the day "dd/MM/yy", in calendar order.
std::vector<WierszWykresu> SumyDni(const QSqlDatabase& db, int adres, const QDate& od, const QDate& doDnia);

} // namespace WykresZapytania
