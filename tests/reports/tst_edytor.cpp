// The regulator record editor on the demonstration database: moving through the rows with the
// keys, saving changed and new rows (NULL for empty fields, the log row), saves that are
// refused without losing what was typed, and the pending changes of the data class.
#include "BazaDemo.h"
#include "TestSupport.h"
#include "clsRegulatory.h"
#include "frmRegulatory.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>

namespace {
const QString kPonownie =
    u"Nowe ustawienia zostaną uwzględnione po ponownym uruchomieniu programu Kalbor."_qs;

// Demo rows in file order: KB-01..KB-04 at addresses 1..4, MW-05 at 5.
struct Stanowisko
{
    Stanowisko()
    {
        QVERIFY(katalog.isValid());
        QCOMPARE(UtworzBazeDemo(katalog.filePath(u"kalbor.mdb"_qs), 0, QDate(2003, 12, 17)), QString());
        s = std::make_unique<Srodowisko>(katalog.filePath(u"kalbor.mdb"_qs));
        okno = new frmRegulatory(s->uslugi);
        okno->show();
        QApplication::setActiveWindow(okno);
    }
    ~Stanowisko() { delete okno; }

    QWidget* pole(const QString& nazwa) const
    {
        auto* c = okno->findChild<QComboBox*>(nazwa);
        return c ? c->lineEdit() : okno->findChild<QWidget*>(nazwa);
    }
    QString tekst(const QString& nazwa) const { return static_cast<QLineEdit*>(pole(nazwa))->text(); }
    QString kod() const { return tekst(u"txtFields(12)"_qs); }
    // "name=text" replaces a field's text as typed; anything else is a key, "Ctrl+Down" style.
    void wykonaj(const QStringList& kroki)
    {
        for (const QString& krok : kroki) {
            const qsizetype rowne = krok.indexOf(u'=');
            if (rowne < 0) {
                const QKeyCombination k = QKeySequence::fromString(krok)[0];
                QTest::keyClick(pole(u"txtFields(12)"_qs), k.key(), k.keyboardModifiers());
                continue;
            }
            auto* p = static_cast<QLineEdit*>(pole(krok.left(rowne)));
            p->setFocus(); // completion acts only in the focused field
            p->selectAll();
            QTest::keyClick(p, Qt::Key_Delete);
            QTest::keyClicks(p, krok.mid(rowne + 1));
            QCOMPARE(p->text(), krok.mid(rowne + 1)); // the field shows what it will store
        }
    }
    void zapisz() { okno->findChild<QPushButton*>(u"Command1"_qs)->click(); }
    bool zamkniete()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return okno.isNull();
    }
    QVariant kolumna(const QString& kolumna, const QString& kod) const
    {
        QSqlQuery q(s->baza->db());
        q.prepare(u"SELECT %1 FROM Regulatory WHERE Kod = ?"_qs.arg(kolumna));
        q.addBindValue(kod);
        return q.exec() && q.next() ? q.value(0) : QVariant(QMetaType(QMetaType::QString));
    }

    QTemporaryDir katalog;
    std::unique_ptr<Srodowisko> s;
    QPointer<frmRegulatory> okno;
};
} // namespace

class tst_edytor : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void nawigacja_data();
    void nawigacja();
    void nieznanyAdres();
    void zapis_data();
    void zapis();
    void odmowa_data();
    void odmowa();
    void zmianyOczekujace();
    void otwieranie();
};

void tst_edytor::nawigacja_data()
{
    QTest::addColumn<int>("adres");
    QTest::addColumn<QStringList>("klawisze");
    QTest::addColumn<QString>("kod");
    QTest::addColumn<int>("sygnaly");
    QTest::newRow("down") << 1 << QStringList{u"Down"_qs, u"PgDown"_qs} << u"KB-03"_qs << 0;
    QTest::newRow("end, up") << 1 << QStringList{u"End"_qs, u"Up"_qs} << u"KB-04"_qs << 0;
    QTest::newRow("past last") << 5 << QStringList{u"Down"_qs} << u"MW-05"_qs << 1;
    QTest::newRow("past first") << 1 << QStringList{u"PgUp"_qs, u"Up"_qs} << u"KB-01"_qs << 2;
    QTest::newRow("ctrl up") << 3 << QStringList{u"Ctrl+Up"_qs} << u"KB-01"_qs << 0;
    QTest::newRow("ctrl shift up") << 3 << QStringList{u"Ctrl+Shift+Up"_qs} << u"KB-02"_qs << 0;
    QTest::newRow("ctrl pgdown") << 2 << QStringList{u"Ctrl+PgDown"_qs} << u"MW-05"_qs << 0;
    QTest::newRow("ctrl home") << 4 << QStringList{u"Ctrl+Home"_qs} << u"KB-01"_qs << 0;
}

