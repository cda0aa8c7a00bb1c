// The options dialog, the administrator login with control mode, the splash and about boxes.
#include "AppSettings.h"
#include "TestSupport.h"
#include "UstawieniaTestowe.h"
#include "fmLogin.h"
#include "frmAbout.h"
#include "frmOptions.h"
#include "frmSplash.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {
template <typename T> T* element(const QWidget& okno, const char* nazwa)
{
    return okno.findChild<T*>(QString::fromLatin1(nazwa));
}

void kliknij(const QWidget& okno, const char* przycisk)
{
    QTest::mouseClick(element<QPushButton>(okno, przycisk), Qt::LeftButton);
}

// Types over the field's text as the operator would; a disabled field takes nothing.
void wpisz(QLineEdit* edycja, const QString& tekst)
{
    QTest::keyClick(edycja, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edycja, Qt::Key_Delete);
    QTest::keyClicks(edycja, tekst);
}

void wpisz(const QWidget& okno, const char* pole, const QString& tekst)
{
    wpisz(element<QLineEdit>(okno, pole), tekst);
}

struct Ustawienia
{
    QString port;
    QString haslo;
    QString dzwieki;
    bool operator==(const Ustawienia&) const = default;
};

Ustawienia zapisane()
{
    return {AppSettings::read(AppSettings::Port), AppSettings::read(AppSettings::AdmHaslo),
            AppSettings::read(AppSettings::Dzwieki)};
}

// What the login window showed and did during one showing, read while it was open.
struct PrzebiegLogowania
{
    QString uzytkownikNaPoczatku = u"?"_qs;
    QString zaznaczoneHaslo;
    bool fokusNaHasle = false;
    bool otwartePoOK = false;
};

// Answers the next login window: types the user and password, presses OK and, if the window
// is still open, looks at it and presses Anuluj.
void odpowiedzLogowaniu(fmLogin& login, const QString& uzytkownik, const QString& haslo, PrzebiegLogowania& p)
{
    QTimer::singleShot(0, &login, [&login, uzytkownik, haslo, &p] {
        p.uzytkownikNaPoczatku = element<QLineEdit>(login, "txtUserName")->text();
        wpisz(login, "txtUserName", uzytkownik);
        wpisz(login, "txtPassword", haslo);
        kliknij(login, "cmdOK");
        p.otwartePoOK = login.isVisible();
        if (!p.otwartePoOK)
            return;
        p.zaznaczoneHaslo = element<QLineEdit>(login, "txtPassword")->selectedText();
        p.fokusNaHasle = login.focusWidget() == element<QLineEdit>(login, "txtPassword");
        kliknij(login, "cmdCancel");
    });
}
} // namespace

class TestDialogi : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { m_ustawienia = std::make_unique<UstawieniaTestowe>(); }
    void init() { UstawieniaTestowe::Wyczysc(); }

    void opcjePokazujaUstawienia_data();
    void opcjePokazujaUstawienia();
    void zastosujPotemAnuluj_data();
    void zastosujPotemAnuluj();
    void logowanie_data();
    void logowanie();
    void odmowaLogowania_data();
    void odmowaLogowania();
    void trybSterowania();
    void splashPokazujePostep();
    void oProgramie_data();
    void oProgramie();
    void frmAboutBezInformacji();

  private:
    std::unique_ptr<UstawieniaTestowe> m_ustawienia;
};

void TestDialogi::opcjePokazujaUstawienia_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("trybSterowania");
    QTest::addColumn<int>("dzwieki");
    QTest::newRow("numer, poza trybem sterowania") << u"2"_qs << false << 0;
    QTest::newRow("nazwa urządzenia, w trybie sterowania") << u"/dev/ttyUSB0"_qs << true << 1;
}

void TestDialogi::opcjePokazujaUstawienia()
{
    QFETCH(QString, port);
    QFETCH(bool, trybSterowania);
    QFETCH(int, dzwieki);
    Srodowisko s;
    s.app->UstawPort(port);
    s.app->AdmHaslo = u"tajne"_qs;
    s.app->Dzwieki = qint16(dzwieki);
    s.app->TrybSterowania = trybSterowania;
    frmOptions opcje(s.uslugi);

    QCOMPARE(opcje.windowTitle(), u"Opcje programu"_qs);
    QCOMPARE(element<QComboBox>(opcje, "cmbPort")->currentText(), port);
    QCOMPARE(element<QLineEdit>(opcje, "txtHaslo")->text(), u"tajne"_qs);
    QCOMPARE(element<QLineEdit>(opcje, "txtHaslo")->isEnabled(), trybSterowania);
    QCOMPARE(element<QLineEdit>(opcje, "txtHaslo")->echoMode(), QLineEdit::Password);
    QCOMPARE(element<QCheckBox>(opcje, "chkDzwieki")->isChecked(), dzwieki != 0);
}

