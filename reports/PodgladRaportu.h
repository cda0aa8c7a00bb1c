#pragma once

#include <QDialog>
#include <QKeySequence>
#include <QList>
#include <QPrinter>
#include <functional>

class PoTakcie;
class QAction;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class RaportWydruk;
class WidokStrony;

// The report's preview, captioned by its layout and maximised. The report is laid out on the
// printer's page set-up, at first A4 upright, and again whenever the page set-up or the print
// dialog may have changed the paper, so that the pages shown are the pages printed. Only the
// page on the screen is painted, so a long report opens as fast as a short one. Ticks of the
// main loop run inside it: the print dialog and the page set-up wait for a running tick's end.
class PodgladRaportu : public QDialog
{
    Q_OBJECT
  public:
    PodgladRaportu(RaportWydruk& raport, PoTakcie& poTakcie, QWidget* rodzic);

    int Strona() const { return m_nr; }
    // Shows page `nr`, kept within the report, from its top or, coming back, from its bottom.
    void PokazStrone(int nr, bool odDolu = false);
    // The printer the preview lays out for and prints on.
    QPrinter& Drukarka() { return m_drukarka; }
    WidokStrony& Widok() { return *m_widok; }
    // Prints as the printer is set up now, then shows the pages of that paper.
    void Drukuj();
    // Lays the report out again for the printer's page set-up as it is now.
    void Rozloz();

  private:
    void utworzPrzyciski(QHBoxLayout* narzedzia);
    QWidget* utworzPowiekszenie();
    QPushButton* przycisk(const QString& tekst, QList<QKeySequence> klawisze, const std::function<void()>& co,
                          QAction** akcja = nullptr);
    // An action of the window on the given keys, without a button.
    QAction* skrot(const QList<QKeySequence>& klawisze, const std::function<void()>& co);
    void pokazPowiekszenie();
    // The sheet and the pages of the report as last laid out.
    void pokazUklad();
    // Asks for one of the preview's dialogs; a preview closed meanwhile opens none.
    void otworzPoTakcie(const QString& nazwa, void (PodgladRaportu::*okno)());
    void drukujZOkna();
    void ustawStroneZOkna();

    RaportWydruk& m_raport;
    PoTakcie& m_poTakcie;
    QPrinter m_drukarka;
    WidokStrony* m_widok;
    QSpinBox* m_numer = nullptr;
    QLabel* m_liczba = nullptr;
    QComboBox* m_powiekszenie = nullptr;
    QAction* m_pierwsza = nullptr;
    QAction* m_poprzednia = nullptr;
    QAction* m_nastepna = nullptr;
    QAction* m_ostatnia = nullptr;
    int m_nr = 1;
};
