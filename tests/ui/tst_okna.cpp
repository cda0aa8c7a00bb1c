// Every window as the operator sees it, opened the way the running program opens it: at least
// its designed size with a caption that can be read, the fixed dialogs without minimise and
// maximise buttons, and each one drawn into screenshots/ui for the eye.
#include "AppSettings.h"
#include "BazaDemo.h"
#include "GlownaTestuOkien.h"
#include "MenuGlowne.h"
#include "OknaTestowe.h"
#include "StartUp.h"
#include "Twipy.h"
#include "UstawieniaTestowe.h"
#include "clsoApp.h"
#include "fmLogin.h"
#include "frmOptions.h"
#include "frmSplash.h"
#include "regsim/RegSim.h"
#include "regsim/RegSimThread.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionTitleBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {

using Tekst = std::function<QString()>;

QStyleOptionTitleBar pasekTytulu(const QMdiSubWindow* podokno);

// The title bar's label is wide enough for the whole caption in the title bar's face, taken
// bold as the active window draws it.
bool tytulSieMiesci(const QMdiSubWindow* podokno)
{
    const QStyleOptionTitleBar o = pasekTytulu(podokno);
    const QRect etykieta =
        podokno->style()->subControlRect(QStyle::CC_TitleBar, &o, QStyle::SC_TitleBarLabel, podokno);
    QFont czcionka = QApplication::font("QMdiSubWindowTitleBar");
    czcionka.setBold(true);
    return QFontMetrics(czcionka).horizontalAdvance(o.text) <= etykieta.width();
}

QStyleOptionTitleBar pasekTytulu(const QMdiSubWindow* podokno)
{
    QStyleOptionTitleBar o;
    o.initFrom(podokno);
    o.text = podokno->windowTitle();
    o.icon = podokno->windowIcon();
    o.titleBarFlags = podokno->windowFlags();
    o.titleBarState = int(podokno->windowState());
    o.subControls = QStyle::SC_All;
    o.rect =
        QRect(0, 0, podokno->width(), podokno->style()->pixelMetric(QStyle::PM_TitleBarHeight, &o, podokno));
    return o;
}

// The enabled items of the sub-window's window menu, without their accelerator marks.
QStringList menuOkna(QMdiSubWindow* podokno)
{
    QStringList pozycje;
    for (QAction* a : podokno->systemMenu()->actions())
        if (a->isVisible() && a->isEnabled() && !a->isSeparator())
            pozycje << a->text().remove(u'&');
    return pozycje;
}

// Nothing may be smaller than its own layout needs, nor than its design where it has one.
void sprawdzRozmiar(const QWidget* okno, const QSize& projektTwipy)
{
    const QSize najmniej = (projektTwipy.isValid() ? twipyNaPiksele(projektTwipy, okno) : QSize(1, 1))
                               .expandedTo(okno->minimumSizeHint());
    QVERIFY2(okno->width() >= najmniej.width() && okno->height() >= najmniej.height(),
             qPrintable(QStringLiteral("%1: %2x%3, at least %4x%5")
                            .arg(okno->windowTitle())
                            .arg(okno->width())
                            .arg(okno->height())
                            .arg(najmniej.width())
                            .arg(najmniej.height())));
}

// A fixed dialog: one size, and no minimise or maximise button left to the window manager.
void sprawdzStalyRozmiar(const QWidget* okno)
{
    QVERIFY2(okno->minimumSize() == okno->maximumSize(), qPrintable(okno->windowTitle()));
    const Qt::WindowFlags flagi = okno->windowFlags();
    QVERIFY(flagi.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flagi.testFlag(Qt::WindowMinimizeButtonHint) && !flagi.testFlag(Qt::WindowMaximizeButtonHint));
}

} // namespace

Q_DECLARE_METATYPE(Tekst)

class TestOkna : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanup();
    void childWindowsOpenAtTheirDesignedSize_data();
    void childWindowsOpenAtTheirDesignedSize();
    void childWindowsOpenInsideTheVisibleArea();
    void fixedChildWindowsCloseEveryWay_data();
    void fixedChildWindowsCloseEveryWay();
    void dialogs_data();
    void dialogs();
    void mainWindowAndMenus();
    void qtOwnTextsArePolish_data();
    void qtOwnTextsArePolish();

  private:
    fmGlowny& glowny() const { return *m_start->OknoGlowne(); }
    QMdiSubWindow* podokno(const QString& tytul) const;

    std::unique_ptr<UstawieniaTestowe> m_ustawienia;
    QTemporaryDir m_katalog;
    std::unique_ptr<regsim::RegSimThread> m_sim;
    std::unique_ptr<FastClock> m_zegar;
    std::unique_ptr<StartUp> m_start;
};

