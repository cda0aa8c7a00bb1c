// Saves a picture of every control in each of its states, on an ordinary screen and on one of twice the
// pixel density, under the build folder so that they can be looked at.
#include "Opcje.h"
#include "PanelPictures.h"
#include "UserControl1.h"
#include "ctlDioda.h"
#include "ctlDioda3d.h"
#include "ctlPrzel.h"
#include "ctlSwitch.h"
#include "pdpRegul.h"
#include "tst_controls.h"

#include <QDir>
#include <functional>
#include <memory>

namespace {
using Scene = std::function<QWidget*(qreal devicePixelRatio)>;

// A picture-based control as the front panel sets it up, put into one of its states.
template <typename T> Scene pictured(PanelPicture one, PanelPicture two, std::function<void(T&)> state)
{
    return [=](qreal dpr) {
        auto* control = new T;
        control->setFixedSize(panelPictureSize(one));
        control->setPicture1(panelPicture(one, dpr));
        control->setPicture2(panelPicture(two, dpr));
        control->setEnabled(true);
        state(*control);
        return control;
    };
}

Scene lamp(bool lit, bool selected = false)
{
    return pictured<ctlDioda3d>(PanelPicture::LampUnlit, PanelPicture::LampLit, [=](ctlDioda3d& control) {
        control.setZapalona(lit);
        control.setSelected(selected);
    });
}

Scene przel(bool up)
{
    return pictured<ctlPrzel>(PanelPicture::SwitchUp, PanelPicture::SwitchDown,
                              [=](ctlPrzel& control) { control.setValue(up); });
}

Scene plainLamp(bool lit)
{
    return [=](qreal) {
        auto* control = new ctlDioda;
        control->setZapalKolor(0x0000FF);
        control->setZgasKolor(0x000040);
        control->setStan(true); // recoloured only on a change of Stan
        control->setStan(lit);
        return control;
    };
}

template <typename T> QWidget* blank(qreal)
{
    auto* widget = new T;
    widget->resize(widget->sizeHint().isValid() ? widget->sizeHint() : QSize(11, 17));
    return widget;
}
} // namespace

Q_DECLARE_METATYPE(Scene)

void TestControls::screenshots_data()
{
    QTest::addColumn<Scene>("scene");
    QTest::newRow("ctlDioda3d_unlit") << lamp(false);
    QTest::newRow("ctlDioda3d_lit") << lamp(true);
    QTest::newRow("ctlDioda3d_selected") << lamp(true, true);
    QTest::newRow("ctlPrzel_up") << przel(true);
    QTest::newRow("ctlPrzel_down") << przel(false);
    QTest::newRow("ctlDioda_lit") << plainLamp(true);
    QTest::newRow("ctlDioda_unlit") << plainLamp(false);
    QTest::newRow("ctlSwitch") << Scene(blank<ctlSwitch>);
    QTest::newRow("Opcje") << Scene(blank<Opcje>);
    QTest::newRow("pdpRegul") << Scene(blank<pdpRegul>);
    QTest::newRow("UserControl1") << Scene(blank<UserControl1>);
}

void TestControls::screenshots()
{
    QFETCH(Scene, scene);
    const QDir folder(QStringLiteral(KALBOR_SCREENSHOT_DIR));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    for (qreal dpr : {1.0, 2.0}) {
        const std::unique_ptr<QWidget> widget(scene(dpr));
        // The project's pictures are drawn for the screen's density and fill the control's face.
        const auto* control = qobject_cast<UserControl*>(widget.get());
        if (control && control->surfacePicture()) {
            QCOMPARE(control->surfacePicture()->size(), widget->size() * dpr);
            QCOMPARE(control->surfacePicture()->toImage().pixelColor(4 * dpr, 4 * dpr).alpha(), 255);
        }
        QPixmap shot(widget->size() * dpr);
        shot.setDevicePixelRatio(dpr);
        widget->render(&shot);
        const QString name = QStringLiteral("%1@%2x.png").arg(QTest::currentDataTag()).arg(dpr);
        QVERIFY(shot.save(folder.filePath(name)));
    }
}
