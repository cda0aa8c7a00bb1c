// The options dialog, the administrator login with control mode, the splash and about boxes,
// and the message boxes.
#include "AppSettings.h"
#include "GlownaTestuOkien.h"
#include "KomunikatyOkien.h"
#include "OknaTestowe.h"
#include "TestSupport.h"
#include "UstawieniaTestowe.h"
#include "fmLogin.h"
#include "frmAbout.h"
#include "frmOptions.h"
#include "frmSplash.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
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
void wpisz(const QWidget& okno, const char* pole, const QString& tekst)
{
    auto* edycja = element<QLineEdit>(okno, pole);
    QTest::keyClick(edycja, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edycja, Qt::Key_Delete);
    QTest::keyClicks(edycja, tekst);
}

// What the login window showed and did during one showing, read while it was open.
struct PrzebiegLogowania
{
    bool pokazane = false;
    QString uzytkownikNaPoczatku;
    QString zaznaczoneHaslo;
    bool fokusNaHasle = false;
    bool otwartePoOK = false;
};

// Answers the next login window: types the user and password and leaves the window the given way;
// after a refused OK it looks at the window, which is still open, and presses Anuluj.
void odpowiedzLogowaniu(fmLogin& login, const QString& uzytkownik, const QString& haslo, PrzebiegLogowania& p,
                        const QString& wyjscie = u"OK"_qs)
{
    QTimer::singleShot(0, &login, [&login, uzytkownik, haslo, &p, wyjscie] {
        p.pokazane = login.isVisible();
        p.uzytkownikNaPoczatku = element<QLineEdit>(login, "txtUserName")->text();
        wpisz(login, "txtUserName", uzytkownik);
        wpisz(login, "txtPassword", haslo);
        if (wyjscie == u"Esc")
            QTest::keyClick(&login, Qt::Key_Escape);
        else if (wyjscie == u"zamknięcie")
            login.close();
        else
            kliknij(login, wyjscie == u"OK" ? "cmdOK" : "cmdCancel");
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

    void opcje_data();
    void opcje();
    void opcjeNieZapisane();
    void hasloZaTrybemSterowania_data();
    void hasloZaTrybemSterowania();
    void logowanie_data();
    void logowanie();
    void splashPokazujePostep();
    void oProgramie_data();
    void oProgramie();
    void frmAboutBezInformacji();
    void komunikatMiesciSieNaEkranie_data();
    void komunikatMiesciSieNaEkranie();

  private:
    std::unique_ptr<UstawieniaTestowe> m_ustawienia;
};

void TestDialogi::opcje_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("trybSterowania");
    QTest::addColumn<int>("dzwieki");
    QTest::addColumn<QString>("zapisaneHaslo");
    QTest::newRow("numer, poza trybem sterowania") << u"2"_qs << false << 0 << u"tajne"_qs;
    QTest::newRow("nazwa urządzenia, w trybie sterowania") << u"/dev/ttyUSB0"_qs << true << 1 << u"drugie"_qs;
}

// The dialog shows the settings; what Apply saved stays when the dialog is then cancelled. The
// password can be changed only in control mode, and the port is only stored.
void TestDialogi::opcje()
{
    QFETCH(QString, port);
    QFETCH(bool, trybSterowania);
    QFETCH(int, dzwieki);
    QFETCH(QString, zapisaneHaslo);
    Srodowisko s;
    s.app->UstawPort(port);
    s.app->AdmHaslo = u"tajne"_qs;
    s.app->Dzwieki = qint16(dzwieki);
    s.app->TrybSterowania = trybSterowania;
    frmOptions opcje(s.uslugi);
    opcje.show();
    auto* cmbPort = element<QComboBox>(opcje, "cmbPort");
    auto* chkDzwieki = element<QCheckBox>(opcje, "chkDzwieki");
    QCOMPARE(cmbPort->currentText() + u'|' + element<QLineEdit>(opcje, "txtHaslo")->text(),
             port + u"|tajne"_qs);
    QCOMPARE(chkDzwieki->isChecked(), dzwieki != 0);
    QCOMPARE(element<QLabel>(opcje, "Label1")->text() + element<QLabel>(opcje, "Label2")->text(),
             u"Port szeregowy:Hasło administartora"_qs);

    cmbPort->setEditText(u"/dev/ttyUSB1"_qs);
    wpisz(opcje, "txtHaslo", u"drugie"_qs);
    QTest::mouseClick(chkDzwieki, Qt::LeftButton);
    kliknij(opcje, "cmdApply");
    cmbPort->setEditText(u"3"_qs);
    wpisz(opcje, "txtHaslo", u"trzecie"_qs);
    QTest::mouseClick(chkDzwieki, Qt::LeftButton);
    kliknij(opcje, "cmdCancel");

    QVERIFY(!opcje.isVisible());
    QCOMPARE(QStringList({AppSettings::read(AppSettings::Port), AppSettings::read(AppSettings::AdmHaslo),
                          AppSettings::read(AppSettings::Dzwieki)}),
             QStringList({u"/dev/ttyUSB1"_qs, zapisaneHaslo, QString::number(1 - dzwieki)}));
    QCOMPARE(s.app->AdmHaslo, zapisaneHaslo);
    QCOMPARE(s.app->Dzwieki, 1 - dzwieki);
    QCOMPARE(s.app->TekstPortu(), port);
}

// A settings folder that cannot be made: the operator is told, and the run goes on with what he
// chose (the port loop reads the port back); the next save the store takes saves it too.
void TestDialogi::opcjeNieZapisane()
{
    Srodowisko s;
    const QString plik = UstawieniaTestowe::Plik();
    const QString katalog = QFileInfo(plik).absolutePath();
    QVERIFY(QDir(katalog).removeRecursively());
    QFile zawada(katalog); // a file where the folder should be
    QVERIFY(zawada.open(QIODevice::WriteOnly));
    zawada.close();
    frmOptions opcje(s.uslugi);
    opcje.show();
    element<QComboBox>(opcje, "cmbPort")->setEditText(u"/dev/ttyUSB1"_qs);
    kliknij(opcje, "cmdOK");
    QCOMPARE(s.komunikaty.teksty,
             QStringList{u"Nie można zapisać ustawień w pliku %1.\r"
                         "Zmienione ustawienia obowiązują tylko do zakończenia programu."_qs.arg(plik)});
    QCOMPARE(AppSettings::read(AppSettings::Port), u"/dev/ttyUSB1"_qs);

    QVERIFY(zawada.remove());
    QVERIFY(AppSettings::write(AppSettings::Dzwieki, u"1"_qs));
    QCOMPARE(QSettings(plik, QSettings::IniFormat).value(u"port/nr_portu"_qs).toString(), u"/dev/ttyUSB1"_qs);
}

void TestDialogi::hasloZaTrybemSterowania_data()
{
    QTest::addColumn<bool>("przed"); // control mode when the dialog opens
    QTest::addColumn<bool>("po");    // and after it changes with the dialog open
    QTest::addColumn<bool>("wpisaneWczesniej");
    QTest::addColumn<QString>("zapisane");
    QTest::newRow("left, then typed") << true << false << false << u"tajne"_qs;
    QTest::newRow("typed, then left") << true << false << true << u"tajne"_qs;
    QTest::newRow("entered, then typed") << false << true << false << u"nowe"_qs;
}

// The options dialog stays open beside the main window; its password box follows control mode.
void TestDialogi::hasloZaTrybemSterowania()
{
    QFETCH(bool, przed);
    QFETCH(bool, po);
    QFETCH(bool, wpisaneWczesniej);
    StanowiskoGlowne st;
    st.s.app->AdmHaslo = u"tajne"_qs;
    st.s.app->TrybSterowania = przed;
    st.akcja("mnuNarzOpcje")->trigger();
    auto* opcje = st.okno.findChild<frmOptions*>();
    QVERIFY(opcje && opcje->isVisible());
    if (wpisaneWczesniej)
        wpisz(*opcje, "txtHaslo", u"nowe"_qs);
    st.s.app->TrybSterowania = po;
    st.wizual.eZmianaTrybuSterowania(po);
    QCOMPARE(element<QLineEdit>(*opcje, "txtHaslo")->isEnabled(), po);
    if (!wpisaneWczesniej)
        wpisz(*opcje, "txtHaslo", u"nowe"_qs);
    kliknij(*opcje, "cmdApply");
    QTEST(AppSettings::read(AppSettings::AdmHaslo), "zapisane");
    QTEST(st.s.app->AdmHaslo, "zapisane");
}

void TestDialogi::logowanie_data()
{
    QTest::addColumn<QString>("uzytkownik");
    QTest::addColumn<QString>("haslo");
    QTest::addColumn<QString>("zapisaneHaslo");
    QTest::addColumn<QString>("wyjscie");
    QTest::addColumn<bool>("przyjete");
    const QString ok = u"OK"_qs;
    QTest::newRow("poprawne") << u"tolvek"_qs << u"brasun"_qs << u"brasun"_qs << ok << true;
    QTest::newRow("użytkownik wielkimi literami")
        << u"TOLVEK"_qs << u"brasun"_qs << u"brasun"_qs << ok << false;
    QTest::newRow("hasło wielkimi literami") << u"tolvek"_qs << u"BRASUN"_qs << u"brasun"_qs << ok << false;
    QTest::newRow("puste hasło zapisane") << u"tolvek"_qs << QString() << QString() << ok << true;
    QTest::newRow("puste hasło wpisane") << u"tolvek"_qs << QString() << u"brasun"_qs << ok << false;
    for (const QString& wyjscie : {u"Anuluj"_qs, u"Esc"_qs, u"zamknięcie"_qs})
        QTest::addRow("%s", qPrintable(wyjscie))
            << u"tolvek"_qs << u"brasun"_qs << u"brasun"_qs << wyjscie << false;
}

// A refused attempt shows its message, selects the password for retyping and stays open; the
// Anuluj that follows leaves control mode off, as does leaving the window without OK. Control mode
// then goes off without asking, and the next showing starts with empty fields.
void TestDialogi::logowanie()
{
    QFETCH(QString, uzytkownik);
    QFETCH(QString, haslo);
    QFETCH(QString, zapisaneHaslo);
    QFETCH(QString, wyjscie);
    QFETCH(bool, przyjete);
    Srodowisko s;
    s.app->AdmHaslo = zapisaneHaslo;
    fmLogin login(s.uslugi);
    s.uslugi.logowanie = &login;
    PrzebiegLogowania p;
    odpowiedzLogowaniu(login, uzytkownik, haslo, p, wyjscie);
    QCOMPARE(s.app->PrzelaczTrybSterowania(), przyjete);

    const bool odmowa = !przyjete && wyjscie == u"OK";
    QCOMPARE(s.app->TrybSterowania, przyjete);
    QCOMPARE(p.otwartePoOK, odmowa);
    QCOMPARE(s.komunikaty.teksty + s.komunikaty.tytuly,
             odmowa ? QStringList({u"Błędne hasło lub nazwa użytkownika"_qs, u"Logowanie"_qs})
                    : QStringList());
    QCOMPARE(p.zaznaczoneHaslo, odmowa ? haslo : QString());
    QCOMPARE(p.fokusNaHasle, odmowa);

    PrzebiegLogowania nastepne;
    odpowiedzLogowaniu(login, uzytkownik, haslo, nastepne, u"Anuluj"_qs);
    QVERIFY(!s.app->PrzelaczTrybSterowania());
    QCoreApplication::processEvents();
    QCOMPARE(nastepne.pokazane, !przyjete);
    QVERIFY(!nastepne.pokazane || nastepne.uzytkownikNaPoczatku.isEmpty());
    const QString wlaczony = przyjete ? u"eZmianaTrybuSterowania(T)"_qs : u"eZmianaTrybuSterowania(F)"_qs;
    QCOMPARE(s.wizual.filtr(u"eZmianaTrybuSterowania"_qs),
             QStringList({wlaczony, u"eZmianaTrybuSterowania(F)"_qs}));
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
    QVERIFY(okno && okno->isVisible() && okno->windowModality() == Qt::ApplicationModal);
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
    QVERIFY(element<QLabel>(about, "lblVersion")->text().startsWith(u"Version "));
    if (!QStandardPaths::findExecutable(u"msinfo32"_qs).isEmpty())
        QSKIP("a system information tool is present here");
    kliknij(about, "cmdSysInfo");
    QCOMPARE(komunikaty.teksty, QStringList{u"System Information Is Unavailable At This Time"_qs});
}

void TestDialogi::komunikatMiesciSieNaEkranie_data()
{
    QTest::addColumn<QString>("tekst");
    const QString wiersz =
        u"regulator 'R01', kolumna Adres: wartość '301' spoza zakresu liczb całkowitych 0..255, "
        "regulator pominięty"_qs;
    QTest::newRow("44 lines") << (u"Problemy w danych regulatorów:"_qs +
                                  QString(u'\r' + wiersz).repeated(44));
    QTest::newRow("one line of 20000 characters") << u"brakuje kolumny Regulatory.Kod, "_qs.repeated(625);
    QTest::newRow("300 lines of 300 characters")
        << QString(u'\r' + QString(u"ab cd "_qs).repeated(50)).repeated(300);
}

// The end of every message and its OK button stay on the screen.
void TestDialogi::komunikatMiesciSieNaEkranie()
{
    QFETCH(QString, tekst);
    PoTakcie poTakcie;
    KomunikatyOkien komunikaty(poTakcie);
    komunikaty.PokazBezCzekania(tekst, {}, Komunikaty::Ikona::Informacja);
    QMessageBox* okno = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        okno = okno ? okno : qobject_cast<QMessageBox*>(w);
    QVERIFY(okno && okno->isVisible());
    const std::unique_ptr<QMessageBox> zamknij(okno);
    const QRect ekran = okno->screen()->availableGeometry();
    QVERIFY2(okno->height() <= ekran.height() && okno->width() <= ekran.width(),
             qPrintable(u"%1x%2 na %3x%4"_qs.arg(okno->width())
                            .arg(okno->height())
                            .arg(ekran.width())
                            .arg(ekran.height())));
}

KALBOR_TEST_OKIEN(TestDialogi)
#include "tst_dialogi.moc"
