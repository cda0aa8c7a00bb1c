#pragma once

#include <QWidget>

class QComboBox;
class QDateEdit;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class Raporty;
struct Uslugi;

// What a report covers, chosen before it starts: a regulator from the list or the current
// structure element, and one day or a period. "&Ok" starts the report with the values shown
// at that moment; the window stays open for the next report. Inputs are not validated: a
// period that ends before it starts gives an empty report.
class fmRapOkno : public QWidget
{
    Q_OBJECT
  public:
    QComboBox* cmbRegul = nullptr; // regulator windows: item text Kod, item data Id
    QLabel* lblStrukt = nullptr;   // structure windows: the element shown at load
    QDateEdit* dtData = nullptr;
    QDateEdit* dtDataDo = nullptr; // periodic windows: the last day
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;

  protected:
    enum class Obiekt
    {
        Regulator,
        Struktura
    };
    enum class Zakres
    {
        Dzien,
        Okres
    };
    fmRapOkno(Uslugi& uslugi, Raporty& raporty, Obiekt obiekt, Zakres zakres, QWidget* parent);

    virtual void Command1_Click() = 0;
    // The Id of the selected regulator, or 0 when the list is empty.
    qint16 wybranyRegulator() const;

    Uslugi& m_uslugi;
    Raporty& m_raporty;

  private:
    void Command2_Click();
    void dodajRegulatory(QGridLayout* siatka);
    void dodajStrukture(QGridLayout* siatka);
    void dodajDaty(QGridLayout* siatka, Zakres zakres);
};

// Daily report of one regulator.
class fmRapDob final : public fmRapOkno
{
    Q_OBJECT
  public:
    fmRapDob(Uslugi& uslugi, Raporty& raporty, QWidget* parent = nullptr);

  protected:
    void Command1_Click() override;
};

// Daily report of the current structure element.
class fmRapDobS final : public fmRapOkno
{
    Q_OBJECT
  public:
    fmRapDobS(Uslugi& uslugi, Raporty& raporty, QWidget* parent = nullptr);

  protected:
    void Command1_Click() override;
};

// Periodic report of one regulator.
class fmRapOkres final : public fmRapOkno
{
    Q_OBJECT
  public:
    fmRapOkres(Uslugi& uslugi, Raporty& raporty, QWidget* parent = nullptr);

  protected:
    void Command1_Click() override;
};

// Periodic report of the current structure element.
class fmRapOkresS final : public fmRapOkno
{
    Q_OBJECT
  public:
    fmRapOkresS(Uslugi& uslugi, Raporty& raporty, QWidget* parent = nullptr);

  protected:
    void Command1_Click() override;
};
