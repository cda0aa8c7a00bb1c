#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

// One stored reading: the row of Pomiary and the counters for the regulator's OstPomiar row.
struct ZapisPomiaru
{
    qint16 Adres = 0;
    QDateTime Data;
    float EnCzynna = 0;
    float EnBiernaCalk = 0;
    float EnBiernaPoj = 0;
    float Napiecie = 0;
    float PradBierny = 0;
    float PradCalk = 0;
    float Czestotliwosc = 0;
    // Counters at this reading, kept as the regulator's last counters.
    float PopPradCzynny = 0;
    float PopPradBiernSr = 0;
    float PopPradBiernPojSr = 0;
    qint32 PopTimerU = 0;
};

// The long-lived statements that append readings and keep the last counters; both writes of
// a reading happen in one transaction or not at all.
class MagazynPomiarow
{
  public:
    explicit MagazynPomiarow(QSqlDatabase db);

    // False when the database refused; nothing of the reading is stored then.
    bool Zapisz(const ZapisPomiaru& z);
    QSqlError blad() const { return m_blad; }

  private:
    bool przygotuj();

    QSqlDatabase m_db;
    QSqlQuery m_pomiary;
    QSqlQuery m_ostPomiar;
    QSqlError m_blad;
    bool m_przygotowane = false;
};
