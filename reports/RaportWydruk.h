#pragma once

#include "RaportUklad.h"

#include <QDateTime>
#include <QFont>
#include <QPageLayout>
#include <QSizeF>
#include <QSqlRecord>
#include <unordered_map>
#include <vector>

class QImage;
class QPainter;
class QPrinter;

// A report ready to print: a layout filled with a snapshot of the query rows. The report
// header opens the first page and the report footer follows the last row; every page starts
// with the page header and ends with the page footer, whose "%p"/"%P" become the page number
// and the number of pages, and "%d" the print date.
class RaportWydruk
{
  public:
    RaportWydruk(RaportUklad uklad, std::vector<QSqlRecord> wiersze, QDateTime wydrukowano);
    // The pages point into the report's own layout.
    RaportWydruk(const RaportWydruk&) = delete;
    RaportWydruk& operator=(const RaportWydruk&) = delete;

    const RaportUklad& Uklad() const { return m_uklad; }
    const std::vector<QSqlRecord>& Wiersze() const { return m_wiersze; }

    // Splits the report into pages of the given printable size in twips; laying it out again
    // on the same size keeps the pages made.
    void Rozloz(QSizeF strona);
    // Lays the report out on the printer's printable area, as printing on it will.
    void Rozloz(const QPrinter& drukarka);
    int LiczbaStron() const { return int(m_strony.size()); }
    // Draws page `nr` (1-based) with the painter's origin at the printable area's corner
    // and its unit one twip.
    void MalujStrone(QPainter& p, int nr) const;
    // The value of `funkcja` over every row of the report; empty when no row has a value.
    QVariant Agregat(Funkcja funkcja, const QString& pole) const;
    // The text of a label or field as drawn on page `nr` (row -1 outside the detail).
    QString Tekst(const Element& e, int nr, int wiersz) const;

    // Lays the report out on the printer's page and prints the pages its settings ask for.
    // `biezaca` is the page the operator is looking at, for a printer set to print it alone.
    void Drukuj(QPrinter& drukarka, int biezaca = 1);
    // The page numbers printing on `drukarka` gives, in the order they leave the printer:
    // its range (every page, the pages asked for, or `biezaca`), the last page first if it
    // is set so, and once for each copy the printer does not make itself, collated or page
    // by page. Taken on the report as last laid out.
    std::vector<int> StronyWydruku(const QPrinter& drukarka, int biezaca) const;
    // Page `nr` on a white A4 sheet at `dpi` dots per inch, with the printer's margins.
    QImage Obraz(int nr, int dpi);

    // The sheet every report is printed on: A4 upright with equal margins.
    static QPageLayout Strona();

  private:
    struct Miejsce
    {
        const Sekcja* sekcja;
        int y;      // twips from the top of the printable area
        int wiersz; // detail row, -1 for the other sections
    };
    // What drawing an element takes beyond the layout, worked out once per report: its font,
    // the position of its column in the rows and, for an aggregate, its text.
    struct Przygotowanie
    {
        QFont czcionka;
        int kolumna = -1;
        QString agregat;
    };
    void przygotuj(const Sekcja& s);
    void malujSekcje(QPainter& p, const Miejsce& m, int nr) const;
    void malujElement(QPainter& p, const Element& e, int nr, int wiersz) const;

    RaportUklad m_uklad;
    std::vector<QSqlRecord> m_wiersze;
    QDateTime m_wydrukowano;
    std::unordered_map<const Element*, Przygotowanie> m_przygotowanie;
    QSizeF m_strona;
    std::vector<std::vector<Miejsce>> m_strony;
};
