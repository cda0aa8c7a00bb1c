#pragma once
// Widgets carry the control names of the window design as object names, so that tests and
// style sheets can find them.

#include <QString>
#include <utility>

template <typename T, typename... Argumenty> T* nazwany(const QString& nazwa, Argumenty&&... argumenty)
{
    auto* w = new T(std::forward<Argumenty>(argumenty)...);
    w->setObjectName(nazwa);
    return w;
}
