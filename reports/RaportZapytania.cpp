#include "RaportZapytania.h"

#include "SqlDates.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <functional>
#include <map>
#include <stdexcept>

namespace RaportZapytania {
namespace {

// Text of the tree's root; a row naming it as its own code is no node.
const QString kKorzen = QStringLiteral("System Kalbor");

const QString kTgFi = QStringLiteral("CASE WHEN p.EnCzynna <> 0 THEN p.EnBiernaCalk / p.EnCzynna ELSE 0 END");

// The statement of both reports: its select list, their FROM and WHERE, and its `koniec`
// (grouping and order), with the values.
Polecenie polecenie(const QString& wybor, const Adresy& adresy, const QDate& od, const QDate& doDnia,
                    const QString& koniec)
{
    Polecenie p{wybor, {}};
    QStringList znaki;
    for (const qint16 adres : adresy) {
        znaki << QStringLiteral("?");
        p.wartosci << adres;
    }
    p.sql += QStringLiteral(" FROM Pomiary p WHERE p.Adres IN (%1) AND p.Data >= ? AND p.Data < ?")
                 .arg(znaki.join(u','));
    p.sql += koniec;
    p.wartosci << SqlDates::sqlDay(od) << SqlDates::sqlDay(doDnia.addDays(1));
    return p;
}

// The rows of the statement run once with each set of values, one set after another.
std::vector<QSqlRecord> wykonaj(const QSqlDatabase& db, const QString& sql,
                                const QList<QVariantList>& zestawy)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw std::runtime_error(q.lastError().text().toStdString());
    std::vector<QSqlRecord> wiersze;
    for (const QVariantList& wartosci : zestawy) {
        for (int i = 0; i < wartosci.size(); ++i)
            q.bindValue(i, wartosci[i]);
        if (!q.exec())
            throw std::runtime_error(q.lastError().text().toStdString());
        while (q.next())
            wiersze.push_back(q.record());
    }
    q.finish();
    return wiersze;
}

} // namespace

Polecenie PolecenieDobowe(const QDate& od, const QDate& doDnia, const Adresy& adresy)
{
    return polecenie(QStringLiteral("SELECT p.Adres, p.Data, p.EnCzynna, p.EnBiernaCalk, p.EnBiernaPoj, "
                                    "p.Napiecie, p.PradBierny, p.PradCalk, p.Czestotliwosc, "
                                    "p.EnBiernaCalk - p.EnBiernaPoj AS EnBierna, %1 AS tgfi")
                         .arg(kTgFi),
                     adresy, od, doDnia, QStringLiteral(" ORDER BY p.Data"));
}

std::vector<QSqlRecord> Dobowe(const QSqlDatabase& db, const QDate& od, const QDate& doDnia,
                               const Adresy& adresy)
{
    const Polecenie p = PolecenieDobowe(od, doDnia, adresy);
    return wykonaj(db, p.sql, {p.wartosci});
}

Polecenie PolecenieOkresowe(const QDate& od, const QDate& doDnia, const Adresy& adresy)
{
    return polecenie(
        QStringLiteral("SELECT substr(p.Data, 1, 10) AS data, SUM(p.EnCzynna) AS EnCzynnaSuma, "
                       "SUM(p.EnBiernaCalk - p.EnBiernaPoj) AS EnBiernaSuma, AVG(%1) AS tgfiSr, "
                       "MIN(%1) AS tgfiMin, MAX(%1) AS tgfiMaks, SUM(p.EnBiernaPoj) AS EnBiernaPojSuma, "
                       "AVG(p.Napiecie) AS NapiecieSr, MIN(p.Napiecie) AS NapiecieMin, "
                       "MAX(p.Napiecie) AS NapiecieMaks, AVG(p.Czestotliwosc) AS CzestotliwoscSr, "
                       "MIN(p.Czestotliwosc) AS CzestotliwoscMin, MAX(p.Czestotliwosc) AS CzestotliwoscMaks, "
                       "AVG(p.PradCalk) AS PradCalkSr, MIN(p.PradCalk) AS PradCalkMin, "
                       "MAX(p.PradCalk) AS PradCalkMaks")
            .arg(kTgFi),
        adresy, od, doDnia, QStringLiteral(" GROUP BY substr(p.Data, 1, 10) ORDER BY substr(p.Data, 1, 10)"));
}

// A day at a time: the readings of one time lie together in the file, whatever the regulator,
// so a day's pages are read once for all the element's regulators, where a whole period through
// the index would read every page of it once per regulator.
std::vector<QSqlRecord> Okresowe(const QSqlDatabase& db, const QDate& od, const QDate& doDnia,
                                 const Adresy& adresy)
{
    QList<QVariantList> dni;
    for (QDate dzien = od; dzien <= doDnia; dzien = dzien.addDays(1))
        dni << PolecenieOkresowe(dzien, dzien, adresy).wartosci;
    return wykonaj(db, PolecenieOkresowe(od, doDnia, adresy).sql, dni);
}

QStringList RegulatoryObiektu(const QSqlDatabase& db, const QString& nazwa)
{
    // The tree as the structure window builds it: a node per row and per parent name, the
    // children of a node being the rows that name it as their parent.
    std::multimap<QString, std::pair<QString, bool>> dzieci; // parent -> (code, is a regulator)
    std::map<QString, bool> regulator;
    QSqlQuery q(db);
    q.exec(
        QStringLiteral("SELECT kod_obiektu, typ, kod_obiektu_nad FROM Hierarchia ORDER BY kod_obiektu_nad"));
    while (q.next()) {
        const QString kod = q.value(0).toString();
        if (kod == kKorzen)
            continue;
        const bool r = q.value(1).toString() == QLatin1String("R");
        regulator[kod] = r;
        dzieci.emplace(q.value(2).toString(), std::pair(kod, r));
    }
    q.finish();
    if (nazwa == kKorzen || (!regulator.count(nazwa) && !dzieci.count(nazwa)))
        return {};
    if (regulator.count(nazwa) && regulator[nazwa])
        return {nazwa};

    QStringList kody;
    QSet<QString> odwiedzone{nazwa};
    std::function<void(const QString&)> zbierz = [&](const QString& element) {
        auto [od, doKonca] = dzieci.equal_range(element);
        for (auto it = od; it != doKonca; ++it) {
            const auto& [kod, r] = it->second;
            if (r)
                kody << kod;
            else if (!odwiedzone.contains(kod)) {
                odwiedzone.insert(kod);
                zbierz(kod);
            }
        }
    };
    zbierz(nazwa);
    return kody;
}

} // namespace RaportZapytania
