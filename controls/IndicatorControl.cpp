#include "IndicatorControl.h"

#include "PropertyBag.h"

#include <QMouseEvent>
#include <utility>

namespace {
const QVariant noColour = QVariant::fromValue<quint32>(0);
const QVariant noStyle = QVariant::fromValue<qint16>(0);
} // namespace

IndicatorControl::IndicatorControl(QWidget* parent) : UserControl(parent), m_Font(ambientFont()) {}

void IndicatorControl::readAppearance(const PropertyBag& bag)
{
    m_BackColor = bag.read("BackColor", noColour).value<quint32>();
    m_ForeColor = bag.read("ForeColor", noColour).value<quint32>();
    m_Enabled = bag.read("Enabled", false).toBool();
    m_Font = bag.read("Font", ambientFont()).value<QFont>();
    m_BackStyle = bag.read("BackStyle", noStyle).value<qint16>();
    m_BorderStyle = bag.read("BorderStyle", noStyle).value<qint16>();
}

void IndicatorControl::writeAppearance(PropertyBag& bag) const
{
    bag.write("BackColor", QVariant::fromValue(m_BackColor), noColour);
    bag.write("ForeColor", QVariant::fromValue(m_ForeColor), noColour);
    bag.write("Enabled", m_Enabled, false);
    bag.write("Font", m_Font, ambientFont());
    bag.write("BackStyle", QVariant::fromValue(m_BackStyle), noStyle);
    bag.write("BorderStyle", QVariant::fromValue(m_BorderStyle), noStyle);
}

void IndicatorControl::mousePressEvent(QMouseEvent* event)
{
    m_clickPending = event->button() == Qt::LeftButton;
}

void IndicatorControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_clickPending = false;
    if (event->button() == Qt::LeftButton)
        handleDoubleClick();
}

void IndicatorControl::mouseReleaseEvent(QMouseEvent* event)
{
    const bool pending = std::exchange(m_clickPending, false);
    if (pending && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        handleClick();
}
