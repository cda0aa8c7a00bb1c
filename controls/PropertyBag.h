#pragma once

#include "Obrazek.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <utility>

// Named values a control persists: each control reads and writes its keys in one fixed order, every read
// with the default a missing key stands for. A value equal to its default (same type and value) is not
// stored, so reading it back through the same default restores it exactly. Keys keep the order in which
// they were first stored.
class PropertyBag
{
  public:
    QVariant read(const QString& name, const QVariant& defaultValue) const;
    void write(const QString& name, const QVariant& value, const QVariant& defaultValue);

    // Pictures always default to no picture.
    Obrazek readPicture(const QString& name) const;
    void writePicture(const QString& name, const Obrazek& picture);

    bool contains(const QString& name) const;
    QStringList names() const;

  private:
    qsizetype indexOf(const QString& name) const;

    QList<std::pair<QString, QVariant>> m_entries;
};
