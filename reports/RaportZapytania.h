#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QStringList>
#include <optional>
#include <vector>

// The report queries on table Pomiary. Days are whole calendar days: from the first day's
// start to the start of the day after the last one. Rows are a snapshot: the statement is
// finished before the rows are returned.
namespace RaportZapytania {

// Which regulators' readings a report takes: one bus address, or the regulators of Regulatory
// with the given codes.
struct Regulatory
{
    std::optional<qint16> adres;
    QStringList kody;
};

// Every reading of the days in time order, with EnBierna = EnBiernaCalk - EnBiernaPoj and
// tgfi = EnBiernaCalk / EnCzynna (0 when EnCzynna is 0).
std::vector<QSqlRecord> Dobowe(const QSqlDatabase& db, const QDate& od, const QDate& doDnia,
                               const Regulatory& regulatory);

// One row per day ("yyyy-MM-dd" in column data) with the sums, minima, maxima and averages,
// in calendar order, also across a month end.
std::vector<QSqlRecord> Okresowe(const QSqlDatabase& db, const QDate& od, const QDate& doDnia,
                                 const Regulatory& regulatory);

// The codes of the regulators below the structure element `nazwa` of table Hierarchia, depth
// first; just the name itself when it is a regulator's node; empty when the element holds no
// regulator or no node of the structure tree has that name (the root's text included).
QStringList RegulatoryObiektu(const QSqlDatabase& db, const QString& nazwa);

} // namespace RaportZapytania
