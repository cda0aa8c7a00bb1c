#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

struct Uslugi;
class QSqlError;
class QSqlQuery;

// Writer of the alarm table and the event log. A refused write is shown to the operator
// without waiting for an answer, and the program goes on.
class clsBD
{
  public:
    explicit clsBD(Uslugi& uslugi) : m_uslugi(uslugi) {}

    // Adds an alarm row; returns its new Id_alarmu (0 when the write was refused).
    qint32 ZapiszAlarm(const QDateTime& Data, const QString& typ, const QString& Tresc,
                       const QString& Kod_regulatora, const QString& Operator);
    // Sets the acknowledgement and clearing times that are given and the operator when not
    // empty. False when the write was refused or no row has the identity; either is reported
    // as a refused write.
    bool ModyfikujAlarm(qint32 Id_alarmu, const std::optional<QDateTime>& data_potw,
                        const std::optional<QDateTime>& data_dezakt, const QString& Operator);
    // Appends an event-log row; an empty regulator code is stored as NULL.
    void ZapiszDoLoga(const QString& Operacja, const QString& Status, const QString& typ,
                      const QString& Kod_regulatora);
    // A write the database refused: shown, and recorded in the event log (Status "B", Typ "D")
    // while the log itself can still be written.
    void ZglosBladZapisu(const QSqlError& blad, const QString& Kod_regulatora);

  private:
    bool wykonaj(QSqlQuery& q, const QString& Kod_regulatora);

    Uslugi& m_uslugi;
};
