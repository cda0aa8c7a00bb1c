// The serial line kept in service without anyone: a device lost while the program runs is closed,
// told of once and opened again when it returns; a start before the device exists goes on by
// itself once it appears. And one program per database file.
#include "AppSettings.h"
#include "BlokadaProgramu.h"
#include "GlownaTestuOkien.h"
#include "Komunikator.h"
#include "KomunikatyOkien.h"
#include "OknaTestowe.h"
#include "PetlaOdczytow.h"
#include "PoleStanu.h"
#include "PortSzeregowy.h"
#include "StartUp.h"
#include "StraznikPortu.h"
#include "UstawieniaTestowe.h"
#include "clComm.h"
#include "regsim/PtyLink.h"
#include "regsim/RegSim.h"
#include "regsim/RegSimThread.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

// A regulator line under a fixed device name, as an adapter's: the name goes when the simulator
// ends, its terminal with it, and comes back with the next simulator.
class Urzadzenie
{
  public:
    explicit Urzadzenie(QString sciezka) : m_sciezka(std::move(sciezka)) {}
    bool wlacz()
    {
        m_sim = std::make_unique<regsim::RegSimThread>();
        if (!m_sim->startSim())
            return false;
        regsim::RegulatorState r;
        r.address = 1;
        m_sim->sim()->addRegulator(r);
        m_link = std::make_unique<regsim::PtyLink>();
        QString blad;
        return m_link->create(m_sciezka, m_sim->sim()->slavePath(), &blad);
    }
    void wylacz()
    {
        m_link.reset();
        m_sim.reset();
    }

  private:
    QString m_sciezka;
    std::unique_ptr<regsim::RegSimThread> m_sim;
    std::unique_ptr<regsim::PtyLink> m_link;
};

// The window's port as the link sees it, on the test's clock: each sleep on the port moves the
// steady clock 10 ms, so that a reply wait on a line that stays silent ends.
class PortNaZegarze final : public PortSzeregowy
{
  public:
    PortNaZegarze(PortQt& port, FakeClock& zegar) : m_port(port), m_zegar(zegar) {}
    bool Otwarty() const override { return m_port.Otwarty(); }
    int InBufferCount() override { return m_port.InBufferCount(); }
    void WyczyscWejscie() override { m_port.WyczyscWejscie(); }
    int Input() override { return m_port.Input(); }
    void Output(const QByteArray& bajty) override { m_port.Output(bajty); }
    void CzekajNaDane(int ms) override
    {
        m_port.CzekajNaDane(ms);
        m_zegar.ms += 10;
    }

  private:
    PortQt& m_port;
    FakeClock& m_zegar;
};

// The main window on a real line: the serial link and the executor over the window's port, and
// KB-01 read every minute, a failed reading retried a minute later.
struct StanowiskoNaLinii : StanowiskoGlowne
{
    StanowiskoNaLinii()
    {
        s.uslugi.oComm = &comm;
        s.uslugi.oKomunikator = &komunikator;
        comm.UstawPort(&portNaZegarze);
        s.dodajRegulator(u"KB-01"_qs, 1, {{u"CzestOdczytu"_qs, 1}, {u"awarCzest"_qs, 1}});
        s.wczytaj();
    }
    void takt(qint64 sekundy)
    {
        s.zegar.advance(sekundy);
        okno.Timer1().Takt();
    }
    QStringList logi() const { return s.kolumna(u"SELECT Operacja FROM Log ORDER BY rowid"_qs); }
    QString stan() const { return okno.Panel(PanelStanu::Stan).tekst(); }

    PortNaZegarze portNaZegarze{port, s.zegar};
    clComm comm{s.uslugi};
    Komunikator komunikator{s.uslugi};
};

constexpr qint64 kOdstepS = StraznikPortu::kOdstepProbMs / 1000;

} // namespace

class TestLinia : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { m_ustawienia = std::make_unique<UstawieniaTestowe>(); }
    void init();

    void lostDeviceReopenedByItself();
    void startWaitsForTheDeviceUnattended_data();
    void startWaitsForTheDeviceUnattended();
    void secondProgramOnTheFileRefused();

  private:
    std::unique_ptr<UstawieniaTestowe> m_ustawienia;
    std::unique_ptr<QTemporaryDir> m_katalog;
    QString m_sciezka; // the device's name
};

void TestLinia::init()
{
    UstawieniaTestowe::Wyczysc();
    m_katalog = std::make_unique<QTemporaryDir>();
    m_sciezka = m_katalog->filePath(u"ttyKalbor"_qs);
    AppSettings::write(AppSettings::Port, m_sciezka);
}

