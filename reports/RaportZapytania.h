#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QStringList>
#include <QVariantList>
#include <vector>

// The report queries on table Pomiary. Days are whole calendar days: from the first day's
// start to the start of the day after the last one. Rows are a snapshot: the statement is
// finished before the rows are returned.
namespace RaportZapytania {

// The bus addresses of the regulators whose readings a report takes: one for a regulator's
// report, the loaded regulators of a structure element for its report.
using Adresy = QList<qint16>;

// A statement on Pomiary with its values in the order of its placeholders. Every report reads
// Pomiary through its (Adres, Data) index: the addresses and the day bounds are all it filters on.
struct Polecenie
{
    QString sql;
    QVariantList wartosci;
};

// Every reading of the days in time order, with EnBierna = EnBiernaCalk - EnBiernaPoj and
// tgfi = EnBiernaCalk / EnCzynna (0 when EnCzynna is 0).
Polecenie PolecenieDobowe(const QDate& od, const QDate& doDnia, const Adresy& adresy);
std::vector<QSqlRecord> Dobowe(const QSqlDatabase& db, const QDate& od, const QDate& doDnia,
                               const Adresy& adresy);

// One row per day ("yyyy-MM-dd" in column data) with the sums, minima, maxima and averages,
// in calendar order, also across a month end.
Polecenie PolecenieOkresowe(const QDate& od, const QDate& doDnia, const Adresy& adresy);
std::vector<QSqlRecord> Okresowe(const QSqlDatabase& db, const QDate& od, const QDate& doDnia,
                                 const Adresy& adresy);

// The codes of the regulators below the structure element `nazwa` of table Hierarchia, depth
// first; just the name itself when it is a regulator's node; empty when the element holds no
// regulator or no node of the structure tree has that name (the root's text included).
QStringList RegulatoryObiektu(const QSqlDatabase& db, const QString& nazwa);

} // namespace RaportZapytania
