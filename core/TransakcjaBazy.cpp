#include "TransakcjaBazy.h"

#include <QSqlQuery>

// Begun and committed by statements rather than through the driver, whose own error for a
// refused commit drops the database's code, and with it what kind of refusal it was.
TransakcjaBazy::TransakcjaBazy(QSqlDatabase db) : m_db(db), m_rozpoczeta(polecenie(QStringLiteral("BEGIN")))
{
}

TransakcjaBazy::~TransakcjaBazy()
{
    if (m_rozpoczeta && !m_zatwierdzona)
        m_db.rollback();
}

bool TransakcjaBazy::Zatwierdz()
{
    m_zatwierdzona = m_rozpoczeta && polecenie(QStringLiteral("COMMIT"));
    return m_zatwierdzona;
}

bool TransakcjaBazy::polecenie(const QString& sql)
{
    QSqlQuery q(m_db);
    if (q.exec(sql))
        return true;
    m_blad = q.lastError();
    return false;
}
