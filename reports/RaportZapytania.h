#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QSqlRecord>
#include <QStringList>
#include <QVariantList>
#include <atomic>
#include <vector>

// The report queries on table Pomiary. Days are whole calendar days: from the first day's
// start to the start of the day after the last one. Rows are a snapshot: the statement is
// finished before the rows are returned.
namespace RaportZapytania {

// The bus addresses of the regulators whose readings a report takes: one for a regulator's
// report, the loaded regulators of a structure element for its report.
using Adresy = QList<qint16>;

// A statement on Pomiary with its values in the order of its placeholders. The addresses and the
// day bounds are all it filters on.
struct Polecenie
{
    QString sql;
    QVariantList wartosci;
};

// Where a report's readings are read from. The plant's readings are stored time-major: the
// readings of one time lie together, one regulator's are spread thin over the whole file. So a
// few regulators' readings are searched through the (Adres, Data) index, while those of a good
// share of the plant are read as they lie, a day of the file at a time, through the Data index.
// `regulatoryZakladu` is the number of the plant's regulators; 0 keeps to the first way.
enum class Droga
{
    PoAdresach,
    PoCzasie
};
Droga DrogaDla(const Adresy& adresy, int regulatoryZakladu);

// Set when the rows are no longer wanted; the periodic report gives up between two days.
using Przerwanie = std::atomic_bool;

// How a report reads: the number of the plant's regulators, which picks the way (0 keeps to the
// address index), and what tells it to give up.
struct Sposob
{
    int regulatoryZakladu = 0;
    const Przerwanie* przerwano = nullptr;
};

// Every reading of the days in time order, with EnBierna = EnBiernaCalk - EnBiernaPoj and
// tgfi = EnBiernaCalk / EnCzynna (0 when EnCzynna is 0).
Polecenie PolecenieDobowe(const QDate& od, const QDate& doDnia, const Adresy& adresy,
                          Droga droga = Droga::PoAdresach);
std::vector<QSqlRecord> Dobowe(const QSqlDatabase& db, const QDate& od, const QDate& doDnia,
                               const Adresy& adresy);
std::vector<QSqlRecord> DoboweWg(const QSqlDatabase& db, const QDate& od, const QDate& doDnia,
                                 const Adresy& adresy, const Sposob& sposob);

// One row per day ("yyyy-MM-dd" in column data) with the sums, minima, maxima and averages,
// in calendar order, also across a month end. Only the days that hold readings cost a
// statement, however far the period reaches.
std::vector<QSqlRecord> Okresowe(const QSqlDatabase& db, const QDate& od, const QDate& doDnia,
                                 const Adresy& adresy);
std::vector<QSqlRecord> OkresoweWg(const QSqlDatabase& db, const QDate& od, const QDate& doDnia,
                                   const Adresy& adresy, const Sposob& sposob);
// The statement of one row of the periodic report: the readings from `od` to `doDnia` summed up
// (an empty data when there are none). The report runs it for each day that holds readings.
Polecenie PolecenieOkresowe(const QDate& od, const QDate& doDnia, const Adresy& adresy,
                            Droga droga = Droga::PoAdresach);

// The codes of the regulators below the structure element `nazwa` of table Hierarchia, depth
// first; just the name itself when it is a regulator's node; empty when the element holds no
// regulator or no node of the structure tree has that name (the root's text included).
QStringList RegulatoryObiektu(const QSqlDatabase& db, const QString& nazwa);

} // namespace RaportZapytania
