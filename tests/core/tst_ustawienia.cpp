// Stored settings and the control mode of the application object.
#include "AppSettings.h"
#include "TestSupport.h"
#include "UstawieniaTestowe.h"

#include <QTest>

namespace {
struct FakeLogowanie final : OknoLogowania
{
    explicit FakeLogowanie(clsoApp& a) : app(a) {}
    void PokazModalnie(const std::function<void()>&) override
    {
        ++pokazano;
        app.ParametrGlob = werdykt;
    }
    clsoApp& app;
    QVariant werdykt;
    int pokazano = 0;
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
    void portPathWrittenByHand();
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
    QTest::addColumn<QString>("urzadzenie");
    QTest::addColumn<int>("oczekiwaneDzwieki");
    QTest::addColumn<QString>("oczekiwaneHaslo");
    const QVariant brak;
#ifdef Q_OS_WIN
    const QString pierwszy = u"COM1"_qs;
#else
    const QString pierwszy = u"/dev/ttyS0"_qs;
#endif
    const QString sciezka = u"/dev/serial/by-path/pci-0000:00:14.0-usb-0:1,2:1.0-port0"_qs;
    QTest::newRow("defaults") << brak << brak << brak << 1 << "" << pierwszy << 0 << "brasun";
    QTest::newRow("no port") << QVariant("0") << QVariant("1") << QVariant("tajne") << 0 << QString()
                             << QString() << 1 << "tajne";
    QTest::newRow("device path with a comma, sounds beyond 16 bits")
        << QVariant(sciezka) << QVariant("70000") << brak << 0 << sciezka << sciezka << 0 << "brasun";
    QTest::newRow("out of byte range is a name, sounds not a number")
        << QVariant("300") << QVariant("tak") << brak << 0 << u"300"_qs << u"300"_qs << 0 << "brasun";
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
    QTEST(s.app->UrzadzeniePortu(), "urzadzenie");
    QTEST(int(s.app->Dzwieki), "oczekiwaneDzwieki");
    QTEST(s.app->AdmHaslo, "oczekiwaneHaslo");
    if (port.isValid())
        QCOMPARE(s.app->TekstPortu(), port.toString());
}

// A comma in a hand-written path without quotes is part of the path, not a list.
void TestUstawienia::portPathWrittenByHand()
{
    QFile f(UstawieniaTestowe::Plik());
    const QByteArray plik("[port]\nnr_portu=/dev/serial/by-path/usb-0:1,2:1.0-port0\n");
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(plik) == plik.size());
    f.close();
    Srodowisko s;
    s.app->WczytajOpcje();
    QCOMPARE(s.app->UrzadzeniePortu(), u"/dev/serial/by-path/usb-0:1,2:1.0-port0"_qs);
}

// A refused login, or the window closed without a verdict, leaves control mode off and says so;
// switching off asks nothing.
void TestUstawienia::controlMode()
{
    Srodowisko s;
    FakeLogowanie login(*s.app);
    s.uslugi.logowanie = &login;
    QString tryby;
    for (const QVariant& werdykt : {QVariant(false), QVariant(), QVariant(true), QVariant(true)}) {
        login.werdykt = werdykt;
        const bool wlaczony = s.app->PrzelaczTrybSterowania();
        tryby += wlaczony != s.app->TrybSterowania ? u'?' : wlaczony ? u'T' : u'F';
    }
    QCOMPARE(tryby, u"FFTF"_qs);
    QCOMPARE(login.pokazano, 3);
    QCOMPARE(s.wizual.filtr(u"eZmianaTrybuSterowania"_qs),
             QStringList({"eZmianaTrybuSterowania(F)", "eZmianaTrybuSterowania(F)",
                          "eZmianaTrybuSterowania(T)", "eZmianaTrybuSterowania(F)"}));
}

QTEST_GUILESS_MAIN(TestUstawienia)
#include "tst_ustawienia.moc"
