#include "ctlSwitch.h"
#include "tst_controls.h"

void TestControls::switchDoubleClick()
{
    for (bool enabled : {true, false}) {
        ctlSwitch control;
        control.setPicture1(solidPicture(Qt::red));
        control.setPicture2(solidPicture(Qt::blue));
        control.setEnabled(enabled);
        control.show();
        QSignalSpy spy(&control, &UserControl::propertyChanged);
        doubleClick(&control);

        QCOMPARE(control.Value(), false);
        QCOMPARE(control.Picture()->toImage(), solidPicture(Qt::blue)->toImage());
        QCOMPARE(notifiedNames(spy), (QStringList{"Value", "Picture", "Picture"}));
        QCOMPARE(faceColour(control), QColor());
    }
}
