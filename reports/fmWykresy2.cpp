#include "fmWykresy2.h"

#include "Baza.h"
#include "Uslugi.h"
#include "WykresDaty.h"

#include <QDateEdit>
#include <QLabel>

// Opens with the current regulator, "Energia" and today alone as the period; no grid choice.
fmWykresy2::fmWykresy2(Uslugi& uslugi, QWidget* parent)
    : WykresOkno(uslugi,
                 {QSize(10485, 5745), 0, 10455, QStringLiteral("generowanie wykresu"),
                  QStringLiteral("poprzedni miesiąc"), QStringLiteral("następny miesiąc")},
                 parent),
      m_data(WykresDaty::Pole("dtData", QStringLiteral("początkowa data wykresu"), uslugi)),
      m_dataDo(WykresDaty::Pole("dtDataDo", QStringLiteral("końcowa data wykresu"), uslugi))
{
    setWindowTitle(QStringLiteral("Wykres okresowy"));
    auto* myslnik = new QLabel(QStringLiteral("-"));
    myslnik->setObjectName(QStringLiteral("Label2"));
    zbuduj({m_data, myslnik, m_dataDo});
}

WykresOkno::Zapytanie fmWykresy2::Wczytaj(int adres) const
{
    return [adres, od = m_data->date(), doDnia = m_dataDo->date()](const QSqlDatabase& db) {
        return WykresZapytania::SumyDni(db, adres, od, doDnia);
    };
}

QString fmWykresy2::Okres() const
{
    return QStringLiteral(" za okres od ") + WykresDaty::Tekst(m_data) + QStringLiteral(" do ") +
           WykresDaty::Tekst(m_dataDo);
}

QString fmWykresy2::TytulOsiWartosci(bool) const
{
    return QStringLiteral("wartość");
}

// Each date moves by itself; a day past the end of the shorter month becomes its last day.
void fmWykresy2::Przesun(int kierunek)
{
    m_data->setDate(m_data->date().addMonths(kierunek));
    m_dataDo->setDate(m_dataDo->date().addMonths(kierunek));
}
