// The current-alarms window over the alarm register: row looks, acknowledgement, size and its
// place in the main window's area.
#include "GlownaTestuOkien.h"
#include "ListaAlarmow.h"
#include "ModelAlarmow.h"
#include "ObrazkiOkien.h"
#include "OknaTestowe.h"
#include "TestSupport.h"
#include "Twipy.h"
#include "fmAlarmyN.h"

#include <QAbstractItemModelTester>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSqlQuery>
#include <QTest>

namespace {
// Two regulators loaded as at start-up, with the window showing the register.
struct Stanowisko : StanowiskoOkien
{
    Stanowisko()
    {
        okno = std::make_unique<fmAlarmyN>(s.uslugi);
        okno->show();
        lista = okno->findChild<ListaAlarmow*>(QStringLiteral("lstAlarmy"));
    }

    QVariant dane(int wiersz, int rola, int kolumna = 0) const
    {
        return lista->model()->index(wiersz, kolumna).data(rola);
    }

    // A real double-click: the first press selects the row, the second one acknowledges it.
    void dwuklik(int wiersz) const
    {
        const QPoint srodek = lista->visualRect(lista->model()->index(wiersz, 1)).center();
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, srodek);
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, srodek);
    }

    // Data_potw and data_dezakt of an alarm's row in Alarmy are filled.
    std::pair<bool, bool> zapisanyStan(int wiersz) const
    {
        QSqlQuery q(s.baza->db());
        q.prepare(QStringLiteral("SELECT Data_potw, data_dezakt FROM Alarmy WHERE Id_alarmu = ?"));
        q.addBindValue(s.rejestr->Wiersz(wiersz + 1).IdAlarmu.trimmed().toInt());
        if (!q.exec() || !q.next())
            return {false, false};
        return {!q.value(0).isNull(), !q.value(1).isNull()};
    }

    std::unique_ptr<fmAlarmyN> okno;
    ListaAlarmow* lista = nullptr;
};

QImage obraz(const QVariant& ikona)
{
    return ikona.value<QIcon>().pixmap(16).toImage();
}

bool czerwony(const QVariant& pedzel)
{
    return pedzel.value<QBrush>().color() == QColor(Qt::red);
}
} // namespace

class TestAlarmy : public QObject
{
    Q_OBJECT
  private slots:
    void wyglad_data();
    void wyglad();
    void modelZgodnyZWidokami();
    void przewijanie();
    void rozmiarMinimalny();
    void podoknoBezZamykania();
    void legendaIZrzut();
};

// The four looks of the legend, reached by the operator's double-click and the alarm rules'
// clearing; each step is stored in the alarm's row and counted once, however often repeated.
void TestAlarmy::wyglad_data()
{
    QTest::addColumn<bool>("potwierdz");
    QTest::addColumn<bool>("dezaktywuj");
    QTest::addColumn<bool>("czerwony");
    QTest::addColumn<bool>("pogrubiony");
    QTest::newRow("aktywny, niepotwierdzony") << false << false << true << true;
    QTest::newRow("aktywny, potwierdzony") << true << false << true << false;
    QTest::newRow("nieaktywny, potwierdzony") << true << true << false << false;
    QTest::newRow("nieaktywny, niepotwierdzony") << false << true << false << true;
}

