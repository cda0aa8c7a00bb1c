#pragma once

#include "UserControl.h"

// A lamp drawn as a coloured circle: ZapalKolor when lit, ZgasKolor when unlit. The circle is recoloured
// only when Stan changes, so a freshly loaded lamp shows the designer's grey until its Stan first changes.
// Its designer edits the two colours on the property page Opcje. No window places it.
class ctlDioda : public UserControl
{
    Q_OBJECT

  public:
    explicit ctlDioda(QWidget* parent = nullptr);

    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) const override;

    // Colour numbers, see OleColor.h.
    quint32 ZapalKolor() const { return m_ZapalKolor; }
    void setZapalKolor(quint32 value);
    quint32 ZgasKolor() const { return m_ZgasKolor; }
    void setZgasKolor(quint32 value);

    bool Stan() const { return m_Stan; }
    void setStan(bool value);

    // The surface's own attributes: an opaque surface in the button-face colour, whose foreground colour
    // is stored and persisted but draws nothing.
    qint16 BackStyle() const { return 1; }
    quint32 BackColor() const { return 0x8000000Fu; }
    quint32 ForeColor() const { return m_ForeColor; }
    void setForeColor(quint32 value);

    // The colour the circle shows now.
    quint32 circleColour() const { return m_circleColour; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool m_Stan = false;
    quint32 m_ZapalKolor = 0;
    quint32 m_ZgasKolor = 0;
    quint32 m_ForeColor = 0x80000012u;
    quint32 m_circleColour = 0xE0E0E0u;
};
