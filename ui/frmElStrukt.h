#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QRadioButton;
class fmStruktura;
struct Uslugi;

// "Dodawanie elementów struktury": adds one element or one regulator to table Hierarchia
// below the structure element chosen in the tree, then rebuilds the tree. Input the tree could
// not show (no name, a name already in the tree, no element chosen) is refused with a message
// and the dialog stays open with what was typed.
class frmElStrukt : public QDialog
{
    Q_OBJECT
  public:
    frmElStrukt(Uslugi& uslugi, fmStruktura& struktura, QWidget* parent = nullptr);

    // "&Ok": true when the row was stored and the dialog closed.
    bool Command1_Click();

  private:
    void utworzRamke();
    void wybierzRodzaj();
    QString nazwa() const;
    QString bladWyboru(const QString& nazwa) const;
    bool zapisz(const QString& nazwa);

    Uslugi& m_uslugi;
    fmStruktura& m_struktura;
    QRadioButton* m_element = nullptr;
    QRadioButton* m_regulator = nullptr;
    QLineEdit* m_nazwa = nullptr;
    QComboBox* m_regul = nullptr;
};
