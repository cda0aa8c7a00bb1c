#pragma once

#include "IndicatorControl.h"

// A two-position switch whose face is Picture1 (on) or Picture2 (off), flipped by the operator's
// double-click while Enabled. Zmieniony tells the program that the operator has moved the switch since the
// program last set Value; every assignment of Value clears it.
class ctlPrzel : public IndicatorControl
{
    Q_OBJECT

  public:
    explicit ctlPrzel(QWidget* parent = nullptr);

    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) const override;

    bool Value() const { return m_Value; }
    void setValue(bool value);
    bool Zmieniony() const { return m_Zmieniony; }
    void setZmieniony(bool value);

  protected:
    void handleDoubleClick() override;

  private:
    bool m_Zmieniony = false;
    bool m_Value = true;
};
