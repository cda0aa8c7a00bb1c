#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>

class Baza;
class QThread;

// The long reads of the stored history that run at once: what the operator waits for, and
// where they run. The program runs each on a worker thread of its own, so the polling and the
// windows go on meanwhile; tests that need no thread run them in place.
class OdczytyHistorii
{
  public:
    explicit OdczytyHistorii(bool wTle) : m_wTle(wTle) {}
    bool WTle() const { return m_wTle; }

    // Called with the names of the reads running, in the order they began, whenever they change.
    std::function<void(const QStringList&)> ZmianaTrwajacych;

    // Called by each read as it begins and ends.
    void Poczatek(const QString& nazwa);
    void Koniec(const QString& nazwa);

  private:
    bool m_wTle;
    QStringList m_trwajace;
};

// One owner's read of the history (a report, a chart, the alarm archive's day), at most one at a
// time. It runs with a read connection of its own to the file, opened and closed where it runs
// (the file's WAL journal lets it read next to the writer), inside one read transaction, so it
// sees the file as it was at its first statement: a reading stored meanwhile is wholly in it or
// wholly out of it. It is given plain values and gives plain rows; it never touches a widget, the
// serial line or a write. Its owner is told on its own thread when the read has ended.
class OdczytHistorii : public QObject
{
    Q_OBJECT
  public:
    // Set once the owner no longer wants the rows (the window or the program closes); loops of
    // statements look at it between statements and give up.
    using Przerwanie = std::atomic_bool;
    using Czytaj = std::function<void(const QSqlDatabase& db, const Przerwanie& przerwano)>;
    // An empty text when the read went through, else the database's reason.
    using Gotowe = std::function<void(const QString& blad)>;

    // `baza`: the program's connection, whose file the reads open. `nazwa` tells the operator
    // what is being read.
    OdczytHistorii(OdczytyHistorii& odczyty, const Baza& baza, const QString& nazwa,
                   QObject* parent = nullptr);
    // A read still running is stopped and its thread waited for; its owner is not told.
    ~OdczytHistorii() override;

    bool Trwa() const { return m_trwa; }
    // Begins a read; false, and nothing done, while one runs. `czytaj` throws std::exception
    // for a failing statement.
    bool Uruchom(Czytaj czytaj, Gotowe gotowe);

  private:
    void zakoncz(const QString& blad);

    OdczytyHistorii& m_odczyty;
    const Baza& m_baza;
    QString m_nazwa;
    bool m_trwa = false;
    Gotowe m_gotowe;
    std::shared_ptr<Przerwanie> m_przerwanie;
    std::unique_ptr<QThread> m_watek;
};