void tst_edytor::nawigacja()
{
    QFETCH(int, adres);
    QFETCH(QStringList, klawisze);
    Stanowisko st;
    QCOMPARE(st.kod(), u"KB-01"_qs);
    st.okno->EdytujRekord(adres);
    QSignalSpy sygnaly(st.okno->findChild<clsRegulatory*>(), &clsRegulatory::Sygnal);
    st.wykonaj(klawisze);
    QTEST(st.kod(), "kod");
    QTEST(int(sygnaly.count()), "sygnaly");
}

void tst_edytor::nieznanyAdres()
{
    Stanowisko st;
    st.okno->EdytujRekord(2);
    st.okno->EdytujRekord(1); // the search runs forward only
    QCOMPARE(st.kod(), QString());
    QVERIFY(!st.pole(u"txtFields(12)"_qs)->isEnabled());
    st.zapisz();
    QCOMPARE(st.s->komunikaty.teksty, QStringList{u"Proszę wypełnić pole Kod regulatora!"_qs});
}

void tst_edytor::zapis_data()
{
    QTest::addColumn<int>("adres"); // 0: a new row
    QTest::addColumn<QStringList>("kroki");
    QTest::addColumn<QString>("kod");
    QTest::addColumn<QVariantMap>("kolumny");
    const QVariant null(QMetaType(QMetaType::Double));
    QTest::newRow("thresholds") << 2
                                << QStringList{u"txtFields(19)="_qs, u"txtFields(20)=2,5"_qs,
                                               u"txtFields(17)=12.75"_qs}
                                << u"KB-02"_qs
                                << QVariantMap{{u"ProgTgFiMin"_qs, null},
                                               {u"Przekladnia"_qs, 2.5},
                                               {u"ProgPrad"_qs, 12.75},
                                               {u"ProgTgFi"_qs, 0.4}};
    QTest::newRow("list texts") << 4 << QStringList{u"combo(1)=TAK"_qs, u"txtFields(10)=30"_qs} << u"KB-04"_qs
                                << QVariantMap{{u"aktywny"_qs, u"Tak"_qs}, {u"CzestTrans"_qs, 30.0}};
    QTest::newRow("list text begun") << 4 << QStringList{u"combo(1)=t"_qs} << u"KB-04"_qs
                                     << QVariantMap{{u"aktywny"_qs, u"t"_qs}};
    QTest::newRow("code of spaces") << 1 << QStringList{u"txtFields(12)=  "_qs} << u"  "_qs
                                    << QVariantMap{{u"Adres"_qs, 1}};
    QTest::newRow("new row") << 0
                             << QStringList{u"txtFields(12)=KB-09"_qs, u"txtFields(0)=9"_qs,
                                            u"combo(0)=regulator"_qs, u"combo(1)=nie"_qs,
                                            u"txtFields(18)=0,5"_qs}
                             << u"KB-09"_qs
                             << QVariantMap{{u"Adres"_qs, 9},           {u"Typ"_qs, u"regulator"_qs},
                                            {u"aktywny"_qs, u"Nie"_qs}, {u"ProgTgFi"_qs, 0.5},
                                            {u"ProgTgFiMin"_qs, null},  {u"ProgPrad"_qs, null}};
}

void tst_edytor::zapis()
{
    QFETCH(int, adres);
    QFETCH(QStringList, kroki);
    QFETCH(QString, kod);
    QFETCH(QVariantMap, kolumny);
    Stanowisko st;
    const int wiersze = st.s->liczWiersze(u"Regulatory"_qs);
    adres ? st.okno->EdytujRekord(adres) : st.okno->NowyRekord();
    st.wykonaj(kroki);
    st.zapisz();
    QCOMPARE(st.s->komunikaty.teksty, QStringList{kPonownie});
    QVERIFY(st.zamkniete());
    QCOMPARE(st.s->liczWiersze(u"Regulatory"_qs), wiersze + (adres ? 0 : 1));
    for (auto k = kolumny.cbegin(); k != kolumny.cend(); ++k) {
        const QVariant v = st.kolumna(k.key(), kod);
        QCOMPARE(v.isNull(), k->isNull());
        if (!k->isNull())
            QCOMPARE(v.toString(), k->toString());
    }
    QCOMPARE(
        st.s->wartosc(u"SELECT Operacja || '|' || Status || Typ || '|' || Kod_Regul FROM Log"_qs).toString(),
        u"Zapisano nowe dane o regulatorze|BB|"_qs + kod);
}

