#include "PoTakcie.h"

void PoTakcie::Wykonaj(std::function<void()> akcja)
{
    if (m_trwaTakt)
        m_odlozone.push_back(std::move(akcja));
    else
        akcja();
}

// An action that opens a window lets later ticks end inside it, and their ends come back here:
// each action is taken off before it runs, so none runs twice and the order holds.
void PoTakcie::KoniecTaktu()
{
    m_trwaTakt = false;
    while (!m_odlozone.empty()) {
        std::function<void()> akcja = std::move(m_odlozone.front());
        m_odlozone.pop_front();
        akcja();
    }
}
