// The chart windows: the rows, labels and titles charted from known readings (day and period
// bounds, missing values, tg fi of the day's sums), the regulator choice, the arrows, the grid
// switch and the main window's items that open them.
#include "BazaDemo.h"
#include "GlownaTestuOkien.h"
#include "MenuGlowne.h"
#include "PortQt.h"
#include "TestSupport.h"
#include "Wykres.h"
#include "fmGlowny.h"
#include "fmWykresy1.h"
#include "fmWykresy2.h"

#include <QAction>
#include <QCategoryAxis>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGraphicsTextItem>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>

namespace {

// KB-01 at address 1 and KB-02 at address 7, KB-02 current. Address 7 has, around 1 March 2024:
// the edges of the day, a reading without active energy, one without reactive energy, a day
// whose readings hold no energy at all and a day of two readings for the quotient of sums.
struct Odczyty
{
    Odczyty()
    {
        s.dodajRegulator(QStringLiteral("KB-01"), 1);
        s.dodajRegulator(QStringLiteral("KB-02"), 7);
        s.wczytaj();
        s.app->NrAktRegulatora = 2;
        QVERIFY(QSqlQuery(s.baza->db())
                    .exec(u"INSERT INTO Pomiary (Adres, Data, EnCzynna, EnBiernaCalk) VALUES "
                          "(7, '2024-01-31 10:00:00', 8, 2), (7, '2024-02-29 23:59:00', 1, 1), "
                          "(7, '2024-03-01 00:00:00', 10, 5), (7, '2024-03-01 00:15:00', 0, 4), "
                          "(7, '2024-03-01 12:30:00', 30, NULL), (7, '2024-03-01 23:59:59', 20, 10), "
                          "(7, '2024-03-02 00:00:00', 99, 99), (1, '2024-03-01 08:00:00', 500, 500), "
                          "(7, '2024-03-03 10:00:00', NULL, NULL), (7, '2024-03-04 10:00:00', 10, 5), "
                          "(7, '2024-03-04 11:00:00', 30, 5)"_qs));
    }
    Srodowisko s;
};

// The column labels joined by '|', then "label value..." per chart row, "-" for no value.
QStringList opis(const Wykres& w)
{
    QStringList kolumny, wiersze;
    for (int c = 1; c <= w.ColumnCount(); ++c)
        kolumny << w.ColumnLabel(c);
    wiersze << kolumny.join(u'|');
    for (int r = 1; r <= w.RowCount(); ++r) {
        QStringList komorki{w.RowLabel(r)};
        for (int c = 1; c <= w.ColumnCount(); ++c)
            komorki << (w.Data(r, c) ? QString::number(*w.Data(r, c)) : QStringLiteral("-"));
        wiersze << komorki.join(u' ');
    }
    return wiersze;
}

template <typename T> T* element(QWidget* okno, const char* nazwa)
{
    return okno->findChild<T*>(QLatin1String(nazwa));
}

// The period shown: "from" or "from..to".
QString daty(QWidget* okno)
{
    const auto* koniec = okno->findChild<QDateEdit*>(QStringLiteral("dtDataDo"));
    return element<QDateEdit>(okno, "dtData")->date().toString(Qt::ISODate) +
           (koniec ? u".."_qs + koniec->date().toString(Qt::ISODate) : QString());
}

void ustaw(QWidget* okno, int regulator, int wielkosc, QDate od, QDate doDnia)
{
    element<QComboBox>(okno, "cmbRegul")->setCurrentIndex(regulator);
    element<QComboBox>(okno, "cmbWyswietl")->setCurrentIndex(wielkosc);
    element<QDateEdit>(okno, "dtData")->setDate(od);
    if (auto* koniec = okno->findChild<QDateEdit*>(QStringLiteral("dtDataDo")))
        koniec->setDate(doDnia);
}

void zapiszZrzut(QWidget* okno, const QString& nazwa)
{
    okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(okno));
    const QString katalog =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../../screenshots/reports");
    QVERIFY(QDir().mkpath(katalog));
    QVERIFY(okno->grab().save(katalog + u'/' + nazwa));
}

const QDate k1Marca(2024, 3, 1);

// The shown texts of the chart that stand under its plot area: row labels and axis title.
QStringList podWykresem(const Wykres& w)
{
    QStringList teksty;
    for (const QGraphicsItem* i : w.scene()->items())
        if (auto* t = dynamic_cast<const QGraphicsTextItem*>(i);
            t && t->isVisible() && t->sceneBoundingRect().top() >= w.chart()->plotArea().bottom())
            teksty << t->toPlainText();
    return teksty;
}

} // namespace

class TestWykresy : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void okno_data();
    void okno();
    void siatka();
    void menuGlowne();
    void zrzuty();
};

