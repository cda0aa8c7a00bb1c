#include "clsoApp.h"

#include "AppSettings.h"
#include "IWizual.h"
#include "Interfaces.h"
#include "Uslugi.h"

#include <QScopedValueRollback>
#include <utility>

bool clsoApp::WczytajOpcje()
{
    UstawPort(AppSettings::read(AppSettings::Port));
    AdmHaslo = AppSettings::read(AppSettings::AdmHaslo);
    bool ok = false;
    const int dzwieki = AppSettings::read(AppSettings::Dzwieki).trimmed().toInt(&ok);
    Dzwieki = ok && dzwieki >= -32768 && dzwieki <= 32767 ? qint16(dzwieki) : 0;
    return true;
}

void clsoApp::UstawPort(const QString& tekst)
{
    bool ok = false;
    const int nr = tekst.trimmed().toInt(&ok);
    if (ok && nr >= 0 && nr <= 255) {
        nr_portu = quint8(nr);
        NazwaPortu.clear();
    } else {
        nr_portu = 0;
        NazwaPortu = tekst.trimmed();
    }
}

QString clsoApp::TekstPortu() const
{
    return NazwaPortu.isEmpty() ? QString::number(nr_portu) : NazwaPortu;
}

QString clsoApp::UrzadzeniePortu() const
{
    if (!NazwaPortu.isEmpty())
        return NazwaPortu;
    if (nr_portu == 0)
        return {};
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(nr_portu);
#else
    return QStringLiteral("/dev/ttyS%1").arg(nr_portu - 1);
#endif
}

// The login's answer counts the moment it is given: a tick running inside the login returns its
// loop only later, and meanwhile the operator sees the mode his answer chose. While a login is
// open or answered but not yet returned, switching on opens no second one: its answer stands.
bool clsoApp::UstawTrybSterowania(bool& Tryb)
{
    if (!Tryb || m_logowanieTrwa) {
        Tryb = Tryb && TrybSterowania;
        ogloszTryb(Tryb);
        return Tryb;
    }
    const QScopedValueRollback trwa(m_logowanieTrwa, true);
    ParametrGlob = false;
    bool odpowiedziano = false;
    const auto poOdpowiedzi = [this, &odpowiedziano] {
        if (!std::exchange(odpowiedziano, true))
            ogloszTryb(ParametrGlob.toBool());
    };
    if (m_uslugi.logowanie)
        m_uslugi.logowanie->PokazModalnie(poOdpowiedzi);
    poOdpowiedzi();
    Tryb = TrybSterowania;
    return Tryb;
}

void clsoApp::ogloszTryb(bool tryb)
{
    TrybSterowania = tryb;
    m_uslugi.oWizual->eZmianaTrybuSterowania(tryb);
}

bool clsoApp::PrzelaczTrybSterowania()
{
    bool tryb = !TrybSterowania;
    return UstawTrybSterowania(tryb);
}
