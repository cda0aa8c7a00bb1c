#pragma once

#include <QSqlDatabase>
#include <QSqlError>

// Begins a transaction; rolls it back when destroyed without Zatwierdz().
class TransakcjaBazy
{
  public:
    explicit TransakcjaBazy(QSqlDatabase db);
    ~TransakcjaBazy();
    TransakcjaBazy(const TransakcjaBazy&) = delete;
    TransakcjaBazy& operator=(const TransakcjaBazy&) = delete;
    bool Rozpoczeta() const { return m_rozpoczeta; }
    bool Zatwierdz();
    QSqlError blad() const { return m_blad; }

  private:
    bool polecenie(const QString& sql);

    QSqlDatabase m_db;
    QSqlError m_blad;
    bool m_rozpoczeta = false;
    bool m_zatwierdzona = false;
};
