#pragma once

#include "Obrazek.h"

#include <QWidget>

class PropertyBag;

// What a container offers every user control: the property-changed notification, the ambient font, and a
// surface whose face is the surface picture drawn at its own size from the top-left corner (nothing else is
// painted unless a control paints itself), optionally with a one-pixel frame. Persisted properties go
// through a property bag.
class UserControl : public QWidget
{
    Q_OBJECT

  public:
    explicit UserControl(QWidget* parent = nullptr);

    // Called by the container once after creating the control, and whenever it stores its design.
    virtual void ReadProperties(const PropertyBag& bag);
    virtual void WriteProperties(PropertyBag& bag) const;

    // The container's font: the parent widget's, or the application's for a control without a parent.
    QFont ambientFont() const;

    const Obrazek& surfacePicture() const { return m_surfacePicture; }
    bool surfaceFramed() const { return m_surfaceFramed; }

  signals:
    // The container learns that the persisted property of this name changed.
    void propertyChanged(const QString& name);

  protected:
    void setSurfacePicture(const Obrazek& picture);
    void setSurfaceFramed(bool framed);

    template <typename T> void storeAndNotify(T& field, const T& value, const char* name)
    {
        field = value;
        emit propertyChanged(QString::fromLatin1(name));
    }

    void paintEvent(QPaintEvent* event) override;

  private:
    Obrazek m_surfacePicture;
    bool m_surfaceFramed = false;
};
