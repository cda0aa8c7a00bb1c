#include "RaportUklady.h"

#include <array>
#include <optional>

namespace {

constexpr int kSzerokosc = 9184;
constexpr int kWiersz = 225;
constexpr int kOdstep = 227; // height of a daily detail row
// Tops of the four rows of a day's block and of the report footer.
constexpr std::array<int, 4> kGoryWierszy{0, 227, 454, 680};
constexpr int kMargines = 45; // values keep clear of the column lines
constexpr std::array<int, 9> kKrawedzie{0, 1361, 2608, 3855, 4649, 6010, 6917, 8164, 9184};

const Czcionka kZwykla{};
const Czcionka kPogrubiona{QStringLiteral("Arial"), 8.25, true, false};
const QColor kSzary(0xE0, 0xE0, 0xE0);

Element etykieta(QRect r, const QString& tekst, Czcionka c = kZwykla, Qt::Alignment w = Qt::AlignLeft)
{
    Element e;
    e.obszar = r;
    e.tekst = tekst;
    e.czcionka = c;
    e.wyrownanie = w | Qt::AlignTop;
    return e;
}

Element linia(int x1, int y1, int x2, int y2)
{
    Element e;
    e.rodzaj = Element::Rodzaj::Linia;
    e.obszar = QRect(QPoint(x1, y1), QPoint(x2, y2));
    return e;
}

// Vertical lines at every column edge, from the section's top down to `wysokosc`.
void krawedzie(Sekcja& s, int wysokosc)
{
    for (int x : kKrawedzie)
        s.elementy.push_back(linia(x, 0, x, wysokosc));
}

// Column k (1 to 8) of the grid, one row high, at the given top.
QRect kolumna(int k, int gora)
{
    const int lewa = kKrawedzie[size_t(k - 1)] + kMargines;
    return QRect(lewa, gora, kKrawedzie[size_t(k)] - kMargines - lewa, kWiersz);
}

// A value of a detail row or, with a function, of the report footer; right-aligned.
struct Komorka
{
    int kolumna;
    QString pole;
    QString format;
};

void wartosci(Sekcja& s, int gora, const std::vector<Komorka>& komorki, const Czcionka& c,
              std::optional<Funkcja> funkcja = std::nullopt)
{
    for (const Komorka& k : komorki) {
        Element e = etykieta(kolumna(k.kolumna, gora), k.pole, c, Qt::AlignRight);
        e.rodzaj = funkcja ? Element::Rodzaj::Agregat : Element::Rodzaj::Pole;
        e.funkcja = funkcja.value_or(Funkcja::Suma);
        e.format = k.format;
        s.elementy.push_back(e);
    }
}

Sekcja naglowekRaportu(const QString& rodzaj)
{
    Sekcja s{1350, {}};
    const Czcionka kursywa{QStringLiteral("Arial"), 8.25, false, true};
    s.elementy.push_back(etykieta({0, 0, 1134, kWiersz}, QStringLiteral("Wydruk z dnia "), kursywa));
    s.elementy.push_back(etykieta({1134, 0, 1440, kWiersz}, QStringLiteral("%d"), kursywa));
    s.elementy.push_back(
        etykieta({2268, 340, 2265, 330}, rodzaj, {QStringLiteral("Arial"), 12, true, false}, Qt::AlignRight));
    Element tytul = etykieta({4535, 340, 3975, 330}, {}, {QStringLiteral("Arial"), 12, true, true});
    tytul.nazwa = QStringLiteral("tytul");
    s.elementy.push_back(tytul);
    Element podtytul =
        etykieta({2268, 793, 5100, 330}, {}, {QStringLiteral("Arial"), 9.75, true, false}, Qt::AlignHCenter);
    podtytul.nazwa = QStringLiteral("podtytul");
    s.elementy.push_back(podtytul);
    return s;
}

Sekcja naglowekStrony(const QString& pierwsza)
{
    Sekcja s{570, {}};
    const std::array<QString, 8> tytuly{pierwsza,
                                        QStringLiteral("Energia czynna"),
                                        QStringLiteral("Energia bierna"),
                                        QStringLiteral("tg φ"),
                                        QStringLiteral("Energia bierna pojemnościowa"),
                                        QStringLiteral("Napięcie"),
                                        QStringLiteral("Częstotliwość"),
                                        QStringLiteral("Prąd całkowity")};
    for (int k = 1; k <= 8; ++k) {
        const bool dwieLinie = k == 2 || k == 3 || k == 5 || k == 8;
        QRect r = kolumna(k, dwieLinie ? 113 : 227);
        r.setHeight(dwieLinie ? 450 : kWiersz);
        Element e = etykieta(r, tytuly[size_t(k - 1)], kPogrubiona, Qt::AlignHCenter);
        // A two-line box whose heading fits on one line shows it on the middle of the box.
        e.wyrownanie = Qt::AlignCenter;
        e.zawijanie = true;
        s.elementy.push_back(e);
    }
    s.elementy.push_back(linia(0, 0, kSzerokosc, 0));
    s.elementy.push_back(linia(0, 567, kSzerokosc, 567));
    krawedzie(s, 567);
    return s;
}

Sekcja stopkaStrony(int wysokosc)
{
    Sekcja s{wysokosc, {}};
    s.elementy.push_back(linia(0, 113, 9180, 113));
    s.elementy.push_back(etykieta({0, 227, 1020, 340}, QStringLiteral("Kalbor"),
                                  {QStringLiteral("Times New Roman"), 12, true, true}));
    s.elementy.push_back(
        etykieta({7143, 227, 2040, kWiersz}, QStringLiteral("strona %p/%P"), kZwykla, Qt::AlignRight));
    return s;
}

// The parts both layouts share, in the wording of one of them.
RaportUklad uklad(const QString& podpis, const QString& tytul, const QString& pierwszaKolumna, int stopka)
{
    RaportUklad u;
    u.podpis = podpis;
    u.RaportNagl = naglowekRaportu(tytul);
    u.StronaNagl = naglowekStrony(pierwszaKolumna);
    u.StronaStopka = stopkaStrony(stopka);
    return u;
}

const std::array<QString, 4> kWierszeStopki{QStringLiteral("suma"), QStringLiteral("min."),
                                            QStringLiteral("maks."), QStringLiteral("średnia")};
const std::array<Funkcja, 4> kFunkcjeStopki{Funkcja::Suma, Funkcja::Min, Funkcja::Maks, Funkcja::Srednia};

// Four grey rows, labelled in column 1, whose values `komorki(row)` gives.
template <typename Komorki> Sekcja stopkaRaportu(int wysokosc, Komorki komorki)
{
    Sekcja s{wysokosc, {}};
    for (size_t i = 0; i < 4; ++i) {
        Element tlo;
        tlo.rodzaj = Element::Rodzaj::Tlo;
        tlo.obszar = QRect(0, kGoryWierszy[i], kSzerokosc, kWiersz);
        tlo.kolor = kSzary;
        s.elementy.push_back(tlo);
    }
    for (size_t i = 0; i < 4; ++i) {
        const int gora = kGoryWierszy[i];
        s.elementy.push_back(etykieta(kolumna(1, gora), kWierszeStopki[i], kPogrubiona, Qt::AlignHCenter));
        wartosci(s, gora, komorki(i), kPogrubiona, kFunkcjeStopki[i]);
    }
    krawedzie(s, kGoryWierszy.back() + kWiersz);
    return s;
}

} // namespace