// "Wykresl" draws the dates shown; the arrows move them a day or a month and draw at once (a
// period without readings leaves the blank chart as it was).
void TestWykresy::okno_data()
{
    QTest::addColumn<bool>("okresowy");
    QTest::addColumn<int>("wielkosc");
    QTest::addColumn<QDate>("od");
    QTest::addColumn<QDate>("doDnia");
    QTest::addColumn<QString>("przycisk");
    QTest::addColumn<QString>("daty");
    QTest::addColumn<QString>("tytul");
    QTest::addColumn<QString>("osie"); // time|values
    QTest::addColumn<QStringList>("wiersze");
    const QString energie = u"Energia czynna|Energia bierna"_qs,
                  doba = u"Zużycie energi dla 'KB-02' z dnia "_qs,
                  okres = u"Zużycie energi dla 'KB-02' za okres od "_qs;
    const QStringList marzec1{energie, "00:00 10 5", "00:15 0 4", "12:30 - -", "23:59 20 10"};
    QTest::newRow("doba, energia") << false << 0 << k1Marca << k1Marca << "btnWykresl"
                                   << "2024-03-01" << doba + u"01/03/2024"_qs << "czas|Energia [kWh]"
                                   << marzec1;
    QTest::newRow("doba, tg fi") << false << 1 << k1Marca << k1Marca << "btnWykresl"
                                 << "2024-03-01"
                                 << "Wykres tg fi dla 'KB-02' z dnia 01/03/2024"
                                 << "czas|tg fi"
                                 << QStringList{"tg fi", "00:00 0.5", "00:15 -", "12:30 -", "23:59 0.5"};
    QTest::newRow("okres przez koniec miesiąca, ostatni dzień włącznie")
        << true << 0 << QDate(2024, 2, 29) << k1Marca << "btnWykresl"
        << "2024-02-29..2024-03-01" << okres + u"29/02/2024 do 01/03/2024"_qs << "czas|wartość"
        << QStringList{energie, "29/02/24 1 1", "01/03/24 60 19"};
    QTest::newRow("okres, tg fi z sum dnia")
        << true << 1 << QDate(2024, 3, 3) << QDate(2024, 3, 4) << "btnWykresl"
        << "2024-03-03..2024-03-04"
        << "Wykres tg fi dla 'KB-02' za okres od 03/03/2024 do 04/03/2024"
        << "czas|wartość" << QStringList{"tg fi", "03/03/24 -", "04/03/24 0.25"};
    QTest::newRow("2 marca wstecz") << false << 0 << QDate(2024, 3, 2) << QDate() << "btnLewo"
                                    << "2024-03-01" << doba + u"01/03/2024"_qs << "czas|Energia [kWh]"
                                    << marzec1;
    QTest::newRow("31 grudnia naprzód") << false << 0 << QDate(2023, 12, 31) << QDate() << "btnPrawo"
                                        << "2024-01-01" << QString() << "|" << QStringList{QString()};
    QTest::newRow("styczeń naprzód") << true << 0 << QDate(2024, 1, 1) << QDate(2024, 1, 31) << "btnPrawo"
                                     << "2024-02-01..2024-02-29" << okres + u"01/02/2024 do 29/02/2024"_qs
                                     << "czas|wartość" << QStringList{energie, "29/02/24 1 1"};
    QTest::newRow("luty wstecz") << true << 0 << QDate(2024, 2, 1) << QDate(2024, 2, 29) << "btnLewo"
                                 << "2024-01-01..2024-01-29" << QString() << "|" << QStringList{QString()};
}

void TestWykresy::okno()
{
    QFETCH(bool, okresowy);
    QFETCH(int, wielkosc);
    QFETCH(QDate, od);
    QFETCH(QDate, doDnia);
    QFETCH(QString, przycisk);
    QFETCH(QString, tytul);
    QFETCH(QStringList, wiersze);
    Odczyty b;
    const std::unique_ptr<WykresOkno> okno(okresowy ? static_cast<WykresOkno*>(new fmWykresy2(b.s.uslugi))
                                                    : new fmWykresy1(b.s.uslugi));
    ustaw(okno.get(), 1, wielkosc, od, doDnia);
    element<QPushButton>(okno.get(), qPrintable(przycisk))->click();
    QTEST(daty(okno.get()), "daty");
    const Wykres& w = *element<Wykres>(okno.get(), "Wykres");
    QCOMPARE(w.TitleText(), tytul);
    QTEST(w.AxisTitle(Wykres::Os::Kategorii) + u'|' + w.AxisTitle(Wykres::Os::Wartosci), "osie");
    QCOMPARE(opis(w), wiersze);
    QVERIFY(element<QPushButton>(okno.get(), "btnWykresl")->isEnabled());

    // A period without readings writes nothing: the rows go, the title and the picture stay,
    // also through a resize.
    ustaw(okno.get(), 1, wielkosc, QDate(2024, 4, 1), QDate(2024, 4, 1));
    okno->btnWykresl_Click();
    okno->show();
    okno->resize(okno->size() + QSize(20, 0));
    QCOMPARE(w.RowCount(), 0);
    QCOMPARE(w.TitleText(), tytul);
    QCOMPARE(qobject_cast<QCategoryAxis*>(w.chart()->axes(Qt::Horizontal).front())->count(),
             qsizetype(wiersze.size() - 1));
}

