#include "ctlDioda3d.h"
#include "tst_controls.h"

namespace {
void givePictures(ctlDioda3d& lamp)
{
    lamp.setPicture2(solidPicture(Qt::red));
    lamp.setPicture1(solidPicture(Qt::blue));
}
} // namespace

void TestControls::dioda3dZapalona_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("lit");
    QTest::newRow("True") << QVariant(true) << true;
    QTest::newRow("non-zero number") << QVariant(-0.5) << true;
    QTest::newRow("False") << QVariant(false) << false;
    QTest::newRow("16-bit zero") << QVariant::fromValue<qint16>(0) << false;
    QTest::newRow("null") << QVariant() << false;
}

void TestControls::dioda3dZapalona()
{
    QFETCH(QVariant, value);
    QFETCH(bool, lit);
    ctlDioda3d lamp;
    givePictures(lamp);
    QSignalSpy spy(&lamp, &UserControl::propertyChanged);
    lamp.setZapalona(value);

    QCOMPARE(lamp.Zapalona().metaType(), value.metaType());
    QCOMPARE(lamp.Zapalona(), value);
    QCOMPARE(faceColour(lamp), lit ? QColor(Qt::red) : QColor(Qt::blue));
    QCOMPARE(notifiedNames(spy), (QStringList{"Zapalona", "Picture"}));
}

void TestControls::dioda3dSelection_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("notifications");
    QTest::newRow("disabled, write") << false << "write" << false << 0;
    QTest::newRow("disabled, click") << false << "click" << false << 0;
    QTest::newRow("enabled, write") << true << "write" << true << 1;
    QTest::newRow("enabled, two clicks") << true << "click click" << false << 2;
    // Only the first press of a double-click is a click.
    QTest::newRow("enabled, double-click") << true << "double-click" << true << 1;
}

void TestControls::dioda3dSelection()
{
    QFETCH(bool, enabled);
    QFETCH(QString, gesture);
    QFETCH(bool, selected);
    QFETCH(int, notifications);
    ctlDioda3d lamp;
    lamp.setFixedSize(9, 9);
    lamp.setEnabled(enabled);
    lamp.show();
    QSignalSpy spy(&lamp, &UserControl::propertyChanged);

    for (const QString& step : gesture.split(' ')) {
        if (step == "write")
            lamp.setSelected(true);
        else
            step == "click" ? QTest::mouseClick(&lamp, Qt::LeftButton) : doubleClick(&lamp);
    }

    QCOMPARE(lamp.Selected(), selected);
    QCOMPARE(lamp.surfaceFramed(), selected);
    QCOMPARE(spy.count(), notifications);
}

void TestControls::dioda3dLoadAndNewPictures()
{
    ctlDioda3d lamp;
    lamp.ReadProperties(PropertyBag());
    QCOMPARE(lamp.Enabled(), false);
    QCOMPARE(lamp.Selected(), false);
    QCOMPARE(lamp.Zapalona(), QVariant::fromValue<qint16>(0));
    givePictures(lamp);
    QCOMPARE(faceColour(lamp), QColor());

    lamp.setZapalona(true);
    lamp.setPicture2(solidPicture(Qt::green));
    QCOMPARE(faceColour(lamp), QColor(Qt::red));
    lamp.setZapalona(true);
    QCOMPARE(faceColour(lamp), QColor(Qt::green));
}
