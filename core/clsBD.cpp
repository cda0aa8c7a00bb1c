#include "clsBD.h"

#include "Baza.h"
#include "BledyBazy.h"
#include "Clock.h"
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

QSqlError wykonaj(QSqlQuery& q)
{
    return q.exec() ? QSqlError() : q.lastError();
}
} // namespace

clsBD::Wynik clsBD::Zapisz(const ZalegleZapisy::Zapis& zapis, const QString& Kod_regulatora,
                           const ZalegleZapisy::Utrata& utracony)
{
    return zapisz(zapis, Kod_regulatora, true, utracony);
}

// Only a write with nothing waiting before it goes to the file, and it alone may wait for a
// busy file; behind a refusal the write is kept at once, so a held file delays the polling by
// one busy time-out in all, not by one for every write of the tick.
clsBD::Wynik clsBD::zapisz(const ZalegleZapisy::Zapis& zapis, const QString& Kod_regulatora, bool logujOdmowe,
                           const ZalegleZapisy::Utrata& utracony)
{
    QSqlError blad = m_zalegle.Odmowa();
    if (m_zalegle.Puste()) {
        blad = zapis();
        if (!blad.isValid())
            return Wynik::Zapisany;
        if (!PlikOdmawiaZapisu(blad)) {
            zglosOdmowe(blad, Kod_regulatora, false, logujOdmowe);
            return Wynik::Odrzucony;
        }
        m_zalegle.UstawOdmowe(blad);
    }
    const bool zachowany = m_zalegle.Dodaj(zapis, m_uslugi.zegar->now(), utracony);
    // Waiting its turn behind kept writes the file takes again: refused by nobody.
    if (zachowany && !blad.isValid())
        return Wynik::Odlozony;
    zglosOdmowe(blad, Kod_regulatora, !zachowany, logujOdmowe);
    return zachowany ? Wynik::Odlozony : Wynik::Odrzucony;
}

void clsBD::zglosOdmowe(const QSqlError& blad, const QString& Kod_regulatora, bool ponadLimit,
                        bool logujOdmowe)
{
    if (ponadLimit) {
        // One text for every dropped write, so that the message's count is their number.
        m_uslugi.komunikaty->PokazBladZapisu(
            QStringLiteral("Zapis do bazy danych pominięty: czeka już %1 zapisów, których plik nie przyjął.")
                .arg(m_zalegle.Limit()));
        return;
    }
    const QString tekst = TekstBleduZapisu(blad);
    m_uslugi.komunikaty->PokazBladZapisu(tekst);
    if (!logujOdmowe)
        return;
    const QString operacja = QString(tekst).replace(u'\r', u' ');
    // A refusal that repeats the last one keeps its text, which the rows kept for it then share
    // instead of each holding a copy of its own.
    if (operacja != m_tekstOdmowy)
        m_tekstOdmowy = operacja;
    const ZalegleZapisy::Zapis wiersz =
        wierszLogu(m_tekstOdmowy, QStringLiteral("B"), QStringLiteral("D"), Kod_regulatora);
    // Kept right behind the write it tells of, as part of that one refusal; over the bound it
    // is counted with the other dropped writes.
    if (PlikOdmawiaZapisu(blad))
        m_zalegle.Dodaj(wiersz, m_uslugi.zegar->now());
    else
        zapisz(wiersz, Kod_regulatora, false);
}

void clsBD::ZapiszZalegle()
{
    m_zalegle.Ponow(m_uslugi.cnBaza->db(),
                    [this](const QSqlError& blad) { zglosOdmowe(blad, {}, false, true); });
    if (!m_zalegle.Puste())
        return;
    if (const qint64 pominiete = m_zalegle.ZabierzPominiete(); pominiete > 0)
        ZapiszDoLoga(QStringLiteral("Zapisy do bazy danych pominięte ponad limit %1 czekających: %2")
                         .arg(m_zalegle.Limit())
                         .arg(pominiete),
                     QStringLiteral("B"), QStringLiteral("D"), {});
}

void clsBD::ZapiszWszystkieZalegle()
{
    // About two seconds of writes: a stop that waits longer is ended by whoever asked for it.
    constexpr int kProb = 50;
    qsizetype przed = -1;
    for (int i = 0; i < kProb && !m_zalegle.Puste() && m_zalegle.Ile() != przed; ++i) {
        przed = m_zalegle.Ile();
        ZapiszZalegle();
    }
}

