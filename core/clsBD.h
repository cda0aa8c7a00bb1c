#pragma once

#include "ZalegleZapisy.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <optional>

struct Uslugi;

// Writer of the alarm table and the event log, and the one way the supervision's writes
// (readings, alarms, log rows) reach the file; the operator's edits of the regulator and
// structure tables answer him at once and go directly. A refused write is shown to the
// operator without waiting for an answer, and the program goes on. While the file refuses
// writes for a while (locked, read-only, failing, full) the writes are kept in order and
// carried out once it takes them again. Main thread only.
class clsBD
{
  public:
    enum class Wynik
    {
        Zapisany,  // in the file
        Odlozony,  // kept, written once the file takes writes again
        Odrzucony, // lost: refused for good, or over the bound of kept writes
    };

    explicit clsBD(Uslugi& uslugi, qsizetype limitZaleglych = ZalegleZapisy::kLimit)
        : m_uslugi(uslugi), m_zalegle(limitZaleglych)
    {
    }

    // Adds an alarm row; returns its new Id_alarmu (0 when the write was refused). An alarm kept
    // for later gets a negative stand-in, which ModyfikujAlarm takes for the row's own identity.
    qint32 ZapiszAlarm(const QDateTime& Data, const QString& typ, const QString& Tresc,
                       const QString& Kod_regulatora, const QString& Operator);
    // Sets the acknowledgement and clearing times that are given and the operator when not
    // empty. False when the write was refused or no row has the identity; either is reported
    // as a refused write. A change kept for a file that refuses writes for now counts as made.
    bool ModyfikujAlarm(qint32 Id_alarmu, const std::optional<QDateTime>& data_potw,
                        const std::optional<QDateTime>& data_dezakt, const QString& Operator);
    // True for an alarm whose row the file never took and never will: its insert was refused for
    // good or dropped over the bound of kept writes (identity 0), or kept and refused for good
    // when it was retried (a stand-in that names no row).
    bool AlarmNiezapisany(qint32 Id_alarmu) const;
    // Appends an event-log row stamped with the present time; an empty regulator code is stored
    // as NULL.
    void ZapiszDoLoga(const QString& Operacja, const QString& Status, const QString& typ,
                      const QString& Kod_regulatora);

    // Carries out one write (its own transaction) on behalf of the regulator, or keeps it behind
    // the writes already waiting. Each refused write is shown once and, unless it is a log row
    // itself, followed by its log row (Status "B", Typ "D"). A write lost at once is Odrzucony;
    // utracony is told when a kept one is refused for good later.
    Wynik Zapisz(const ZalegleZapisy::Zapis& zapis, const QString& Kod_regulatora,
                 const ZalegleZapisy::Utrata& utracony = {});
    // Retries the kept writes; the main loop calls it at the start of every tick. While the file
    // still refuses, the writes of the tick are kept without waiting for it again.
    void ZapiszZalegle();
    // At shutdown: the kept writes the file takes by now, up to a few thousand, so that a stop
    // is not held for minutes by a long backlog.
    void ZapiszWszystkieZalegle();
    // The writes the file has not taken: kept ones and those dropped over the bound since it
    // last took every kept write.
    qint64 LiczbaNiezapisanych() const { return m_zalegle.Nieprzyjete().ile; }
    // After the last write of the run: the line that tells how many writes the file never took
    // and when the first and the last of them were asked for; empty when it took them all.
    QString RaportNiezapisanych() const;

  private:
    Wynik zapisz(const ZalegleZapisy::Zapis& zapis, const QString& Kod_regulatora, bool logujOdmowe,
                 const ZalegleZapisy::Utrata& utracony = {});
    void zglosOdmowe(const QSqlError& blad, const QString& Kod_regulatora, bool ponadLimit, bool logujOdmowe);
    ZalegleZapisy::Zapis wierszLogu(const QString& Operacja, const QString& Status, const QString& typ,
                                    const QString& Kod_regulatora) const;

    Uslugi& m_uslugi;
    ZalegleZapisy m_zalegle;
    // Stand-ins of kept alarms and the identities the database gave their rows; 0 for a kept
    // alarm the file refused for good.
    QHash<qint32, qint32> m_idAlarmow;
    qint32 m_ostatniZastepczy = 0;
    QString m_tekstOdmowy; // the last refusal's log text, shared by the kept rows that repeat it
};
