#include "Opcje.h"
#include "ctlDioda.h"
#include "tst_controls.h"

#include <QLineEdit>

void TestControls::diodaStan()
{
    PropertyBag bag;
    bag.write("Stan", true, false);
    ctlDioda lamp;
    lamp.ReadProperties(bag);
    lamp.setZapalKolor(0x0000FF);
    lamp.setStan(true);
    QCOMPARE(lamp.circleColour(), 0xE0E0E0u);

    lamp.setStan(false);
    lamp.setStan(true);
    lamp.setZapalKolor(0x00FF00);
    QSignalSpy spy(&lamp, &UserControl::propertyChanged);
    lamp.setStan(true);
    QCOMPARE(notifiedNames(spy), QStringList{"Stan"});
    QCOMPARE(lamp.grab().toImage().pixelColor(7, 6), QColor(Qt::red));
}

void TestControls::diodaPropertyPage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("colour");
    QTest::newRow("hexadecimal") << " &hff " << qint64(0xFF);
    QTest::newRow("negative as 32-bit pattern") << "-2147483633" << qint64(0x8000000Fu);
    QTest::newRow("beyond 32 bits") << "4294967296" << qint64(-1);
    QTest::newRow("fraction") << "12.5" << qint64(-1);
    QTest::newRow("word") << "jasny" << qint64(-1);
}

void TestControls::diodaPropertyPage()
{
    QFETCH(QString, text);
    QFETCH(qint64, colour);
    ctlDioda first, second;
    first.setZgasKolor(0x40);
    Opcje page;
    page.setSelectedControls({&first, &second});
    QCOMPARE(page.txtZgasKolor()->text(), QString("64"));
    page.txtZapalKolor()->clear();
    QTest::keyClicks(page.txtZapalKolor(), text);
    QVERIFY(page.Changed());

    const bool accepted = colour >= 0;
    QCOMPARE(page.ApplyChanges(), accepted);
    QCOMPARE(page.message().contains(text), !accepted);
    QCOMPARE(qint64(first.ZapalKolor()), accepted ? colour : 0);
    QCOMPARE(first.ZgasKolor(), 0x40u);
    QCOMPARE(second.ZapalKolor(), 0u);
    QCOMPARE(page.Changed(), !accepted);
}
