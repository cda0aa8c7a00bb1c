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
// (grouping and order), with the values. Read by time, the address is no search key (the unary
// plus keeps the (Adres, Data) index out), so the Data index is searched.
Polecenie polecenie(const QString& wybor, const Adresy& adresy, const QDate& od, const QDate& doDnia,
                    Droga droga, const QString& koniec)
{
    Polecenie p{wybor, {}};
    QStringList znaki;
    for (const qint16 adres : adresy) {
        znaki << QStringLiteral("?");
        p.wartosci << adres;
    }
    p.sql += QStringLiteral(" FROM Pomiary p WHERE %1p.Adres IN (%2) AND p.Data >= ? AND p.Data < ?")
                 .arg(droga == Droga::PoCzasie ? QStringLiteral("+") : QString(), znaki.join(u','));
    p.sql += koniec;
    p.wartosci << SqlDates::sqlDay(od) << SqlDates::sqlDay(doDnia.addDays(1));
    return p;
}

void wykonaj(QSqlQuery& q, const QVariantList& wartosci)
{
    for (int i = 0; i < wartosci.size(); ++i)
        q.bindValue(i, wartosci[i]);
    if (!q.exec())
        throw std::runtime_error(q.lastError().text().toStdString());
}

QSqlQuery przygotuj(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        throw std::runtime_error(q.lastError().text().toStdString());
    return q;
}

// The first day from `od` on that holds a reading of any regulator; null when none does. One
// search of the Data index, so days without readings cost nothing.
QDate nastepnyDzien(QSqlQuery& q, const QDate& od)
{
    wykonaj(q, {SqlDates::sqlDay(od)});
    const QString data = q.next() ? q.value(0).toString() : QString();
    q.finish();
    const QDate dzien = QDate::fromString(data.left(10), Qt::ISODate);
    return dzien >= od ? dzien : QDate();
}

} // namespace

// Reading a day of the file costs about what reading a seventh of the plant through the
// address index does, where each reading is a search of its own.
Droga DrogaDla(const Adresy& adresy, int regulatoryZakladu)
{
    return regulatoryZakladu > 0 && adresy.size() * 7 >= regulatoryZakladu ? Droga::PoCzasie
                                                                           : Droga::PoAdresach;
}

Polecenie PolecenieDobowe(const QDate& od, const QDate& doDnia, const Adresy& adresy, Droga droga)
{
    return polecenie(QStringLiteral("SELECT p.Adres, p.Data, p.EnCzynna, p.EnBiernaCalk, p.EnBiernaPoj, "
                                    "p.Napiecie, p.PradBierny, p.PradCalk, p.Czestotliwosc, "
                                    "p.EnBiernaCalk - p.EnBiernaPoj AS EnBierna, %1 AS tgfi")
                         .arg(kTgFi),
                     adresy, od, doDnia, droga, QStringLiteral(" ORDER BY p.Data"));
}

std::vector<QSqlRecord> Dobowe(const QSqlDatabase& db, const QDate& od, const QDate& doDnia,
                               const Adresy& adresy)
{
    return DoboweWg(db, od, doDnia, adresy, {});
}

std::vector<QSqlRecord> DoboweWg(const QSqlDatabase& db, const QDate& od, const QDate& doDnia,
                                 const Adresy& adresy, const Sposob& sposob)
{
    const Polecenie p = PolecenieDobowe(od, doDnia, adresy, DrogaDla(adresy, sposob.regulatoryZakladu));
    QSqlQuery q = przygotuj(db, p.sql);
    wykonaj(q, p.wartosci);
    std::vector<QSqlRecord> wiersze;
    while (q.next())
        wiersze.push_back(q.record());
    q.finish();
    return wiersze;
}

// No grouping: the statement sums up all it reads, which is one day when the report runs it.
Polecenie PolecenieOkresowe(const QDate& od, const QDate& doDnia, const Adresy& adresy, Droga droga)
{
    return polecenie(
        QStringLiteral("SELECT substr(MIN(p.Data), 1, 10) AS data, SUM(p.EnCzynna) AS EnCzynnaSuma, "
                       "SUM(p.EnBiernaCalk - p.EnBiernaPoj) AS EnBiernaSuma, AVG(%1) AS tgfiSr, "
                       "MIN(%1) AS tgfiMin, MAX(%1) AS tgfiMaks, SUM(p.EnBiernaPoj) AS EnBiernaPojSuma, "
                       "AVG(p.Napiecie) AS NapiecieSr, MIN(p.Napiecie) AS NapiecieMin, "
                       "MAX(p.Napiecie) AS NapiecieMaks, AVG(p.Czestotliwosc) AS CzestotliwoscSr, "
                       "MIN(p.Czestotliwosc) AS CzestotliwoscMin, MAX(p.Czestotliwosc) AS CzestotliwoscMaks, "
                       "AVG(p.PradCalk) AS PradCalkSr, MIN(p.PradCalk) AS PradCalkMin, "
                       "MAX(p.PradCalk) AS PradCalkMaks")
            .arg(kTgFi),
        adresy, od, doDnia, droga, {});
}

std::vector<QSqlRecord> Okresowe(const QSqlDatabase& db, const QDate& od, const QDate& doDnia,
                                 const Adresy& adresy)
{
    return OkresoweWg(db, od, doDnia, adresy, {});
}

// A day at a time, from one day holding readings to the next.
std::vector<QSqlRecord> OkresoweWg(const QSqlDatabase& db, const QDate& od, const QDate& doDnia,
                                   const Adresy& adresy, const Sposob& sposob)
{
    const Droga droga = DrogaDla(adresy, sposob.regulatoryZakladu);
    QSqlQuery dni = przygotuj(db, QStringLiteral("SELECT MIN(Data) FROM Pomiary WHERE Data >= ?"));
    QSqlQuery dzien = przygotuj(db, PolecenieOkresowe(od, od, adresy, droga).sql);
    std::vector<QSqlRecord> wiersze;
    for (QDate d = nastepnyDzien(dni, od); d.isValid() && d <= doDnia; d = nastepnyDzien(dni, d.addDays(1))) {
        if (sposob.przerwano && *sposob.przerwano)
            return {};
        wykonaj(dzien, PolecenieOkresowe(d, d, adresy, droga).wartosci);
        if (dzien.next() && !dzien.value(0).isNull())
            wiersze.push_back(dzien.record());
        dzien.finish();
    }
    return wiersze;
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
