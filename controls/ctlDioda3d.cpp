#include "ctlDioda3d.h"

#include "PropertyBag.h"

namespace {
const QVariant unlit = QVariant::fromValue<qint16>(0);
} // namespace

ctlDioda3d::ctlDioda3d(QWidget* parent) : IndicatorControl(parent), m_Zapalona(unlit) {}

void ctlDioda3d::ReadProperties(const PropertyBag& bag)
{
    readAppearance(bag);
    m_Picture2 = bag.readPicture("Picture2");
    m_Picture1 = bag.readPicture("Picture1");
    m_Zapalona = bag.read("Zapalona", unlit);
    // The face is the stored one, not derived from Zapalona; the stored Selected is not framed until the
    // next write of Selected.
    setPicture(bag.readPicture("Picture"));
    m_Selected = bag.read("Selected", false).toBool();
}

void ctlDioda3d::WriteProperties(PropertyBag& bag) const
{
    writeAppearance(bag);
    bag.writePicture("Picture2", m_Picture2);
    bag.writePicture("Picture1", m_Picture1);
    bag.write("Zapalona", m_Zapalona, unlit);
    bag.writePicture("Picture", Picture());
    bag.write("Selected", m_Selected, false);
}

void ctlDioda3d::setZapalona(const QVariant& value)
{
    storeAndNotify(m_Zapalona, value, "Zapalona");
    // A null QVariant converts to false, so a null value shows the unlit lamp.
    setPicture(value.toBool() ? Picture2() : Picture1());
}

void ctlDioda3d::setPicture(const Obrazek& picture)
{
    setSurfacePicture(picture);
    emit propertyChanged(QStringLiteral("Picture"));
}

void ctlDioda3d::setSelected(bool value)
{
    if (!Enabled())
        return;
    storeAndNotify(m_Selected, value, "Selected");
    setSurfaceFramed(value);
}

void ctlDioda3d::handleClick()
{
    if (Enabled())
        setSelected(!Selected());
}
