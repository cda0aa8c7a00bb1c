#include "MagazynPomiarow.h"

#include "SqlDates.h"
#include "TransakcjaBazy.h"

MagazynPomiarow::MagazynPomiarow(QSqlDatabase db) : m_db(db), m_pomiary(db), m_ostPomiar(db) {}

// Prepared at the first write, and again after a failure, so that a write is refused with
// the database's reason (a busy file, a missing key) and a passing cause does not last the run.
bool MagazynPomiarow::przygotuj()
{
    if (m_przygotowane)
        return true;
    if (!m_pomiary.prepare(QStringLiteral(
            "INSERT INTO Pomiary (Adres, EnCzynna, EnBiernaPoj, EnBiernaCalk, Napiecie, PradBierny, "
            "PradCalk, Czestotliwosc, Data) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"))) {
        m_blad = m_pomiary.lastError();
        return false;
    }
    if (!m_ostPomiar.prepare(QStringLiteral(
            "INSERT INTO OstPomiar (Adres, PopPradCzynny, PopPradBiernSr, PopPradBiernPojSr, PopTimerU, "
            "Czas) VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (Adres) DO UPDATE SET PopPradCzynny = "
            "excluded.PopPradCzynny, PopPradBiernSr = excluded.PopPradBiernSr, PopPradBiernPojSr = "
            "excluded.PopPradBiernPojSr, PopTimerU = excluded.PopTimerU, Czas = excluded.Czas"))) {
        m_blad = m_ostPomiar.lastError();
        return false;
    }
    m_przygotowane = true;
    return true;
}

bool MagazynPomiarow::Zapisz(const ZapisPomiaru& z)
{
    const QString czas = SqlDates::sqlDateTime(z.Data);
    const QVariantList pomiar{z.Adres,        z.EnCzynna,      z.EnBiernaPoj,
                              z.EnBiernaCalk, z.Napiecie,      z.PradBierny,
                              z.PradCalk,     z.Czestotliwosc, czas};
    const QVariantList ost{z.Adres, z.PopPradCzynny, z.PopPradBiernSr, z.PopPradBiernPojSr, z.PopTimerU,
                           czas};

    if (!przygotuj())
        return false;
    TransakcjaBazy t(m_db);
    const auto wykonaj = [](QSqlQuery& q, const QVariantList& wartosci) {
        for (int i = 0; i < wartosci.size(); ++i)
            q.bindValue(i, wartosci[i]);
        return q.exec();
    };
    if (!t.Rozpoczeta()) {
        m_blad = t.blad();
        return false;
    }
    if (!wykonaj(m_pomiary, pomiar)) {
        m_blad = m_pomiary.lastError();
        return false;
    }
    if (!wykonaj(m_ostPomiar, ost)) {
        m_blad = m_ostPomiar.lastError();
        return false;
    }
    if (!t.Zatwierdz()) {
        m_blad = t.blad();
        return false;
    }
    return true;
}
