#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>

class ctlDioda;
class QDialogButtonBox;
class QLabel;
class QLineEdit;

// The plain lamp's property page: edits ZgasKolor and ZapalKolor of the first selected lamp as colour
// numbers. A text that is no colour number is reported on the page and nothing is applied.
class Opcje : public QDialog
{
    Q_OBJECT

  public:
    explicit Opcje(QWidget* parent = nullptr);

    // Fills the boxes from the first of the lamps.
    void setSelectedControls(const QList<ctlDioda*>& controls);

    // True after a box was edited and until the edits are applied.
    bool Changed() const { return m_Changed; }

    // Returns false, leaving the lamp as it was, when either text is no colour number.
    bool ApplyChanges();

    QLineEdit* txtZgasKolor() const { return m_txtZgasKolor; }
    QLineEdit* txtZapalKolor() const { return m_txtZapalKolor; }
    // The message about a rejected text; empty while there is none.
    QString message() const;

  private:
    void setChanged(bool changed);
    void acceptIfApplied();

    QList<QPointer<ctlDioda>> m_selected;
    bool m_Changed = false;
    QLineEdit* m_txtZgasKolor;
    QLineEdit* m_txtZapalKolor;
    QLabel* m_message;
    QDialogButtonBox* m_buttons;
};
