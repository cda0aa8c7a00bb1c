#include "ctlSwitch.h"

#include "PropertyBag.h"

ctlSwitch::ctlSwitch(QWidget* parent) : IndicatorControl(parent) {}

void ctlSwitch::ReadProperties(const PropertyBag& bag)
{
    readAppearance(bag);
    m_Picture2 = bag.readPicture("Picture2");
    m_Picture1 = bag.readPicture("Picture1");
    m_Value = bag.read("Value", true).toBool();
    setPicture(bag.readPicture("Picture"));
}

void ctlSwitch::WriteProperties(PropertyBag& bag) const
{
    writeAppearance(bag);
    bag.writePicture("Picture2", m_Picture2);
    bag.writePicture("Picture1", m_Picture1);
    bag.write("Value", m_Value, true);
    bag.writePicture("Picture", m_Picture);
}

void ctlSwitch::setValue(bool value)
{
    storeAndNotify(m_Value, value, "Value");
    pickPicture();
}

void ctlSwitch::setPicture(const Obrazek& picture)
{
    storeAndNotify(m_Picture, picture, "Picture");
}

void ctlSwitch::handleDoubleClick()
{
    setValue(!Value());
    // Assigned once more on purpose: a container hears "Picture" twice for a double-click.
    pickPicture();
}

void ctlSwitch::pickPicture()
{
    setPicture(m_Value ? m_Picture1 : m_Picture2);
}
