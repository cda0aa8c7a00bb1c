// The indicator controls: the operator's gestures, what each property write shows and notifies, saving and
// loading through a property bag, and a picture of every control in each state, saved under the build
// folder at single and double pixel density to be looked at.
#include "GlownaTestuOkien.h"
#include "Opcje.h"
#include "PanelPictures.h"
#include "PropertyBag.h"
#include "UserControl1.h"
#include "ctlDioda.h"
#include "ctlDioda3d.h"
#include "ctlPrzel.h"
#include "ctlSwitch.h"
#include "pdpRegul.h"

#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <memory>

namespace {
// One-colour pictures make the face of a control easy to tell apart.
Obrazek solidPicture(const QColor& colour)
{
    QPixmap pixmap(11, 17);
    pixmap.fill(colour);
    return pixmap;
}

// Picture1 red, Picture2 blue unless told otherwise.
template <typename T> T& painted(T& control, QColor one = Qt::red, QColor two = Qt::blue)
{
    control.setPicture1(solidPicture(one));
    control.setPicture2(solidPicture(two));
    return control;
}

// The colour the control shows inside its picture and clear of a frame; invalid when it shows none.
QColor faceColour(UserControl& control)
{
    if (!control.surfacePicture() || control.surfacePicture()->isNull())
        return QColor();
    return control.grab(QRect(4, 4, 1, 1)).toImage().pixelColor(0, 0);
}

// The events a real double-click brings: a click, then a press also reported as a double-click.
void doubleClick(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
    QTest::mousePress(widget, Qt::LeftButton);
    QTest::mouseDClick(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
}

QStringList notifiedNames(const QSignalSpy& spy)
{
    QStringList names;
    for (const QList<QVariant>& arguments : spy)
        names.append(arguments.at(0).toString());
    return names;
}

// The bag's keys and values, pictures turned into images, which compare by their pixels.
QVariantList contents(const PropertyBag& bag)
{
    QVariantList result;
    for (const QString& name : bag.names()) {
        const QVariant value = bag.read(name, {});
        const bool picture = value.metaType() == QMetaType::fromType<QPixmap>();
        result << name << (picture ? QVariant(value.value<QPixmap>().toImage()) : value);
    }
    return result;
}

using Maker = UserControl* (*)(QWidget* parent);

template <typename T> UserControl* make(QWidget* parent)
{
    return new T(parent);
}

// A value other than the default for each stored key; False differs from Zapalona's integer 0 by type alone.
QVariant sample(const QString& key)
{
    static const QVariantMap samples{{"Enabled", true},
                                     {"Stan", true},
                                     {"Selected", true},
                                     {"Zmieniony", true},
                                     {"Value", false},
                                     {"Zapalona", false},
                                     {"Font", QFont(QStringLiteral("Serif"), 17)},
                                     {"BackStyle", QVariant::fromValue<qint16>(1)},
                                     {"BorderStyle", QVariant::fromValue<qint16>(1)},
                                     {"Picture", obrazekToVariant(solidPicture(Qt::green))},
                                     {"Picture1", obrazekToVariant(solidPicture(Qt::red))},
                                     {"Picture2", obrazekToVariant(solidPicture(Qt::blue))}};
    return samples.value(key, QVariant::fromValue<quint32>(0x123456));
}

const QStringList appearance{"BackColor", "ForeColor", "Enabled", "Font", "BackStyle", "BorderStyle"};

// A picture-based control as the front panel sets it up.
template <typename T> T* pictured(PanelPicture one, PanelPicture two, qreal dpr)
{
    auto* control = new T;
    control->setPicture1(panelPicture(one, dpr));
    control->setPicture2(panelPicture(two, dpr));
    control->setFixedSize(panelPictureSize(one));
    control->setEnabled(true);
    return control;
}

// The widget named before the underscore, in the state named after it.
QWidget* scene(const QString& name, qreal dpr)
{
    const QString state = name.section(u'_', 1);
    if (name.startsWith(u"ctlDioda3d_")) {
        auto* lamp = pictured<ctlDioda3d>(PanelPicture::LampUnlit, PanelPicture::LampLit, dpr);
        lamp->setZapalona(state != u"unlit");
        lamp->setSelected(state == u"selected");
        return lamp;
    }
    if (name.startsWith(u"ctlPrzel_")) {
        auto* przel = pictured<ctlPrzel>(PanelPicture::SwitchUp, PanelPicture::SwitchDown, dpr);
        przel->setValue(state == u"up");
        return przel;
    }
    if (name.startsWith(u"ctlDioda_")) {
        auto* lamp = new ctlDioda;
        lamp->setZapalKolor(0x0000FF);
        lamp->setZgasKolor(0x000040);
        lamp->setStan(true); // recoloured only on a change of Stan
        lamp->setStan(state == u"lit");
        return lamp;
    }
    QWidget* widget = name == u"ctlSwitch"  ? static_cast<QWidget*>(new ctlSwitch)
                      : name == u"Opcje"    ? new Opcje
                      : name == u"pdpRegul" ? static_cast<QWidget*>(new pdpRegul)
                                            : new UserControl1;
    widget->resize(widget->sizeHint().isValid() ? widget->sizeHint() : QSize(11, 17));
    return widget;
}
} // namespace

Q_DECLARE_METATYPE(Maker)

class TestControls : public QObject
{
    Q_OBJECT

