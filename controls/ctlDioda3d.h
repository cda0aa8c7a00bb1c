#pragma once

#include "IndicatorControl.h"

// A signal lamp whose face is Picture2 while Zapalona is true and Picture1 otherwise. Zapalona keeps
// whatever value was written; its truth value lights the lamp, a null value counting as unlit. While
// Enabled, a click toggles Selected, which frames the lamp.
class ctlDioda3d : public IndicatorControl
{
    Q_OBJECT

  public:
    explicit ctlDioda3d(QWidget* parent = nullptr);

    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) const override;

    QVariant Zapalona() const { return m_Zapalona; }
    void setZapalona(const QVariant& value);

    // The face itself.
    const Obrazek& Picture() const { return surfacePicture(); }
    void setPicture(const Obrazek& picture);

    bool Selected() const { return m_Selected; }
    // Ignored while the lamp is not Enabled.
    void setSelected(bool value);

  protected:
    void handleClick() override;

  private:
    bool m_Selected = false;
    QVariant m_Zapalona;
};
