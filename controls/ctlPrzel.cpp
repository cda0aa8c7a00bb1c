#include "ctlPrzel.h"

#include "PropertyBag.h"

ctlPrzel::ctlPrzel(QWidget* parent) : IndicatorControl(parent) {}

void ctlPrzel::ReadProperties(const PropertyBag& bag)
{
    readAppearance(bag);
    m_Picture1 = bag.readPicture("Picture1");
    m_Picture2 = bag.readPicture("Picture2");
    m_Value = bag.read("Value", true).toBool();
    // The face starts on Picture1 whatever the stored position; it follows Value from its next assignment.
    setSurfacePicture(m_Picture1);
    m_Zmieniony = bag.read("Zmieniony", false).toBool();
}

void ctlPrzel::WriteProperties(PropertyBag& bag) const
{
    writeAppearance(bag);
    bag.writePicture("Picture1", m_Picture1);
    bag.writePicture("Picture2", m_Picture2);
    bag.write("Value", m_Value, true);
    bag.write("Zmieniony", m_Zmieniony, false);
}

void ctlPrzel::setValue(bool value)
{
    storeAndNotify(m_Value, value, "Value");
    setSurfacePicture(m_Value ? Picture1() : Picture2());
    setZmieniony(false);
}

void ctlPrzel::setZmieniony(bool value)
{
    storeAndNotify(m_Zmieniony, value, "Zmieniony");
}

void ctlPrzel::handleDoubleClick()
{
    if (!Enabled())
        return;
    setValue(!Value());
    setZmieniony(true);
}