  private slots:
    void persistence_data();
    void persistence();
    void przelGesture_data();
    void przelGesture();
    void przelWritesAndLoad();
    void dioda3dZapalona_data();
    void dioda3dZapalona();
    void dioda3dSelection_data();
    void dioda3dSelection();
    void dioda3dLoad();
    void diodaStan();
    void diodaPropertyPage_data();
    void diodaPropertyPage();
    void switchDoubleClick();
    void screenshots_data();
    void screenshots();
};

void TestControls::persistence_data()
{
    QTest::addColumn<Maker>("maker");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("freshKeys");
    QTest::addColumn<QStringList>("loadNotifies");

    // A control placed new has empty pictures, which are saved: they differ from no picture.
    const QStringList p12{"Picture1", "Picture2"}, p21{"Picture2", "Picture1"}, picture{"Picture"}, none;
    const QStringList lamp{"Zapalona", "Picture", "Selected"}, przel{"Value", "Zmieniony"};
    const QStringList dioda{"ZapalKolor", "ZgasKolor", "Stan", "ForeColor"};
    QTest::newRow("ctlPrzel") << &make<ctlPrzel> << appearance + p12 + przel << p12 << none;
    QTest::newRow("ctlDioda3d") << &make<ctlDioda3d> << appearance + p21 + lamp << p21 << picture;
    QTest::newRow("ctlSwitch") << &make<ctlSwitch> << appearance + p21 + QStringList{"Value", "Picture"}
                               << p21 + picture << picture;
    QTest::newRow("ctlDioda") << &make<ctlDioda> << dioda << none << none;
}

void TestControls::persistence()
{
    QFETCH(Maker, maker);
    QFETCH(QStringList, keys);
    QWidget container;
    container.setFont(QFont(QStringLiteral("Monospace"), 13));
    PropertyBag fresh, stored, saved;
    maker(&container)->WriteProperties(fresh);
    QTEST(fresh.names(), "freshKeys");
    for (const QString& key : keys)
        stored.write(key, sample(key), QVariant());
    UserControl* control = maker(&container);
    QSignalSpy notified(control, &UserControl::propertyChanged);
    control->ReadProperties(stored);
    QTEST(notifiedNames(notified), "loadNotifies");
    control->WriteProperties(saved);
    QCOMPARE(contents(saved), contents(stored));
}

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
    QFETCH(bool, value);
    ctlPrzel przel;
    painted(przel).setValue(startValue);
    przel.setEnabled(enabled);
    przel.show();
    QSignalSpy spy(&przel, &UserControl::propertyChanged);
    QFETCH(bool, doubled);
    doubled ? doubleClick(&przel) : QTest::mouseClick(&przel, Qt::LeftButton);
    QCOMPARE(przel.Value(), value);
    QCOMPARE(przel.Zmieniony(), !spy.isEmpty());
    QCOMPARE(faceColour(przel), value ? QColor(Qt::red) : QColor(Qt::blue));
    QTEST(notifiedNames(spy), "notified");
}

