#pragma once

#include "PropertyBag.h"
#include "UserControl.h"

#include <QSignalSpy>
#include <QTest>

// One-colour pictures make the face of a control easy to tell apart.
inline Obrazek solidPicture(const QColor& colour)
{
    QPixmap pixmap(11, 17);
    pixmap.fill(colour);
    return pixmap;
}

// The colour the control shows inside its picture and clear of a frame; invalid when it shows none.
inline QColor faceColour(UserControl& control)
{
    if (!control.surfacePicture() || control.surfacePicture()->isNull())
        return QColor();
    return control.grab(QRect(4, 4, 1, 1)).toImage().pixelColor(0, 0);
}

// The events a real double-click brings: a click, then a press also reported as a double-click.
inline void doubleClick(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
    QTest::mousePress(widget, Qt::LeftButton);
    QTest::mouseDClick(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
}

inline QStringList notifiedNames(const QSignalSpy& spy)
{
    QStringList names;
    for (const QList<QVariant>& arguments : spy)
        names.append(arguments.at(0).toString());
    return names;
}

// The bag's keys and values, pictures turned into images, which compare by their pixels.
inline QVariantList contents(const PropertyBag& bag)
{
    QVariantList result;
    for (const QString& name : bag.names()) {
        const QVariant value = bag.read(name, {});
        const bool picture = value.metaType() == QMetaType::fromType<QPixmap>();
        result << name << (picture ? QVariant(value.value<QPixmap>().toImage()) : value);
    }
    return result;
}

// Grouped per control, one source file each.
class TestControls : public QObject
{
    Q_OBJECT

  private slots:
    void persistence_data();
    void persistence();

    void przelGesture_data();
    void przelGesture();
    void przelAssigningValue();
    void przelLoad();

    void dioda3dZapalona_data();
    void dioda3dZapalona();
    void dioda3dSelection_data();
    void dioda3dSelection();
    void dioda3dLoadAndNewPictures();

    void diodaStan();
    void diodaPropertyPage_data();
    void diodaPropertyPage();

    void switchDoubleClick();

    void screenshots_data();
    void screenshots();
};