void tst_edytor::odmowa_data()
{
    QTest::addColumn<QStringList>("kroki");
    QTest::addColumn<QString>("komunikat");
    QTest::addColumn<QString>("wFokusie");
    const QStringList opisIKod{u"txtFields(15)=zmieniony"_qs, u"Down"_qs};
    QTest::newRow("empty code") << (opisIKod + QStringList{u"txtFields(12)="_qs})
                                << u"Proszę wypełnić pole Kod regulatora!"_qs << u"txtFields(12)"_qs;
    QTest::newRow("address") << (opisIKod + QStringList{u"txtFields(0)=abc"_qs})
                             << u"Adres regulatora: „abc” nie jest liczbą całkowitą od -32768 do 32767."_qs
                             << u"txtFields(0)"_qs;
    QTest::newRow("address range")
        << (opisIKod + QStringList{u"txtFields(0)=40000"_qs})
        << u"Adres regulatora: „40000” nie jest liczbą całkowitą od -32768 do 32767."_qs
        << u"txtFields(0)"_qs;
    QTest::newRow("limit") << (opisIKod + QStringList{u"txtFields(34)=1,2,3"_qs})
                           << u"Prąd bierny: „1,2,3” nie jest liczbą."_qs << u"txtFields(34)"_qs;
    QTest::newRow("code in use") << (opisIKod + QStringList{u"txtFields(12)=KB-03"_qs})
                                 << u"Kod regulatora: „KB-03” ma już inny regulator."_qs
                                 << u"txtFields(12)"_qs;
    // A row the editor has not read: only the file's uniqueness of Kod stops it.
    QTest::newRow("refused by file") << (opisIKod + QStringList{u"txtFields(12)=KB-77"_qs})
                                     << u"UNIQUE constraint failed: Regulatory.Kod"_qs << QString();
}

void tst_edytor::odmowa()
{
    QFETCH(QStringList, kroki);
    QFETCH(QString, wFokusie);
    Stanowisko st;
    st.s->dodajRegulator(u"KB-77"_qs, 77);
    st.wykonaj(kroki);
    const QString kod = st.kod();
    st.zapisz();
    QTEST(st.s->komunikaty.teksty.value(0), "komunikat");
    QCOMPARE(st.s->komunikaty.teksty.size(), 1);
    QVERIFY(!st.zamkniete());
    if (!wFokusie.isEmpty())
        QCOMPARE(st.okno->focusWidget(), st.pole(wFokusie));
    QCOMPARE(st.kod(), kod);
    QCOMPARE(st.s->liczWiersze(u"Log"_qs), 0);
    QCOMPARE(st.kolumna(u"Opis"_qs, u"KB-01"_qs).toString(), u"Rozdzielnia główna, sekcja 1"_qs);
    st.wykonaj({u"Up"_qs});
    QCOMPARE(st.tekst(u"txtFields(15)"_qs), u"zmieniony"_qs);
}

// Cancel drops the current row's pending texts, or the new row itself; Delete takes effect at
// Update; Requery forgets whatever was not written.
void tst_edytor::zmianyOczekujace()
{
    Stanowisko st;
    auto* dane = st.okno->findChild<clsRegulatory*>();
    const int opis = clsRegulatory::IndeksKolumny(u"opis"_qs);
    dane->MoveLast();
    dane->UstawTekst(opis, u"x"_qs);
    QVERIFY(dane->EditingRecord());
    dane->Cancel();
    QVERIFY(!dane->EditingRecord());
    QCOMPARE(dane->Tekst(opis), u"Miernik energii budynku biurowego"_qs);
    dane->AddNew();
    QCOMPARE(dane->AbsolutePosition(), 6);
    dane->Cancel();
    QCOMPARE(dane->AbsolutePosition(), 1);
    QCOMPARE(dane->RecordCount(), 5);
    dane->MoveLast();
    dane->Delete();
    QCOMPARE(st.kod(), u"KB-04"_qs);
    QCOMPARE(st.s->liczWiersze(u"Regulatory"_qs), 5);
    QVERIFY(!dane->Update());
    QCOMPARE(st.s->liczWiersze(u"Regulatory"_qs), 4);
    dane->UstawTekst(opis, u"y"_qs);
    QCOMPARE(dane->Requery(), QString());
    QCOMPARE(dane->RecordCount(), 4);
    QVERIFY(!dane->EditingRecord());
    dane->FindRecord(u"Kod"_qs, u"brak"_qs);
    QVERIFY(dane->Eof());
}

// The regulator menu opens the current regulator's row; a second opening brings the editor
// forward; Esc closes it.
void tst_edytor::otwieranie()
{
    Stanowisko st;
    QMdiArea obszar;
    st.s->wczytaj();
    st.s->app->NrAktRegulatora = 3;
    frmRegulatory::OtworzRekordAktualnego(st.s->uslugi, obszar);
    QCOMPARE(obszar.subWindowList().size(), 1);
    auto* pierwsze = qobject_cast<frmRegulatory*>(obszar.subWindowList().value(0)->widget());
    QCOMPARE(pierwsze->findChild<QLineEdit*>(u"txtFields(12)"_qs)->text(), u"KB-03"_qs);
    QCOMPARE(frmRegulatory::Pokaz(st.s->uslugi, obszar), pierwsze);
    QCOMPARE(obszar.subWindowList().size(), 1);
    QTest::keyClick(pierwsze->findChild<QLineEdit*>(u"txtFields(0)"_qs), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(obszar.subWindowList().size(), 0);
}

QTEST_MAIN(tst_edytor)
#include "tst_edytor.moc"
