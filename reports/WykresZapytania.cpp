#include "WykresZapytania.h"

#include "SqlDates.h"
#include "TextFormat.h"

#include <QSqlQuery>
#include <QVariant>

namespace WykresZapytania {
namespace {

std::optional<double> wartosc(const QVariant& v)
{
    return v.isNull() ? std::nullopt : std::optional<double>(v.toDouble());
}

// Column 0 is the reading time or the day, columns 1 and 2 the two energies. A failing
// statement yields no rows, as a day without readings does.
template <typename Etykieta>
std::vector<WierszWykresu> wiersze(const QSqlDatabase& db, const QString& sql, int adres, const QDate& od,
                                   const QDate& doWylacznie, Etykieta etykieta)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(sql);
    q.addBindValue(adres);
    q.addBindValue(SqlDates::sqlDay(od));
    q.addBindValue(SqlDates::sqlDay(doWylacznie));
    std::vector<WierszWykresu> w;
    if (q.exec()) {
        while (q.next())
            w.push_back({etykieta(q.value(0).toString()), wartosc(q.value(1)), wartosc(q.value(2))});
    }
    q.finish();
    return w;
}

} // namespace

std::vector<WierszWykresu> PomiaryDoby(const QSqlDatabase& db, int adres, const QDate& dzien)
{
    return wiersze(db,
                   QStringLiteral("SELECT Data, EnCzynna, EnBiernaCalk FROM Pomiary"
                                  " WHERE Adres = ? AND Data >= ? AND Data < ? ORDER BY Data"),
                   adres, dzien, dzien.addDays(1), [](const QString& data) {
                       return TextFormat::date(SqlDates::fromSqlDateTime(data), u"hh:mm");
                   });
}

// Grouped by the date part of the stored text, so the days come in calendar order also across
// a month end.
std::vector<WierszWykresu> SumyDni(const QSqlDatabase& db, int adres, const QDate& od, const QDate& doDnia)
{
    return wiersze(db,
                   QStringLiteral("SELECT substr(Data, 1, 10), SUM(EnCzynna), SUM(EnBiernaCalk) FROM Pomiary"
                                  " WHERE Adres = ? AND Data >= ? AND Data < ?"
                                  " GROUP BY substr(Data, 1, 10) ORDER BY substr(Data, 1, 10)"),
                   adres, od, doDnia.addDays(1), [](const QString& dzien) {
                       return TextFormat::date(SqlDates::fromSqlDateTime(dzien), u"dd/MM/yy");
                   });
}

} // namespace WykresZapytania
