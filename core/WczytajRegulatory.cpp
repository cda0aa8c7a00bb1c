#include "WczytajRegulatory.h"

#include "Baza.h"
#include "Interfaces.h"
#include "SqlDates.h"
#include "Uslugi.h"
#include "WallClock.h"
#include "clRegulator.h"
#include "clsoApp.h"
#include "colRegulatory.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// Reads the columns of one Regulatory row; a NULL where the program needs a value is noted
// for the operator and read as zero.
class Wiersz
{
  public:
    Wiersz(const QSqlQuery& q, QStringList& uwagi) : m_q(q), m_uwagi(uwagi) {}

    QString kod() const { return m_q.value(QStringLiteral("Kod")).toString().trimmed(); }

    qint16 int16(const char* kolumna)
    {
        const QVariant v = wartosc(kolumna);
        return v.isNull() ? 0 : qint16(v.toInt());
    }
    float single(const char* kolumna)
    {
        const QVariant v = wartosc(kolumna);
        return v.isNull() ? 0.0f : v.toFloat();
    }
    float progLub(const char* kolumna, float brak) const
    {
        const QVariant v = m_q.value(QString::fromLatin1(kolumna));
        return v.isNull() ? brak : v.toFloat();
    }

  private:
    QVariant wartosc(const char* kolumna)
    {
        const QVariant v = m_q.value(QString::fromLatin1(kolumna));
        if (v.isNull())
            m_uwagi << QStringLiteral("regulator '%1', kolumna %2: brak wartości, przyjęto 0")
                           .arg(kod(), QString::fromLatin1(kolumna));
        return v;
    }

    const QSqlQuery& m_q;
    QStringList& m_uwagi;
};

struct Limit
{
    const char* kolumna;
    float clRegulator::*pole;
};

const Limit kLimity[] = {
    {"EnCzynnaMin", &clRegulator::EnCzynnaMin},
    {"EnCzynnaMax", &clRegulator::EnCzynnaMax},
    {"EnBiernaCalkMin", &clRegulator::EnBiernaCalkMin},
    {"EnBiernaCalkMax", &clRegulator::EnBiernaCalkMax},
    {"EnBiernaPojMin", &clRegulator::EnBiernaPojMin},
    {"EnBiernaPojMax", &clRegulator::EnBiernaPojMax},
    {"NapiecieMin", &clRegulator::NapiecieMin},
    {"NapiecieMax", &clRegulator::NapiecieMax},
    {"PradCzynnyMin", &clRegulator::PradCzynnyMin},
    {"PradCzynnyMax", &clRegulator::PradCzynnyMax},
    {"PradBiernyMin", &clRegulator::PradBiernyMin},
    {"PradBiernyMax", &clRegulator::PradBiernyMax},
    {"PradCalkMin", &clRegulator::PradCalkMin},
    {"PradCalkMax", &clRegulator::PradCalkMax},
    {"CzestotliwoscMin", &clRegulator::CzestotliwoscMin},
    {"CzestotliwoscMax", &clRegulator::CzestotliwoscMax},
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

void wczytajOstatniPomiar(QSqlQuery& ost, clRegulator& r)
{
    ost.bindValue(0, r.adres);
    r.OstatniOdczyt = WallClock::dateOrigin();
    if (!ost.exec() || !ost.next())
        return;
    r.PopPradBiernPojSr = ost.value(QStringLiteral("PopPradBiernPojSr")).toFloat();
    r.PopPradBiernSr = ost.value(QStringLiteral("PopPradBiernSr")).toFloat();
    r.PopPradCzynny = ost.value(QStringLiteral("PopPradCzynny")).toFloat();
    r.popTimerU = ost.value(QStringLiteral("PopTimerU")).toInt();
    r.OstatniOdczyt = SqlDates::fromSqlDateTime(ost.value(QStringLiteral("Czas")).toString());
}

void wczytajPola(Wiersz& w, clRegulator& r)
{
    r.CzestOdczytu = w.int16("CzestOdczytu");
    r.NapieciePomiar = w.int16("NapieciePomiar");
    r.ProgNapiecie = w.progLub("ProgNapiecie", clRegulator::kBrakProgu);
    r.ProgPrad = w.progLub("ProgPrad", clRegulator::kBrakProgu);
    // No lower bound stored means no lower bound, not an alarm at every reading.
    r.ProgTgFiMin = w.progLub("ProgTgFiMin", -clRegulator::kBrakProgu);
    r.ProgTgFiMax = w.progLub("ProgTgFi", clRegulator::kBrakProgu);
    r.Przekladnia = w.single("Przekladnia");
    r.PrzekladniaNap = w.int16("PrzekladniaNap");
    for (const auto& [kolumna, pole] : kLimity)
        r.*pole = w.single(kolumna);
    r.awarCzest = w.int16("awarCzest");
    r.SkalaNapiecia = skalaNapiecia(r.NapieciePomiar);
}

} // namespace

void WczytajRegulatory(Uslugi& uslugi)
{
    QSqlDatabase db = uslugi.cnBaza->db();
    QSqlQuery rs(db);
    rs.setForwardOnly(true);
    rs.exec(QStringLiteral("SELECT * FROM Regulatory ORDER BY Kod COLLATE NOCASE"));
    QSqlQuery ost(db);
    ost.prepare(QStringLiteral("SELECT * FROM OstPomiar WHERE Adres = ?"));

    QStringList uwagi;
    int licznik = 0;
    while (rs.next()) {
        if (rs.value(QStringLiteral("Typ")).toString() != QStringLiteral("regulator"))
            continue;
        Wiersz w(rs, uwagi);
        const QString kod = w.kod();
        const qint16 adres = w.int16("Adres");
        clRegulator* r = nullptr;
        try {
            r = &uslugi.oRegulatory->Add(adres, kod, kod);
        } catch (const BladKolekcji&) {
            uwagi << QStringLiteral("regulator '%1': kod powtórzony, regulator pominięty").arg(kod);
            continue;
        }
        r->Id = qint16(++licznik);
        r->typ = rs.value(QStringLiteral("Typ")).toString().trimmed();
        wczytajOstatniPomiar(ost, *r);
        wczytajPola(w, *r);
        r->aktywny = rs.value(QStringLiteral("aktywny")).toString() == QStringLiteral("Tak");
    }

    uslugi.oApp->IloscRegulatorow = qint16(licznik);
    uslugi.oApp->NrAktRegulatora = licznik > 0 ? 1 : 0;
    if (licznik == 0)
        uwagi << QStringLiteral(
            "tabela Regulatory nie zawiera żadnego regulatora; program działa bez regulatorów");
    if (!uwagi.isEmpty())
        uslugi.komunikaty->Pokaz(QStringLiteral("Problemy w danych regulatorów:\r") + uwagi.join(u'\r'),
                                 kTytulAplikacji, Komunikaty::Ikona::Informacja);
}
