#include "PanelPictures.h"

#include <QPainter>
#include <QSvgRenderer>

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
    QPixmap pixmap(panelPictureSize(which) * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resourcePath(which));
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}