RaportUklad RapDobowy()
{
    RaportUklad u = uklad(QStringLiteral("Raport dobowy"), QStringLiteral("Raport dobowy dla  "),
                          QStringLiteral("Czas"), 568);

    u.Szczegoly.wysokosc = kOdstep;
    Element czas = etykieta(kolumna(1, 0), QStringLiteral("data"), kZwykla, Qt::AlignHCenter);
    czas.rodzaj = Element::Rodzaj::Pole;
    czas.format = QStringLiteral("hh:mm:ss");
    u.Szczegoly.elementy.push_back(czas);
    wartosci(u.Szczegoly, 0,
             {{2, QStringLiteral("EnCzynna"), QStringLiteral("0.000;(0.000)")},
              {3, QStringLiteral("EnBierna"), QStringLiteral("0.000")},
              {4, QStringLiteral("tgfi"), QStringLiteral("0.00")},
              {5, QStringLiteral("EnBiernaPoj"), QStringLiteral("0.000")},
              {6, QStringLiteral("Napiecie"), QStringLiteral("0")},
              {7, QStringLiteral("Czestotliwosc"), QStringLiteral("0.000")},
              {8, QStringLiteral("PradCalk"), QStringLiteral("0.000")}},
             kZwykla);
    u.Szczegoly.elementy.push_back(linia(0, kOdstep - 1, kSzerokosc, kOdstep - 1));
    krawedzie(u.Szczegoly, kOdstep);

    u.RaportStopka = stopkaRaportu(1016, [](size_t wiersz) -> std::vector<Komorka> {
        if (wiersz == 0)
            return {{2, QStringLiteral("EnCzynna"), QStringLiteral("0.000")},
                    {3, QStringLiteral("EnBierna"), QStringLiteral("0.000")},
                    {5, QStringLiteral("EnBiernaPoj"), QStringLiteral("0.000")}};
        return {{4, QStringLiteral("tgfi"), QStringLiteral("0.00")},
                {6, QStringLiteral("napiecie"), QStringLiteral("0")},
                {7, QStringLiteral("czestotliwosc"), QStringLiteral("0.000")},
                {8, QStringLiteral("PradCalk"), QStringLiteral("0.000")}};
    });
    return u;
}

