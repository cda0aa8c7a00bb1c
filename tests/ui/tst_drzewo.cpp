// The regulator tree: its nodes and keys, the operator's clicks into the selection state, and the
// pictures and colours that the notification object and the alarm register put on its nodes.
#include "GlownaTestuOkien.h"
#include "ObrazkiDrzewa.h"
#include "OknaTestowe.h"
#include "TestSupport.h"
#include "clRegulator.h"
#include "clsWizual.h"
#include "fmRegulatory.h"

#include <QTest>
#include <QTreeWidget>

namespace {

// Two regulators, the tree shown and fully expanded, the notification object recording.
struct Drzewo
{
    explicit Drzewo(const QStringList& kody = {QStringLiteral("KB-01"), QStringLiteral("KB-02")})
    {
        int adres = 0;
        for (const QString& kod : kody)
            s.dodajRegulator(kod, ++adres);
        s.wczytaj();
        okno = std::make_unique<fmRegulatory>(s.uslugi, wizual);
        okno->PokazMenu = [this](MenuPodreczne m) { menu << int(m); };
        okno->show();
    }
    void kliknij(const QString& klucz, Qt::MouseButton przycisk)
    {
        okno->Tree()->expandAll();
        QTreeWidgetItem* wezel = okno->Wezel(klucz);
        QVERIFY2(wezel, qPrintable(klucz));
        okno->Tree()->scrollToItem(wezel);
        QTest::mouseClick(okno->Tree()->viewport(), przycisk, {},
                          okno->Tree()->visualItemRect(wezel).center());
    }

    Srodowisko s;
    Cisza cisza;
    clsWizual wizual{s.uslugi, cisza};
    std::unique_ptr<fmRegulatory> okno;
    QList<int> menu;
};

} // namespace

class TestDrzewo : public QObject
{
    Q_OBJECT
  private slots:
    void wezly_data();
    void wezly();
    void bezRegulatorow();
    void klikniecie_data();
    void klikniecie();
    void obrazyZNotyfikacji();
    void kolorAlarmu();
};

void TestDrzewo::wezly_data()
{
    QTest::addColumn<QString>("klucz");
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("obraz");
    QTest::addColumn<QString>("rodzic");
    QTest::newRow("root") << "Korzen"
                          << "System Kalbor" << 1 << "";
    QTest::newRow("group") << "Reg"
                           << "Regulatory" << 3 << "Korzen";
    QTest::newRow("regulator") << "KB-02"
                               << "KB-02" << 2 << "Reg";
    QTest::newRow("stage 1") << "KB-01_b 1"
                             << "stopień  1" << 6 << "KB-01";
    QTest::newRow("stage 9") << "KB-02_b 9"
                             << "stopień  9" << 6 << "KB-02";
}

void TestDrzewo::wezly()
{
    QFETCH(QString, klucz);
    QFETCH(QString, tekst);
    QFETCH(int, obraz);
    QFETCH(QString, rodzic);
    Drzewo d;
    const QTreeWidgetItem* wezel = d.okno->Wezel(klucz);
    QVERIFY(wezel);
    QCOMPARE(wezel->text(0), tekst);
    QCOMPARE(d.okno->ObrazWezla(klucz), obraz);
    QCOMPARE(wezel->parent(), d.okno->Wezel(rodzic));
    // Only the root and the group are open; a regulator's stages wait for the operator.
    QCOMPARE(d.okno->Wezel(QStringLiteral("Reg"))->childCount(), 2);
    QVERIFY(d.okno->Wezel(QStringLiteral("Reg"))->isExpanded());
    QVERIFY(!d.okno->Wezel(QStringLiteral("KB-01"))->isExpanded());
}

void TestDrzewo::bezRegulatorow()
{
    Drzewo d(QStringList{});
    QCOMPARE(d.okno->Tree()->topLevelItemCount(), 1);
    QTreeWidgetItem* grupa = d.okno->Wezel(QStringLiteral("Reg"));
    QCOMPARE(grupa->childCount(), 0);
    QVERIFY(grupa->isExpanded());
    QVERIFY(!d.okno->close());
}

