// The plant-structure tree: built from table Hierarchia whatever the row order, the regulator
// lists the structure reports ask for, the operator's clicks into the selection state, and the
// dialog that adds an element.
#include "GlownaTestuOkien.h"
#include "OknaTestowe.h"
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
struct Struktura : StanowiskoOkien
{
    explicit Struktura(const Wiersze& wiersze)
    {
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
        return t->topLevelItemCount() == 1 ? opis(t->topLevelItem(0)) : u"several roots"_qs;
    }
    void kliknij(const QString& klucz, Qt::MouseButton przycisk)
    {
        okno->Tree()->expandAll();
        QTreeWidgetItem* wezel = okno->Wezel(klucz);
        QVERIFY2(wezel, qPrintable(klucz));
        QTest::mouseClick(okno->Tree()->viewport(), przycisk, {},
                          okno->Tree()->visualItemRect(wezel).center());
    }

    std::unique_ptr<fmStruktura> okno;
    int menu = 0;
};

QString S(const QString& nazwa)
{
    return fmStruktura::KluczWezla(fmStruktura::kZnacznikElementu, nazwa);
}

QString R(const QString& kod)
{
    return fmStruktura::KluczWezla(fmStruktura::kZnacznikRegulatora, kod);
}

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
    QTest::newRow("empty table") << Wiersze{} << u"System Kalbor:S"_qs;
    QTest::newRow("top level below the root")
        << Wiersze{"B|S|System Kalbor", "A|S|System Kalbor"} << u"System Kalbor:S(B:S,A:S)"_qs;
    QTest::newRow("parents stored before children")
        << Wiersze{"Hala|S|System Kalbor", "Linia|S|Hala", "KB-02|R|Linia", "KB-01|R|Hala"}
        << u"System Kalbor:S(Hala:S(Linia:S(KB-02:R),KB-01:R))"_qs;
    QTest::newRow("children stored before parents")
        << Wiersze{"KB-02|R|Linia", "Linia|S|Hala", "Hala|S|System Kalbor"}
        << u"System Kalbor:S(Hala:S(Linia:S(KB-02:R)))"_qs;
    QTest::newRow("parent without a row of its own") << Wiersze{"KB-01|R|Rozdzielnia", "KB-02|R|Rozdzielnia"}
                                                     << u"System Kalbor:S(Rozdzielnia:S(KB-01:R,KB-02:R))"_qs;
    QTest::newRow("row named as the root") << Wiersze{"System Kalbor|S|X"} << u"System Kalbor:S"_qs;
    QTest::newRow("own parent") << Wiersze{"A|S|A"} << u"System Kalbor:S(A:S)"_qs;
    QTest::newRow("element named as the root's key")
        << Wiersze{"KB-01|R|Korzen", "Korzen|S|System Kalbor"} << u"System Kalbor:S(Korzen:S(KB-01:R))"_qs;
}

void TestStruktura::budowa()
{
    QFETCH(Wiersze, wiersze);
    QFETCH(QString, drzewo);
    Struktura st(wiersze);
    QCOMPARE(st.drzewo(), drzewo);
    QTreeWidgetItem* korzen = st.okno->Wezel(u"Korzen"_qs);
    QVERIFY(korzen->isExpanded());
    for (int i = 0; i < korzen->childCount(); ++i)
        QVERIFY(!korzen->child(i)->isExpanded());
}

void TestStruktura::listaRegul_data()
{
    QTest::addColumn<QString>("klucz");
    QTest::addColumn<QString>("lista");
    QTest::newRow("element, depth first") << S(u"Hala"_qs) << u"'KB-01','KB-02'"_qs;
    QTest::newRow("element without regulators") << S(u"Pusta"_qs) << u""_qs;
    QTest::newRow("regulator: its bare code") << R(u"KB-01"_qs) << u"KB-01"_qs;
    QTest::newRow("root by its key") << u"Korzen"_qs << u"'KB-01','KB-02'"_qs;
    QTest::newRow("root by its text") << u"System Kalbor"_qs << u""_qs;
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
    st.okno->Tree()->setCurrentItem(st.okno->Wezel(S(u"Hala"_qs)), 0, QItemSelectionModel::NoUpdate);
    QCOMPARE(st.okno->WezListeRegulAkt(), QString());
    st.kliknij(S(u"Linia"_qs), Qt::LeftButton);
    QCOMPARE(st.okno->WezListeRegulAkt(), u"'KB-02'"_qs);
}

