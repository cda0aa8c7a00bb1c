#include "WczytajRegulatory.h"

#include "Baza.h"
#include "BledyBazy.h"
#include "SqlDates.h"
#include "TekstKomunikatu.h"
#include "Uslugi.h"
#include "WallClock.h"
#include "clRegulator.h"
#include "clsBD.h"
#include "clsoApp.h"
#include "colRegulatory.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// The values a column may hold: those of the member it is loaded into. Anything else would
// be cut to fit and, for an address, poll another regulator.
struct Zakres
{
    double min;
    double max;
    bool calkowity;
};
constexpr Zakres kAdres{0, 255, true}; // one byte in every request frame
constexpr Zakres kInt16{std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max(), true};
constexpr Zakres kSingle{-std::numeric_limits<float>::max(), std::numeric_limits<float>::max(), false};
constexpr Zakres kInt32{std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), true};

// A number within the range. A NULL fits: it is read as 0 or as its column's default.
bool wZakresie(const QVariant& v, const Zakres& z)
{
    if (v.isNull())
        return true;
    bool liczba = false;
    const double x = v.toDouble(&liczba);
    return liczba && x >= z.min && x <= z.max && (!z.calkowity || x == std::trunc(x));
}

QString opisZakresu(const Zakres& z)
{
    return z.calkowity ? QStringLiteral("spoza zakresu liczb całkowitych %1..%2")
                             .arg(qint64(z.min))
                             .arg(qint64(z.max))
                       : QStringLiteral("nie jest liczbą z dozwolonego zakresu");
}

struct KolumnaCalkowita
{
    const char* kolumna;
    qint16 clRegulator::*pole;
    bool odstep; // minutes of the reading schedule
};

const KolumnaCalkowita kCalkowite[] = {
    {"CzestOdczytu", &clRegulator::CzestOdczytu, true},
    {"NapieciePomiar", &clRegulator::NapieciePomiar, false},
    {"PrzekladniaNap", &clRegulator::PrzekladniaNap, false},
    {"awarCzest", &clRegulator::awarCzest, true},
};

// A NULL in a column with `brak` takes that value silently; any other NULL is noted and read as 0.
struct KolumnaRzeczywista
{
    const char* kolumna;
    float clRegulator::*pole;
    std::optional<float> brak;
};

const KolumnaRzeczywista kRzeczywiste[] = {
    {"ProgNapiecie", &clRegulator::ProgNapiecie, clRegulator::kBrakProgu},
    {"ProgPrad", &clRegulator::ProgPrad, clRegulator::kBrakProgu},
    // No lower bound stored means no lower bound, not an alarm at every reading.
    {"ProgTgFiMin", &clRegulator::ProgTgFiMin, -clRegulator::kBrakProgu},
    {"ProgTgFi", &clRegulator::ProgTgFiMax, clRegulator::kBrakProgu},
    {"Przekladnia", &clRegulator::Przekladnia, {}},
    {"EnCzynnaMin", &clRegulator::EnCzynnaMin, {}},
    {"EnCzynnaMax", &clRegulator::EnCzynnaMax, {}},
    {"EnBiernaCalkMin", &clRegulator::EnBiernaCalkMin, {}},
    {"EnBiernaCalkMax", &clRegulator::EnBiernaCalkMax, {}},
    {"EnBiernaPojMin", &clRegulator::EnBiernaPojMin, {}},
    {"EnBiernaPojMax", &clRegulator::EnBiernaPojMax, {}},
    {"NapiecieMin", &clRegulator::NapiecieMin, {}},
    {"NapiecieMax", &clRegulator::NapiecieMax, {}},
    {"PradCzynnyMin", &clRegulator::PradCzynnyMin, {}},
    {"PradCzynnyMax", &clRegulator::PradCzynnyMax, {}},
    {"PradBiernyMin", &clRegulator::PradBiernyMin, {}},
    {"PradBiernyMax", &clRegulator::PradBiernyMax, {}},
    {"PradCalkMin", &clRegulator::PradCalkMin, {}},
    {"PradCalkMax", &clRegulator::PradCalkMax, {}},
    {"CzestotliwoscMin", &clRegulator::CzestotliwoscMin, {}},
    {"CzestotliwoscMax", &clRegulator::CzestotliwoscMax, {}},
};

