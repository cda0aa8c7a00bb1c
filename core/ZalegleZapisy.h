#pragma once

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

    // Keeps a write behind the others; false, and counted, when the bound is reached.
    bool Dodaj(Zapis zapis);
    // The writes dropped over the bound since the last call.
    qint64 ZabierzPominiete() { return std::exchange(m_pominiete, 0); }

    // Carries out up to kNaProbe kept writes in order without waiting for a busy file, so that
    // a file still held refuses at once. Stops at the first refusal; a kept write refused for
    // any other reason will never succeed, so it is given to odrzucony and dropped.
    void Ponow(QSqlDatabase db, const std::function<void(const QSqlError&)>& odrzucony);

  private:
    qsizetype m_limit;
    std::deque<Zapis> m_kolejka;
    QSqlError m_odmowa;
    qint64 m_pominiete = 0;
};
