#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <deque>
#include <functional>

// Writes the file refused for a while, kept in the order they came while the program runs and
// carried out, each as its own transaction, once the file takes writes again. A later write
// never overtakes a kept one, so readings and log rows reach the file in their own order.
class ZalegleZapisy
{
  public:
    // One write that must not be half-done; returns the database's error, invalid when stored.
    using Zapis = std::function<QSqlError()>;
    // Told when a kept write is refused for good at a retry and dropped.
    using Utrata = std::function<void()>;
    // The writes the file has not taken yet: those waiting and those dropped over the bound
    // since it last took every kept write, with the times the first and the last were asked for.
    struct Niezapisane
    {
        qint64 ile = 0;
        QDateTime pierwszy;
        QDateTime ostatni;
    };

    // More than a day of one-minute readings of 255 regulators, each with the log row of its
    // refusal (2 x 255 x 1440).
    static constexpr qsizetype kLimit = 800000;
    // Writes carried out per retry, so that a long backlog does not hold up the polling.
    static constexpr int kNaProbe = 100;

    explicit ZalegleZapisy(qsizetype limit = kLimit) : m_limit(limit) {}

    bool Puste() const { return m_kolejka.empty(); }
    qsizetype Ile() const { return qsizetype(m_kolejka.size()); }
    qsizetype Limit() const { return m_limit; }
    // The refusal that keeps the writes waiting; invalid while the file takes writes.
    QSqlError Odmowa() const { return m_odmowa; }
    void UstawOdmowe(const QSqlError& blad) { m_odmowa = blad; }

    // Keeps a write asked for at `czas` behind the others; false, and counted, when the bound is
    // reached.
    bool Dodaj(Zapis zapis, const QDateTime& czas, Utrata utracony = {});
    // The writes dropped over the bound since the last call.
    qint64 ZabierzPominiete();
    Niezapisane Nieprzyjete() const;

    // Carries out up to kNaProbe kept writes in order without waiting for a busy file, so that
    // a file still held refuses at once. Stops at the first refusal; a kept write refused for
    // any other reason will never succeed, so it is dropped, its own Utrata told and the error
    // given to odrzucony.
    void Ponow(QSqlDatabase db, const std::function<void(const QSqlError&)>& odrzucony);

  private:
    struct Czekajacy
    {
        Zapis zapis;
        Utrata utracony;
        QDateTime czas;
    };

    qsizetype m_limit;
    std::deque<Czekajacy> m_kolejka;
    QSqlError m_odmowa;
    Niezapisane m_pominiete; // dropped over the bound
};
