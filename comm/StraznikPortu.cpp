#include "StraznikPortu.h"

#include "Clock.h"
#include "PortQt.h"
#include "Uslugi.h"
#include "clsBD.h"

#include <utility>

QString StraznikPortu::Otworz(const QString& urzadzenie)
{
    m_urzadzenie = urzadzenie;
    m_ostatniaProba = m_uslugi.zegar->monotonicMs();
    const QString blad = m_port.Otworz(urzadzenie);
    if (!blad.isEmpty())
        return blad;
    m_wSluzbie = true;
    if (std::exchange(m_utracony, false))
        zglos(QStringLiteral("Port szeregowy %1 otwarty ponownie").arg(urzadzenie), QStringLiteral("N"));
    return {};
}

bool StraznikPortu::ProbaNalezna() const
{
    return m_uslugi.zegar->monotonicMs() - m_ostatniaProba >= kOdstepProbMs;
}

void StraznikPortu::Pilnuj()
{
    if (!m_wSluzbie || m_port.Otwarty())
        return;
    if (!m_utracony) {
        m_utracony = true;
        m_ostatniaProba = m_uslugi.zegar->monotonicMs();
        zglos(QStringLiteral("Utracono port szeregowy %1: %2").arg(m_urzadzenie, m_port.Utrata()),
              QStringLiteral("B"));
        return;
    }
    if (ProbaNalezna())
        Otworz(m_urzadzenie);
}

void StraznikPortu::zglos(const QString& tekst, const QString& status)
{
    if (PokazStan)
        PokazStan(tekst);
    m_uslugi.oBD->ZapiszDoLoga(tekst, status, QStringLiteral("K"), {});
}
