#include "clComm.h"

#include "Clock.h"
#include "Interfaces.h"
#include "PortSzeregowy.h"
#include "RamkiRozkazow.h"
#include "Uslugi.h"
#include "clRegulator.h"
#include "colRegulatory.h"

#include <QCoreApplication>

namespace {
// Between passes over the window events the wait sleeps on the port this long.
constexpr int kUspienieMs = 5;
constexpr int kPoczatekRamki = 0x02;
constexpr size_t kDlugoscBloku = 32;
// After a time-out the line is drained before the next frame for more than this many whole
// seconds: a regulator that has not begun to answer by then is taken as not answering at all.
constexpr qint64 kCzasUspokojeniaS = 1;
} // namespace

clComm::clComm(Uslugi& uslugi) : m_uslugi(uslugi), m_zdarzenia([] { QCoreApplication::processEvents(); }) {}

bool clComm::WykonajPolecenie(int NrRegul, QString& Rozkaz, std::span<quint8> Dane, quint8 Wartosc)
{
    Zajety = true;
    Wynik wynik = Wynik::Porazka;
    for (int proba = 0; wynik == Wynik::Porazka && proba < kProbyPolecenia; ++proba) {
        Rozkaz = Rozkaz.toUpper();
        const int adres = m_uslugi.oRegulatory->Item(NrRegul).adres;
        // An address that does not fit the frame's byte would reach another regulator.
        if (adres < 0 || adres > 255)
            break;
        wynik = wykonajProbe(Rozkaz, quint8(adres), Dane, Wartosc);
        if (wynik != Wynik::Sukces)
            m_odpowiedzSpozniona = true;
    }
    Zajety = false;
    return wynik == Wynik::Sukces;
}

clComm::Wynik clComm::wykonajProbe(const QString& rozkaz, quint8 adres, std::span<quint8> Dane,
                                   quint8 Wartosc)
{
    const std::optional<RozkazLinii> r = RamkiRozkazu(rozkaz, adres, Wartosc);
    if (!r) {
        m_uslugi.komunikaty->Pokaz(QStringLiteral("Nieznany rozkaz: '") + rozkaz + u'\'',
                                   QStringLiteral("Błąd - moduł oCOmm"), Komunikaty::Ikona::Krytyczna);
        return Wynik::Porazka;
    }
    if (r->odpowiedz == RodzajOdpowiedzi::Diody)
        return czytajDiody(r->ramki, Dane);
    for (const QByteArray& ramka : r->ramki)
        WyslijStr(ramka);
    bool ok = true;
    switch (r->odpowiedz) {
    case RodzajOdpowiedzi::Bajt:
        ok = !Dane.empty() ? CzytajDaneN(Dane[0]) : CzytajBajt() >= 0;
        break;
    case RodzajOdpowiedzi::Blok32:
        ok = CzytajDane32(Dane);
        break;
    default:
        break;
    }
    return ok ? Wynik::Sukces : Wynik::Porazka;
}

// Stage byte 1, stage byte 2 and the test byte, each frame followed by its reply. A missing
// first or second byte ends the request at once; a missing third one allows a second attempt.
clComm::Wynik clComm::czytajDiody(const QList<QByteArray>& ramki, std::span<quint8> Dane)
{
    for (qsizetype i = 0; i < ramki.size(); ++i) {
        WyslijStr(ramki[i]);
        quint8 bajt = 0;
        if (!CzytajDaneN(bajt))
            return i + 1 < ramki.size() ? Wynik::Koniec : Wynik::Porazka;
        if (size_t(i + 1) < Dane.size())
            Dane[size_t(i + 1)] = bajt;
    }
    return Wynik::Sukces;
}

// A regulator answering after the wait would have its reply taken for the answer to the next
// frame, so whatever arrives for a while after a time-out is thrown away. The drain ends once
// the settle time has passed and the line was quiet since the last look, or at twice the
// settle time on a line that never falls quiet; both on the steady clock, like the reply wait.
void clComm::przeczekajSpoznionaOdpowiedz()
{
    m_odpowiedzSpozniona = false;
    const Clock& zegar = *m_uslugi.zegar;
    const qint64 start = zegar.monotonicMs() / 1000;
    for (;;) {
        const qint64 minelo = zegar.monotonicMs() / 1000 - start;
        const bool cisza = m_port->InBufferCount() == 0;
        m_port->WyczyscWejscie();
        if (!m_port->Otwarty() || minelo > 2 * kCzasUspokojeniaS || (minelo > kCzasUspokojeniaS && cisza))
            return;
        m_zdarzenia();
        m_port->CzekajNaDane(kUspienieMs);
    }
}

bool clComm::WyslijStr(const QByteArray& s)
{
    if (m_port && m_port->Otwarty()) {
        if (m_odpowiedzSpozniona)
            przeczekajSpoznionaOdpowiedz();
        m_port->WyczyscWejscie();
        m_port->Output(s);
    }
    return true;
}

bool clComm::JestWBuforze()
{
    const Clock& zegar = *m_uslugi.zegar;
    // Whole seconds of the steady clock: a step of the wall clock neither stretches nor cuts a wait.
    const auto sekundy = [&zegar] { return zegar.monotonicMs() / 1000; };
    qint64 start = sekundy();
    for (;;) {
        // Nothing arrives from a device that is gone.
        if (sekundy() - start > kCzasOczekiwaniaS || (m_port && !m_port->Otwarty()))
            return false;
        const qint64 t = sekundy();
        m_zdarzenia();
        // Time spent on window events does not count against the reply.
        start += sekundy() - t;
        if (m_port && m_port->InBufferCount() >= 1)
            return true;
        if (m_port)
            m_port->CzekajNaDane(kUspienieMs);
    }
}

int clComm::CzytajBajt()
{
    if (!JestWBuforze())
        return -1;
    const int c = m_port->Input();
    if (c == kPoczatekRamki) {
        // The regulator follows every 0x02 it sends with one filler byte.
        if (!JestWBuforze())
            return -1;
        m_port->Input();
    }
    return c;
}

bool clComm::CzytajDaneN(quint8& Dane)
{
    const int v = CzytajBajt();
    if (v < 0)
        return false;
    Dane = quint8(v);
    return true;
}

bool clComm::CzytajDane32(std::span<quint8> Dane)
{
    for (size_t i = 0; i < kDlugoscBloku; ++i) {
        const int v = CzytajBajt();
        if (v < 0)
            return false;
        if (i < Dane.size())
            Dane[i] = quint8(v);
    }
    return true;
}