// What Apply saved stays when the dialog is then cancelled; the port is only stored.
void TestDialogi::zastosujPotemAnuluj_data()
{
    QTest::addColumn<bool>("trybSterowania");
    QTest::addColumn<QString>("zapisaneHaslo");
    QTest::newRow("w trybie sterowania") << true << u"drugie"_qs;
    QTest::newRow("poza trybem sterowania") << false << u"brasun"_qs;
}

void TestDialogi::zastosujPotemAnuluj()
{
    QFETCH(bool, trybSterowania);
    QFETCH(QString, zapisaneHaslo);
    Srodowisko s;
    s.app->WczytajOpcje();
    s.app->TrybSterowania = trybSterowania;
    frmOptions opcje(s.uslugi);
    opcje.show();
    auto* port = element<QComboBox>(opcje, "cmbPort");
    auto* haslo = element<QLineEdit>(opcje, "txtHaslo");

    port->setCurrentIndex(1);
    wpisz(haslo, u"pierwsze"_qs);
    kliknij(opcje, "cmdApply");
    port->setEditText(u"/dev/ttyUSB1"_qs);
    wpisz(haslo, u"drugie"_qs);
    QTest::mouseClick(element<QCheckBox>(opcje, "chkDzwieki"), Qt::LeftButton);
    kliknij(opcje, "cmdApply");
    port->setEditText(u"3"_qs);
    wpisz(haslo, u"trzecie"_qs);
    QTest::mouseClick(element<QCheckBox>(opcje, "chkDzwieki"), Qt::LeftButton);
    kliknij(opcje, "cmdCancel");

    QVERIFY(!opcje.isVisible());
    QCOMPARE(zapisane(), (Ustawienia{u"/dev/ttyUSB1"_qs, zapisaneHaslo, u"1"_qs}));
    QCOMPARE(s.app->AdmHaslo, zapisaneHaslo);
    QCOMPARE(s.app->Dzwieki, 1);
    QCOMPARE(s.app->TekstPortu(), u"1"_qs);
}

void TestDialogi::logowanie_data()
{
    QTest::addColumn<QString>("uzytkownik");
    QTest::addColumn<QString>("haslo");
    QTest::addColumn<QString>("zapisaneHaslo");
    QTest::addColumn<bool>("przyjete");
    QTest::newRow("poprawne") << u"tolvek"_qs << u"brasun"_qs << u"brasun"_qs << true;
    QTest::newRow("użytkownik wielkimi literami") << u"TOLVEK"_qs << u"brasun"_qs << u"brasun"_qs << false;
    QTest::newRow("hasło wielkimi literami") << u"tolvek"_qs << u"BRASUN"_qs << u"brasun"_qs << false;
    QTest::newRow("puste hasło zapisane") << u"tolvek"_qs << QString() << QString() << true;
    QTest::newRow("puste hasło wpisane") << u"tolvek"_qs << QString() << u"brasun"_qs << false;
}

// A refused attempt shows its message, selects the password for retyping and stays open;
// the Anuluj that follows leaves the verdict False.
void TestDialogi::logowanie()
{
    QFETCH(QString, uzytkownik);
    QFETCH(QString, haslo);
    QFETCH(QString, zapisaneHaslo);
    QFETCH(bool, przyjete);
    Srodowisko s;
    s.app->AdmHaslo = zapisaneHaslo;
    fmLogin login(s.uslugi);
    QCOMPARE(login.windowTitle(), u"Login"_qs);
    PrzebiegLogowania p;
    odpowiedzLogowaniu(login, uzytkownik, haslo, p);
    login.PokazModalnie();

    QCOMPARE(s.app->ParametrGlob.toBool(), przyjete);
    QCOMPARE(p.otwartePoOK, !przyjete);
    const QStringList komunikat =
        przyjete ? QStringList() : QStringList{u"Błędne hasło lub nazwa użytkownika"_qs};
    QCOMPARE(s.komunikaty.teksty, komunikat);
    if (!przyjete) {
        QCOMPARE(s.komunikaty.tytuly, QStringList{u"Logowanie"_qs});
        QCOMPARE(p.zaznaczoneHaslo, haslo);
        QVERIFY(p.fokusNaHasle);
    }
}

void TestDialogi::odmowaLogowania_data()
{
    QTest::addColumn<int>("sposob");
    QTest::newRow("Anuluj") << 0;
    QTest::newRow("Esc") << 1;
    QTest::newRow("zamknięcie okna") << 2;
}

