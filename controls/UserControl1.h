#pragma once

#include "UserControl.h"

class QComboBox;
class QLineEdit;

// A user control holding a text box and a combo box and no behaviour. No window places it.
class UserControl1 : public UserControl
{
    Q_OBJECT

  public:
    explicit UserControl1(QWidget* parent = nullptr);

    QLineEdit* Text1() const { return m_Text1; }
    QComboBox* Combo1() const { return m_Combo1; }

  private:
    QLineEdit* m_Text1;
    QComboBox* m_Combo1;
};
