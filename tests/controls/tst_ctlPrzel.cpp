#include "ctlPrzel.h"
#include "tst_controls.h"

void TestControls::przelGesture_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("startValue");
    QTest::addColumn<bool>("doubled");
    QTest::addColumn<bool>("value");
    QTest::addColumn<QStringList>("notified");

    // The Value writer clears Zmieniony on the way; the double-click sets it after.
    const QStringList flipped{"Value", "Zmieniony", "Zmieniony"};
    QTest::newRow("disabled, double-click") << false << true << true << true << QStringList{};
    QTest::newRow("enabled, double-click on") << true << true << true << false << flipped;
    QTest::newRow("enabled, double-click off") << true << false << true << true << flipped;
    QTest::newRow("enabled, single click") << true << true << false << true << QStringList{};
}

void TestControls::przelGesture()
{
    QFETCH(bool, enabled);
    QFETCH(bool, startValue);
    QFETCH(bool, doubled);
    QFETCH(bool, value);
    QFETCH(QStringList, notified);
    ctlPrzel przel;
    przel.setPicture1(solidPicture(Qt::red));
    przel.setPicture2(solidPicture(Qt::blue));
    przel.setValue(startValue);
    przel.setEnabled(enabled);
    przel.show();
    QSignalSpy spy(&przel, &UserControl::propertyChanged);

    doubled ? doubleClick(&przel) : QTest::mouseClick(&przel, Qt::LeftButton);

    QCOMPARE(przel.Value(), value);
    QCOMPARE(przel.Zmieniony(), !notified.isEmpty());
    QCOMPARE(faceColour(przel), value ? QColor(Qt::red) : QColor(Qt::blue));
    QCOMPARE(notifiedNames(spy), notified);
}

void TestControls::przelAssigningValue()
{
    ctlPrzel przel;
    przel.setPicture1(solidPicture(Qt::red));
    przel.setZmieniony(true);
    QSignalSpy spy(&przel, &UserControl::propertyChanged);
    przel.setValue(true);
    przel.setValue(true);
    QCOMPARE(przel.Zmieniony(), false);
    QCOMPARE(notifiedNames(spy), (QStringList{"Value", "Zmieniony", "Value", "Zmieniony"}));

    przel.setPicture1(solidPicture(Qt::green));
    QCOMPARE(faceColour(przel), QColor(Qt::red));
    przel.setValue(true);
    QCOMPARE(faceColour(przel), QColor(Qt::green));
}

void TestControls::przelLoad()
{
    QWidget container;
    container.setFont(QFont(QStringLiteral("Monospace"), 13));
    auto* przel = new ctlPrzel(&container);
    przel->setFont(QFont());
    QSignalSpy spy(przel, &UserControl::propertyChanged);
    przel->ReadProperties(PropertyBag());
    QCOMPARE(przel->Value(), true);
    QCOMPARE(przel->Enabled(), false);
    QCOMPARE(przel->Zmieniony(), false);
    QCOMPARE(przel->Font(), container.font());
    QCOMPARE(faceColour(*przel), QColor());

    // The face starts on Picture1 whatever the stored position.
    PropertyBag bag;
    bag.writePicture("Picture1", solidPicture(Qt::red));
    bag.write("Value", false, true);
    przel->ReadProperties(bag);
    QCOMPARE(przel->Value(), false);
    QCOMPARE(faceColour(*przel), QColor(Qt::red));
    QVERIFY(spy.isEmpty());
}
