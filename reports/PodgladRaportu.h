#pragma once

#include <QDialog>
#include <QPrinter>

class PoTakcie;
class QLabel;
class QPushButton;
class RaportWydruk;
class StronaRaportu;

// The report's preview, captioned by its layout and maximised. The report is laid out once on
// the A4 printer's page; the preview paints only the page on the screen, so that a long report
// opens as fast as a short one, and "Drukuj..." prints every page of that same layout. Ticks of
// the main loop run inside it: the print dialog waits for a running tick's end.
class PodgladRaportu : public QDialog
{
    Q_OBJECT
  public:
    PodgladRaportu(RaportWydruk& raport, PoTakcie& poTakcie, QWidget* rodzic);

    int Strona() const { return m_nr; }
    void PokazStrone(int nr);

  private:
    void drukuj();
    void drukujZOkna();

    RaportWydruk& m_raport;
    PoTakcie& m_poTakcie;
    QPrinter m_drukarka;
    StronaRaportu* m_strona;
    QLabel* m_numer;
    QPushButton* m_poprzednia;
    QPushButton* m_nastepna;
    int m_nr = 1;
};