// The demonstration plant on the simulated line, every regulator answering; KB-01 selected in
// the tree as the operator would.
void TestOkna::initTestCase()
{
    m_ustawienia = std::make_unique<UstawieniaTestowe>();
    const QString plik = m_katalog.filePath(u"kalbor.mdb"_qs);
    QVERIFY(UtworzBazeDemo(plik, 2, QDate(2003, 12, 18)).isEmpty());
    m_sim = std::make_unique<regsim::RegSimThread>();
    QVERIFY2(m_sim->startSim(), qPrintable(m_sim->errorString()));
    for (quint8 adres : {1, 2, 3, 5}) {
        regsim::RegulatorState r;
        r.address = adres;
        m_sim->sim()->addRegulator(r);
    }
    AppSettings::write(AppSettings::Port, m_sim->sim()->slavePath());
    m_zegar = std::make_unique<FastClock>(10);
    m_start = std::make_unique<StartUp>();
    m_start->uslugi().zegar = m_zegar.get();
    QCOMPARE(m_start->Uruchom(plik), 0);
    QVERIFY(QTest::qWaitForWindowExposed(&glowny()));

    auto* drzewo = podokno(u"Regulatory"_qs)->widget()->findChild<QTreeWidget*>();
    const QList<QTreeWidgetItem*> kb01 =
        drzewo->findItems(u"KB-01"_qs, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY(!kb01.isEmpty());
    drzewo->scrollToItem(kb01.first());
    QTest::mouseClick(drzewo->viewport(), Qt::LeftButton, {}, drzewo->visualItemRect(kb01.first()).center());
    QCOMPARE(m_start->uslugi().oApp->NrAktRegulatora, 1);
}

// The windows open for the whole run stay; every other one is closed after its row.
void TestOkna::cleanup()
{
    for (QMdiSubWindow* p : glowny().Obszar()->subWindowList()) {
        const QString tytul = p->widget()->windowTitle();
        if (tytul != u"Regulatory" && tytul != u"Alarmy")
            p->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QMdiSubWindow* TestOkna::podokno(const QString& tytul) const
{
    for (QMdiSubWindow* p : glowny().Obszar()->subWindowList())
        if (p->widget() && p->widget()->windowTitle() == tytul)
            return p;
    return nullptr;
}

void TestOkna::childWindowsOpenAtTheirDesignedSize_data()
{
    QTest::addColumn<QString>("akcja"); // menu item or toolbar key; empty: open from the start
    QTest::addColumn<QString>("tytul");
    QTest::addColumn<QSize>("projekt"); // designed inner size, twips; invalid: none stated
    QTest::addColumn<QString>("zrzut");
    const QSize archiwum(9315, 5175 + 500);
    const QSize dobowy(11280, 6435);
    QTest::newRow("regulator tree") << QString() << u"Regulatory"_qs << QSize(2895, 5055)
                                    << u"regulatory.png"_qs;
    QTest::newRow("current alarms") << QString() << u"Alarmy"_qs << QSize(11325, 1755)
                                    << u"alarmy_biezace.png"_qs;
    QTest::newRow("alarm archive") << u"mnuNarzAlarmy"_qs << u"Archiwum alarmów"_qs << archiwum
                                   << u"archiwum.png"_qs;
    QTest::newRow("alarms of the day")
        << u"mnuRegulAlarmy"_qs << u"Archiwum alarmów"_qs << archiwum << u"alarmy_z_doby.png"_qs;
    QTest::newRow("daily chart") << u"mnuWykresDob"_qs << u"Wykres dobowy"_qs << dobowy
                                 << u"wykres_dobowy.png"_qs;
    QTest::newRow("daily chart, drawn")
        << u"mnyRegWykrDob"_qs << u"Wykres dobowy"_qs << dobowy << u"wykres_z_doby.png"_qs;
    QTest::newRow("daily chart, toolbar")
        << u"Wykresy"_qs << u"Wykres dobowy"_qs << dobowy << u"wykres_dobowy_pasek.png"_qs;
    QTest::newRow("periodic chart") << u"mnuWykresMies"_qs << u"Wykres okresowy"_qs << QSize(10485, 5745)
                                    << u"wykres_okresowy.png"_qs;
    QTest::newRow("plant structure") << u"mnuStruktura"_qs << u"Struktura"_qs << QSize(2895, 5055)
                                     << u"struktura.png"_qs;
    QTest::newRow("front panel") << u"Panel"_qs << u"Regulator 'KB-01'"_qs << QSize(3510, 2805)
                                 << u"panel_glowny.png"_qs;
    QTest::newRow("data window") << u"Dane"_qs << u"Dane regulatora 'KB-01'"_qs << QSize(2910, 3840)
                                 << u"dane_glowny.png"_qs;
    QTest::newRow("daily report") << u"mnuRaportyDobowy"_qs << u"Raport dobowy"_qs << QSize()
                                  << u"raport_dobowy.png"_qs;
    QTest::newRow("periodic report") << u"mnuRapOkresowy"_qs << u"Raport okresowy"_qs << QSize()
                                     << u"raport_okresowy.png"_qs;
    QTest::newRow("record editor") << u"mnuRegulEdytuj"_qs << u"Regulator"_qs << QSize()
                                   << u"regulator.png"_qs;
}

void TestOkna::childWindowsOpenAtTheirDesignedSize()
{
    QFETCH(QString, akcja);
    QFETCH(QString, tytul);
    QFETCH(QSize, projekt);
    QFETCH(QString, zrzut);
    if (!akcja.isEmpty()) {
        auto* a = glowny().findChild<QAction*>(akcja);
        QVERIFY(a);
        a->trigger();
    }
    QMdiSubWindow* p = podokno(tytul);
    QVERIFY(p);
    QVERIFY(QTest::qWaitForWindowExposed(&glowny()));
    QTRY_VERIFY(p->isVisible());
    sprawdzRozmiar(p->widget(), projekt);
    QVERIFY2(tytulSieMiesci(p), qPrintable(p->windowTitle()));
    zapiszObraz(p->grab(), zrzut);
}

// Each child window opened while the others stay open, as an operator leaves them, lies inside
// the visible part of the area, which has no scroll bars.
void TestOkna::childWindowsOpenInsideTheVisibleArea()
{
    const QRect widok(QPoint(0, 0), glowny().Obszar()->viewport()->size());
    for (const char* akcja : {"Panel", "Dane", "mnuStruktura", "mnuNarzAlarmy", "mnuRaportyDobowy",
                              "mnuWykresDob", "mnuWykresMies", "mnuRapOkresowy", "mnuRegulEdytuj"}) {
        glowny().findChild<QAction*>(QString::fromLatin1(akcja))->trigger();
        const QMdiSubWindow* p = glowny().Obszar()->activeSubWindow();
        QVERIFY2(widok.contains(p->geometry()), qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 outside %6x%7")
                                                               .arg(p->windowTitle())
                                                               .arg(p->x())
                                                               .arg(p->y())
                                                               .arg(p->width())
                                                               .arg(p->height())
                                                               .arg(widok.width())
                                                               .arg(widok.height())));
    }
}

// The plant structure and the report parameter windows: one size, no minimise or maximise, and
// closed by the close box, Ctrl+F4 or "Zamknij" of the window menu; opened again afterwards.
void TestOkna::fixedChildWindowsCloseEveryWay_data()
{
    QTest::addColumn<QString>("akcja");
    QTest::addColumn<QString>("tytul");
    QTest::addColumn<QString>("sposob");
    for (const char* sposob : {"close box", "Ctrl+F4", "Zamknij"})
        QTest::addRow("plant structure, %s", sposob) << u"mnuStruktura"_qs << u"Struktura"_qs << sposob;
    QTest::newRow("daily report") << u"mnuRaportyDobowy"_qs << u"Raport dobowy"_qs << u"Zamknij"_qs;
    QTest::newRow("periodic report") << u"mnuRapOkresowy"_qs << u"Raport okresowy"_qs << u"Zamknij"_qs;
}

void TestOkna::fixedChildWindowsCloseEveryWay()
{
    QFETCH(QString, akcja);
    QFETCH(QString, tytul);
    QFETCH(QString, sposob);
    for (int raz = 0; raz < 2; ++raz) {
        glowny().findChild<QAction*>(akcja)->trigger();
        QMdiSubWindow* p = podokno(tytul);
        QVERIFY(p);
        QTRY_VERIFY(p->isVisible());
        sprawdzStalyRozmiar(p);
        QCOMPARE(menuOkna(p), QStringList({"Przenieś", "Rozmiar", "Pozostaw na wierzchu", "Zamknij"}));
        if (sposob == u"close box") {
            const QStyleOptionTitleBar o = pasekTytulu(p);
            const QPoint x = p->style()
                                 ->subControlRect(QStyle::CC_TitleBar, &o, QStyle::SC_TitleBarCloseButton, p)
                                 .center();
            // The sub-window takes the button under the mouse from the last move.
            QMouseEvent ruch(QEvent::MouseMove, x, p->mapToGlobal(x), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(p, &ruch);
            QTest::mouseClick(p, Qt::LeftButton, {}, x);
        } else if (sposob == u"Ctrl+F4") {
            glowny().activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&glowny()));
            QTest::keyClick(p->widget(), Qt::Key_F4, Qt::ControlModifier);
        } else {
            const QList<QAction*> pozycje = p->systemMenu()->actions();
            const auto zamknij = std::find_if(pozycje.begin(), pozycje.end(), [](QAction* a) {
                return a->text().remove(u'&') == u"Zamknij";
            });
            QVERIFY(zamknij != pozycje.end());
            (*zamknij)->trigger();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(!podokno(tytul), qPrintable(sposob));
    }
}

void TestOkna::dialogs_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<bool>("staly");
    QTest::newRow("options") << u"opcje"_qs << true;
    QTest::newRow("login") << u"login"_qs << true;
    QTest::newRow("about") << u"o_programie"_qs << false;
}

// The options through their menu item; the login as control mode shows it, but without its
// modal loop; the about box as its menu item shows it.
void TestOkna::dialogs()
{
    QFETCH(QString, nazwa);
    QFETCH(bool, staly);
    std::unique_ptr<QWidget> wlasne;
    QWidget* okno = nullptr;
    if (nazwa == u"opcje") {
        glowny().findChild<QAction*>(u"mnuNarzOpcje"_qs)->trigger();
        okno = glowny().findChild<frmOptions*>();
    } else if (nazwa == u"login") {
        wlasne = std::make_unique<fmLogin>(m_start->uslugi(), &glowny());
        okno = wlasne.get();
        okno->show();
    } else {
        glowny().findChild<QAction*>(u"mnuPomocOProgramie"_qs)->trigger();
        okno = glowny().findChild<frmSplash*>();
    }
    QVERIFY(okno);
    QVERIFY(QTest::qWaitForWindowExposed(okno));
    sprawdzRozmiar(okno, QSize());
    if (staly)
        sprawdzStalyRozmiar(okno);
    zapiszObraz(okno->grab(), nazwa + u".png"_qs);
    okno->close();
}

// The main window with its tree and current alarms, then each menu of the bar and each pop-up
// menu opened over it, drawn where it drops down.
void TestOkna::mainWindowAndMenus()
{
    fmGlowny& okno = glowny();
    zapiszObraz(okno.grab(), u"glowny.png"_qs);
    QMenuBar* pasek = okno.menuBar();
    QList<QMenu*> menu;
    for (QAction* a : pasek->actions())
        if (a->menu())
            menu << a->menu();
    menu << okno.Menu().Podreczne(MenuPodreczne::Baza) << okno.findChild<QMenu*>(u"mnuStr"_qs);
    QVERIFY(menu.size() >= 8);
    for (QMenu* m : menu) {
        const QRect miejsce = pasek->actionGeometry(m->menuAction());
        const QPoint gdzie = miejsce.isValid() ? pasek->mapTo(&okno, miejsce.bottomLeft()) : QPoint(200, 200);
        m->popup(okno.mapToGlobal(gdzie));
        QVERIFY(QTest::qWaitForWindowExposed(m));
        QPixmap obraz = okno.grab();
        QPainter(&obraz).drawPixmap(gdzie, m->grab());
        zapiszObraz(obraz, u"menu_"_qs + m->objectName() + u".png"_qs);
        m->hide();
    }
}

// Qt's own texts in the program's windows are Polish whatever the machine's language: the
// standard buttons, the date pickers and their calendars.
void TestOkna::qtOwnTextsArePolish_data()
{
    QTest::addColumn<Tekst>("tekst");
    QTest::addColumn<QString>("oczekiwany");
    const auto data = [this] {
        glowny().findChild<QAction*>(u"mnuNarzAlarmy"_qs)->trigger();
        auto* pole = podokno(u"Archiwum alarmów"_qs)->widget()->findChild<QDateEdit*>(u"dtData"_qs);
        pole->setDate(QDate(2026, 12, 8));
        return pole;
    };
    QTest::newRow("exit question") << Tekst([this] {
        QStringList przyciski;
        QTimer::singleShot(0, [&przyciski] {
            auto* pytanie = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(pytanie);
            for (QAbstractButton* b : pytanie->buttons())
                przyciski << b->text();
            pytanie->button(QMessageBox::Cancel)->click();
        });
        glowny().findChild<QAction*>(u"mnuKoniec"_qs)->trigger();
        return przyciski.join(u',');
    }) << u"OK,Anuluj"_qs;
    QTest::newRow("date picker") << Tekst([data] { return data()->text(); }) << u"8.12.2026"_qs;
    QTest::newRow("its calendar") << Tekst([data] {
        QCalendarWidget* kalendarz = data()->calendarWidget();
        kalendarz->setCurrentPage(2026, 12);
        return kalendarz->findChild<QToolButton*>(u"qt_calendar_monthbutton"_qs)->text();
    }) << u"grudzień"_qs;
}

// Under an English machine locale, which the program must not follow here.
void TestOkna::qtOwnTextsArePolish()
{
    QFETCH(Tekst, tekst);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString t = tekst();
    QLocale::setDefault(QLocale::system());
    QTEST(t, "oczekiwany");
}

KALBOR_TEST_OKIEN(TestOkna)
#include "tst_okna.moc"
