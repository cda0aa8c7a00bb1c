#pragma once

#include "OdczytHistorii.h"
#include "RaportUklad.h"
#include "RaportZapytania.h"

#include <QDate>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QWidget;
class RaportWydruk;
struct Uslugi;

// The four report procedures: daily and periodic, for one regulator or for a structure
// element. Each takes a snapshot of the readings, writes the title and subtitle into its
// layout and shows the report. Dates count as days only. The readings are gathered away from
// the polling, one report at a time: a report asked for while one is gathered is not made.
class Raporty
{
  public:
    // `rodzic` owns the preview window.
    Raporty(Uslugi& uslugi, QWidget* rodzic);
    // A report still being gathered is given up.
    ~Raporty();

    // Id is the regulator's position in oRegulatory.
    void RaportDobowyRegul(const QDate& data, qint16 Id);
    // An element without loaded regulators, or a name no node carries, shows nothing.
    void RaportDobowyObiekt(const QDate& data, const QString& nazwa);
    void RaportOkresowyRegul(const QDate& od, const QDate& doDnia, qint16 Id);
    void RaportOkresowyObiekt(const QDate& od, const QDate& doDnia, const QString& nazwa);

    // Shows a finished report; by default the print preview, maximised and modal.
    std::function<void(RaportWydruk&)> Pokaz;

  private:
    // A report as asked for, prepared from plain values: its layout, its title and subtitle, and
    // its readings' read, which runs away from the polling.
    struct Zamowienie
    {
        RaportUklad uklad;
        QString tytul;
        QString podtytul;
        std::function<std::vector<QSqlRecord>(const QSqlDatabase&, const OdczytHistorii::Przerwanie&)> czytaj;
    };

    void zbierz(const std::function<std::optional<Zamowienie>()>& przygotuj);
    void blad(const QString& tekst) const;
    void podglad(RaportWydruk& raport);
    std::shared_ptr<RaportWydruk> zloz(RaportUklad uklad, std::vector<QSqlRecord> wiersze,
                                       const QString& tytul, const QString& podtytul) const;
    RaportZapytania::Adresy regulator(qint16 Id, QString& tytul) const;
    RaportZapytania::Adresy adresyObiektu(const QString& nazwa) const;
    int regulatoryZakladu() const;

    Uslugi& m_uslugi;
    QWidget* m_rodzic;
    OdczytHistorii m_odczyt;
};
