#include "fmWykresy1.h"

#include "Baza.h"
#include "Uslugi.h"
#include "WykresDaty.h"

#include <QDateEdit>

// Opens with the current regulator, "Energia", today and only the value grid shown.
fmWykresy1::fmWykresy1(Uslugi& uslugi, QWidget* parent)
    : WykresOkno(uslugi,
                 {QSize(11280, 6435), 120, 9075, QStringLiteral("generuj wykres"),
                  QStringLiteral("poprzednia doba"), QStringLiteral("następna doba")},
                 parent),
      m_data(WykresDaty::Pole("dtData", QStringLiteral("data wykresu"), uslugi))
{
    setWindowTitle(QStringLiteral("Wykres dobowy"));
    zbuduj({m_data});
    WybierzSiatke(QStringLiteral("Y"));
}

WykresOkno::Zapytanie fmWykresy1::Wczytaj(int adres) const
{
    return [adres, dzien = m_data->date()](const QSqlDatabase& db) {
        return WykresZapytania::PomiaryDoby(db, adres, dzien);
    };
}

QString fmWykresy1::Okres() const
{
    return QStringLiteral(" z dnia ") + WykresDaty::Tekst(m_data);
}

QString fmWykresy1::TytulOsiWartosci(bool energia) const
{
    return energia ? QStringLiteral("Energia [kWh]") : QStringLiteral("tg fi");
}

void fmWykresy1::Przesun(int kierunek)
{
    m_data->setDate(m_data->date().addDays(kierunek));
}
