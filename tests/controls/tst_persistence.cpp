// Every control reads and writes its properties in its fixed order, saves only what differs from the
// defaults, and gives back on saving every property it loaded.
#include "ctlDioda.h"
#include "ctlDioda3d.h"
#include "ctlPrzel.h"
#include "ctlSwitch.h"
#include "tst_controls.h"

namespace {
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
} // namespace

Q_DECLARE_METATYPE(Maker)

void TestControls::persistence_data()
{
    QTest::addColumn<Maker>("maker");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("freshKeys");
    QTest::addColumn<QStringList>("loadNotifies");

    // A control placed new has empty pictures, which are saved: they differ from no picture.
    QTest::newRow("ctlPrzel")
        << &make<ctlPrzel> << appearance + QStringList{"Picture1", "Picture2", "Value", "Zmieniony"}
        << QStringList{"Picture1", "Picture2"} << QStringList{};
    QTest::newRow("ctlDioda3d")
        << &make<
               ctlDioda3d> << appearance + QStringList{"Picture2", "Picture1", "Zapalona", "Picture", "Selected"}
        << QStringList{"Picture2", "Picture1"} << QStringList{"Picture"};
    QTest::newRow("ctlSwitch")
        << &make<ctlSwitch> << appearance + QStringList{"Picture2", "Picture1", "Value", "Picture"}
        << QStringList{"Picture2", "Picture1", "Picture"} << QStringList{"Picture"};
    QTest::newRow("ctlDioda")
        << &make<ctlDioda> << QStringList{"ZapalKolor", "ZgasKolor", "Stan", "ForeColor"} << QStringList{}
        << QStringList{};
}

void TestControls::persistence()
{
    QFETCH(Maker, maker);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, freshKeys);
    QFETCH(QStringList, loadNotifies);
    QWidget container;
    container.setFont(QFont(QStringLiteral("Monospace"), 13));
    PropertyBag fresh, stored, saved;
    maker(&container)->WriteProperties(fresh);
    QCOMPARE(fresh.names(), freshKeys);

    for (const QString& key : keys)
        stored.write(key, sample(key), QVariant());
    UserControl* control = maker(&container);
    QSignalSpy notified(control, &UserControl::propertyChanged);
    control->ReadProperties(stored);
    QCOMPARE(notifiedNames(notified), loadNotifies);
    control->WriteProperties(saved);
    QCOMPARE(contents(saved), contents(stored));
}

QTEST_MAIN(TestControls)
