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
        // What the system says of the failure varies with the moment it was seen and tells the
        // operator nothing more.
        zglos(QStringLiteral("Utracono port szeregowy %1 (urządzenie odłączone lub niedostępne)")
                  .arg(m_urzadzenie),
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