void TestStruktura::klikniecie_data()
{
    QTest::addColumn<QString>("klucz");
    QTest::addColumn<Qt::MouseButton>("przycisk");
    QTest::addColumn<QString>("wybor"); // NrAktRegulatora|AktElStruktury|AktTypEl
    QTest::addColumn<QStringList>("zdarzenia");
    QTest::addColumn<int>("menu");
    QTest::newRow("regulator, right")
        << R(u"KB-02"_qs) << Qt::RightButton << u"2|KB-02|R"_qs << QStringList{"eZmianaRegulatora(2)"} << 1;
    QTest::newRow("element keeps the regulator")
        << S(u"Linia"_qs) << Qt::LeftButton << u"1|Linia|S"_qs << QStringList{} << 0;
    QTest::newRow("root") << u"Korzen"_qs << Qt::LeftButton << u"1|System Kalbor|S"_qs << QStringList{} << 0;
    QTest::newRow("regulator not loaded")
        << R(u"KB-09"_qs) << Qt::RightButton << u"1||R"_qs << QStringList{} << 0;
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
    app.AktTypEl = u"R"_qs;
    st.kliknij(klucz, przycisk);
    QCOMPARE(u"%1|%2|%3"_qs.arg(app.NrAktRegulatora).arg(app.AktElStruktury, app.AktTypEl), wybor);
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
    const QString przed = u"System Kalbor:S(Hala:S(KB-01:R))"_qs;
    QTest::newRow("element below the chosen one") << u"Hala"_qs << true << u" Linia 2 "_qs << u""_qs
                                                  << u"System Kalbor:S(Hala:S(KB-01:R, Linia 2 :S))"_qs;
    QTest::newRow("element below the root") << u"System Kalbor"_qs << true << u"Magazyn"_qs << u""_qs
                                            << u"System Kalbor:S(Hala:S(KB-01:R),Magazyn:S)"_qs;
    QTest::newRow("regulator") << u"Hala"_qs << false << u""_qs << u""_qs
                               << u"System Kalbor:S(Hala:S(KB-01:R,KB-02:R))"_qs;
    QTest::newRow("empty name") << u"Hala"_qs << true << u"  "_qs << u"Proszę podać nazwę elementu."_qs
                                << przed;
    QTest::newRow("name in the tree")
        << u"Hala"_qs << true << u"KB-01"_qs << u"„KB-01” jest już w strukturze."_qs << przed;
    QTest::newRow("root's text") << u"Hala"_qs << true << u"System Kalbor"_qs
                                 << u"„System Kalbor” jest już w strukturze."_qs << przed;
    QTest::newRow("no element chosen")
        << u""_qs << true << u"Linia"_qs << u"Proszę najpierw zaznaczyć element struktury."_qs << przed;
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
    st.s.app->AktTypEl = rodzic.isEmpty() ? u"R"_qs : u"S"_qs;
    frmElStrukt dialog(st.s.uslugi, *st.okno);
    dialog.show();
    dialog.findChild<QRadioButton*>(element ? u"Option1"_qs : u"Option2"_qs)->click();
    QCOMPARE(dialog.findChild<QComboBox*>(u"cmbRegul"_qs)->isEnabled(), !element);
    dialog.findChild<QLineEdit*>(u"txtNazwa"_qs)->setText(nazwa);

    QCOMPARE(dialog.Command1_Click(), komunikat.isEmpty());
    QCOMPARE(st.s.komunikaty.teksty.join(QString()), komunikat);
    QCOMPARE(st.s.liczWiersze(u"Hierarchia"_qs), komunikat.isEmpty() ? 3 : 2);
    QCOMPARE(st.drzewo(), drzewo);
    // A refused entry keeps the dialog open with what was typed.
    QCOMPARE(dialog.isVisible(), !komunikat.isEmpty());
    QCOMPARE(dialog.findChild<QLineEdit*>(u"txtNazwa"_qs)->text(), nazwa);
}

KALBOR_TEST_OKIEN(TestStruktura)
#include "tst_struktura.moc"
