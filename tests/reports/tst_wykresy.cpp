// The chart windows: the rows, labels and titles charted from known readings (day and period
// bounds, missing values, tg fi of the day's sums), the regulator choice, the arrows, the grid
// switch and the main window's items that open them.
#include "BazaDemo.h"
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
        const QVariant brak;
        const QList<QVariantList> pomiary = {
            {7, "2024-01-31 10:00:00", 8, 2},     {7, "2024-02-29 23:59:00", 1, 1},
            {7, "2024-03-01 00:00:00", 10, 5},    {7, "2024-03-01 00:15:00", 0, 4},
            {7, "2024-03-01 12:30:00", 30, brak}, {7, "2024-03-01 23:59:59", 20, 10},
            {7, "2024-03-02 00:00:00", 99, 99},   {1, "2024-03-01 08:00:00", 500, 500},
            {7, "2024-03-03 10:00:00", brak, brak}, {7, "2024-03-04 10:00:00", 10, 5},
            {7, "2024-03-04 11:00:00", 30, 5}};
        QSqlQuery q(s.baza->db());
        q.prepare(QStringLiteral("INSERT INTO Pomiary (Adres, Data, EnCzynna, EnBiernaCalk) VALUES (?, ?, ?, ?)"));
        for (const QVariantList& p : pomiary) {
            for (const QVariant& v : p)
                q.addBindValue(v);
            QVERIFY(q.exec());
        }
    }
    Srodowisko s;
};

QString liczba(const std::optional<double>& v)
{
    return v ? QString::number(*v) : QStringLiteral("-");
}

// "label value..." per chart row, "-" for a cell without a value.
QStringList opis(const Wykres& w)
{
    QStringList wiersze;
    for (int r = 1; r <= w.RowCount(); ++r) {
        QStringList komorki{w.RowLabel(r)};
        for (int c = 1; c <= w.ColumnCount(); ++c)
            komorki << liczba(w.Data(r, c));
        wiersze << komorki.join(u' ');
    }
    return wiersze;
}

QStringList kolumny(const Wykres& w)
{
    QStringList k;
    for (int c = 1; c <= w.ColumnCount(); ++c)
        k << w.ColumnLabel(c);
    return k;
}

template <typename T> T* element(QWidget* okno, const char* nazwa)
{
    T* e = okno->findChild<T*>(QLatin1String(nazwa));
    Q_ASSERT(e);
    return e;
}

void ustaw(QWidget* okno, int regulator, int wielkosc, QDate od, QDate doDnia)
{
    element<QComboBox>(okno, "cmbRegul")->setCurrentIndex(regulator);
    element<QComboBox>(okno, "cmbWyswietl")->setCurrentIndex(wielkosc);
    element<QDateEdit>(okno, "dtData")->setDate(od);
    if (auto* koniec = okno->findChild<QDateEdit*>(QStringLiteral("dtDataDo")))
        koniec->setDate(doDnia);
}

std::unique_ptr<WykresOkno> nowe(bool okresowy, Uslugi& uslugi)
{
    if (okresowy)
        return std::make_unique<fmWykresy2>(uslugi);
    return std::make_unique<fmWykresy1>(uslugi);
}

void zapiszZrzut(QWidget* okno, const QString& nazwa)
{
    okno->show();
    QVERIFY(QTest::qWaitForWindowExposed(okno));
    const QString katalog = QCoreApplication::applicationDirPath() + QStringLiteral("/../../screenshots/reports");
    QVERIFY(QDir().mkpath(katalog));
    QVERIFY(okno->grab().save(katalog + u'/' + nazwa));
}

const QDate k1Marca(2024, 3, 1);

} // namespace

class TestWykresy : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void okno_data();
    void okno();
    void strzalki_data();
    void strzalki();
    void siatka_data();
    void siatka();
    void menuGlowne();
    void zrzuty();
};

