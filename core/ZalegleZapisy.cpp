#include "ZalegleZapisy.h"

#include <QSqlQuery>

namespace {
// SQLite's primary result codes for a file that refuses writes for a while.
constexpr int kPerm = 3, kBusy = 5, kLocked = 6, kReadOnly = 8, kIoErr = 10, kFull = 13, kCantOpen = 14;

// The busy time-out of the connection for the life of the guard.
class CzasOczekiwania
{
  public:
    CzasOczekiwania(QSqlDatabase db, int ms) : m_q(db)
    {
        m_q.exec(QStringLiteral("PRAGMA busy_timeout"));
        m_poprzedni = m_q.next() ? m_q.value(0).toInt() : 0;
        ustaw(ms);
    }
    ~CzasOczekiwania() { ustaw(m_poprzedni); }
    CzasOczekiwania(const CzasOczekiwania&) = delete;
    CzasOczekiwania& operator=(const CzasOczekiwania&) = delete;

  private:
    // A pragma takes no bound parameter; the value is a number formatted here.
    void ustaw(int ms) { m_q.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(ms)); }

    QSqlQuery m_q;
    int m_poprzedni = 0;
};

// SQLite's primary result code of the error, 0 for none. Extended codes carry the primary code
// in their low byte.
int kodGlowny(const QSqlError& blad)
{
    bool ok = false;
    const int kod = blad.nativeErrorCode().toInt(&ok) & 0xff;
    return ok ? kod : 0;
}
} // namespace

bool PlikOdmawiaZapisu(const QSqlError& blad)
{
    const int kod = kodGlowny(blad);
    for (int k : {kPerm, kBusy, kLocked, kReadOnly, kIoErr, kFull, kCantOpen}) {
        if (kod == k)
            return true;
    }
    return false;
}

bool BlokadaPliku(const QSqlError& blad)
{
    const int kod = kodGlowny(blad);
    return kod == kBusy || kod == kLocked;
}

bool ZalegleZapisy::Dodaj(Zapis zapis)
{
    if (Ile() >= m_limit) {
        ++m_pominiete;
        return false;
    }
    m_kolejka.push_back(std::move(zapis));
    return true;
}

void ZalegleZapisy::Ponow(QSqlDatabase db, const std::function<void(const QSqlError&)>& odrzucony)
{
    if (m_kolejka.empty())
        return;
    const CzasOczekiwania bezCzekania(db, 0);
    m_odmowa = {};
    for (int i = 0; i < kNaProbe && !m_kolejka.empty(); ++i) {
        const QSqlError blad = m_kolejka.front()();
        if (blad.isValid() && PlikOdmawiaZapisu(blad)) {
            m_odmowa = blad;
            return;
        }
        m_kolejka.pop_front();
        if (blad.isValid())
            odrzucony(blad);
    }
}
