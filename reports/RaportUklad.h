#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <vector>

// A report layout as the designer knows it: five sections of elements placed in twips
// (1/1440 inch) relative to the section's top-left corner. The engine (RaportWydruk) fills the
// fields from the query rows and repeats the sections over the pages.

struct Czcionka
{
    QString rodzina = QStringLiteral("Arial");
    double punkty = 8.25;
    bool pogrubiona = false;
    bool kursywa = false;
};

enum class Funkcja
{
    Suma,
    Srednia,
    Min,
    Maks
};

struct Element
{
    enum class Rodzaj
    {
        Etykieta, // fixed text; "%d", "%p", "%P" are replaced when drawn
        Pole,     // the current row's value of the column `tekst`
        Agregat,  // `funkcja` of the column `tekst` over all rows of the report
        Linia,    // from the top-left to the bottom-right corner of `obszar`
        Tlo       // `obszar` filled with `kolor`
    };
    Rodzaj rodzaj = Rodzaj::Etykieta;
    QRect obszar;
    QString tekst;
    QString nazwa;  // labels the report procedures address by name
    QString format; // number pattern ("0.000", "0.000;(0.000)") or date pattern ("hh:mm:ss")
    Funkcja funkcja = Funkcja::Suma;
    Czcionka czcionka;
    Qt::Alignment wyrownanie = Qt::AlignLeft | Qt::AlignTop;
    bool zawijanie = false; // text may wrap onto a second line
    QColor kolor;
};

struct Sekcja
{
    int wysokosc = 0;
    std::vector<Element> elementy;
};

struct RaportUklad
{
    QString podpis; // caption of the report window
    Sekcja RaportNagl;
    Sekcja StronaNagl;
    Sekcja Szczegoly;
    Sekcja StronaStopka;
    Sekcja RaportStopka;

    // Sets the text of the report header's label of that name (case ignored); false when the
    // layout has no such label.
    bool UstawEtykiete(const QString& nazwa, const QString& tekst);
};