void TestWykresy::okno_data()
{
    QTest::addColumn<bool>("okresowy");
    QTest::addColumn<int>("wielkosc");
    QTest::addColumn<QDate>("od");
    QTest::addColumn<QDate>("doDnia");
    QTest::addColumn<QString>("tytul");
    QTest::addColumn<QString>("osWartosci");
    QTest::addColumn<QStringList>("kolumny");
    QTest::addColumn<QStringList>("wiersze");
    const QStringList energie{"Energia czynna", "Energia bierna"};
    QTest::newRow("doba, energia") << false << 0 << k1Marca << k1Marca
        << "Zużycie energi dla 'KB-02' z dnia 01/03/2024" << "Energia [kWh]" << energie
        << QStringList{"00:00 10 5", "00:15 0 4", "12:30 - -", "23:59 20 10"};
    QTest::newRow("doba, tg fi") << false << 1 << k1Marca << k1Marca
        << "Wykres tg fi dla 'KB-02' z dnia 01/03/2024" << "tg fi" << QStringList{"tg fi"}
        << QStringList{"00:00 0.5", "00:15 -", "12:30 -", "23:59 0.5"};
    QTest::newRow("okres przez koniec miesiąca, ostatni dzień włącznie") << true << 0 << QDate(2024, 2, 29)
        << k1Marca << "Zużycie energi dla 'KB-02' za okres od 29/02/2024 do 01/03/2024" << "wartość"
        << energie << QStringList{"29/02/24 1 1", "01/03/24 60 19"};
    QTest::newRow("okres, tg fi z sum dnia") << true << 1 << QDate(2024, 3, 3) << QDate(2024, 3, 4)
        << "Wykres tg fi dla 'KB-02' za okres od 03/03/2024 do 04/03/2024" << "wartość" << QStringList{"tg fi"}
        << QStringList{"03/03/24 -", "04/03/24 0.25"};
}

void TestWykresy::okno()
{
    QFETCH(bool, okresowy);
    QFETCH(int, wielkosc);
    QFETCH(QDate, od);
    QFETCH(QDate, doDnia);
    QFETCH(QString, tytul);
    QFETCH(QStringList, wiersze);
    Odczyty b;
    const std::unique_ptr<WykresOkno> okno = nowe(okresowy, b.s.uslugi);
    ustaw(okno.get(), 1, wielkosc, od, doDnia);
    okno->btnWykresl_Click();
    const Wykres& w = *element<Wykres>(okno.get(), "Wykres");
    QCOMPARE(w.TitleText(), tytul);
    QCOMPARE(w.AxisTitle(Wykres::Os::Kategorii), QStringLiteral("czas"));
    QTEST(w.AxisTitle(Wykres::Os::Wartosci), "osWartosci");
    QTEST(kolumny(w), "kolumny");
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
             qsizetype(wiersze.size()));
}

void TestWykresy::strzalki_data()
{
    QTest::addColumn<bool>("okresowy");
    QTest::addColumn<QString>("przycisk");
    QTest::addColumn<QDate>("od");
    QTest::addColumn<QDate>("doDnia");
    QTest::addColumn<QDate>("noweOd");
    QTest::addColumn<QDate>("noweDo");
    QTest::addColumn<int>("wierszy");
    QTest::newRow("2 marca wstecz") << false << "btnLewo" << QDate(2024, 3, 2) << QDate() << k1Marca << QDate() << 4;
    QTest::newRow("31 grudnia naprzód") << false << "btnPrawo" << QDate(2023, 12, 31) << QDate() << QDate(2024, 1, 1)
                                        << QDate() << 0;
    QTest::newRow("styczeń naprzód") << true << "btnPrawo" << QDate(2024, 1, 1) << QDate(2024, 1, 31)
                                     << QDate(2024, 2, 1) << QDate(2024, 2, 29) << 1;
    QTest::newRow("luty wstecz") << true << "btnLewo" << QDate(2024, 2, 1) << QDate(2024, 2, 29) << QDate(2024, 1, 1)
                                 << QDate(2024, 1, 29) << 0;
}

