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

    void storedValues_data();
    void storedValues();
    void portDevice_data();
    void portDevice();
    void portPathWithComma_data();
    void portPathWithComma();
    void controlMode();

  private:
    std::unique_ptr<UstawieniaTestowe> m_ustawienia;
};

void TestUstawienia::storedValues_data()
{
    QTest::addColumn<QVariant>("port"); // nothing written when invalid
    QTest::addColumn<QVariant>("dzwieki");
    QTest::addColumn<QVariant>("haslo");
    QTest::addColumn<int>("nrPortu");
    QTest::addColumn<QString>("nazwaPortu");
    QTest::addColumn<int>("oczekiwaneDzwieki");
    QTest::addColumn<QString>("oczekiwaneHaslo");
    const QVariant brak;
    QTest::newRow("defaults") << brak << brak << brak << 1 << "" << 0 << "brasun";
    QTest::newRow("numbers") << QVariant("2") << QVariant("1") << QVariant("tajne") << 2 << "" << 1
                             << "tajne";
    QTest::newRow("device name") << QVariant("/dev/ttyUSB0") << QVariant("1") << brak << 0 << "/dev/ttyUSB0"
                                 << 1 << "brasun";
    QTest::newRow("out of byte range is a name")
        << QVariant("300") << QVariant("0") << brak << 0 << "300" << 0 << "brasun";
    QTest::newRow("sounds not a number")
        << QVariant("1") << QVariant("tak") << brak << 1 << "" << 0 << "brasun";
    QTest::newRow("sounds beyond 16 bits")
        << QVariant("1") << QVariant("70000") << brak << 1 << "" << 0 << "brasun";
}

void TestUstawienia::storedValues()
{
    QFETCH(QVariant, port);
    QFETCH(QVariant, dzwieki);
    QFETCH(QVariant, haslo);
    for (auto [klucz, wartosc] : {std::pair{&AppSettings::Port, port},
                                  {&AppSettings::Dzwieki, dzwieki},
                                  {&AppSettings::AdmHaslo, haslo}}) {
        if (wartosc.isValid())
            AppSettings::write(*klucz, wartosc.toString());
    }
    Srodowisko s;
    s.app->WczytajOpcje();
    QTEST(int(s.app->nr_portu), "nrPortu");
    QTEST(s.app->NazwaPortu, "nazwaPortu");
    QTEST(int(s.app->Dzwieki), "oczekiwaneDzwieki");
    QTEST(s.app->AdmHaslo, "oczekiwaneHaslo");
    if (port.isValid())
        QCOMPARE(s.app->TekstPortu(), port.toString());
}

void TestUstawienia::portDevice_data()
{
    QTest::addColumn<QString>("ustawienie");
    QTest::addColumn<QString>("urzadzenie");
#ifdef Q_OS_WIN
    QTest::newRow("first port") << "1"
                                << "COM1";
#else
    QTest::newRow("first port") << "1"
                                << "/dev/ttyS0";
    QTest::newRow("second port") << "2"
                                 << "/dev/ttyS1";
#endif
    QTest::newRow("device") << "/tmp/kalbor-pty"
                            << "/tmp/kalbor-pty";
    QTest::newRow("no port") << "0"
                             << "";
}

void TestUstawienia::portDevice()
{
    QFETCH(QString, ustawienie);
    Srodowisko s;
    s.app->UstawPort(ustawienie);
    QTEST(s.app->UrzadzeniePortu(), "urzadzenie");
}

void TestUstawienia::portPathWithComma_data()
{
    QTest::addColumn<QByteArray>("plik"); // the settings file as written by hand; empty: by the program
    QTest::addColumn<QString>("sciezka");
    QTest::newRow("written by the program")
        << QByteArray() << "/dev/serial/by-path/pci-0000:00:14.0-usb-0:1,2:1.0-port0";
    QTest::newRow("written by hand without quotes")
        << QByteArray("[port]\nnr_portu=/dev/serial/by-path/usb-0:1,2:1.0-port0\n")
        << "/dev/serial/by-path/usb-0:1,2:1.0-port0";
}

void TestUstawienia::portPathWithComma()
{
    QFETCH(QByteArray, plik);
    QFETCH(QString, sciezka);
    if (plik.isEmpty()) {
        AppSettings::write(AppSettings::Port, sciezka);
    } else {
        QFile f(UstawieniaTestowe::Plik());
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(plik) == plik.size());
    }
    Srodowisko s;
    s.app->WczytajOpcje();
    QCOMPARE(s.app->UrzadzeniePortu(), sciezka);
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
             QStringList({"eZmianaTrybuSterowania(F)", "eZmianaTrybuSterowania(F)",
                          "eZmianaTrybuSterowania(T)", "eZmianaTrybuSterowania(F)"}));
}

QTEST_GUILESS_MAIN(TestUstawienia)
#include "tst_ustawienia.moc"