namespace {

// The per-day measures of the periodic rows: tg φ, voltage, frequency and current, each with
// the suffix of one statistic ("Min", "Maks", "Sr").
std::vector<Komorka> miaryDnia(const QString& przyrostek)
{
    return {{4, QStringLiteral("tgfi") + przyrostek, QStringLiteral("0.00")},
            {6, QStringLiteral("Napiecie") + przyrostek, QStringLiteral("0")},
            {7, QStringLiteral("Czestotliwosc") + przyrostek, QStringLiteral("0.000")},
            {8, QStringLiteral("PradCalk") + przyrostek, QStringLiteral("0.000")}};
}

std::vector<Komorka> sumyDnia(const QString& formatCzynnej)
{
    return {{2, QStringLiteral("EnCzynnaSuma"), formatCzynnej},
            {3, QStringLiteral("EnBiernaSuma"), QStringLiteral("0.000")},
            {5, QStringLiteral("EnBiernaPojSuma"), QStringLiteral("0.000")}};
}

const std::array<QString, 3> kPrzyrostki{QStringLiteral("Min"), QStringLiteral("Maks"), QStringLiteral("Sr")};

void blokDnia(Sekcja& s)
{
    constexpr int kPodzial = 907;
    s.wysokosc = 907;
    Element dzien = etykieta({0, 340, kPodzial, kWiersz}, QStringLiteral("data"), kZwykla, Qt::AlignHCenter);
    dzien.rodzaj = Element::Rodzaj::Pole;
    dzien.format = QStringLiteral("dd/MM/yyyy");
    s.elementy.push_back(dzien);
    const std::array<QString, 4> etykiety{QStringLiteral("min."), QStringLiteral("maks."),
                                          QStringLiteral("śr."), QStringLiteral("suma")};
    for (size_t i = 0; i < 4; ++i) {
        const int gora = kGoryWierszy[i];
        s.elementy.push_back(
            etykieta({kPodzial, gora, 1361 - kPodzial, kWiersz}, etykiety[i], kZwykla, Qt::AlignHCenter));
        wartosci(s, gora, i < 3 ? miaryDnia(kPrzyrostki[i]) : sumyDnia(QStringLiteral("0.000;(0.000)")),
                 kZwykla);
    }
    for (int y : {kGoryWierszy[1], kGoryWierszy[2], kGoryWierszy[3]})
        s.elementy.push_back(linia(kPodzial, y, kSzerokosc, y));
    s.elementy.push_back(linia(0, s.wysokosc - 1, kSzerokosc, s.wysokosc - 1));
    s.elementy.push_back(linia(kPodzial, 0, kPodzial, s.wysokosc));
    krawedzie(s, s.wysokosc);
}

} // namespace

RaportUklad RapOkresowy()
{
    RaportUklad u = uklad(QStringLiteral("Raport okresowy"), QStringLiteral("Raport okresowy dla  "),
                          QStringLiteral("Data"), 567);
    blokDnia(u.Szczegoly);
    // The footer rolls the daily values up: sums of the sums, and each statistic of the daily
    // column of the same kind; the sums take part in every row.
    u.RaportStopka = stopkaRaportu(951, [](size_t wiersz) {
        std::vector<Komorka> k = sumyDnia(QStringLiteral("0.000"));
        if (wiersz > 0) {
            const std::vector<Komorka> miary = miaryDnia(kPrzyrostki[wiersz - 1]);
            k.insert(k.end(), miary.begin(), miary.end());
        }
        return k;
    });
    return u;
}
