// Stored settings and the control mode of the application object.
#include "AppSettings.h"
#include "TestSupport.h"
#include "UstawieniaTestowe.h"

#include <QTest>

namespace {
class FakeLogowanie final : public OknoLogowania
{
public:
    explicit FakeLogowanie(clsoApp& app) : m_app(app) {}
    QVariant werdykt;
    int pokazano = 0;
    void PokazModalnie() override
    {
        ++pokazano;
        m_app.ParametrGlob = werdykt;
    }

private:
    clsoApp& m_app;
};

} // namespace

class TestUstawienia : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { m_ustawienia = std::make_unique<UstawieniaTestowe>(); }
    void init() { UstawieniaTestowe::Wyczysc(); }

    void defaults();
    void storedValues_data();
    void storedValues();
    void portDevice_data();
    void portDevice();
    void controlMode();

private:
    std::unique_ptr<UstawieniaTestowe> m_ustawienia;
};

void TestUstawienia::defaults()
{
    Srodowisko s;
    s.app->WczytajOpcje();
    QCOMPARE(s.app->nr_portu, 1);
    QCOMPARE(s.app->AdmHaslo, u"brasun"_qs);
    QCOMPARE(s.app->Dzwieki, 0);
}

void TestUstawienia::storedValues_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("dzwieki");
    QTest::addColumn<int>("nrPortu");
    QTest::addColumn<QString>("nazwaPortu");
    QTest::addColumn<int>("oczekiwaneDzwieki");
    QTest::newRow("numbers") << "2" << "1" << 2 << "" << 1;
    QTest::newRow("device name") << "/dev/ttyUSB0" << "1" << 0 << "/dev/ttyUSB0" << 1;
    QTest::newRow("out of byte range is a name") << "300" << "0" << 0 << "300" << 0;
    QTest::newRow("sounds not a number") << "1" << "tak" << 1 << "" << 0;
    QTest::newRow("sounds beyond 16 bits") << "1" << "70000" << 1 << "" << 0;
}

void TestUstawienia::storedValues()
{
    QFETCH(QString, port);
    QFETCH(QString, dzwieki);
    AppSettings::write(AppSettings::Port, port);
    AppSettings::write(AppSettings::Dzwieki, dzwieki);
    AppSettings::write(AppSettings::AdmHaslo, u"tajne"_qs);
    Srodowisko s;
    s.app->WczytajOpcje();
    QTEST(int(s.app->nr_portu), "nrPortu");
    QTEST(s.app->NazwaPortu, "nazwaPortu");
    QTEST(int(s.app->Dzwieki), "oczekiwaneDzwieki");
    QCOMPARE(s.app->AdmHaslo, u"tajne"_qs);
    QCOMPARE(s.app->TekstPortu(), port);
}

void TestUstawienia::portDevice_data()
{
    QTest::addColumn<QString>("ustawienie");
    QTest::addColumn<QString>("urzadzenie");
#ifdef Q_OS_WIN
    QTest::newRow("first port") << "1" << "COM1";
#else
    QTest::newRow("first port") << "1" << "/dev/ttyS0";
    QTest::newRow("second port") << "2" << "/dev/ttyS1";
#endif
    QTest::newRow("device") << "/tmp/kalbor-pty" << "/tmp/kalbor-pty";
    QTest::newRow("no port") << "0" << "";
}

void TestUstawienia::portDevice()
{
    QFETCH(QString, ustawienie);
    Srodowisko s;
    s.app->UstawPort(ustawienie);
    QTEST(s.app->UrzadzeniePortu(), "urzadzenie");
}

void TestUstawienia::controlMode()
{
    Srodowisko s;
    FakeLogowanie login(*s.app);
    s.uslugi.logowanie = &login;

    // Refused login: stays off and still announces False.
    login.werdykt = false;
    QVERIFY(!s.app->PrzelaczTrybSterowania());
    QVERIFY(!s.app->TrybSterowania);
    // An empty verdict (window closed) counts as refused.
    login.werdykt = QVariant();
    QVERIFY(!s.app->PrzelaczTrybSterowania());

    login.werdykt = true;
    QVERIFY(s.app->PrzelaczTrybSterowania());
    QVERIFY(s.app->TrybSterowania);
    QCOMPARE(login.pokazano, 3);

    // Switching off asks nothing.
    QVERIFY(!s.app->PrzelaczTrybSterowania());
    QCOMPARE(login.pokazano, 3);
    QCOMPARE(s.wizual.filtr(u"eZmianaTrybuSterowania"_qs),
             QStringList({"eZmianaTrybuSterowania(F)", "eZmianaTrybuSterowania(F)", "eZmianaTrybuSterowania(T)",
                          "eZmianaTrybuSterowania(F)"}));
}

QTEST_GUILESS_MAIN(TestUstawienia)
#include "tst_ustawienia.moc"
