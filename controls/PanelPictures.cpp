#include "PanelPictures.h"

#include "ObrazSvg.h"

// The resources of a static library are registered by its user, outside any namespace.
static void registerControlPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(controls);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {
QString resourcePath(PanelPicture which)
{
    switch (which) {
    case PanelPicture::LampUnlit:
        return QStringLiteral(":/controls/led_unlit.svg");
    case PanelPicture::LampLit:
        return QStringLiteral(":/controls/led_lit.svg");
    case PanelPicture::SwitchUp:
        return QStringLiteral(":/controls/switch_up.svg");
    case PanelPicture::SwitchDown:
        return QStringLiteral(":/controls/switch_down.svg");
    }
    return {};
}
} // namespace

QSize panelPictureSize(PanelPicture which)
{
    const bool lamp = which == PanelPicture::LampUnlit || which == PanelPicture::LampLit;
    return lamp ? QSize(9, 9) : QSize(11, 17);
}

Obrazek panelPicture(PanelPicture which, qreal devicePixelRatio)
{
    registerControlPictures();
    // A copy: the drawn picture is shared through the cache and keeps its own pixel ratio.
    QPixmap pixmap = obrazSvg(resourcePath(which), panelPictureSize(which) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}
