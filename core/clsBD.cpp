#include "clsBD.h"

#include "Baza.h"
#include "Interfaces.h"
#include "SqlDates.h"
#include "Uslugi.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {
QVariant tekstLubNull(const QString& s)
{
    return s.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(s);
}

QVariant dataLubNull(const std::optional<QDateTime>& d)
{
    return d ? QVariant(SqlDates::sqlDateTime(*d)) : QVariant(QMetaType::fromType<QString>());
}
} // namespace

bool clsBD::wykonaj(QSqlQuery& q, const QString& Kod_regulatora)
{
    if (q.exec())
        return true;
    ZglosBladZapisu(q.lastError(), Kod_regulatora);
    return false;
}

void clsBD::ZglosBladZapisu(const QSqlError& blad, const QString& Kod_regulatora)
{
    const QString tekst = TekstBleduZapisu(blad);
    m_uslugi.komunikaty->PokazBladZapisu(tekst);
    ZapiszDoLoga(QString(tekst).replace(u'\r', u' '), QStringLiteral("B"), QStringLiteral("D"),
                 Kod_regulatora);
}

qint32 clsBD::ZapiszAlarm(const QDateTime& Data, const QString& typ, const QString& Tresc,
                          const QString& Kod_regulatora, const QString& Operator)
{
    QSqlQuery q(m_uslugi.cnBaza->db());
    q.prepare(
        QStringLiteral("INSERT INTO Alarmy (Data, Typ, Tresc, Kod_Regul, Operator) VALUES (?, ?, ?, ?, ?)"));
    q.addBindValue(SqlDates::sqlDateTime(Data));
    q.addBindValue(typ);
    q.addBindValue(Tresc);
    q.addBindValue(tekstLubNull(Kod_regulatora));
    q.addBindValue(tekstLubNull(Operator));
    return wykonaj(q, Kod_regulatora) ? q.lastInsertId().toInt() : 0;
}

bool clsBD::ModyfikujAlarm(qint32 Id_alarmu, const std::optional<QDateTime>& data_potw,
                           const std::optional<QDateTime>& data_dezakt, const QString& Operator)
{
    QSqlQuery q(m_uslugi.cnBaza->db());
    q.prepare(QStringLiteral("UPDATE Alarmy SET Data_potw = COALESCE(?, Data_potw), "
                             "data_dezakt = COALESCE(?, data_dezakt), Operator = COALESCE(?, Operator) "
                             "WHERE Id_alarmu = ?"));
    q.addBindValue(dataLubNull(data_potw));
    q.addBindValue(dataLubNull(data_dezakt));
    q.addBindValue(tekstLubNull(Operator));
    q.addBindValue(Id_alarmu);
    if (!wykonaj(q, {}))
        return false;
    if (q.numRowsAffected() > 0)
        return true;
    // The row the register points at is gone, or was never stored: nothing of the change is kept.
    ZglosBladZapisu(QSqlError(QString(),
                              QStringLiteral("W tabeli Alarmy nie ma alarmu nr %1.").arg(Id_alarmu),
                              QSqlError::StatementError),
                    {});
    return false;
}

void clsBD::ZapiszDoLoga(const QString& Operacja, const QString& Status, const QString& typ,
                         const QString& Kod_regulatora)
{
    QSqlQuery q(m_uslugi.cnBaza->db());
    q.prepare(QStringLiteral("INSERT INTO Log (Operacja, Status, Typ, Kod_Regul) VALUES (?, ?, ?, ?)"));
    q.addBindValue(Operacja);
    q.addBindValue(Status);
    q.addBindValue(typ);
    q.addBindValue(tekstLubNull(Kod_regulatora));
    // A refused log row has nowhere further to be recorded.
    if (!q.exec())
        m_uslugi.komunikaty->PokazBladZapisu(TekstBleduZapisu(q.lastError()));
}
