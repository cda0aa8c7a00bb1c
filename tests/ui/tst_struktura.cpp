// The plant-structure tree: built from table Hierarchia whatever the row order, the regulator
// lists the structure reports ask for, the operator's clicks into the selection state, and the
// dialog that adds an element.
#include "TestSupport.h"
#include "fmStruktura.h"
#include "frmElStrukt.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTest>
#include <QTreeWidget>

namespace {

using Wiersze = QStringList; // "kod_obiektu|typ|kod_obiektu_nad", in the order stored

// Regulators KB-01 (Id 1) and KB-02 (Id 2); the structure rows given, then the window.
struct Struktura
{
    explicit Struktura(const Wiersze& wiersze)
    {
        s.dodajRegulator(QStringLiteral("KB-01"), 1);
        s.dodajRegulator(QStringLiteral("KB-02"), 2);
        s.wczytaj();
        for (const QString& w : wiersze) {
            QSqlQuery q(s.baza->db());
            q.prepare(QStringLiteral(
                "INSERT INTO Hierarchia (kod_obiektu, typ, kod_obiektu_nad) VALUES (?, ?, ?)"));
            for (const QString& pole : w.split(u'|'))
                q.addBindValue(pole);
            QVERIFY2(q.exec(), qPrintable(w));
        }
        okno = std::make_unique<fmStruktura>(s.uslugi);
        okno->PokazMenu = [this] { ++menu; };
        okno->show();
    }
    // "text:tag(child,child)" depth first.
    static QString opis(const QTreeWidgetItem* w)
    {
        QStringList dzieci;
        for (int i = 0; i < w->childCount(); ++i)
            dzieci << opis(w->child(i));
        const QString sam = w->text(0) + u':' + fmStruktura::Znacznik(w);
        return dzieci.isEmpty() ? sam : sam + u'(' + dzieci.join(u',') + u')';
    }
    QString drzewo() const
    {
        QTreeWidget* t = okno->Tree();
        return t->topLevelItemCount() == 1 ? opis(t->topLevelItem(0)) : QStringLiteral("several roots");
    }
    void kliknij(const QString& klucz, Qt::MouseButton przycisk)
    {
        okno->Tree()->expandAll();
        QTreeWidgetItem* wezel = okno->Wezel(klucz);
        QVERIFY2(wezel, qPrintable(klucz));
        QTest::mouseClick(okno->Tree()->viewport(), przycisk, {},
                          okno->Tree()->visualItemRect(wezel).center());
    }

    Srodowisko s;
    std::unique_ptr<fmStruktura> okno;
    int menu = 0;
};

const Wiersze kZaklad{"Hala|S|System Kalbor", "KB-01|R|Hala", "Linia|S|Hala",
                      "KB-02|R|Linia",        "Pusta|S|Hala", "Magazyn|S|System Kalbor"};

} // namespace

class TestStruktura : public QObject
{
    Q_OBJECT
  private slots:
    void budowa_data();
    void budowa();
    void listaRegul_data();
    void listaRegul();
    void listaWybranego();
    void klikniecie_data();
    void klikniecie();
    void dodawanie_data();
    void dodawanie();
};

void TestStruktura::budowa_data()
{
    QTest::addColumn<Wiersze>("wiersze");
    QTest::addColumn<QString>("drzewo");
    QTest::newRow("empty table") << Wiersze{} << "System Kalbor:S";
    QTest::newRow("top level below the root")
        << Wiersze{"B|S|System Kalbor", "A|S|System Kalbor"} << "System Kalbor:S(B:S,A:S)";
    QTest::newRow("children stored before parents")
        << Wiersze{"KB-02|R|Linia", "Linia|S|Hala", "Hala|S|System Kalbor"}
        << "System Kalbor:S(Hala:S(Linia:S(KB-02:R)))";
    QTest::newRow("parents stored before children")
        << Wiersze{"Hala|S|System Kalbor", "Linia|S|Hala", "KB-02|R|Linia", "KB-01|R|Hala"}
        << "System Kalbor:S(Hala:S(Linia:S(KB-02:R),KB-01:R))";
    QTest::newRow("parent without a row of its own") << Wiersze{"KB-01|R|Rozdzielnia", "KB-02|R|Rozdzielnia"}
                                                     << "System Kalbor:S(Rozdzielnia:S(KB-01:R,KB-02:R))";
    QTest::newRow("row named as the root") << Wiersze{"System Kalbor|S|X"} << "System Kalbor:S";
    QTest::newRow("own parent") << Wiersze{"A|S|A"} << "System Kalbor:S(A:S)";
}

void TestStruktura::budowa()
{
    QFETCH(Wiersze, wiersze);
    QFETCH(QString, drzewo);
    Struktura st(wiersze);
    QCOMPARE(st.drzewo(), drzewo);
    QTreeWidgetItem* korzen = st.okno->Wezel(QStringLiteral("Korzen"));
    QVERIFY(korzen->isExpanded());
    for (int i = 0; i < korzen->childCount(); ++i)
        QVERIFY(!korzen->child(i)->isExpanded());
}

void TestStruktura::listaRegul_data()
{
    QTest::addColumn<QString>("klucz");
    QTest::addColumn<QString>("lista");
    QTest::newRow("element, depth first") << "Hala"
                                          << "'KB-01','KB-02'";
    QTest::newRow("element without regulators") << "Pusta"
                                                << "";
    QTest::newRow("regulator: its bare code") << "KB-01"
                                              << "KB-01";
    QTest::newRow("root by its key") << "Korzen"
                                     << "'KB-01','KB-02'";
    QTest::newRow("root by its text") << "System Kalbor"
                                      << "";
}

