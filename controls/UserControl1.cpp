#include "UserControl1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QVBoxLayout>

UserControl1::UserControl1(QWidget* parent)
    : UserControl(parent), m_Text1(new QLineEdit(this)), m_Combo1(new QComboBox(this))
{
    m_Text1->setObjectName(QStringLiteral("Text1"));
    m_Combo1->setObjectName(QStringLiteral("Combo1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_Text1);
    layout->addWidget(m_Combo1);
}
