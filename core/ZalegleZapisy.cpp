#include "ZalegleZapisy.h"

#include "BledyBazy.h"

#include <QSqlQuery>

namespace {
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
} // namespace

bool ZalegleZapisy::Dodaj(Zapis zapis, const QDateTime& czas, Utrata utracony)
{
    if (Ile() >= m_limit) {
        if (m_pominiete.ile++ == 0)
            m_pominiete.pierwszy = czas;
        m_pominiete.ostatni = czas;
        return false;
    }
    m_kolejka.push_back({std::move(zapis), std::move(utracony), czas});
    return true;
}

qint64 ZalegleZapisy::ZabierzPominiete()
{
    return std::exchange(m_pominiete, {}).ile;
}

ZalegleZapisy::Niezapisane ZalegleZapisy::Nieprzyjete() const
{
    if (m_kolejka.empty())
        return m_pominiete;
    Niezapisane n{Ile() + m_pominiete.ile, m_kolejka.front().czas, m_kolejka.back().czas};
    if (m_pominiete.ile > 0) {
        n.pierwszy = std::min(n.pierwszy, m_pominiete.pierwszy);
        n.ostatni = std::max(n.ostatni, m_pominiete.ostatni);
    }
    return n;
}

void ZalegleZapisy::Ponow(QSqlDatabase db, const std::function<void(const QSqlError&)>& odrzucony)
{
    if (m_kolejka.empty())
        return;
    const CzasOczekiwania bezCzekania(db, 0);
    m_odmowa = {};
    for (int i = 0; i < kNaProbe && !m_kolejka.empty(); ++i) {
        const QSqlError blad = m_kolejka.front().zapis();
        if (blad.isValid() && PlikOdmawiaZapisu(blad)) {
            m_odmowa = blad;
            return;
        }
        const Utrata utracony = std::move(m_kolejka.front().utracony);
        m_kolejka.pop_front();
        if (!blad.isValid())
            continue;
        if (utracony)
            utracony();
        odrzucony(blad);
    }
}
