#pragma once

#include "Obrazek.h"

#include <QSize>

// The project's own pictures of the front panel's lamps and switches, drawn for the panel's sizes.
enum class PanelPicture
{
    LampUnlit,
    LampLit,
    SwitchUp,
    SwitchDown,
};

// Size in device-independent pixels: 9 by 9 for lamps, 11 by 17 for switches.
QSize panelPictureSize(PanelPicture which);

// Rendered for a screen of the given device pixel ratio, so that it stays crisp at that ratio.
Obrazek panelPicture(PanelPicture which, qreal devicePixelRatio);