void TestStruktura::listaRegul()
{
    QFETCH(QString, klucz);
    QFETCH(QString, lista);
    Struktura st(kZaklad);
    QCOMPARE(st.okno->WezListeRegul(klucz), lista);
}

// A current node the operator did not select (the tree's focus gives one) names no element.
void TestStruktura::listaWybranego()
{
    Struktura st(kZaklad);
    st.okno->Tree()->setCurrentItem(st.okno->Wezel(QStringLiteral("Hala")), 0, QItemSelectionModel::NoUpdate);
    QCOMPARE(st.okno->WezListeRegulAkt(), QString());
    st.kliknij(QStringLiteral("Linia"), Qt::LeftButton);
    QCOMPARE(st.okno->WezListeRegulAkt(), QStringLiteral("'KB-02'"));
}

void TestStruktura::klikniecie_data()
{
    QTest::addColumn<QString>("klucz");
    QTest::addColumn<Qt::MouseButton>("przycisk");
    QTest::addColumn<QString>("wybor"); // NrAktRegulatora|AktElStruktury|AktTypEl
    QTest::addColumn<QStringList>("zdarzenia");
    QTest::addColumn<int>("menu");
    QTest::newRow("regulator, right")
        << "KB-02" << Qt::RightButton << "2|KB-02|R" << QStringList{"eZmianaRegulatora(2)"} << 1;
    QTest::newRow("element keeps the regulator")
        << "Linia" << Qt::LeftButton << "1|Linia|S" << QStringList{} << 0;
    QTest::newRow("root") << "Korzen" << Qt::LeftButton << "1|System Kalbor|S" << QStringList{} << 0;
    QTest::newRow("regulator not loaded") << "KB-09" << Qt::RightButton << "1||R" << QStringList{} << 0;
}

void TestStruktura::klikniecie()
{
    QFETCH(QString, klucz);
    QFETCH(Qt::MouseButton, przycisk);
    QFETCH(QString, wybor);
    QFETCH(QStringList, zdarzenia);
    QFETCH(int, menu);
    Struktura st(kZaklad + Wiersze{"KB-09|R|Magazyn"});
    clsoApp& app = *st.s.app;
    app.NrAktRegulatora = 1;
    app.AktTypEl = QStringLiteral("R");
    st.kliknij(klucz, przycisk);
    QCOMPARE(QStringLiteral("%1|%2|%3").arg(app.NrAktRegulatora).arg(app.AktElStruktury, app.AktTypEl),
             wybor);
    QCOMPARE(st.s.wizual.zdarzenia, zdarzenia);
    QCOMPARE(st.menu, menu);
}

void TestStruktura::dodawanie_data()
{
    QTest::addColumn<QString>("rodzic"); // AktElStruktury; AktTypEl is "S" unless empty
    QTest::addColumn<bool>("element");   // Option1, else Option2 with KB-02
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QString>("komunikat"); // empty: stored
    QTest::addColumn<QString>("drzewo");
    const QString przed = QStringLiteral("System Kalbor:S(Hala:S(KB-01:R))");
    QTest::newRow("element below the chosen one") << "Hala" << true << " Linia 2 "
                                                  << ""
                                                  << "System Kalbor:S(Hala:S(KB-01:R, Linia 2 :S))";
    QTest::newRow("element below the root") << "System Kalbor" << true << "Magazyn"
                                            << ""
                                            << "System Kalbor:S(Hala:S(KB-01:R),Magazyn:S)";
    QTest::newRow("regulator") << "Hala" << false << ""
                               << ""
                               << "System Kalbor:S(Hala:S(KB-01:R,KB-02:R))";
    QTest::newRow("empty name") << "Hala" << true << "  "
                                << "Proszę podać nazwę elementu." << przed;
    QTest::newRow("name in the tree") << "Hala" << true << "KB-01"
                                      << "„KB-01” jest już w strukturze." << przed;
    QTest::newRow("root's text") << "Hala" << true << "System Kalbor"
                                 << "„System Kalbor” jest już w strukturze." << przed;
    QTest::newRow("no element chosen") << "" << true << "Linia"
                                       << "Proszę najpierw zaznaczyć element struktury." << przed;
}

void TestStruktura::dodawanie()
{
    QFETCH(QString, rodzic);
    QFETCH(bool, element);
    QFETCH(QString, nazwa);
    QFETCH(QString, komunikat);
    QFETCH(QString, drzewo);
    Struktura st({"Hala|S|System Kalbor", "KB-01|R|Hala"});
    st.s.app->NrAktRegulatora = 2;
    st.s.app->AktElStruktury = rodzic;
    st.s.app->AktTypEl = rodzic.isEmpty() ? QStringLiteral("R") : QStringLiteral("S");
    frmElStrukt dialog(st.s.uslugi, *st.okno);
    dialog.show();
    dialog.findChild<QRadioButton*>(element ? QStringLiteral("Option1") : QStringLiteral("Option2"))->click();
    QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("cmbRegul"))->isEnabled(), !element);
    dialog.findChild<QLineEdit*>(QStringLiteral("txtNazwa"))->setText(nazwa);

    QCOMPARE(dialog.Command1_Click(), komunikat.isEmpty());
    QCOMPARE(st.s.komunikaty.teksty, komunikat.isEmpty() ? QStringList{} : QStringList{komunikat});
    QCOMPARE(st.s.liczWiersze(QStringLiteral("Hierarchia")), komunikat.isEmpty() ? 3 : 2);
    QCOMPARE(st.drzewo(), drzewo);
    // A refused entry keeps the dialog open with what was typed.
    QCOMPARE(dialog.isVisible(), !komunikat.isEmpty());
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("txtNazwa"))->text(), nazwa);
}

QTEST_MAIN(TestStruktura)
#include "tst_struktura.moc"
