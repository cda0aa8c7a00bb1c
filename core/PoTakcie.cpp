#include "PoTakcie.h"

#include <algorithm>
#include <utility>

void PoTakcie::Wykonaj(const QString& nazwa, std::function<void()> akcja, const QString& klucz)
{
    if (!m_trwaTakt) {
        akcja();
        return;
    }
    const QString k = klucz.isEmpty() ? nazwa : klucz;
    const auto ta =
        std::find_if(m_odlozone.begin(), m_odlozone.end(), [&k](const Odlozona& o) { return o.klucz == k; });
    if (ta != m_odlozone.end()) {
        ta->akcja = std::move(akcja);
        if (std::exchange(ta->nazwa, nazwa) != nazwa)
            zglosZmiane();
        return;
    }
    m_odlozone.push_back({nazwa, k, std::move(akcja)});
    zglosZmiane();
}

QStringList PoTakcie::czekajace() const
{
    QStringList nazwy;
    for (const Odlozona& o : m_odlozone)
        nazwy << o.nazwa;
    return nazwy;
}

void PoTakcie::zglosZmiane() const
{
    if (ZmianaCzekajacych)
        ZmianaCzekajacych(czekajace());
}

// An action that opens a window lets later ticks end inside it, and their ends come back here:
// each action is taken off before it runs, so none runs twice and the order holds.
void PoTakcie::KoniecTaktu()
{
    m_trwaTakt = false;
    while (!m_odlozone.empty()) {
        std::function<void()> akcja = std::move(m_odlozone.front().akcja);
        m_odlozone.pop_front();
        zglosZmiane();
        akcja();
    }
}
