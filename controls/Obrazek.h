#pragma once

#include <QPixmap>
#include <QVariant>
#include <optional>

// A picture property of the controls. "No picture" (std::nullopt) and "an empty picture" (a null QPixmap)
// are kept apart: a control placed new starts with empty pictures, one loaded without stored pictures has
// none, and the two are persisted differently. Neither paints anything.
using Obrazek = std::optional<QPixmap>;

// In a property bag no picture is an invalid QVariant, any other picture a QVariant holding a QPixmap.
inline QVariant obrazekToVariant(const Obrazek& picture)
{
    return picture ? QVariant::fromValue(*picture) : QVariant();
}

inline Obrazek obrazekFromVariant(const QVariant& value)
{
    if (!value.isValid())
        return std::nullopt;
    return value.value<QPixmap>();
}