void TestDialogi::odmowaLogowania()
{
    QFETCH(int, sposob);
    Srodowisko s;
    s.app->AdmHaslo = u"brasun"_qs;
    fmLogin login(s.uslugi);
    s.uslugi.logowanie = &login;
    QTimer::singleShot(0, &login, [&login, sposob] {
        wpisz(login, "txtUserName", u"tolvek"_qs);
        wpisz(login, "txtPassword", u"brasun"_qs);
        if (sposob == 0)
            kliknij(login, "cmdCancel");
        else if (sposob == 1)
            QTest::keyClick(&login, Qt::Key_Escape);
        else
            login.close();
    });
    QVERIFY(!s.app->PrzelaczTrybSterowania());
    QVERIFY(!s.app->TrybSterowania);
    QCOMPARE(s.wizual.filtr(u"eZmianaTrybuSterowania"_qs), QStringList{u"eZmianaTrybuSterowania(F)"_qs});
}

// On with a good login, off without asking, on again with a fresh, empty window.
void TestDialogi::trybSterowania()
{
    Srodowisko s;
    s.app->AdmHaslo = u"brasun"_qs;
    fmLogin login(s.uslugi);
    s.uslugi.logowanie = &login;

    PrzebiegLogowania pierwsze;
    odpowiedzLogowaniu(login, u"tolvek"_qs, u"brasun"_qs, pierwsze);
    QVERIFY(s.app->PrzelaczTrybSterowania());
    QVERIFY(!login.isVisible());

    bool pokazane = false;
    QTimer::singleShot(0, &login, [&] {
        pokazane = login.isVisible();
        login.reject();
    });
    QVERIFY(!s.app->PrzelaczTrybSterowania());
    QCoreApplication::processEvents();
    QVERIFY(!pokazane);

    PrzebiegLogowania trzecie;
    odpowiedzLogowaniu(login, u"tolvek"_qs, u"zle"_qs, trzecie);
    QVERIFY(!s.app->PrzelaczTrybSterowania());
    QCOMPARE(trzecie.uzytkownikNaPoczatku, QString());
    QCOMPARE(s.wizual.filtr(u"eZmianaTrybuSterowania"_qs),
             (QStringList{u"eZmianaTrybuSterowania(T)"_qs, u"eZmianaTrybuSterowania(F)"_qs,
                          u"eZmianaTrybuSterowania(F)"_qs}));
}

void TestDialogi::splashPokazujePostep()
{
    frmSplash splash;
    splash.show();
    splash.UstawPostep(u"Otwieram bazę danych i wczytuje regulatory..."_qs);
    QCOMPARE(element<QLabel>(splash, "lblProgress")->text(),
             u"Otwieram bazę danych i wczytuje regulatory..."_qs);
    QVERIFY(QRegularExpression(u"^Wersja \\d+\\.\\d+\\.\\d+$"_qs)
                .match(element<QLabel>(splash, "lblVersion")->text())
                .hasMatch());
    QVERIFY(splash.windowTitle().isEmpty());
}

void TestDialogi::oProgramie_data()
{
    QTest::addColumn<int>("sposob");
    QTest::newRow("przycisk") << 0;
    QTest::newRow("klawisz") << 1;
    QTest::newRow("ramka") << 2;
}

// The about box is a fresh, modal splash without progress text; the button, any key or a
// click on its frame closes it.
void TestDialogi::oProgramie()
{
    QFETCH(int, sposob);
    QWidget glowne;
    glowne.show();
    frmSplash::PokazOProgramie(&glowne);
    QPointer<frmSplash> okno = glowne.findChild<frmSplash*>();
    QVERIFY(okno);
    QVERIFY(okno->isVisible());
    QVERIFY(okno->isWindow());
    QCOMPARE(okno->windowModality(), Qt::ApplicationModal);
    QVERIFY(element<QLabel>(*okno, "lblProgress")->text().isEmpty());

    if (sposob == 0)
        kliknij(*okno, "Command1");
    else if (sposob == 1)
        QTest::keyClick(element<QPushButton>(*okno, "Command1"), Qt::Key_X);
    else
        QTest::mouseClick(element<QFrame>(*okno, "Frame1"), Qt::LeftButton, {}, QPoint(3, 3));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(okno.isNull());
}

void TestDialogi::frmAboutBezInformacji()
{
    FakeKomunikaty komunikaty;
    frmAbout about(komunikaty);
    QCOMPARE(about.windowTitle(), u"About Kalbor"_qs);
    QVERIFY(element<QLabel>(about, "lblVersion")->text().startsWith(u"Version "));
    if (!QStandardPaths::findExecutable(u"msinfo32"_qs).isEmpty())
        QSKIP("a system information tool is present here");
    kliknij(about, "cmdSysInfo");
    QCOMPARE(komunikaty.teksty, QStringList{u"System Information Is Unavailable At This Time"_qs});
}

QTEST_MAIN(TestDialogi)
#include "tst_dialogi.moc"
