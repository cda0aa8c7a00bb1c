#pragma once

#include "IndicatorControl.h"

// The earlier two-position switch: it keeps the picture of its position in Picture but never shows it, so
// its face stays blank, and a double-click flips it whatever Enabled says. No window places it.
class ctlSwitch : public IndicatorControl
{
    Q_OBJECT

  public:
    explicit ctlSwitch(QWidget* parent = nullptr);

    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) const override;

    bool Value() const { return m_Value; }
    void setValue(bool value);

    // The picture of the current position, kept but not shown.
    const Obrazek& Picture() const { return m_Picture; }
    void setPicture(const Obrazek& picture);

  protected:
    void handleDoubleClick() override;

  private:
    void pickPicture();

    Obrazek m_Picture = QPixmap();
    bool m_Value = true;
};
