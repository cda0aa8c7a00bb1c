#include "IndeksyHistorii.h"

#include <QSqlError>
#include <QSqlQuery>
#include <stdexcept>

namespace IndeksyHistorii {
namespace {

struct Indeks
{
    const char* nazwa;
    const char* tabela;
    const char* kolumny;
};

// Made with the tables of a new file, and added to a file made before them.
const Indeks kIndeksy[] = {
    {"Pomiary_Data", "Pomiary", "Data"},
    {"Alarmy_Kod_Regul_Data", "Alarmy", "Kod_Regul, Data"},
};

bool jest(const QSqlDatabase& db, const QString& nazwa)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ? COLLATE NOCASE"));
    q.addBindValue(nazwa);
    return q.exec() && q.next();
}

} // namespace

QStringList Uzupelnij(const QSqlDatabase& db)
{
    QStringList zrobione;
    for (const Indeks& i : kIndeksy) {
        const QString nazwa = QString::fromLatin1(i.nazwa);
        if (jest(db, nazwa))
            continue;
        QSqlQuery q(db);
        // Names of the program's own, not of the operator's: nothing to bind.
        if (!q.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)")
                        .arg(nazwa, QLatin1String(i.tabela), QLatin1String(i.kolumny))))
            throw std::runtime_error(q.lastError().text().toStdString());
        zrobione << nazwa;
    }
    return zrobione;
}

} // namespace IndeksyHistorii