// Writing Value clears Zmieniony and notifies even when unchanged; a new picture shows at the next write.
// Loading gives the defaults and starts the face on Picture1 whatever the stored position, silently.
void TestControls::przelWritesAndLoad()
{
    QWidget container;
    container.setFont(QFont(QStringLiteral("Monospace"), 13));
    auto* przel = new ctlPrzel(&container);
    przel->setPicture1(solidPicture(Qt::red));
    przel->setZmieniony(true);
    QSignalSpy spy(przel, &UserControl::propertyChanged);
    przel->setValue(true);
    przel->setValue(true);
    QCOMPARE(przel->Zmieniony(), false);
    QCOMPARE(notifiedNames(spy), (QStringList{"Value", "Zmieniony", "Value", "Zmieniony"}));
    przel->setPicture1(solidPicture(Qt::green));
    QCOMPARE(faceColour(*przel), QColor(Qt::red));
    przel->setValue(true);
    QCOMPARE(faceColour(*przel), QColor(Qt::green));

    przel->setFont(QFont());
    spy.clear();
    przel->ReadProperties(PropertyBag());
    QCOMPARE(przel->Value(), true);
    QCOMPARE(przel->Enabled(), false);
    QCOMPARE(przel->Font(), container.font());
    QCOMPARE(faceColour(*przel), QColor());
    PropertyBag bag;
    bag.writePicture("Picture1", solidPicture(Qt::red));
    bag.write("Value", false, true);
    przel->ReadProperties(bag);
    QCOMPARE(przel->Value(), false);
    QCOMPARE(faceColour(*przel), QColor(Qt::red));
    QVERIFY(spy.isEmpty());
}

void TestControls::dioda3dZapalona_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("lit");
    QTest::newRow("non-zero number") << QVariant(-0.5) << true;
    QTest::newRow("16-bit zero") << QVariant::fromValue<qint16>(0) << false;
    QTest::newRow("null") << QVariant() << false;
}

void TestControls::dioda3dZapalona()
{
    QFETCH(QVariant, value);
    QFETCH(bool, lit);
    ctlDioda3d lamp;
    QSignalSpy spy(&painted(lamp, Qt::blue, Qt::red), &UserControl::propertyChanged); // after the pictures
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

// Defaults on load; pictures given later show only at the next write of Zapalona.
void TestControls::dioda3dLoad()
{
    ctlDioda3d lamp;
    lamp.ReadProperties(PropertyBag());
    QCOMPARE(lamp.Enabled(), false);
    QCOMPARE(lamp.Selected(), false);
    QCOMPARE(lamp.Zapalona(), QVariant::fromValue<qint16>(0));
    QCOMPARE(faceColour(painted(lamp, Qt::blue, Qt::red)), QColor());

    lamp.setZapalona(true);
    lamp.setPicture2(solidPicture(Qt::green));
    QCOMPARE(faceColour(lamp), QColor(Qt::red));
    lamp.setZapalona(true);
    QCOMPARE(faceColour(lamp), QColor(Qt::green));
}

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

void TestControls::switchDoubleClick()
{
    for (bool enabled : {true, false}) {
        ctlSwitch control;
        painted(control).setEnabled(enabled);
        control.show();
        QSignalSpy spy(&control, &UserControl::propertyChanged);
        doubleClick(&control);

        QCOMPARE(control.Value(), false);
        QCOMPARE(control.Picture()->toImage(), solidPicture(Qt::blue)->toImage());
        QCOMPARE(notifiedNames(spy), (QStringList{"Value", "Picture", "Picture"}));
        QCOMPARE(faceColour(control), QColor());
    }
}

void TestControls::screenshots_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"ctlDioda3d_unlit", "ctlDioda3d_lit", "ctlDioda3d_selected", "ctlPrzel_up", "ctlPrzel_down",
          "ctlDioda_lit", "ctlDioda_unlit", "ctlSwitch", "Opcje", "pdpRegul", "UserControl1"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestControls::screenshots()
{
    QFETCH(QString, name);
    const QDir folder(QStringLiteral(KALBOR_SCREENSHOT_DIR));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    for (qreal dpr : {1.0, 2.0}) {
        const std::unique_ptr<QWidget> widget(scene(name, dpr));
        // The project's pictures are drawn for the screen's density and fill the control's face.
        const auto* control = qobject_cast<UserControl*>(widget.get());
        if (control && control->surfacePicture()) {
            QCOMPARE(control->surfacePicture()->size(), widget->size() * dpr);
            QCOMPARE(control->surfacePicture()->toImage().pixelColor(4 * dpr, 4 * dpr).alpha(), 255);
        }
        QPixmap shot(widget->size() * dpr);
        shot.setDevicePixelRatio(dpr);
        widget->render(&shot);
        QVERIFY(shot.save(folder.filePath(QStringLiteral("%1@%2x.png").arg(name).arg(dpr))));
    }
}

KALBOR_TEST_OKIEN(TestControls)
#include "tst_controls.moc"
