// The data window: the current regulator's values in the user's locale with each line's
// pattern, the refresh button against monitoring, and its registration while open.
#include "GlownaTestuOkien.h"
#include "OknaTestowe.h"
#include "clRegulator.h"
#include "frmDane.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

struct Dane : StanowiskoOkien
{
    Dane() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    ~Dane() { QLocale::setDefault(QLocale::c()); }

    clRegulator& r(int nr = 1) { return s.regulatory->Item(nr); }
    QStringList wartosci() const
    {
        QStringList t;
        for (int i = 0; i < 8; ++i) {
            const auto* pole = okno->findChild<QLineEdit*>(QStringLiteral("txtDane(%1)").arg(i));
            // A number wider than its box shows its beginning.
            t << (pole->cursorPosition() == 0 ? pole->text() : u"tail of "_qs + pole->text());
        }
        return t;
    }
    QPushButton* odswiez() const { return okno->findChild<QPushButton*>(u"cmdOdswiez"_qs); }

    frmDane* okno = nullptr;
};

using Ustaw = std::function<void(clRegulator&)>;

void pomiar(clRegulator& r)
{
    r.PradCzynny = 1234567.5f;
    r.PradBiernSr = 120.5f;
    r.PradBiernPojSr = 20.25f;
    r.TgFi = 9.999f;
    r.Napiecie = 399.6f;
    r.PradCalk = 12.345f;
    r.PradBierny = -1.5f;
    r.Okres = 50.0f;
}

} // namespace

Q_DECLARE_METATYPE(Ustaw)

class TestDane : public QObject
{
    Q_OBJECT
  private slots:
    void values_data();
    void values();
    void refreshButtonFollowsMonitoring();
    void refreshQueuesReadings();
    void openAndCloseRegisterOnce();
};

void TestDane::values_data()
{
    QTest::addColumn<Ustaw>("ustaw");
    QTest::addColumn<QStringList>("teksty");
    QTest::newRow("zeros") << Ustaw([](clRegulator&) {})
                           << QStringList{"0,000", "0,000", "0,000", "0,000", "0", "0,00", "0,00", "0,00"};
    QTest::newRow("inductive energy is reactive less capacitive, voltage rounded")
        << Ustaw(pomiar)
        << QStringList{"1234567,500", "100,250", "20,250", "9,999", "400", "12,35", "-1,50", "50,00"};
    QTest::newRow("counters wider than their boxes") << Ustaw([](clRegulator& r) {
        r.PradCzynny = 98765432.0f;
        r.PradBiernSr = 99999992.0f;
        r.PradBiernPojSr = 98765432.0f;
    }) << QStringList{"98765432,000", "1234560,000", "98765432,000", "0,000", "0", "0,00", "0,00", "0,00"};
}

void TestDane::values()
{
    QFETCH(Ustaw, ustaw);
    Dane d;
    ustaw(d.r());
    d.okno = d.Otworz<frmDane>();
    QTEST(d.wartosci(), "teksty");
    QCOMPARE(d.okno->windowTitle(), u"Dane regulatora 'KB-01'"_qs);
}

// A monitored regulator is read on every tick: the button follows whichever regulator is current.
void TestDane::refreshButtonFollowsMonitoring()
{
    Dane d;
    d.r(1).Monitoring = true;
    d.okno = d.Otworz<frmDane>();
    QVERIFY(!d.odswiez()->isEnabled());
    d.s.app->NrAktRegulatora = 2;
    d.wizual.eZmianaRegulatora(2);
    QVERIFY(d.odswiez()->isEnabled());
    QCOMPARE(d.okno->windowTitle(), u"Dane regulatora 'KB-02'"_qs);
    d.s.app->NrAktRegulatora = 1;
    d.wizual.eZmianaRegulatora(1);
    QVERIFY(!d.odswiez()->isEnabled());
}

void TestDane::refreshQueuesReadings()
{
    Dane d;
    d.s.app->NrAktRegulatora = 2;
    d.okno = d.Otworz<frmDane>();
    QTest::mouseClick(d.odswiez(), Qt::LeftButton);
    QTest::mouseClick(d.odswiez(), Qt::LeftButton);
    const QString teraz = d.s.zegar.now().toString(Qt::ISODateWithMs);
    QCOMPARE(d.polecenia(), QStringList(2, u"2 WczytajStanRegul "_qs + teraz));
    QVERIFY(d.odswiez()->isEnabled());
}

void TestDane::openAndCloseRegisterOnce()
{
    Dane d;
    sprawdzOtwieranie<frmDane>(
        d, d.s.app->Loaded_Dane,
        [&d](QWidget* w) {
            return d.wizual.Cele().dane == dynamic_cast<DaneWizual*>(w) && (!w || !w->windowIcon().isNull());
        },
        u"PokazDane"_qs);
}

KALBOR_TEST_OKIEN(TestDane)
#include "tst_dane.moc"
