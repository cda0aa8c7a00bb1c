// The regulator record editor on the demonstration database: moving through the rows with the
// keys, saving changed and new rows (NULL for empty fields, the log row), saves that are
// refused without losing what was typed, rows left before the save, the lists' texts, and the
// pending changes of the data class.
#include "BazaDemo.h"
#include "GlownaTestuOkien.h"
#include "TestSupport.h"
#include "clsRegulatory.h"
#include "frmRegulatory.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString kPonownie =
    u"Nowe ustawienia zostaną uwzględnione po ponownym uruchomieniu programu Kalbor."_qs;

// Demo rows in file order: KB-01..KB-04 at addresses 1..4, MW-05 at 5.
struct Stanowisko
{
    Stanowisko()
    {
        const QString plik = katalog.filePath(u"kalbor.mdb"_qs);
        QCOMPARE(UtworzBazeDemo(plik, 0, QDate(2003, 12, 17)), QString());
        s = std::make_unique<Srodowisko>(plik);
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
    // "name=text" replaces a field's text as typed; "sql ..." changes the file behind the
    // editor's back; anything else is a key, "Ctrl+Down" style.
    void wykonaj(const QStringList& kroki)
    {
        for (const QString& krok : kroki) {
            if (krok.startsWith(u"sql "_qs)) {
                s->wartosc(krok.mid(4));
                continue;
            }
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
        return s->wartosc(u"SELECT %1 FROM Regulatory WHERE Kod = '%2'"_qs.arg(kolumna, kod));
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
    void zapisInnychWierszy_data();
    void zapisInnychWierszy();
    void listy_data();
    void listy();
    void zmianyOczekujace();
    void otwieranie();
};

void tst_edytor::nawigacja_data()
{
    QTest::addColumn<int>("adres");
    QTest::addColumn<QString>("klawisze");
    QTest::addColumn<QString>("kod");
    QTest::addColumn<int>("sygnaly");
    QTest::newRow("down") << 1 << u"Down, PgDown"_qs << u"KB-03"_qs << 0;
    QTest::newRow("end, up") << 1 << u"End, Up"_qs << u"KB-04"_qs << 0;
    QTest::newRow("past last") << 5 << u"Down"_qs << u"MW-05"_qs << 1;
    QTest::newRow("past first") << 1 << u"PgUp, Up"_qs << u"KB-01"_qs << 2;
    QTest::newRow("ctrl up") << 3 << u"Ctrl+Up"_qs << u"KB-01"_qs << 0;
    QTest::newRow("ctrl shift up") << 3 << u"Ctrl+Shift+Up"_qs << u"KB-02"_qs << 0;
    QTest::newRow("ctrl pgdown") << 2 << u"Ctrl+PgDown"_qs << u"MW-05"_qs << 0;
    QTest::newRow("ctrl home") << 4 << u"Ctrl+Home"_qs << u"KB-01"_qs << 0;
    // Address 0: every row deleted first.
    QTest::newRow("empty table") << 0 << u"Down, PgDown, Up, PgUp"_qs << u""_qs << 0;
}

void tst_edytor::nawigacja()
{
    QFETCH(int, adres);
    QFETCH(QString, klawisze);
    Stanowisko st;
    QCOMPARE(st.kod(), u"KB-01"_qs);
    auto* dane = st.okno->findChild<clsRegulatory*>();
    if (adres == 0) {
        st.s->wartosc(u"DELETE FROM Regulatory"_qs);
        QCOMPARE(dane->Requery(), QString());
        QCOMPARE(dane->RecordCount(), 0);
    } else {
        st.okno->EdytujRekord(adres);
    }
    QSignalSpy sygnaly(dane, &clsRegulatory::Sygnal);
    st.wykonaj(klawisze.split(u", "_qs));
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

// Saves that are written close the editor with a note; a refused one follows a changed
// description and a move to the next row, writes nothing and keeps all that was typed.
void tst_edytor::zapis_data()
{
    QTest::addColumn<int>("adres"); // 0: a new row
    QTest::addColumn<QStringList>("kroki");
    QTest::addColumn<QString>("kod");
    QTest::addColumn<QVariantMap>("kolumny");
    QTest::addColumn<QString>("komunikat");
    QTest::addColumn<QString>("fokus");
    const QVariant null(QMetaType(QMetaType::Double));
    QTest::newRow("thresholds")
        << 2 << QStringList{"txtFields(19)=", "txtFields(20)=2,5", "txtFields(17)=12.75"} << "KB-02"
        << QVariantMap{{"ProgTgFiMin", null}, {"Przekladnia", 2.5}, {"ProgPrad", 12.75}, {"ProgTgFi", 0.4}}
        << kPonownie << "";
    QTest::newRow("list texts") << 4 << QStringList{"combo(1)=TAK", "txtFields(10)=30"} << "KB-04"
                                << QVariantMap{{"aktywny", "Tak"}, {"CzestTrans", 30.0}} << kPonownie << "";
    QTest::newRow("list text begun") << 4 << QStringList{"combo(1)=t"} << "KB-04"
                                     << QVariantMap{{"aktywny", "t"}} << kPonownie << "";
    QTest::newRow("code of spaces") << 1 << QStringList{"txtFields(12)=  "} << "  "
                                    << QVariantMap{{"Adres", 1}} << kPonownie << "";
    QTest::newRow("new row") << 0
                             << QStringList{"txtFields(12)=KB-09", "txtFields(0)=9", "combo(0)=regulator",
                                            "combo(1)=nie", "txtFields(18)=0,5"}
                             << "KB-09"
                             << QVariantMap{{"Adres", 9},      {"Typ", "regulator"},  {"aktywny", "Nie"},
                                            {"ProgTgFi", 0.5}, {"ProgTgFiMin", null}, {"ProgPrad", null}}
                             << kPonownie << "";
    const auto odmowa = [](const char* nazwa, const QString& krok, const QString& komunikat,
                           const QString& fokus) {
        QTest::newRow(nazwa) << 1 << QStringList{u"txtFields(15)=zmieniony"_qs, u"Down"_qs, krok}
                             << u"KB-01"_qs << QVariantMap{{u"Opis"_qs, u"Rozdzielnia główna, sekcja 1"_qs}}
                             << komunikat << fokus;
    };
    const QString liczba = u" nie jest liczbą całkowitą od -32768 do 32767."_qs;
    odmowa("empty code", u"txtFields(12)="_qs, u"Proszę wypełnić pole Kod regulatora!"_qs,
           u"txtFields(12)"_qs);
    odmowa("address", u"txtFields(0)=abc"_qs, u"Adres regulatora: „abc”"_qs + liczba, u"txtFields(0)"_qs);
    odmowa("address range", u"txtFields(0)=40000"_qs, u"Adres regulatora: „40000”"_qs + liczba,
           u"txtFields(0)"_qs);
    odmowa("limit", u"txtFields(34)=1,2,3"_qs, u"Prąd bierny: „1,2,3” nie jest liczbą."_qs,
           u"txtFields(34)"_qs);
    odmowa("code in use", u"txtFields(12)=KB-03"_qs, u"Kod regulatora: „KB-03” ma już inny regulator."_qs,
           u"txtFields(12)"_qs);
    odmowa("code in use but for case and blanks", u"txtFields(12)=kb-03 "_qs,
           u"Kod regulatora: „KB-03” ma już inny regulator."_qs, u"txtFields(12)"_qs);
    // A row the editor has not read: only the file's uniqueness of Kod stops it.
    odmowa("refused by file", u"txtFields(12)=KB-77"_qs, u"UNIQUE constraint failed: Regulatory.Kod"_qs, {});
}

void tst_edytor::zapis()
{
    QFETCH(int, adres);
    QFETCH(QStringList, kroki);
    QFETCH(QString, kod);
    QFETCH(QVariantMap, kolumny);
    QFETCH(QString, komunikat);
    QFETCH(QString, fokus);
    Stanowisko st;
    st.s->dodajRegulator(u"KB-77"_qs, 77);
    const int wiersze = st.s->liczWiersze(u"Regulatory"_qs);
    adres ? st.okno->EdytujRekord(adres) : st.okno->NowyRekord();
    st.wykonaj(kroki);
    const QString wpisany = st.kod();
    st.zapisz();
    const bool zapisany = komunikat == kPonownie;
    QCOMPARE(st.s->komunikaty.teksty.join(u'\n'), komunikat);
    QCOMPARE(st.zamkniete(), zapisany);
    QCOMPARE(st.s->liczWiersze(u"Regulatory"_qs), wiersze + (adres ? 0 : 1));
    const auto tekst = [](const QVariant& v) { return v.isNull() ? u"NULL"_qs : v.toString(); };
    for (auto k = kolumny.cbegin(); k != kolumny.cend(); ++k)
        QCOMPARE(k.key() + u'=' + tekst(st.kolumna(k.key(), kod)), k.key() + u'=' + tekst(*k));
    QCOMPARE(
        st.s->wartosc(u"SELECT Operacja || '|' || Status || Typ || '|' || Kod_Regul FROM Log"_qs).toString(),
        zapisany ? u"Zapisano nowe dane o regulatorze|BB|"_qs + kod : QString());
    if (zapisany)
        return;
    if (!fokus.isEmpty())
        QCOMPARE(st.okno->focusWidget(), st.pole(fokus));
    QCOMPARE(st.kod(), wpisany);
    st.wykonaj({u"Up"_qs});
    QCOMPARE(st.tekst(u"txtFields(15)"_qs), u"zmieniony"_qs);
}

// A save writes the rows left before it too, each checked as the row on screen, and logs each;
// a new row left with nothing typed in it is not written. A refused save writes nothing and
// shows the row at fault, so does one that finds a row it changes no longer in the file.
void tst_edytor::zapisInnychWierszy_data()
{
    QTest::addColumn<int>("adres"); // 0: a new row
    QTest::addColumn<QStringList>("kroki");
    QTest::addColumn<QString>("komunikat");
    QTest::addColumn<QString>("plik");      // "code:description" of the rows written, file order
    QTest::addColumn<QString>("log");       // codes of the log rows
    QTest::addColumn<QString>("adresPola"); // shown after a refused save
    const QString brak = u"Proszę wypełnić pole Kod regulatora!"_qs;
    const auto usuniety = [](const char* kod) {
        return u"Regulatora „%1” nie ma już w bazie danych (usunięty lub zmieniony poza tym oknem); nic nie "
               "zapisano."_qs.arg(QLatin1String(kod));
    };
    const QString usun = u"sql DELETE FROM Regulatory WHERE Kod = 'KB-02'"_qs;
    QTest::newRow("emptied code left by Down")
        << 1 << QStringList{"txtFields(12)=", "Down", "txtFields(15)=x"} << brak << QString() << QString()
        << u"1"_qs;
    QTest::newRow("new row left by Home") << 0 << QStringList{"Home", "txtFields(15)=x"} << kPonownie
                                          << u"KB-01:x"_qs << u"KB-01"_qs << QString();
    QTest::newRow("new row typed in, emptied, left by Up")
        << 0 << QStringList{"txtFields(0)=9", "txtFields(0)=", "Up", "txtFields(15)=x"} << kPonownie
        << u"MW-05:x"_qs << u"MW-05"_qs << QString();
    QTest::newRow("new row without a code") << 0 << QStringList{"txtFields(0)=9", "Home", "txtFields(15)=x"}
                                            << brak << QString() << QString() << u"9"_qs;
    QTest::newRow("new row saved with the row shown")
        << 0 << QStringList{"txtFields(12)=KB-09", "txtFields(0)=9", "Home", "txtFields(15)=x"} << kPonownie
        << u"KB-01:x KB-09:NULL"_qs << u"KB-01 KB-09"_qs << QString();
    QTest::newRow("changed row saved with the row shown")
        << 1 << QStringList{"txtFields(15)=x", "Down", "txtFields(15)=y"} << kPonownie
        << u"KB-01:x KB-02:y"_qs << u"KB-02 KB-01"_qs << QString();
    QTest::newRow("row deleted meanwhile") << 2 << QStringList{"txtFields(15)=x", usun} << usuniety("KB-02")
                                           << QString() << QString() << u"2"_qs;
    QTest::newRow("row deleted meanwhile, saved with another")
        << 1 << QStringList{"txtFields(15)=x", "Down", "txtFields(15)=y", usun} << usuniety("KB-02")
        << QString() << QString() << u"2"_qs;
    QTest::newRow("row deleted meanwhile, its rowid taken")
        << 5
        << QStringList{"txtFields(15)=x", "sql DELETE FROM Regulatory WHERE Kod = 'MW-05'",
                       "sql INSERT INTO Regulatory (rowid, Kod, Adres, Opis) VALUES (5, 'KB-06', 6, 'y')"}
        << usuniety("MW-05") << u"KB-06:y"_qs << QString() << u"5"_qs;
}

void tst_edytor::zapisInnychWierszy()
{
    QFETCH(int, adres);
    QFETCH(QStringList, kroki);
    QFETCH(QString, komunikat);
    QFETCH(QString, adresPola);
    Stanowisko st;
    adres ? st.okno->EdytujRekord(adres) : st.okno->NowyRekord();
    st.wykonaj(kroki);
    st.zapisz();
    QCOMPARE(st.s->komunikaty.teksty.join(u'\n'), komunikat);
    const bool zapisany = komunikat == kPonownie;
    QCOMPARE(st.zamkniete(), zapisany);
    QTEST(
        st.s->wartosc(u"SELECT group_concat(ifnull(Kod, 'NULL') || ':' || ifnull(Opis, 'NULL'), ' ') "
                      "FROM (SELECT * FROM Regulatory WHERE Kod IS NULL OR Opis IS NULL OR length(Opis) < 3 "
                      "ORDER BY rowid)"_qs)
            .toString(),
        "plik");
    QTEST(st.s->wartosc(u"SELECT group_concat(Kod_Regul, ' ') FROM (SELECT * FROM Log ORDER BY rowid)"_qs)
              .toString(),
          "log");
    if (zapisany)
        return;
    QCOMPARE(st.tekst(u"txtFields(0)"_qs), adresPola);
    if (komunikat.startsWith(u"Proszę"_qs))
        QCOMPARE(st.okno->focusWidget(), st.pole(u"txtFields(12)"_qs));
}

// A list shows its item only for the text start-up takes; another stored text shows as it is
// stored, so that the operator sees why the row is not polled or not loaded. Choosing the item
// stores the text start-up takes.
void tst_edytor::listy_data()
{
    QTest::addColumn<QString>("kolumna");
    QTest::addColumn<QString>("zapisany");
    QTest::addColumn<QString>("pokazany");
    QTest::addColumn<QString>("wybrany"); // stored after choosing the list's first item
    const auto wiersz = [](const char* kolumna, const char* zapisany, const char* pokazany,
                           const char* wybrany) {
        QTest::addRow("%s '%s'", kolumna, zapisany)
            << QString::fromUtf8(kolumna) << QString::fromUtf8(zapisany) << QString::fromUtf8(pokazany)
            << QString::fromUtf8(wybrany);
    };
    wiersz("aktywny", "Tak", "tak", "Tak");
    wiersz("aktywny", "TAK", "TAK", "Tak");
    wiersz("aktywny", "Nie", "nie", "Tak");
    wiersz("Typ", "regulator", "regulator", "regulator");
    wiersz("Typ", "Regulator", "Regulator", "regulator");
    wiersz("Typ", "regulator ", "regulator ", "regulator");
}

void tst_edytor::listy()
{
    QFETCH(QString, kolumna);
    QFETCH(QString, zapisany);
    Stanowisko st;
    st.s->wartosc(u"UPDATE Regulatory SET %1 = '%2' WHERE Kod = 'KB-01'"_qs.arg(kolumna, zapisany));
    QCOMPARE(st.okno->findChild<clsRegulatory*>()->Requery(), QString());
    auto* pole = st.okno->findChild<QComboBox*>(kolumna == u"Typ"_qs ? u"combo(0)"_qs : u"combo(1)"_qs);
    QTEST(pole->currentText(), "pokazany");
    pole->showPopup();
    QAbstractItemView* widok = pole->view();
    QTest::mouseClick(widok->viewport(), Qt::LeftButton, {},
                      widok->visualRect(widok->model()->index(0, 0)).center());
    QCOMPARE(pole->currentText(), pole->itemText(0));
    st.zapisz();
    QVERIFY(st.zamkniete());
    QTEST(st.kolumna(kolumna, u"KB-01"_qs).toString(), "wybrany");
}

// Cancel drops the current row's pending texts, or the new row itself; Delete takes effect at
// Update; Requery forgets whatever was not written.
void tst_edytor::zmianyOczekujace()
{
    Stanowisko st;
    auto* dane = st.okno->findChild<clsRegulatory*>();
    const int opis = clsRegulatory::IndeksKolumny(u"opis"_qs);
    // "position/records in the class/rows in the file, editing".
    const auto stan = [&] {
        return u"%1/%2/%3%4"_qs.arg(dane->AbsolutePosition())
            .arg(dane->RecordCount())
            .arg(st.s->liczWiersze(u"Regulatory"_qs))
            .arg(dane->EditingRecord() ? u", editing"_qs : QString());
    };
    dane->MoveLast();
    dane->UstawTekst(opis, u"x"_qs);
    QCOMPARE(stan(), u"5/5/5, editing"_qs);
    dane->Cancel();
    QCOMPARE(stan() + dane->Tekst(opis), u"5/5/5Miernik energii budynku biurowego"_qs);
    dane->AddNew();
    QCOMPARE(stan(), u"6/6/5, editing"_qs);
    dane->Cancel();
    QCOMPARE(stan(), u"1/5/5"_qs);
    dane->MoveLast();
    dane->Delete();
    QCOMPARE(stan() + st.kod(), u"4/4/5KB-04"_qs);
    QVERIFY(!dane->Update());
    QCOMPARE(stan(), u"4/4/4"_qs);
    dane->UstawTekst(opis, u"y"_qs);
    QCOMPARE(dane->Requery(), QString());
    QCOMPARE(stan(), u"1/4/4"_qs);
    dane->FindRecord(u"Kod"_qs, u"brak"_qs);
    QVERIFY(dane->Eof());
}

// The regulator menu opens the row the current regulator was loaded from, though a row that
// start-up skipped shares its address and comes first; a second opening brings the editor
// forward; Esc closes it.
void tst_edytor::otwieranie()
{
    Stanowisko st;
    QMdiArea obszar;
    st.s->dodajRegulator(u"KB-03a"_qs, 3);
    st.s->wartosc(u"UPDATE Regulatory SET rowid = 100 WHERE Kod = 'KB-03'"_qs);
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

KALBOR_TEST_OKIEN(tst_edytor)
#include "tst_edytor.moc"
