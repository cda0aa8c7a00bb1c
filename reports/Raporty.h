#pragma once

#include "RaportUklad.h"
#include "RaportZapytania.h"

#include <QDate>
#include <QString>
#include <functional>

class QWidget;
class RaportWydruk;
struct Uslugi;

// The four report procedures: daily and periodic, for one regulator or for a structure
// element. Each takes a snapshot of the readings, writes the title and subtitle into its
// layout and shows the report. Dates count as days only.
class Raporty
{
  public:
    // `rodzic` owns the preview window.
    Raporty(Uslugi& uslugi, QWidget* rodzic);

    // Id is the regulator's position in oRegulatory.
    void RaportDobowyRegul(const QDate& data, qint16 Id);
    // An element without regulators, or a name no node carries, shows nothing.
    void RaportDobowyObiekt(const QDate& data, const QString& nazwa);
    void RaportOkresowyRegul(const QDate& od, const QDate& doDnia, qint16 Id);
    void RaportOkresowyObiekt(const QDate& od, const QDate& doDnia, const QString& nazwa);

    // Shows a finished report; by default the print preview, maximised and modal.
    std::function<void(RaportWydruk&)> Pokaz;

  private:
    void bezpiecznie(const std::function<void()>& raport);
    void podglad(RaportWydruk& raport);
    void pokaz(RaportUklad uklad, std::vector<QSqlRecord> wiersze, const QString& tytul,
               const QString& podtytul);
    RaportZapytania::Regulatory regulator(qint16 Id, QString& tytul) const;

    Uslugi& m_uslugi;
    QWidget* m_rodzic;
};