void TestDrzewo::klikniecie_data()
{
    QTest::addColumn<QString>("klucz");
    QTest::addColumn<Qt::MouseButton>("przycisk");
    QTest::addColumn<QString>("wybor"); // NrAktRegulatora|AktElStruktury|AktTypEl|NrAktBaterii of KB-02
    QTest::addColumn<QStringList>("zdarzenia");
    QTest::addColumn<QList<int>>("menu");
    const auto R = int(MenuPodreczne::Regulator), B = int(MenuPodreczne::Baza),
               S = int(MenuPodreczne::Stopien);
    QTest::newRow("regulator") << "KB-02" << Qt::LeftButton << "2||R|0" << QStringList{"eZmianaRegulatora(2)"}
                               << QList<int>{};
    QTest::newRow("regulator, right")
        << "KB-02" << Qt::RightButton << "2||R|0" << QStringList{"eZmianaRegulatora(2)"} << QList<int>{R};
    // A stage of another regulator makes it current: the open windows show it first.
    QTest::newRow("stage 3 of another regulator")
        << "KB-02_b 3" << Qt::LeftButton << "2|E1|S|3"
        << QStringList{"eZmianaRegulatora(2)", "eZmianaBaterii(2,3)"} << QList<int>{};
    QTest::newRow("stage 9, right") << "KB-02_b 9" << Qt::RightButton << "2|E1|S|9"
                                    << QStringList{"eZmianaRegulatora(2)", "eZmianaBaterii(2,9)"}
                                    << QList<int>{S};
    QTest::newRow("stage 2 of the current regulator")
        << "KB-01_b 2" << Qt::LeftButton << "1|E1|S|0" << QStringList{"eZmianaBaterii(1,2)"} << QList<int>{};
    QTest::newRow("group") << "Reg" << Qt::LeftButton << "1|E1|S|0" << QStringList{} << QList<int>{};
    QTest::newRow("group, right") << "Reg" << Qt::RightButton << "1|E1|S|0" << QStringList{} << QList<int>{B};
    QTest::newRow("root, right") << "Korzen" << Qt::RightButton << "1|E1|S|0" << QStringList{}
                                 << QList<int>{};
}

void TestDrzewo::klikniecie()
{
    QFETCH(QString, klucz);
    QFETCH(Qt::MouseButton, przycisk);
    QFETCH(QString, wybor);
    QFETCH(QStringList, zdarzenia);
    QFETCH(QList<int>, menu);
    Drzewo d;
    clsoApp& app = *d.s.app;
    app.NrAktRegulatora = 1;
    app.AktElStruktury = QStringLiteral("E1");
    app.AktTypEl = QStringLiteral("S");
    d.kliknij(klucz, przycisk);
    const QString stan = QStringLiteral("%1|%2|%3|%4")
                             .arg(app.NrAktRegulatora)
                             .arg(app.AktElStruktury, app.AktTypEl)
                             .arg(d.s.regulatory->Item(2).NrAktBaterii);
    QCOMPARE(stan, wybor);
    QCOMPARE(d.s.wizual.zdarzenia, zdarzenia);
    QCOMPARE(d.menu, menu);
}

// The notification object finds the nodes by the keys the tree gave them.
void TestDrzewo::obrazyZNotyfikacji()
{
    Drzewo d;
    clRegulator& r = d.s.regulatory->Item(2);
    r.Stan.StanDiod1 = quint8(~0x04); // lamps are active-low: only stage 3 on
    r.Zablokowany = true;
    d.wizual.eNoweDane(2, QStringLiteral("O"));
    QCOMPARE(d.okno->ObrazWezla(QStringLiteral("KB-02")), ObrazkiDrzewa::kZablokowany);
    QCOMPARE(d.okno->ObrazWezla(QStringLiteral("KB-02_b 3")), ObrazkiDrzewa::kStopienWl);
    QCOMPARE(d.okno->Wezel(QStringLiteral("KB-02_b 3"))->foreground(0).color(), QColor(Qt::red));
    const QImage wlaczony = ObrazkiDrzewa::ImageList1(ObrazkiDrzewa::kStopienWl).pixmap(16).toImage();
    QCOMPARE(d.okno->Wezel(QStringLiteral("KB-02_b 3"))->icon(0).pixmap(16).toImage(), wlaczony);

    d.wizual.eBlokadaRegul(2, false, false);
    QCOMPARE(d.okno->ObrazWezla(QStringLiteral("KB-02")), ObrazkiDrzewa::kRegulator);
}

void TestDrzewo::kolorAlarmu()
{
    Drzewo d;
    const auto tlo = [&] { return d.okno->Wezel(QStringLiteral("KB-02"))->background(0).color(); };
    const QDateTime teraz = d.s.zegar.now();
    d.s.rejestr->NowyAlarm(teraz, 2, 201, QStringLiteral("prąd"));
    d.s.rejestr->NowyAlarm(teraz, 2, 202, QStringLiteral("napięcie"));
    QCOMPARE(tlo(), QColor(Qt::red));
    d.s.rejestr->DezaktywujAlarm(1);
    QCOMPARE(tlo(), QColor(Qt::red));
    d.s.rejestr->DezaktywujAlarm(2);
    QCOMPARE(tlo(), d.okno->palette().color(QPalette::Window));
    QCOMPARE(d.okno->Wezel(QStringLiteral("KB-01"))->background(0).style(), Qt::NoBrush);
}

KALBOR_TEST_OKIEN(TestDrzewo)
#include "tst_drzewo.moc"