void TestAlarmy::wyglad()
{
    QFETCH(bool, potwierdz);
    QFETCH(bool, dezaktywuj);
    QFETCH(bool, czerwony);
    QFETCH(bool, pogrubiony);
    Stanowisko st;
    QVERIFY(QTest::qWaitForWindowExposed(st.okno.get()));
    st.s.rejestr->NowyAlarm(st.s.zegar.now(), 1, 100, u"KB-01"_qs);
    st.s.rejestr->NowyAlarm(st.s.zegar.now(), 2, 202, u" 410"_qs);
    if (dezaktywuj)
        st.s.rejestr->DezaktywujAlarm(2);
    for (int i = 0; i < (potwierdz ? 2 : 0); ++i)
        st.dwuklik(1);

    QVERIFY(st.dane(1, Qt::DisplayRole).toString().startsWith(u"17"));
    QCOMPARE(st.dane(1, Qt::DisplayRole, ModelAlarmow::Regulator).toString(), u"KB-02"_qs);
    QCOMPARE(st.dane(1, Qt::DisplayRole, ModelAlarmow::TrescAlarmu).toString(),
             u"Przekroczona wartość napięcia  410"_qs);
    for (int kolumna = 0; kolumna < ModelAlarmow::LiczbaKolumn; ++kolumna) {
        QCOMPARE(::czerwony(st.dane(1, Qt::ForegroundRole, kolumna)), czerwony);
        QCOMPARE(st.dane(1, Qt::FontRole, kolumna).value<QFont>().bold(), pogrubiony);
    }
    const QImage ikona = obraz(ikonaAlarmu(2));
    const QImage wygaszona = ikonaAlarmu(2).pixmap(16, QIcon::Disabled).toImage();
    QVERIFY(ikona != wygaszona);
    QCOMPARE(obraz(st.dane(1, Qt::DecorationRole)), dezaktywuj ? wygaszona : ikona);
    QVERIFY(!st.dane(1, Qt::DecorationRole, ModelAlarmow::TrescAlarmu).isValid());
    QCOMPARE(st.zapisanyStan(1), std::make_pair(potwierdz, dezaktywuj));
    QCOMPARE(st.s.app->IloscAktywnychAlarmow, dezaktywuj ? 1 : 2);
    QCOMPARE(st.s.app->IloscNiePotwAlarmow, potwierdz ? 1 : 2);
    // The other row keeps its look.
    QVERIFY(::czerwony(st.dane(0, Qt::ForegroundRole)));
    QVERIFY(st.dane(0, Qt::FontRole).value<QFont>().bold());
    QCOMPARE(obraz(st.dane(0, Qt::DecorationRole)), obraz(ikonaAlarmu(1)));
}

// Rows arrive from the register after it has appended them; views must still see a
// consistent insertion.
void TestAlarmy::modelZgodnyZWidokami()
{
    Stanowisko st;
    ModelAlarmow model(*st.s.rejestr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    st.s.rejestr->NowyAlarm(st.s.zegar.now(), 1, 100, u"KB-01"_qs);
    st.s.rejestr->NowyAlarm(st.s.zegar.now(), 2, 203, u" 0.9"_qs);
    st.s.rejestr->DezaktywujAlarm(1);
    st.s.rejestr->Potwierdz(2);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.headerData(ModelAlarmow::TrescAlarmu, Qt::Horizontal).toString(), u"Tresc alarmu"_qs);
}

// More rows than the list shows: the keys move the current row and keep it in view, new rows
// come at the end without moving the view, and a double-click acknowledges the row under it.
void TestAlarmy::przewijanie()
{
    Stanowisko st;
    QVERIFY(QTest::qWaitForWindowExposed(st.okno.get()));
    for (int kod = 1; kod <= 30; ++kod)
        st.s.rejestr->NowyAlarm(st.s.zegar.now(), 1 + kod % 2, kod, {});
    st.lista->setFocus();
    QTest::keyClick(st.lista, Qt::Key_End);
    const QModelIndex ostatni = st.lista->model()->index(29, 0);
    QCOMPARE(st.lista->currentIndex(), ostatni);
    QVERIFY(st.lista->viewport()->rect().contains(st.lista->visualRect(ostatni)));
    QVERIFY(!st.lista->viewport()->rect().contains(st.lista->visualRect(st.lista->model()->index(0, 0))));
    QCOMPARE(st.lista->indexAt(st.lista->visualRect(ostatni).center()), ostatni);
    QTest::keyClick(st.lista, Qt::Key_Up);
    QCOMPARE(st.lista->currentIndex().row(), 28);

    const QRect przed = st.lista->visualRect(ostatni);
    st.s.rejestr->NowyAlarm(st.s.zegar.now(), 1, 31, {});
    QCOMPARE(st.lista->model()->rowCount(), 31);
    QCOMPARE(st.lista->visualRect(ostatni), przed);
    st.dwuklik(29);
    QCOMPARE(st.s.rejestr->Wiersz(30).Potwierdzony, u"T"_qs);
    QCOMPARE(st.s.app->IloscNiePotwAlarmow, 30);
    QTest::keyClick(st.lista, Qt::Key_Home);
    QVERIFY(st.lista->viewport()->rect().contains(st.lista->visualRect(st.lista->model()->index(0, 0))));
}

