#include "PropertyBag.h"

QVariant PropertyBag::read(const QString& name, const QVariant& defaultValue) const
{
    const qsizetype index = indexOf(name);
    return index < 0 ? defaultValue : m_entries.at(index).second;
}

void PropertyBag::write(const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    // Compared by type too: the integer 0 stored for a lamp differs from False.
    const bool isDefault = value.metaType() == defaultValue.metaType() && value == defaultValue;
    const qsizetype index = indexOf(name);
    if (index >= 0 && isDefault)
        m_entries.removeAt(index);
    else if (index >= 0)
        m_entries[index].second = value;
    else if (!isDefault)
        m_entries.append({name, value});
}

Obrazek PropertyBag::readPicture(const QString& name) const
{
    return obrazekFromVariant(read(name, QVariant()));
}

void PropertyBag::writePicture(const QString& name, const Obrazek& picture)
{
    write(name, obrazekToVariant(picture), QVariant());
}

bool PropertyBag::contains(const QString& name) const
{
    return indexOf(name) >= 0;
}

QStringList PropertyBag::names() const
{
    QStringList result;
    for (const auto& entry : m_entries)
        result.append(entry.first);
    return result;
}

qsizetype PropertyBag::indexOf(const QString& name) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).first == name)
            return i;
    }
    return -1;
}
