#include "BazaDemo.h"

#include "Baza.h"
#include "SqlDates.h"
#include "TransakcjaBazy.h"

#include <QSqlQuery>
#include <QtMath>

namespace {

struct Urzadzenie
{
    const char* kod;
    int adres;
    const char* typ;
    const char* aktywny;
    int napieciePomiar;
    double przekladnia;
    int przekladniaNap;
    double progPrad;
    double progNapiecie;
    double progTgFi;
    double moc; // mean active power in kW, for the synthetic history
    const char* opis;
};

const Urzadzenie kUrzadzenia[] = {
    {"KB-01", 1, "regulator", "Tak", 380, 100, 1, 150, 440, 0.4, 120, "Rozdzielnia główna, sekcja 1"},
    {"KB-02", 2, "regulator", "Tak", 100, 40, 60, 20, 7000, 0.4, 900, "Stacja SN, pole 4"},
    {"KB-03", 3, "regulator", "Tak", 500, 200, 1, 400, 560, 0.4, 300, "Hala B, sprężarkownia"},
    {"KB-04", 4, "regulator", "Nie", 380, 50, 1, 100, 440, 0.4, 60, "Magazyn (wyłączony z odczytów)"},
    {"MW-05", 5, "miernik", "Tak", 380, 100, 1, 150, 440, 0.4, 0, "Miernik energii budynku biurowego"},
};

struct Element
{
    const char* kod;
    const char* typ;
    const char* nad;
};

const Element kStruktura[] = {
    {"Zakład", "S", "System Kalbor"}, {"Hala A", "S", "Zakład"}, {"Hala B", "S", "Zakład"},
    {"KB-01", "R", "Hala A"},         {"KB-02", "R", "Hala A"},  {"KB-03", "R", "Hala B"},
    {"KB-04", "R", "Hala B"},
};

bool wstawUrzadzenia(QSqlDatabase db)
{
    QSqlQuery q(db);
    // Display limits: energies per period, voltage, currents and frequency.
    q.prepare(
        QStringLiteral("INSERT INTO Regulatory (Kod, Adres, Typ, aktywny, CzestOdczytu, awarCzest, "
                       "NapieciePomiar, Przekladnia, "
                       "PrzekladniaNap, ProgNapiecie, ProgPrad, ProgTgFiMin, ProgTgFi, EnCzynnaMin, "
                       "EnCzynnaMax, EnBiernaCalkMin, "
                       "EnBiernaCalkMax, EnBiernaPojMin, EnBiernaPojMax, NapiecieMin, NapiecieMax, "
                       "PradCzynnyMin, PradCzynnyMax, "
                       "PradBiernyMin, PradBiernyMax, PradCalkMin, PradCalkMax, CzestotliwoscMin, "
                       "CzestotliwoscMax, BKSt1, BKSt2, "
                       "BKSt3, BKSt4, BKSt5, BKSt6, BKSt7, BKSt8, BKSt9, CzestTrans, NrFabryczny, Opis) "
                       "VALUES (?, ?, ?, ?, 15, 1, ?, ?, ?, ?, ?, 0, ?, 0, 1000, 0, 500, 0, 50, 0, 7000, 0, "
                       "1500, 0, 800, 0, 1500, "
                       "49, 51, 10, 10, 20, 20, 40, 40, 60, 60, 80, 0, ?, ?)"));
    for (const Urzadzenie& u : kUrzadzenia) {
        const QVariantList v{QString::fromUtf8(u.kod),
                             u.adres,
                             QString::fromUtf8(u.typ),
                             QString::fromUtf8(u.aktywny),
                             u.napieciePomiar,
                             u.przekladnia,
                             u.przekladniaNap,
                             u.progNapiecie,
                             u.progPrad,
                             u.progTgFi,
                             QStringLiteral("KLB-%1").arg(2003000 + u.adres),
                             QString::fromUtf8(u.opis)};
        for (int i = 0; i < v.size(); ++i)
            q.bindValue(i, v[i]);
        if (!q.exec())
            return false;
    }
    return true;
}

bool wstawStrukture(QSqlDatabase db)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO Hierarchia (kod_obiektu, typ, kod_obiektu_nad) VALUES (?, ?, ?)"));
    for (const Element& e : kStruktura) {
        q.bindValue(0, QString::fromUtf8(e.kod));
        q.bindValue(1, QString::fromUtf8(e.typ));
        q.bindValue(2, QString::fromUtf8(e.nad));
        if (!q.exec())
            return false;
    }
    return true;
}

// A working-day load profile: low at night, high from 7 to 17, a little noise.
double profil(const QDateTime& t, int adres)
{
    const double godzina = t.time().hour() + t.time().minute() / 60.0;
    const double dzien = (godzina >= 7 && godzina < 17) ? 1.0 : 0.35;
    const double tydzien = t.date().dayOfWeek() >= 6 ? 0.5 : 1.0;
    const double szum =
        0.9 +
        0.2 * std::fmod(std::sin(qint64(t.toSecsSinceEpoch() / 900) * 12.9898 + adres) * 43758.5453, 1.0);
    return dzien * tydzien * std::abs(szum);
}

bool wstawPomiary(QSqlDatabase db, int dni, const QDate& koniec)
{
    QSqlQuery q(db);
    q.prepare(
        QStringLiteral("INSERT INTO Pomiary (Adres, Data, EnCzynna, EnBiernaCalk, EnBiernaPoj, Napiecie, "
                       "PradBierny, PradCalk, Czestotliwosc) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    const QDateTime start(koniec.addDays(-dni), QTime(0, 0));
    for (const Urzadzenie& u : kUrzadzenia) {
        if (qstrcmp(u.typ, "regulator") != 0)
            continue;
        for (QDateTime t = start.addSecs(900); t <= QDateTime(koniec, QTime(0, 0)); t = t.addSecs(900)) {
            const double p = u.moc * profil(t, u.adres);
            const double tg = 0.15 + 0.3 * profil(t.addSecs(3600), u.adres + 7) / 1.1;
            const double czynna = p * 0.25;
            const double napiecie = u.napieciePomiar == 100 ? 6000.0 : 400.0;
            const double prad = p * 1000 / (std::sqrt(3.0) * napiecie);
            const QVariantList v{u.adres,       SqlDates::sqlDateTime(t),
                                 czynna,        czynna * tg,
                                 czynna * 0.02, napiecie * (0.98 + 0.04 * profil(t, 3)),
                                 prad * tg,     prad * std::sqrt(1 + tg * tg),
                                 50.0};
            for (int i = 0; i < v.size(); ++i)
                q.bindValue(i, v[i]);
            if (!q.exec())
                return false;
        }
    }
    return true;
}

} // namespace

QString UtworzBazeDemo(const QString& plik, int dni, const QDate& koniec)
{
    const QString blad = Baza::UtworzPlik(plik);
    if (!blad.isEmpty())
        return blad;
    Baza baza(QStringLiteral("demo"));
    const QString bladOtwarcia = baza.Otworz(plik);
    if (!bladOtwarcia.isEmpty())
        return bladOtwarcia;
    TransakcjaBazy t(baza.db());
    if (!wstawUrzadzenia(baza.db()) || !wstawStrukture(baza.db()) || !wstawPomiary(baza.db(), dni, koniec) ||
        !t.Zatwierdz())
        return QStringLiteral("Nie można zapisać danych demonstracyjnych: %1")
            .arg(baza.db().lastError().text());
    return {};
}
