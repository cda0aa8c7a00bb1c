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
#include <QTreeWidgetItemIterator>
#include <functional>

namespace {

QString wezelR(const QString& kod)
{
    return fmRegulatory::KluczRegulatora(kod);
}

QString wezelB(const QString& kod, int n)
{
    return fmRegulatory::KluczStopnia(kod, n);
}

// Rows of Regulatory as "code@address", in table order.
QStringList kolejneAdresy(const QStringList& kody)
{
    QStringList wiersze;
    for (const QString& kod : kody)
        wiersze << kod + u'@' + QString::number(wiersze.size() + 1);
    return wiersze;
}

// Two regulators (or the rows given), the tree shown, the notification object recording.
struct Drzewo
{
    explicit Drzewo(const QStringList& kody = {QStringLiteral("KB-01"), QStringLiteral("KB-02")},
                    bool adresy = false)
    {
        for (const QString& w : adresy ? kody : kolejneAdresy(kody))
            s.dodajRegulator(w.section(u'@', 0, -2), w.section(u'@', -1).toInt());
        s.wczytaj();
        okno = std::make_unique<fmRegulatory>(s.uslugi, wizual);
        okno->PokazMenu = [this](MenuPodreczne m) { menu << int(m); };
        okno->show();
    }
    void kliknij(const QString& klucz, Qt::MouseButton przycisk)
    {
        QTreeWidgetItem* wezel = okno->Wezel(klucz);
        QVERIFY2(wezel, qPrintable(klucz));
        kliknij(wezel, przycisk);
    }
    void kliknij(QTreeWidgetItem* wezel, Qt::MouseButton przycisk = Qt::LeftButton)
    {
        okno->Tree()->expandAll();
        okno->Tree()->scrollToItem(wezel);
        QTest::mouseClick(okno->Tree()->viewport(), przycisk, {},
                          okno->Tree()->visualItemRect(wezel).center());
    }
    QTreeWidgetItem* grupa() const { return okno->Tree()->topLevelItem(0)->child(0); }
    // The nodes, by their texts from the group down, whose background or text is red.
    QStringList czerwone(const std::function<QBrush(const QTreeWidgetItem*)>& pedzel) const
    {
        QStringList wynik;
        for (QTreeWidgetItemIterator it(okno->Tree()); *it; ++it) {
            const QBrush b = pedzel(*it);
            if (b.style() != Qt::NoBrush && b.color() == QColor(Qt::red))
                wynik << sciezka(*it);
        }
        return wynik;
    }
    static QString sciezka(const QTreeWidgetItem* w)
    {
        return w->parent() ? sciezka(w->parent()) + u'/' + w->text(0) : w->text(0);
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
    void jedenKodJedenWezel_data();
    void jedenKodJedenWezel();
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
    QTest::newRow("regulator") << wezelR("KB-02") << "KB-02" << 2 << "Reg";
    QTest::newRow("stage 1") << wezelB("KB-01", 1) << "stopień  1" << 6 << wezelR("KB-01");
    QTest::newRow("stage 9") << wezelB("KB-02", 9) << "stopień  9" << 6 << wezelR("KB-02");
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
    QVERIFY(!d.okno->Wezel(wezelR("KB-01"))->isExpanded());
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
    QTest::newRow("regulator") << wezelR("KB-02") << Qt::LeftButton << "2||R|0"
                               << QStringList{"eZmianaRegulatora(2)"} << QList<int>{};
    QTest::newRow("regulator, right") << wezelR("KB-02") << Qt::RightButton << "2||R|0"
                                      << QStringList{"eZmianaRegulatora(2)"} << QList<int>{R};
    // A stage of another regulator makes it current: the open windows show it first.
    QTest::newRow("stage 3 of another regulator")
        << wezelB("KB-02", 3) << Qt::LeftButton << "2|E1|S|3"
        << QStringList{"eZmianaRegulatora(2)", "eZmianaBaterii(2,3)"} << QList<int>{};
    QTest::newRow("stage 9, right") << wezelB("KB-02", 9) << Qt::RightButton << "2|E1|S|9"
                                    << QStringList{"eZmianaRegulatora(2)", "eZmianaBaterii(2,9)"}
                                    << QList<int>{S};
    QTest::newRow("stage 2 of the current regulator") << wezelB("KB-01", 2) << Qt::LeftButton << "1|E1|S|0"
                                                      << QStringList{"eZmianaBaterii(1,2)"} << QList<int>{};
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
    r.Stan.StanDiod2 = 0x80;
    r.Zablokowany = true;
    d.wizual.eNoweDane(2, QStringLiteral("O"));
    QCOMPARE(d.okno->ObrazWezla(wezelR("KB-02")), ObrazkiDrzewa::kZablokowany);
    QCOMPARE(d.okno->ObrazWezla(wezelB("KB-02", 3)), ObrazkiDrzewa::kStopienWl);
    QCOMPARE(d.okno->Wezel(wezelB("KB-02", 3))->foreground(0).color(), QColor(Qt::red));
    QCOMPARE(d.okno->ObrazWezla(wezelB("KB-02", 9)), ObrazkiDrzewa::kStopienWyl);
    QCOMPARE(d.okno->ObrazWezla(wezelB("KB-01", 3)), ObrazkiDrzewa::kStopienWyl);
    const QImage wlaczony = ObrazkiDrzewa::ImageList1(ObrazkiDrzewa::kStopienWl).pixmap(16).toImage();
    QCOMPARE(d.okno->Wezel(wezelB("KB-02", 3))->icon(0).pixmap(16).toImage(), wlaczony);

    d.wizual.eBlokadaRegul(2, false, false);
    QCOMPARE(d.okno->ObrazWezla(wezelR("KB-02")), ObrazkiDrzewa::kRegulator);
}

void TestDrzewo::kolorAlarmu()
{
    Drzewo d;
    const auto tlo = [&] { return d.okno->Wezel(wezelR("KB-02"))->background(0).color(); };
    const QDateTime teraz = d.s.zegar.now();
    d.s.rejestr->NowyAlarm(teraz, 2, 201, QStringLiteral("prąd"));
    d.s.rejestr->NowyAlarm(teraz, 2, 202, QStringLiteral("napięcie"));
    QCOMPARE(tlo(), QColor(Qt::red));
    d.s.rejestr->DezaktywujAlarm(1);
    QCOMPARE(tlo(), QColor(Qt::red));
    d.s.rejestr->DezaktywujAlarm(2);
    QCOMPARE(tlo(), d.okno->palette().color(QPalette::Window));
    QCOMPARE(d.okno->Wezel(wezelR("KB-01"))->background(0).style(), Qt::NoBrush);
}

// Codes equal but for letter case or surrounding blanks are one regulator: the first row in load
// order keeps the code and the message names both rows with their addresses. Whatever a code
// spells, its alarm, its stage colours and clicks on its nodes reach its own nodes only.
void TestDrzewo::jedenKodJedenWezel_data()
{
    QTest::addColumn<QStringList>("wiersze");   // "code@address" in table order
    QTest::addColumn<QString>("wczytane");      // "code@address" by Id
    QTest::addColumn<QStringList>("komunikat"); // in the start-up message; none: no message
    QTest::newRow("letter case")
        << QStringList{"kb-01@3", "KB-01@1", "KB-02@2"} << "KB-01@1, KB-02@2"
        << QStringList{
               "regulator 'kb-01' (adres 3): kod powtórzony, wczytano już regulator 'KB-01' (adres 1)"};
    QTest::newRow("blanks") << QStringList{"KB-01@1", " KB-01 @3"} << "KB-01@3"
                            << QStringList{"regulator 'KB-01' (adres 1): kod powtórzony, wczytano już "
                                           "regulator ' KB-01 ' (adres 3)"};
    QTest::newRow("codes spelling the tree's keys")
        << QStringList{"Reg@1", "Korzen@2", "KB-01@3", "KB-01_b 1@4", "R|KB-01@5", "B|KB-01_b 2@6"}
        << "B|KB-01_b 2@6, KB-01@3, KB-01_b 1@4, Korzen@2, Reg@1, R|KB-01@5" << QStringList{};
}

void TestDrzewo::jedenKodJedenWezel()
{
    QFETCH(QStringList, wiersze);
    QFETCH(QStringList, komunikat);
    Drzewo d(wiersze, true);
    QStringList wczytane;
    for (const clRegulator& r : *d.s.regulatory)
        wczytane << r.Kod + u'@' + QString::number(r.adres);
    QTEST(wczytane.join(u", "_qs), "wczytane");
    QCOMPARE(d.s.raport.isEmpty(), komunikat.isEmpty());
    for (const QString& fragment : komunikat)
        QVERIFY2(d.s.raport.contains(fragment), qPrintable(d.s.raport));

    const auto tlo = [](const QTreeWidgetItem* w) { return w->background(0); };
    const auto tekst = [](const QTreeWidgetItem* w) { return w->foreground(0); };
    for (clRegulator& r : *d.s.regulatory) {
        QTreeWidgetItem* wezel = d.grupa()->child(r.Id - 1);
        QCOMPARE(wezel->text(0), r.Kod);
        d.s.rejestr->NowyAlarm(d.s.zegar.now(), r.Id, 100, {});
        QCOMPARE(d.czerwone(tlo), QStringList{Drzewo::sciezka(wezel)});
        d.s.rejestr->DezaktywujAlarm(d.s.rejestr->Count());
        QCOMPARE(d.czerwone(tlo), QStringList{});

        r.Stan.StanDiod1 = quint8(~0x01); // lamps are active-low: stage 1 on, stage 9 off
        r.Stan.StanDiod2 = 0x80;
        d.wizual.eNoweDane(r.Id, QStringLiteral("O"));
        QCOMPARE(d.czerwone(tekst), QStringList{Drzewo::sciezka(wezel->child(0))});
        r.Stan.StanDiod1 = 0xFF;
        d.wizual.eNoweDane(r.Id, QStringLiteral("O"));
        QCOMPARE(d.czerwone(tekst), QStringList{});

        d.s.app->NrAktRegulatora = 0;
        d.kliknij(wezel->child(2));
        QCOMPARE(QStringLiteral("%1/%2").arg(d.s.app->NrAktRegulatora).arg(r.NrAktBaterii),
                 QStringLiteral("%1/3").arg(r.Id));
        d.s.app->NrAktRegulatora = 0;
        d.kliknij(wezel);
        QCOMPARE(d.s.app->NrAktRegulatora, r.Id);
    }
}

KALBOR_TEST_OKIEN(TestDrzewo)
#include "tst_drzewo.moc"
