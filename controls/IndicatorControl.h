#pragma once

#include "UserControl.h"

#include <QFont>

// The common part of the picture-based switches and lamp: six appearance properties that are stored and
// persisted but never drawn (only Enabled has an effect, and only where a control consults it), the two
// pictures of the control's two states, the eight events a container may connect to, which these controls
// declare but never raise, and the recognition of clicks and double-clicks.
//
// Enabled and Font are the control's own properties and hide QWidget's, which stay at their defaults: the
// widget keeps receiving the mouse while the control is "disabled", as the two-picture switch needs.
class IndicatorControl : public UserControl
{
    Q_OBJECT

  public:
    // Colours are 32-bit colour numbers (0x00BBGGRR, or a system colour with the high bit set).
    quint32 BackColor() const { return m_BackColor; }
    void setBackColor(quint32 value) { storeAndNotify(m_BackColor, value, "BackColor"); }
    quint32 ForeColor() const { return m_ForeColor; }
    void setForeColor(quint32 value) { storeAndNotify(m_ForeColor, value, "ForeColor"); }
    bool Enabled() const { return m_Enabled; }
    void setEnabled(bool value) { storeAndNotify(m_Enabled, value, "Enabled"); }
    QFont Font() const { return m_Font; }
    void setFont(const QFont& value) { storeAndNotify(m_Font, value, "Font"); }
    qint16 BackStyle() const { return m_BackStyle; }
    void setBackStyle(qint16 value) { storeAndNotify(m_BackStyle, value, "BackStyle"); }
    qint16 BorderStyle() const { return m_BorderStyle; }
    void setBorderStyle(qint16 value) { storeAndNotify(m_BorderStyle, value, "BorderStyle"); }

    // The face is repainted by the surface itself; nothing is left to refresh.
    void Refresh() {}

    // Assigning a picture changes no face: each control shows it from its next change of state.
    const Obrazek& Picture1() const { return m_Picture1; }
    void setPicture1(const Obrazek& picture) { storeAndNotify(m_Picture1, picture, "Picture1"); }
    const Obrazek& Picture2() const { return m_Picture2; }
    void setPicture2(const Obrazek& picture) { storeAndNotify(m_Picture2, picture, "Picture2"); }

  signals:
    void Click();
    void DblClick();
    void KeyDown(qint16 KeyCode, qint16 Shift);
    void KeyPress(qint16 KeyAscii);
    void KeyUp(qint16 KeyCode, qint16 Shift);
    void MouseDown(qint16 Button, qint16 Shift, float X, float Y);
    void MouseMove(qint16 Button, qint16 Shift, float X, float Y);
    void MouseUp(qint16 Button, qint16 Shift, float X, float Y);

  protected:
    explicit IndicatorControl(QWidget* parent);

    // The six appearance properties come first in every indicator control's stored properties.
    void readAppearance(const PropertyBag& bag);
    void writeAppearance(PropertyBag& bag) const;

    virtual void handleClick() {}
    virtual void handleDoubleClick() {}

    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

    // Loaded by each control in its own order, without notification. A control placed new has empty
    // pictures.
    Obrazek m_Picture1 = QPixmap();
    Obrazek m_Picture2 = QPixmap();

  private:
    quint32 m_BackColor = 0;
    quint32 m_ForeColor = 0;
    bool m_Enabled = false;
    QFont m_Font;
    qint16 m_BackStyle = 0;
    qint16 m_BorderStyle = 0;

    // The second press of a double-click makes no click of its own.
    bool m_clickPending = false;
};
