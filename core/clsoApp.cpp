#include "clsoApp.h"

#include "AppSettings.h"
#include "IWizual.h"
#include "Interfaces.h"
#include "Uslugi.h"

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

bool clsoApp::UstawTrybSterowania(bool& Tryb)
{
    if (Tryb) {
        ParametrGlob = false;
        if (m_uslugi.logowanie)
            m_uslugi.logowanie->PokazModalnie();
        if (!ParametrGlob.toBool())
            Tryb = false;
    }
    TrybSterowania = Tryb;
    m_uslugi.oWizual->eZmianaTrybuSterowania(Tryb);
    return Tryb;
}

bool clsoApp::PrzelaczTrybSterowania()
{
    bool tryb = !TrybSterowania;
    return UstawTrybSterowania(tryb);
}