// Reads the columns of one Regulatory row and notes for the operator what is wrong with it.
class Wiersz
{
  public:
    Wiersz(const QSqlQuery& q, QStringList& uwagi) : m_q(q), m_uwagi(uwagi) {}

    QString kodWiersza() const { return wartosc("Kod").toString(); }
    QString kod() const { return kodWiersza().trimmed(); }
    qint16 adres() const { return qint16(wartosc("Adres").toDouble()); }

    // True when the row can become a regulator: it has a code and an address, and every
    // number fits its member. Each fault is noted.
    bool Poprawny()
    {
        if (kod().isEmpty()) {
            m_uwagi << nazwa() + QStringLiteral(": regulator pominięty");
            return false;
        }
        bool poprawny = true;
        if (wartosc("Adres").isNull()) {
            m_uwagi << nazwa() + QStringLiteral(", kolumna Adres: brak wartości, regulator pominięty");
            poprawny = false;
        }
        poprawny &= miesciSie("Adres", kAdres);
        for (const auto& k : kCalkowite)
            poprawny &= miesciSie(k.kolumna, kInt16);
        for (const auto& k : kRzeczywiste)
            poprawny &= miesciSie(k.kolumna, kSingle);
        return poprawny;
    }

    void wczytajPola(clRegulator& r)
    {
        for (const auto& [kolumna, pole, odstep] : kCalkowite)
            r.*pole = odstep ? minuty(kolumna) : qint16(liczba(kolumna, std::nullopt));
        for (const auto& [kolumna, pole, brak] : kRzeczywiste)
            r.*pole = float(liczba(kolumna, brak));
    }

  private:
    QVariant wartosc(const char* kolumna) const { return m_q.value(QString::fromLatin1(kolumna)); }

    // How the row is named in the message: by its code, or by its address when it has none.
    QString nazwa() const
    {
        if (!kod().isEmpty())
            return QStringLiteral("regulator '%1'").arg(kod());
        const QVariant adres = wartosc("Adres");
        return adres.isNull() ? QStringLiteral("wiersz bez kodu i adresu")
                              : QStringLiteral("wiersz bez kodu (adres %1)").arg(adres.toString());
    }

    bool miesciSie(const char* kolumna, const Zakres& z)
    {
        const QVariant v = wartosc(kolumna);
        if (wZakresie(v, z))
            return true;
        m_uwagi << nazwa() + QStringLiteral(", kolumna %1: wartość '%2' %3, regulator pominięty")
                                 .arg(QString::fromLatin1(kolumna), v.toString(), opisZakresu(z));
        return false;
    }

    // An interval the schedule cannot keep runs at the shortest one, and the message says so.
    qint16 minuty(const char* kolumna)
    {
        const QVariant v = wartosc(kolumna);
        const auto m = qint16(v.toDouble());
        if (!v.isNull() && m >= clRegulator::kNajkrotszyOdstep)
            return m;
        const QString powod =
            v.isNull() ? QStringLiteral("brak wartości") : QStringLiteral("wartość '%1'").arg(v.toString());
        m_uwagi << nazwa() + QStringLiteral(", kolumna %1: %2, przyjęto %3 min")
                                 .arg(QString::fromLatin1(kolumna), powod)
                                 .arg(clRegulator::kNajkrotszyOdstep);
        return clRegulator::kNajkrotszyOdstep;
    }

    double liczba(const char* kolumna, std::optional<float> brak)
    {
        const QVariant v = wartosc(kolumna);
        if (!v.isNull())
            return v.toDouble();
        if (brak)
            return *brak;
        m_uwagi << nazwa() + QStringLiteral(", kolumna %1: brak wartości, przyjęto 0")
                                 .arg(QString::fromLatin1(kolumna));
        return 0;
    }

