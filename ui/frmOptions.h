#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;
struct Uslugi;

// The options dialog: serial port, administrator password and the sound flag. Applying writes
// the three settings and copies password and sounds into oApp; the port is only stored and is
// taken up the next time the settings are read.
class frmOptions : public QDialog
{
    Q_OBJECT
  public:
    explicit frmOptions(Uslugi& uslugi, QWidget* parent = nullptr);

    // The password box follows control mode while the dialog is open.
    void UstawTrybSterowania(bool tryb);

  private:
    QWidget* utworzStroneOgolna();
    QLayout* utworzPrzyciski();
    void wczytaj();
    void zastosuj();
    void nastepnaZakladka();
    void wysrodkujNaEkranie();

    Uslugi& m_uslugi;
    QTabWidget* m_zakladki = nullptr;
    QComboBox* m_port = nullptr;
    QLineEdit* m_haslo = nullptr;
    QCheckBox* m_dzwieki = nullptr;
};