// KB-01 read every minute; its device goes, is tried for a while and comes back.
void TestLinia::lostDeviceReopenedByItself()
{
    Urzadzenie urzadzenie(m_sciezka);
    QVERIFY(urzadzenie.wlacz());
    StanowiskoNaLinii st;
    st.okno.Zaladuj();
    st.takt(0);
    QCOMPARE(st.s.liczWiersze(u"Pomiary"_qs), 1);

    urzadzenie.wylacz();
    st.takt(60);
    // The failed write closed the device: no frame is left to be written again and again.
    QVERIFY(!st.port.Otwarty());
    st.takt(0);
    const QString utrata =
        u"Utracono port szeregowy %1 (urządzenie odłączone lub niedostępne)"_qs.arg(m_sciezka);
    QCOMPARE(st.stan(), utrata);
    for (int i = 0; i < 3; ++i)
        st.takt(kOdstepS);
    QVERIFY(!st.port.Otwarty());
    // The reading due again fails without waiting for a reply that cannot come.
    const qint64 ms = st.s.zegar.ms;
    st.takt(60);
    QCOMPARE(st.s.zegar.ms - ms, 60000);

    QVERIFY(urzadzenie.wlacz());
    st.takt(0);
    QVERIFY(!st.port.Otwarty()); // the next attempt is not due yet
    st.takt(kOdstepS);
    QVERIFY(st.port.Otwarty());
    const QString powrot = u"Port szeregowy "_qs + m_sciezka + u" otwarty ponownie"_qs;
    QCOMPARE(st.stan(), powrot);
    QCOMPARE(st.s.app->IloscAktywnychAlarmow, 1); // alarm 100 of the missed reading
    QCOMPARE(st.s.liczWiersze(u"Pomiary"_qs), 1);
    st.takt(60);
    QCOMPARE(st.s.liczWiersze(u"Pomiary"_qs), 2);
    QCOMPARE(st.s.app->IloscAktywnychAlarmow, 0);

    const QString blad = u"Błąd komunikacji z regulatorem"_qs;
    QCOMPARE(st.logi(), QStringList({u"Start aplikacji"_qs, blad, utrata, blad, powrot}));
}

void TestLinia::startWaitsForTheDeviceUnattended_data()
{
    QTest::addColumn<bool>("komunikatWOknie"); // the real message box rather than a recorded one
    QTest::addColumn<QString>("czekajace");    // the window open when the device appears
    QTest::newRow("the options dialog") << false << u"frmOptions"_qs;
    QTest::newRow("the message before it") << true << u"QMessageBox"_qs;
}

// The program started before its adapter: the window that waits for the operator closes by itself
// once the saved port opens, and the start goes on.
void TestLinia::startWaitsForTheDeviceUnattended()
{
    QFETCH(bool, komunikatWOknie);
    Urzadzenie urzadzenie(m_sciezka);
    StanowiskoNaLinii st;
    KomunikatyOkien komunikaty(st.s.poTakcie);
    if (komunikatWOknie)
        st.s.uslugi.komunikaty = &komunikaty;
    QString czekajace;
    QTimer::singleShot(0, [&] {
        QWidget* okno = QApplication::activeModalWidget();
        czekajace = okno ? QString::fromLatin1(okno->metaObject()->className()) : QString();
        QVERIFY(urzadzenie.wlacz());
        st.s.zegar.advance(kOdstepS);
    });
    // Had nothing closed them, the waiting windows would be closed here as an operator would.
    bool zamknietePrzezTest = false;
    QTimer straz;
    QObject::connect(&straz, &QTimer::timeout, [&] {
        if (auto* okno = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            zamknietePrzezTest = true;
            okno->reject();
        }
    });
    straz.start(10000);
    st.okno.Zaladuj();

    QTEST(czekajace, "czekajace");
    QVERIFY(!zamknietePrzezTest);
    QVERIFY(st.port.Otwarty());
    QCOMPARE(st.logi(), QStringList{u"Start aplikacji"_qs});
    st.takt(0);
    QCOMPARE(st.s.liczWiersze(u"Pomiary"_qs), 1);
}

// A program holds the file (here one waiting for its port); a second start on the same file is
// refused before it opens anything. Once the first has crashed, a start takes the file over.
void TestLinia::secondProgramOnTheFileRefused()
{
    Srodowisko s;
    s.dodajRegulator(u"KB-01"_qs, 1);
    s.baza->Zamknij();
    QTemporaryDir ustawieniaPierwszego;
    QDir().mkpath(ustawieniaPierwszego.filePath(u"Kalbor"_qs));
    QFile konfiguracja(ustawieniaPierwszego.filePath(u"Kalbor/Kalbor.conf"_qs));
    QVERIFY(konfiguracja.open(QIODevice::WriteOnly));
    konfiguracja.write("[port]\nnr_portu=/dev/kalbor-brak-portu\n");
    konfiguracja.close();
    QProcess pierwszy;
    QProcessEnvironment srodowisko = QProcessEnvironment::systemEnvironment();
    srodowisko.insert(u"XDG_CONFIG_HOME"_qs, ustawieniaPierwszego.path());
    pierwszy.setProcessEnvironment(srodowisko);
    pierwszy.setWorkingDirectory(QFileInfo(s.plik()).absolutePath());
    pierwszy.start(QStringLiteral(KALBOR_PROGRAM), {});
    QVERIFY(pierwszy.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(BlokadaProgramu::PlikBlokady(s.plik())).size() > 0, 20000);

    Urzadzenie urzadzenie(m_sciezka);
    QVERIFY(urzadzenie.wlacz());
    FakeKomunikaty komunikaty;
    {
        StartUp drugi;
        drugi.uslugi().komunikaty = &komunikaty;
        QCOMPARE(drugi.Uruchom(s.plik()), StartUp::kJuzDziala);
        QVERIFY(!drugi.OknoGlowne() && !drugi.Port().Otwarty() && !drugi.uslugi().cnBaza->db().isOpen());
    }
    QCOMPARE(
        komunikaty.teksty,
        QStringList{u"Program Kalbor już działa w folderze %1 (baza danych kalbor.mdb).\r"
                    "Drugi program nie zostanie uruchomiony."_qs.arg(QFileInfo(s.plik()).canonicalPath())});

    pierwszy.kill();
    QVERIFY(pierwszy.waitForFinished());
    StartUp po;
    po.uslugi().komunikaty = &komunikaty;
    QCOMPARE(po.Uruchom(s.plik()), 0);
    QVERIFY(po.Port().Otwarty());
    po.OknoGlowne()->ZakonczBezPytania();
}

KALBOR_TEST_OKIEN(TestLinia)
#include "tst_linia.moc"
