#include "pdpRegul.h"

#include <QComboBox>
#include <QVBoxLayout>

pdpRegul::pdpRegul(QWidget* parent) : UserControl(parent), m_cmbRegul(new QComboBox(this))
{
    m_cmbRegul->setObjectName(QStringLiteral("cmbRegul"));
    m_cmbRegul->setEditable(true);
    m_cmbRegul->setEditText(QStringLiteral("Combo1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_cmbRegul);
}