// The grid switch: none along the time axis at first, then as chosen.
void TestWykresy::siatka()
{
    Odczyty b;
    fmWykresy1 okno(b.s.uslugi);
    const Wykres& w = *element<Wykres>(&okno, "Wykres");
    const auto stan = [&w] {
        return QString::number(w.AxisGrid(Wykres::Os::Kategorii)) +
               QString::number(w.AxisGrid(Wykres::Os::Wartosci));
    };
    QStringList siatki{stan()};
    for (const char* wybor : {"XY", "X", "Y", "brak"}) {
        element<QComboBox>(&okno, "cmbSiatka")->setCurrentText(QLatin1String(wybor));
        siatki << QLatin1String(wybor) + u' ' + stan();
    }
    QCOMPARE(siatki, (QStringList{"01", "XY 11", "X 10", "Y 01", "brak 00"}));
}

// The menu and the toolbar only show (the current regulator chosen); the regulator item draws
// at once with the window's own choices; an open window is brought forward, never opened twice.
void TestWykresy::menuGlowne()
{
    Odczyty b;
    PortQt port;
    fmGlowny glowny(b.s.uslugi, port);
    const auto okna = [&glowny] { return glowny.Obszar()->subWindowList(); };
    const auto akcja = [&glowny](const char* nazwa) {
        return glowny.findChild<QAction*>(QLatin1String(nazwa));
    };

    akcja("mnuWykresDob")->trigger();
    QCOMPARE(okna().size(), 1);
    auto* dobowy = qobject_cast<fmWykresy1*>(okna().front()->widget());
    QVERIFY(dobowy);
    const Wykres& w = *element<Wykres>(dobowy, "Wykres");
    QCOMPARE(w.RowCount(), 0);
    QCOMPARE(element<QComboBox>(dobowy, "cmbRegul")->currentText(), QStringLiteral("KB-02"));
    ustaw(dobowy, 0, 0, k1Marca, k1Marca);
    b.s.app->NrAktRegulatora = 2;
    akcja("mnyRegWykrDob")->trigger();
    glowny.Menu().ToolbarAction(QStringLiteral("Wykresy"), false);
    QCOMPARE(okna().size(), 1);
    QCOMPARE(opis(w), (QStringList{"Energia czynna|Energia bierna", "08:00 500 500"}));

    akcja("mnuWykresMies")->trigger();
    QCOMPARE(okna().size(), 2);
    QVERIFY(qobject_cast<fmWykresy2*>(okna().back()->widget()));
}

// Both windows over demonstration readings, looked at by eye. A window already shown
// has its time labels and the axis title under the plot as soon as it has drawn, before any
// other event.
void TestWykresy::zrzuty()
{
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("kalbor.mdb"));
    const QDate dzis(2003, 12, 17);
    QVERIFY(UtworzBazeDemo(plik, 40, dzis).isEmpty());
    Srodowisko s(plik);
    s.wczytaj();
    s.app->NrAktRegulatora = 1;

    fmWykresy1 dobowy(s.uslugi);
    ustaw(&dobowy, 0, 0, dzis.addDays(-1), {});
    element<QCheckBox>(&dobowy, "chkLegenda")->setChecked(true);
    dobowy.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dobowy));
    dobowy.btnWykresl_Click();
    const Wykres& wykres = *element<Wykres>(&dobowy, "Wykres");
    QVERIFY(wykres.RowCount() > 90);
    QVERIFY(podWykresem(wykres).contains(QStringLiteral("czas")));
    QVERIFY(podWykresem(wykres).contains(QStringLiteral("00:00")));
    zapiszZrzut(&dobowy, QStringLiteral("fmWykresy1.png"));

    fmWykresy2 okresowy(s.uslugi);
    ustaw(&okresowy, 0, 1, dzis.addDays(-7), dzis.addDays(-1));
    okresowy.btnWykresl_Click();
    QCOMPARE(element<Wykres>(&okresowy, "Wykres")->RowCount(), 7);
    zapiszZrzut(&okresowy, QStringLiteral("fmWykresy2.png"));

    // At the designed size, with the legend taking its room, the energy of 40 days still
    // writes every day it labels in full.
    ustaw(&okresowy, 0, 0, dzis.addDays(-40), dzis.addDays(-1));
    element<QCheckBox>(&okresowy, "chkLegenda")->setChecked(true);
    okresowy.btnWykresl_Click();
    const QStringList podpisy = podWykresem(*element<Wykres>(&okresowy, "Wykres"));
    QVERIFY2(podpisy.size() > 5 && podpisy.filter(u"..."_qs).isEmpty(), qPrintable(podpisy.join(u' ')));
    zapiszZrzut(&okresowy, QStringLiteral("fmWykresy2_energia.png"));
}

KALBOR_TEST_OKIEN(TestWykresy)
#include "tst_wykresy.moc"
