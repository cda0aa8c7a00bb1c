#include "RamkiRozkazow.h"

#include <map>

namespace {

constexpr char kPoczatek = 0x02;
// Discharge time written by USTAW_KOND: 60 seconds.
constexpr quint8 kCzasRozladowania = 0x3C;

QByteArray ramka(quint8 adres, quint8 kod, quint8 operacja)
{
    const char bajty[] = {kPoczatek, char(adres), char(kod), char(operacja)};
    return QByteArray(bajty, sizeof bajty);
}

QByteArray ramka(quint8 adres, quint8 kod, quint8 operacja, quint8 wartosc)
{
    return ramka(adres, kod, operacja) + char(wartosc);
}

using Budowa = RozkazLinii (*)(quint8 adres, quint8 n);

const std::map<QString, Budowa>& rozkazy()
{
    static const std::map<QString, Budowa> tabela{
        {QStringLiteral("DAJ_DANE"),
         [](quint8 a, quint8) {
             return RozkazLinii{{ramka(a, 0x4F, 0x06)}, RodzajOdpowiedzi::Brak};
         }},
        {QStringLiteral("CZYTAJ"),
         [](quint8, quint8) {
             return RozkazLinii{{}, RodzajOdpowiedzi::Bajt};
         }},
        {QStringLiteral("CZYTAJ32"),
         [](quint8, quint8) {
             return RozkazLinii{{}, RodzajOdpowiedzi::Blok32};
         }},
        {QStringLiteral("CZYTAJ_DIODY"),
         [](quint8 a, quint8) {
             return RozkazLinii{{ramka(a, 0x90, 0x04), ramka(a, 0xA0, 0x04), ramka(a, 0xB0, 0x04)},
                                RodzajOdpowiedzi::Diody};
         }},
        {QStringLiteral("USTAW_SR"),
         [](quint8 a, quint8 n) {
             return RozkazLinii{{ramka(a, 0x6A, 0x03, n)}, RodzajOdpowiedzi::Brak};
         }},
        {QStringLiteral("TESTUJ"),
         [](quint8 a, quint8) {
             return RozkazLinii{{ramka(a, 0xB0, 0x04)}, RodzajOdpowiedzi::Bajt};
         }},
        {QStringLiteral("CZYTAJ_KOND1"),
         [](quint8 a, quint8) {
             return RozkazLinii{{ramka(a, 0x90, 0x04)}, RodzajOdpowiedzi::Bajt};
         }},
        {QStringLiteral("CZYTAJ_KOND2"),
         [](quint8 a, quint8) {
             return RozkazLinii{{ramka(a, 0xA0, 0x04)}, RodzajOdpowiedzi::Bajt};
         }},
        {QStringLiteral("USTAW_KOND"),
         [](quint8 a, quint8 n) {
             return RozkazLinii{{ramka(a, quint8(0x70 + n), 0x03, kCzasRozladowania)},
                                RodzajOdpowiedzi::Brak};
         }},
        {QStringLiteral("BADAJ_KOND"),
         [](quint8 a, quint8 n) {
             return RozkazLinii{{ramka(a, quint8(0x70 + n), 0x05)}, RodzajOdpowiedzi::Bajt};
         }},
        {QStringLiteral("WLACZ_KOND"),
         [](quint8 a, quint8 n) {
             return RozkazLinii{{ramka(a, 0x90, 0x01, n)}, RodzajOdpowiedzi::Brak};
         }},
        {QStringLiteral("WLACZ_KOND2"),
         [](quint8 a, quint8 n) {
             return RozkazLinii{{ramka(a, 0xA0, 0x01, n)}, RodzajOdpowiedzi::Brak};
         }},
        {QStringLiteral("CZYTAJ_BLOK"),
         [](quint8 a, quint8) {
             return RozkazLinii{{ramka(a, 0x2F, 0x05)}, RodzajOdpowiedzi::Bajt};
         }},
        {QStringLiteral("USTAW_BLOK"),
         [](quint8 a, quint8 n) {
             return RozkazLinii{{ramka(a, 0x2F, 0x03, n), ramka(a, 0x2F, 0x05)}, RodzajOdpowiedzi::Bajt};
         }},
    };
    return tabela;
}

} // namespace

std::optional<RozkazLinii> RamkiRozkazu(const QString& nazwa, quint8 adres, quint8 n)
{
    const auto it = rozkazy().find(nazwa);
    if (it == rozkazy().end())
        return std::nullopt;
    return it->second(adres, n);
}
