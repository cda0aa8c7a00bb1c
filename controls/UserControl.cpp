#include "UserControl.h"

#include <QApplication>
#include <QPainter>

UserControl::UserControl(QWidget* parent) : QWidget(parent) {}

void UserControl::ReadProperties(const PropertyBag&) {}

void UserControl::WriteProperties(PropertyBag&) const {}

QFont UserControl::ambientFont() const
{
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

void UserControl::setSurfacePicture(const Obrazek& picture)
{
    m_surfacePicture = picture;
    update();
}

void UserControl::setSurfaceFramed(bool framed)
{
    m_surfaceFramed = framed;
    update();
}

void UserControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_surfacePicture && !m_surfacePicture->isNull())
        painter.drawPixmap(QPoint(0, 0), *m_surfacePicture);
    if (m_surfaceFramed) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
