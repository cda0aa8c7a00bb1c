#include "OdczytHistorii.h"

#include "Baza.h"
#include "BledyBazy.h"

#include <QSqlQuery>
#include <QThread>
#include <stdexcept>

void OdczytyHistorii::Poczatek(const QString& nazwa)
{
    m_trwajace << nazwa;
    if (ZmianaTrwajacych)
        ZmianaTrwajacych(m_trwajace);
}

void OdczytyHistorii::Koniec(const QString& nazwa)
{
    m_trwajace.removeOne(nazwa);
    if (ZmianaTrwajacych)
        ZmianaTrwajacych(m_trwajace);
}

namespace {

// Where the program's connection reads: its file and its options.
struct Plik
{
    QString nazwa;
    QString opcje;
};

void wykonaj(QSqlQuery& q, const QString& sql)
{
    if (!q.exec(sql))
        throw std::runtime_error(q.lastError().text().toStdString());
}

// The read on a connection of its own, opened and closed on the calling thread, in one read
// transaction; empty when it went through, else the reason.
QString czytaj(const Plik& plik, const OdczytHistorii::Czytaj& czytaj,
               const OdczytHistorii::Przerwanie& przerwano)
{
    static std::atomic_int numer{0};
    const QString polaczenie = QStringLiteral("historia-%1").arg(++numer);
    QString blad;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), polaczenie);
        db.setDatabaseName(plik.nazwa);
        db.setConnectOptions(plik.opcje);
        if (!db.open())
            blad = OpisBledu(db.lastError());
        else {
            // No memory-mapped reading: on a fresh connection it makes each first touch of a page
            // a page fault, which costs a regulator's report, spread thin over the pages, more
            // than it saves the plant's.
            QSqlQuery q(db);
            try {
                wykonaj(q, QStringLiteral("BEGIN"));
                czytaj(db, przerwano);
            } catch (const std::exception& e) {
                blad = QString::fromUtf8(e.what());
            }
            // Nothing was written: the end of the read transaction.
            q.exec(QStringLiteral("ROLLBACK"));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(polaczenie);
    return blad;
}

} // namespace

OdczytHistorii::OdczytHistorii(OdczytyHistorii& odczyty, const Baza& baza, const QString& nazwa,
                               QObject* parent)
    : QObject(parent), m_odczyty(odczyty), m_baza(baza), m_nazwa(nazwa)
{
}

OdczytHistorii::~OdczytHistorii()
{
    if (m_przerwanie)
        *m_przerwanie = true;
    if (m_watek)
        m_watek->wait();
    if (m_trwa)
        m_odczyty.Koniec(m_nazwa);
}

bool OdczytHistorii::Uruchom(Czytaj czytajWiersze, Gotowe gotowe)
{
    if (m_trwa)
        return false;
    m_trwa = true;
    m_gotowe = std::move(gotowe);
    m_przerwanie = std::make_shared<Przerwanie>(false);
    const QSqlDatabase db = m_baza.db();
    const Plik plik{db.databaseName(), db.connectOptions()};
    m_odczyty.Poczatek(m_nazwa);
    if (!m_odczyty.WTle()) {
        zakoncz(czytaj(plik, czytajWiersze, *m_przerwanie));
        return true;
    }
    // The owner is told through its own event loop; one destroyed meanwhile waits for the
    // thread first, and the news, posted to it, goes with it.
    m_watek.reset(
        QThread::create([this, plik, czytajWiersze = std::move(czytajWiersze), przerwanie = m_przerwanie] {
            const QString blad = czytaj(plik, czytajWiersze, *przerwanie);
            QMetaObject::invokeMethod(
                this, [this, blad] { zakoncz(blad); }, Qt::QueuedConnection);
        }));
    m_watek->start();
    return true;
}

void OdczytHistorii::zakoncz(const QString& blad)
{
    if (m_watek) {
        m_watek->wait();
        m_watek.reset();
    }
    m_trwa = false;
    m_odczyty.Koniec(m_nazwa);
    const Gotowe gotowe = std::move(m_gotowe);
    m_gotowe = nullptr;
    gotowe(blad);
}
