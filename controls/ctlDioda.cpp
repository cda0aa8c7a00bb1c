#include "ctlDioda.h"

#include "OleColor.h"
#include "PropertyBag.h"

#include <QPainter>

namespace {
const QVariant noColour = QVariant::fromValue<quint32>(0);
const QVariant buttonText = QVariant::fromValue<quint32>(0x80000012u);
} // namespace

ctlDioda::ctlDioda(QWidget* parent) : UserControl(parent)
{
    resize(sizeHint());
}

void ctlDioda::ReadProperties(const PropertyBag& bag)
{
    m_ZapalKolor = bag.read("ZapalKolor", noColour).value<quint32>();
    m_ZgasKolor = bag.read("ZgasKolor", noColour).value<quint32>();
    m_Stan = bag.read("Stan", false).toBool();
    m_ForeColor = bag.read("ForeColor", buttonText).value<quint32>();
}

void ctlDioda::WriteProperties(PropertyBag& bag) const
{
    bag.write("ZapalKolor", QVariant::fromValue(m_ZapalKolor), noColour);
    bag.write("ZgasKolor", QVariant::fromValue(m_ZgasKolor), noColour);
    bag.write("Stan", m_Stan, false);
    bag.write("ForeColor", QVariant::fromValue(m_ForeColor), buttonText);
}

void ctlDioda::setZapalKolor(quint32 value)
{
    storeAndNotify(m_ZapalKolor, value, "ZapalKolor");
}

void ctlDioda::setZgasKolor(quint32 value)
{
    storeAndNotify(m_ZgasKolor, value, "ZgasKolor");
}

void ctlDioda::setStan(bool value)
{
    if (value != m_Stan) {
        m_circleColour = value ? m_ZapalKolor : m_ZgasKolor;
        update();
    }
    storeAndNotify(m_Stan, value, "Stan");
}

void ctlDioda::setForeColor(quint32 value)
{
    storeAndNotify(m_ForeColor, value, "ForeColor");
}

QSize ctlDioda::sizeHint() const
{
    // 225 by 195 twips.
    return QSize(15, 13);
}

void ctlDioda::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), oleColor(BackColor(), palette()));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(oleColor(m_circleColour, palette()));
    const int diameter = qMin(width(), height()) - 1;
    QRectF circle(0, 0, diameter, diameter);
    circle.moveCenter(QRectF(rect()).center());
    painter.drawEllipse(circle);
}
