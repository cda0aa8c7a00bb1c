// Operator control of a regulator: lock, operating switches and capacitor stages.
#include "Bity.h"
#include "Clock.h"
#include "IWizual.h"
#include "Interfaces.h"
#include "TextFormat.h"
#include "Uslugi.h"
#include "clRegulator.h"
#include "clsBD.h"

namespace {
constexpr quint8 kBitBlokady = 0x20;
constexpr quint8 kStopien9 = 8; // index of stage 9, kept in bit 7 of stage byte 2
} // namespace

bool clRegulator::SprawdzStanDiody(quint8 n) const
{
    if (n == kStopien9)
        return (Stan.StanDiod2 & Bity[7]) == 0;
    return (Stan.StanDiod1 & Bity[n & 7]) == 0;
}

void clRegulator::BlokujRegul(bool zablokuj)
{
    IWizual& w = *m_uslugi.oWizual;
    IKomunikator& k = *m_uslugi.oKomunikator;
    w.eBlokowanieRegul(Id, zablokuj, true);
    std::array<quint8, 1> s{0};
    if (k.WykonajRozkaz(Id, QStringLiteral("Czytaj_blok"), s, 0)) {
        Zablokowany = KodBlokady(s[0]);
        const quint8 nowy = zablokuj ? quint8(s[0] | kBitBlokady) : quint8(s[0] & ~kBitBlokady);
        if (k.WykonajRozkaz(Id, QStringLiteral("Ustaw_blok"), s, nowy)) {
            Zablokowany = KodBlokady(s[0]);
            m_uslugi.oBD->ZapiszDoLoga(QStringLiteral("Blokada regulatora"), QStringLiteral("N"),
                                       QStringLiteral("B"), Kod);
        } else {
            m_uslugi.oBD->ZapiszDoLoga(QStringLiteral("Nieudana próba zablokowania regulatora"),
                                       QStringLiteral("B"), QStringLiteral("B"), Kod);
        }
    }
    w.eBlokadaRegul(Id, Zablokowany, true);
    w.eBlokowanieRegul(Id, zablokuj, false);
}

bool clRegulator::UstawRegulator()
{
    // Without an open front panel there are no operator positions to send.
    PrzelacznikiPanelu* panel = m_uslugi.panel;
    bool ok = false;
    if (panel) {
        quint8 b = 0;
        for (int i = 0; i < 4; ++i) {
            if (panel->Value(i))
                b |= quint8(1 << i);
        }
        ok = m_uslugi.oKomunikator->WykonajRozkaz(Id, QStringLiteral("Ustaw_sr"), {}, b);
    }
    if (ok) {
        WczytajStanRegul(m_uslugi.zegar->now());
        m_uslugi.oBD->ZapiszDoLoga(QStringLiteral("Ustawienie regulatora"), QStringLiteral("N"),
                                   QStringLiteral("U"), Kod);
    } else {
        m_uslugi.oBD->ZapiszDoLoga(QStringLiteral("Nieudana próba ustawienia regulatora"),
                                   QStringLiteral("B"), QStringLiteral("U"), Kod);
    }
    // The refresh above kept the operator's positions; later refreshes show the regulator's.
    panel = m_uslugi.panel;
    if (panel) {
        for (int i = 0; i < 4; ++i)
            panel->UstawZmieniony(i, false);
    }
    return ok;
}

bool clRegulator::CzytajStopnie(quint8& k1, quint8& k2)
{
    std::array<quint8, 1> b1{0}, b2{0};
    IKomunikator& k = *m_uslugi.oKomunikator;
    const bool ok1 = k.WykonajRozkaz(Id, QStringLiteral("Czytaj_Kond1"), b1, 0);
    const bool ok2 = k.WykonajRozkaz(Id, QStringLiteral("Czytaj_Kond2"), b2, 0);
    if (!ok1 || !ok2)
        return false;
    k1 = b1[0];
    k2 = b2[0];
    return true;
}

void clRegulator::ZakonczKondensator(bool zalacz)
{
    if (zalacz)
        m_uslugi.oWizual->eZalaczanieBaterii(Id, false);
    else
        m_uslugi.oWizual->eWylaczanieBaterii(Id, false);
}

// Clears the stage's bit when its discharge time has run out; otherwise tells the operator.
bool clRegulator::ZalaczStopien(quint8 n, quint8& k1, quint8& k2)
{
    std::array<quint8, 1> sek{0};
    if (!m_uslugi.oKomunikator->WykonajRozkaz(Id, QStringLiteral("Badaj_kond"), sek, n))
        return false;
    if (sek[0] != 0) {
        m_uslugi.komunikaty->Pokaz(
            QStringLiteral("Nie można załączyć kondensatora nr ") + QString::number(n + 1) +
                QStringLiteral(".\rNie upłynął jeszcze czas jego rozładowania.\rPozostało ") +
                TextFormat::plain(int(sek[0])) + QStringLiteral(" sekund."),
            kTytulAplikacji, Komunikaty::Ikona::Krytyczna);
        return false;
    }
    if (n == kStopien9)
        k2 = quint8((k2 & 0x70) | 0x0F);
    else
        k1 = quint8(k1 & (255 - Bity[n]));
    return true;
}

bool clRegulator::UstawKondensator(quint8 n, bool zalacz)
{
    if (zalacz)
        m_uslugi.oWizual->eZalaczanieBaterii(Id, true);
    else
        m_uslugi.oWizual->eWylaczanieBaterii(Id, true);
    const auto koniec = [&](bool wynik) {
        ZakonczKondensator(zalacz);
        return wynik;
    };

    quint8 k1 = 0, k2 = 0;
    if (n > kStopien9 || !CzytajStopnie(k1, k2))
        return koniec(false);
    Stan.StanDiod1 = k1;
    Stan.StanDiod2 = k2;
    if (SprawdzStanDiody(n) == zalacz) {
        m_uslugi.oWizual->eNoweDane(Id, QStringLiteral("O"));
        return koniec(true);
    }

    IKomunikator& k = *m_uslugi.oKomunikator;
    if (!zalacz) {
        if (n == kStopien9)
            k2 |= Bity[7];
        else
            k1 |= Bity[n];
        k.WykonajRozkaz(Id, QStringLiteral("Ustaw_kond"), {}, n);
    } else if (!ZalaczStopien(n, k1, k2)) {
        return koniec(false);
    }

    if (n == kStopien9)
        k.WykonajRozkaz(Id, QStringLiteral("Wlacz_kond2"), {}, k2);
    else
        k.WykonajRozkaz(Id, QStringLiteral("Wlacz_kond"), {}, k1);

    if (CzytajStopnie(k1, k2)) {
        Stan.StanDiod1 = k1;
        Stan.StanDiod2 = k2;
        m_uslugi.oWizual->eNoweDane(Id, QStringLiteral("O"));
    }
    m_uslugi.oBD->ZapiszDoLoga(
        (zalacz ? QStringLiteral("Załączono stopień nr ") : QStringLiteral("Wyłączono stopień nr ")) +
            TextFormat::plain(int(n) + 1),
        QStringLiteral("N"), QStringLiteral("S"), Kod);
    return koniec(true);
}