QString clsBD::RaportNiezapisanych() const
{
    const ZalegleZapisy::Niezapisane n = m_zalegle.Nieprzyjete();
    if (n.ile == 0)
        return {};
    const QString format = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    return QStringLiteral("Kalbor: zapisy do bazy danych utracone przy zakończeniu, plik ich nie przyjął: %1 "
                          "(pierwszy z %2, ostatni z %3).")
        .arg(n.ile)
        .arg(n.pierwszy.toString(format), n.ostatni.toString(format));
}

qint32 clsBD::ZapiszAlarm(const QDateTime& Data, const QString& typ, const QString& Tresc,
                          const QString& Kod_regulatora, const QString& Operator)
{
    const qint32 zastepczy = --m_ostatniZastepczy;
    const auto zapis = [this, zastepczy, Data, typ, Tresc, Kod_regulatora, Operator] {
        QSqlQuery q(m_uslugi.cnBaza->db());
        q.prepare(QStringLiteral(
            "INSERT INTO Alarmy (Data, Typ, Tresc, Kod_Regul, Operator) VALUES (?, ?, ?, ?, ?)"));
        q.addBindValue(SqlDates::sqlDateTime(Data));
        q.addBindValue(typ);
        q.addBindValue(Tresc);
        q.addBindValue(tekstLubNull(Kod_regulatora));
        q.addBindValue(tekstLubNull(Operator));
        const QSqlError blad = wykonaj(q);
        if (!blad.isValid() || !PlikOdmawiaZapisu(blad))
            m_idAlarmow.insert(zastepczy, blad.isValid() ? 0 : q.lastInsertId().toInt());
        return blad;
    };
    switch (zapisz(zapis, Kod_regulatora, true)) {
    case Wynik::Zapisany:
        return m_idAlarmow.take(zastepczy);
    case Wynik::Odlozony:
        return zastepczy;
    case Wynik::Odrzucony:
        m_idAlarmow.remove(zastepczy);
        break;
    }
    return 0;
}

bool clsBD::AlarmNiezapisany(qint32 Id_alarmu) const
{
    return Id_alarmu == 0 || (Id_alarmu < 0 && m_idAlarmow.value(Id_alarmu, -1) == 0);
}

bool clsBD::ModyfikujAlarm(qint32 Id_alarmu, const std::optional<QDateTime>& data_potw,
                           const std::optional<QDateTime>& data_dezakt, const QString& Operator)
{
    const auto zmiana = [this, Id_alarmu, data_potw, data_dezakt, Operator] {
        QSqlQuery q(m_uslugi.cnBaza->db());
        q.prepare(QStringLiteral("UPDATE Alarmy SET Data_potw = COALESCE(?, Data_potw), "
                                 "data_dezakt = COALESCE(?, data_dezakt), Operator = COALESCE(?, Operator) "
                                 "WHERE Id_alarmu = ?"));
        q.addBindValue(dataLubNull(data_potw));
        q.addBindValue(dataLubNull(data_dezakt));
        q.addBindValue(tekstLubNull(Operator));
        // A kept alarm's stand-in names its row once that row is written.
        q.addBindValue(Id_alarmu < 0 ? m_idAlarmow.value(Id_alarmu) : Id_alarmu);
        if (const QSqlError blad = wykonaj(q); blad.isValid() || q.numRowsAffected() > 0)
            return blad;
        // The row the register points at is gone, or was never stored: nothing of the change is kept.
        return QSqlError(QString(), QStringLiteral("W tabeli Alarmy nie ma alarmu nr %1.").arg(Id_alarmu),
                         QSqlError::StatementError);
    };
    // A change the file takes later is made, as far as the operator is concerned.
    return zapisz(zmiana, {}, true) != Wynik::Odrzucony;
}

void clsBD::ZapiszDoLoga(const QString& Operacja, const QString& Status, const QString& typ,
                         const QString& Kod_regulatora)
{
    zapisz(wierszLogu(Operacja, Status, typ, Kod_regulatora), Kod_regulatora, false);
}

// The row keeps the time it was asked for, which a kept row would otherwise lose.
ZalegleZapisy::Zapis clsBD::wierszLogu(const QString& Operacja, const QString& Status, const QString& typ,
                                       const QString& Kod_regulatora) const
{
    return [baza = m_uslugi.cnBaza, Operacja, Status, typ, Kod_regulatora, czas = m_uslugi.zegar->now()] {
        QSqlQuery q(baza->db());
        q.prepare(QStringLiteral(
            "INSERT INTO Log (Operacja, Status, Typ, Kod_Regul, Czas) VALUES (?, ?, ?, ?, ?)"));
        q.addBindValue(Operacja);
        q.addBindValue(Status);
        q.addBindValue(typ);
        q.addBindValue(tekstLubNull(Kod_regulatora));
        q.addBindValue(SqlDates::sqlDateTime(czas));
        return wykonaj(q);
    };
}
