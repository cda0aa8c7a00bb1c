#pragma once

#include "UserControl.h"

class QComboBox;

// A user control holding one combo box and no behaviour. No window places it.
class pdpRegul : public UserControl
{
    Q_OBJECT

  public:
    explicit pdpRegul(QWidget* parent = nullptr);

    QComboBox* cmbRegul() const { return m_cmbRegul; }

  private:
    QComboBox* m_cmbRegul;
};