// The arrows move the dates and draw at once.
void TestWykresy::strzalki()
{
    QFETCH(bool, okresowy);
    QFETCH(QString, przycisk);
    QFETCH(QDate, od);
    QFETCH(QDate, doDnia);
    QFETCH(QDate, noweOd);
    QFETCH(QDate, noweDo);
    QFETCH(int, wierszy);
    Odczyty b;
    const std::unique_ptr<WykresOkno> okno = nowe(okresowy, b.s.uslugi);
    ustaw(okno.get(), 1, 0, od, doDnia);
    element<QPushButton>(okno.get(), qPrintable(przycisk))->click();
    QCOMPARE(element<QDateEdit>(okno.get(), "dtData")->date(), noweOd);
    if (okresowy)
        QCOMPARE(element<QDateEdit>(okno.get(), "dtDataDo")->date(), noweDo);
    QCOMPARE(element<Wykres>(okno.get(), "Wykres")->RowCount(), wierszy);
}

void TestWykresy::siatka_data()
{
    QTest::addColumn<QString>("wybor");
    QTest::addColumn<bool>("kategorii");
    QTest::addColumn<bool>("wartosci");
    QTest::newRow("XY") << "XY" << true << true;
    QTest::newRow("X") << "X" << true << false;
    QTest::newRow("Y") << "Y" << false << true;
    QTest::newRow("brak") << "brak" << false << false;
}

void TestWykresy::siatka()
{
    QFETCH(QString, wybor);
    QFETCH(bool, kategorii);
    QFETCH(bool, wartosci);
    Odczyty b;
    fmWykresy1 okno(b.s.uslugi);
    const Wykres& w = *element<Wykres>(&okno, "Wykres");
    QVERIFY(!w.AxisGrid(Wykres::Os::Kategorii) && w.AxisGrid(Wykres::Os::Wartosci));
    element<QComboBox>(&okno, "cmbSiatka")->setCurrentText(wybor);
    QCOMPARE(w.AxisGrid(Wykres::Os::Kategorii), kategorii);
    QCOMPARE(w.AxisGrid(Wykres::Os::Wartosci), wartosci);
}

// The menu and the toolbar only show (the current regulator chosen); the regulator item draws
// at once with the window's own choices; an open window is brought forward, never opened twice.
void TestWykresy::menuGlowne()
{
    Odczyty b;
    PortQt port;
    fmGlowny glowny(b.s.uslugi, port);
    const auto okna = [&glowny] { return glowny.Obszar()->subWindowList(); };
    const auto akcja = [&glowny](const char* nazwa) { return glowny.findChild<QAction*>(QLatin1String(nazwa)); };

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
    QCOMPARE(opis(w), QStringList{"08:00 500 500"});

    akcja("mnuWykresMies")->trigger();
    QCOMPARE(okna().size(), 2);
    QVERIFY(qobject_cast<fmWykresy2*>(okna().back()->widget()));
}

// Both windows over a week of demonstration readings, looked at by eye.
void TestWykresy::zrzuty()
{
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("kalbor.mdb"));
    const QDate dzis(2003, 12, 17);
    QVERIFY(UtworzBazeDemo(plik, 7, dzis).isEmpty());
    Srodowisko s(plik);
    s.wczytaj();
    s.app->NrAktRegulatora = 1;

    fmWykresy1 dobowy(s.uslugi);
    ustaw(&dobowy, 0, 0, dzis.addDays(-1), {});
    element<QCheckBox>(&dobowy, "chkLegenda")->setChecked(true);
    dobowy.btnWykresl_Click();
    QVERIFY(element<Wykres>(&dobowy, "Wykres")->RowCount() > 90);
    zapiszZrzut(&dobowy, QStringLiteral("fmWykresy1.png"));

    fmWykresy2 okresowy(s.uslugi);
    ustaw(&okresowy, 0, 1, dzis.addDays(-7), dzis.addDays(-1));
    okresowy.btnWykresl_Click();
    QCOMPARE(element<Wykres>(&okresowy, "Wykres")->RowCount(), 7);
    zapiszZrzut(&okresowy, QStringLiteral("fmWykresy2.png"));
}

QTEST_MAIN(TestWykresy)
#include "tst_wykresy.moc"
