#pragma once

#include "clsRegulatory.h"

#include <QWidget>
#include <initializer_list>
#include <utility>
#include <vector>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QMdiArea;
class QPushButton;
class clRegulator;
struct Uslugi;

// The record editor: one row of table Regulatory at a time in fields bound to clsRegulatory,
// which reads the file through a connection of its own. Saving writes the pending changes of
// every row, each row written checked as the one on screen, logs each row and closes; a refused
// save shows the row at fault. The running regulators keep their settings until the next start.
class frmRegulatory : public QWidget
{
    Q_OBJECT
  public:
    // The open editor of the area brought forward, or a new one in a sub-window of it. Null
    // when the database file cannot be read; the operator has been told why.
    static frmRegulatory* Pokaz(Uslugi& uslugi, QMdiArea& obszar);
    // The menus' ways in: a new row, or the row of the current regulator.
    static void OtworzNowyRekord(Uslugi& uslugi, QMdiArea& obszar);
    static void OtworzRekordAktualnego(Uslugi& uslugi, QMdiArea& obszar);

    explicit frmRegulatory(Uslugi& uslugi, QWidget* parent = nullptr);
    ~frmRegulatory() override;

    // Empty when the rows were read.
    QString BladOtwarcia() const { return m_bladOtwarcia; }

    // From the shown row forward to the regulator at this bus address; past the last row when
    // none is there.
    void EdytujRekord(int adres);
    // The same to the row a loaded regulator came from, found by its code as stored: another
    // row may share its address (one that start-up skipped).
    void EdytujRekordRegulatora(const clRegulator& r);
    void NowyRekord();

  protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

  private:
    struct Wiazanie
    {
        QWidget* pole;
        int kolumna;
    };
    using Lista = std::vector<std::pair<QString, QString>>; // shown text, stored value
    struct PoleRamki
    {
        const char* podpis; // UTF-8
        int indeks;
        const char* kolumna;
        const char* jednostka;
    };

    void Form_Load();
    void utworzOkno();
    QGroupBox* ramka(const QString& tytul, std::initializer_list<PoleRamki> pola);
    QGroupBox* ramkaIdentyfikacji();
    QGroupBox* ramkaBaterii();
    QGroupBox* ramkaCharakterystyki();
    QGroupBox* ramkaKomunikacji();
    QGroupBox* ramkaProgow();
    QGroupBox* ramkaFiltrowania();
    QLineEdit* txtFields(int indeks, const char* kolumna);
    QComboBox* combo(int indeks, const char* kolumna, const Lista& lista);
    void pokazWiersz();
    void Command1_Click();
    void brakKodu();
    void odmowa(const clsRegulatory::BladZapisu& blad);
    void zamknij();
    bool Form_KeyDown(int klawisz, Qt::KeyboardModifiers stan);

    Uslugi& m_uslugi;
    clsRegulatory* m_PrimaryCLS = nullptr;
    QString m_bladOtwarcia;
    std::vector<Wiazanie> m_wiazania;
    QLineEdit* m_kod = nullptr;
};