void TestAlarmy::rozmiarMinimalny()
{
    Stanowisko st;
    const QSize minimum = twipyNaPiksele(QSize(11325, 1755), st.okno.get());
    st.okno->resize(200, 50);
    QCOMPARE(st.okno->size(), minimum);

    const int szerokoscListy = st.lista->width();
    st.okno->resize(minimum + QSize(300, 200));
    QCOMPARE(st.lista->height(), st.okno->height());
    QCOMPARE(st.lista->width(), szerokoscListy);
    QCOMPARE(st.lista->header()->sectionSize(ModelAlarmow::Czas), twipyNaPiksele(2200, st.okno.get()));
}

void TestAlarmy::podoknoBezZamykania()
{
    Srodowisko s;
    QMdiArea obszar;
    obszar.resize(1200, 900);
    obszar.show();
    QPixmap wzor(16, 16);
    wzor.fill(Qt::yellow);
    QMdiSubWindow* podokno = fmAlarmyN::OtworzW(&obszar, s.uslugi, QIcon(wzor));

    QCOMPARE(podokno->windowTitle(), u"Alarmy"_qs);
    QCOMPARE(obraz(podokno->windowIcon()), wzor.toImage());
    QVERIFY(!podokno->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    for (QAction* akcja : podokno->systemMenu()->actions())
        QVERIFY2(!akcja->isVisible() || akcja->shortcut() != QKeySequence::Close, "close in the system menu");
    QCOMPARE(podokno->pos(), twipyNaPiksele(QRect(0, 5450, 0, 0), &obszar).topLeft());
    QVERIFY(!podokno->close());
    obszar.closeAllSubWindows();
    QVERIFY(podokno->isVisible());
    QCOMPARE(obszar.subWindowList().size(), 1);
}

void TestAlarmy::legendaIZrzut()
{
    Stanowisko st;
    QVERIFY(QTest::qWaitForWindowExposed(st.okno.get()));
    // The legend beside the list, inside the window.
    auto* legenda = st.okno->findChild<QGroupBox*>(QStringLiteral("Frame1"));
    QVERIFY(legenda->geometry().left() >= st.lista->geometry().right() - 2);
    QVERIFY(st.okno->rect().contains(legenda->geometry()));
    QStringList linie{legenda->title()};
    for (const QLabel* l : legenda->findChildren<QLabel*>())
        linie << l->text() + u' ' + l->palette().color(QPalette::WindowText).name() +
                     (l->font().bold() ? " b" : "");
    QCOMPARE(linie,
             QStringList({"Legenda", "aktywny, niepotwierdzony #ff0000 b", "aktywny, potwierdzony #ff0000",
                          "nieaktywny, potwierdzony #000000", "nieaktywny, niepotwierdzony #000000 b"}));

    // A bold red alarm, an acknowledged one and a cleared one, for the eye.
    st.s.rejestr->NowyAlarm(st.s.zegar.now(), 1, 100, u"KB-01"_qs);
    st.s.rejestr->NowyAlarm(st.s.zegar.now(), 2, 201, u" 25"_qs);
    st.s.rejestr->NowyAlarm(st.s.zegar.now(), 2, 202, u" 410"_qs);
    st.dwuklik(1);
    st.s.rejestr->DezaktywujAlarm(3);
    st.lista->clearSelection();
    zapiszObraz(st.okno->grab(), u"alarmy.png"_qs);
}

KALBOR_TEST_OKIEN(TestAlarmy)
#include "tst_alarmy.moc"
