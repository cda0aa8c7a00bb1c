#include "PoleStanu.h"

#include <QHBoxLayout>
#include <QLabel>

PoleStanu::PoleStanu(QWidget* parent)
    : QFrame(parent), m_etykietaObrazu(new QLabel(this)), m_etykietaTekstu(new QLabel(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(2, 1, 2, 1);
    uklad->setSpacing(3);
    uklad->addWidget(m_etykietaObrazu);
    uklad->addWidget(m_etykietaTekstu, 1);
    m_etykietaObrazu->hide();
}

QString PoleStanu::tekst() const
{
    return m_etykietaTekstu->text();
}

void PoleStanu::UstawTekst(const QString& tekst)
{
    m_etykietaTekstu->setText(tekst);
}

void PoleStanu::UstawObraz(const QPixmap& obraz)
{
    m_obraz = obraz;
    m_etykietaObrazu->setPixmap(obraz);
    m_etykietaObrazu->setVisible(!obraz.isNull());
}