    const QSqlQuery& m_q;
    QStringList& m_uwagi;
};

float skalaNapiecia(qint16 napieciePomiar)
{
    switch (napieciePomiar) {
    case 100:
        return 0.25f;
    case 380:
        return 1.0f;
    case 500:
        return 1.25f;
    default:
        return 0.0f;
    }
}

struct KolumnaOstatniego
{
    const char* kolumna;
    Zakres zakres;
};

const KolumnaOstatniego kOstatnie[] = {
    {"PopPradCzynny", kSingle},
    {"PopPradBiernSr", kSingle},
    {"PopPradBiernPojSr", kSingle},
    {"PopTimerU", kInt32},
};

// The fault of a stored last reading that the program did not write (the file was edited or
// damaged): a counter that is not a number of its member's range, or a time that is no time.
// Such counters would store infinite or wrapped energy for the first period. A NULL counter
// is 0, no previous counter. Empty when sound.
QString bladOstatniego(const QSqlQuery& ost)
{
    for (const auto& [kolumna, zakres] : kOstatnie) {
        const QVariant v = ost.value(QString::fromLatin1(kolumna));
        if (!wZakresie(v, zakres))
            return QStringLiteral("kolumna %1: wartość '%2' %3")
                .arg(QString::fromLatin1(kolumna), v.toString(), opisZakresu(zakres));
    }
    const QVariant czas = ost.value(QStringLiteral("Czas"));
    if (!SqlDates::fromSqlDateTime(czas.toString()).isValid())
        return QStringLiteral("kolumna Czas: wartość '%1' nie jest datą").arg(czas.toString());
    return {};
}

// False when the look-up failed. A regulator without a row, or whose row is not sound (noted
// for the operator), starts as one without a previous reading: zero counters.
bool wczytajOstatniPomiar(QSqlQuery& ost, clRegulator& r, QStringList& uwagi)
{
    ost.bindValue(0, r.adres);
    r.OstatniOdczyt = WallClock::dateOrigin();
    if (!ost.exec())
        return false;
    if (!ost.next())
        return !ost.lastError().isValid();
    if (const QString blad = bladOstatniego(ost); !blad.isEmpty()) {
        uwagi << QStringLiteral(
                     "regulator '%1', tabela OstPomiar, %2, regulator startuje bez poprzedniego odczytu")
                     .arg(r.Kod, blad);
        return true;
    }
    r.PopPradBiernPojSr = ost.value(QStringLiteral("PopPradBiernPojSr")).toFloat();
    r.PopPradBiernSr = ost.value(QStringLiteral("PopPradBiernSr")).toFloat();
    r.PopPradCzynny = ost.value(QStringLiteral("PopPradCzynny")).toFloat();
    r.popTimerU = ost.value(QStringLiteral("PopTimerU")).toInt();
    r.OstatniOdczyt = SqlDates::fromSqlDateTime(ost.value(QStringLiteral("Czas")).toString());
    return true;
}

// Each noted problem is one row of the event log, so that none is lost with a shortened message.
QString raportStartu(Uslugi& uslugi, const QStringList& uwagi)
{
    if (uwagi.isEmpty())
        return {};
    const QString naglowek = QStringLiteral("Problemy w danych regulatorów:");
    for (const QString& uwaga : uwagi)
        uslugi.oBD->ZapiszDoLoga(naglowek + u' ' + uwaga, QStringLiteral("B"), QStringLiteral("L"), {});
    return naglowek + u'\r' + TekstKomunikatu::PierwszeZ(uwagi).join(u'\r');
}

// Both rows are named by their codes as stored, blanks shown, and by their addresses.
QString kodPowtorzony(const Wiersz& pominiety, const clRegulator& wczytany)
{
    return QStringLiteral("regulator '%1' (adres %2): kod powtórzony, wczytano już regulator '%3' "
                          "(adres %4), regulator pominięty")
        .arg(pominiety.kodWiersza())
        .arg(pominiety.adres())
        .arg(wczytany.KodWiersza)
        .arg(wczytany.adres);
}

QString bladOdczytu(const QString& tabela, const QSqlQuery& q)
{
    return QStringLiteral("Nie można odczytać tabeli %1 z bazy danych: %2")
        .arg(tabela, OpisBledu(q.lastError()));
}

} // namespace

bool JakPrzyStarcie(const QVariant& zapisany, const QString& tekst)
{
    return zapisany.toString() == tekst;
}

WynikWczytania WczytajRegulatory(Uslugi& uslugi)
{
    QSqlDatabase db = uslugi.cnBaza->db();
    QSqlQuery rs(db);
    rs.setForwardOnly(true);
    // Codes equal but for letter case come in a fixed order, so every start keeps the same row.
    if (!rs.exec(QStringLiteral("SELECT * FROM Regulatory ORDER BY Kod COLLATE NOCASE, Kod")))
        return {bladOdczytu(QStringLiteral("Regulatory"), rs), {}};
    QSqlQuery ost(db);
    if (!ost.prepare(QStringLiteral("SELECT * FROM OstPomiar WHERE Adres = ?")))
        return {bladOdczytu(QStringLiteral("OstPomiar"), ost), {}};

    colRegulatory& regulatory = *uslugi.oRegulatory;
    // Whatever was loaded before a failing read goes again: a start on half the regulators,
    // or on counters that are not the stored ones, would store wrong energy.
    const auto porzuc = [&](const QString& tabela, const QSqlQuery& q) {
        while (regulatory.Count() > 0)
            regulatory.Remove(regulatory.Count());
        return WynikWczytania{bladOdczytu(tabela, q), {}};
    };
    QStringList uwagi;
    QHash<qint16, QString> adresy; // address -> code of the regulator loaded under it
    while (rs.next()) {
        if (!JakPrzyStarcie(rs.value(QStringLiteral("Typ")), kTypRegulatora))
            continue;
        Wiersz w(rs, uwagi);
        if (!w.Poprawny())
            continue;
        const QString kod = w.kod();
        const qint16 adres = w.adres();
        if (adresy.contains(adres)) {
            uwagi << QStringLiteral("regulator '%1': adres %2 ma już regulator '%3', regulator pominięty")
                         .arg(kod)
                         .arg(adres)
                         .arg(adresy.value(adres));
            continue;
        }
        clRegulator* r = nullptr;
        try {
            r = &regulatory.Add(adres, kod, kod);
        } catch (const BladKolekcji&) {
            uwagi << kodPowtorzony(w, regulatory.Item(kod));
            continue;
        }
        adresy.insert(adres, kod);
        r->KodWiersza = w.kodWiersza();
        r->Id = qint16(regulatory.Count());
        r->typ = rs.value(QStringLiteral("Typ")).toString().trimmed();
        if (!wczytajOstatniPomiar(ost, *r, uwagi))
            return porzuc(QStringLiteral("OstPomiar"), ost);
        w.wczytajPola(*r);
        r->SkalaNapiecia = skalaNapiecia(r->NapieciePomiar);
        r->aktywny = JakPrzyStarcie(rs.value(QStringLiteral("aktywny")), kAktywny);
    }
    if (rs.lastError().isValid())
        return porzuc(QStringLiteral("Regulatory"), rs);

    const int licznik = regulatory.Count();
    uslugi.oApp->IloscRegulatorow = qint16(licznik);
    uslugi.oApp->NrAktRegulatora = licznik > 0 ? 1 : 0;
    if (licznik == 0)
        uwagi << QStringLiteral(
            "tabela Regulatory nie zawiera żadnego regulatora; program działa bez regulatorów");
    return {{}, raportStartu(uslugi, uwagi)};
}
