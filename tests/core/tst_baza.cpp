// The database file: creation, refusal of missing, damaged or incomplete files, and the writers.
#include "BledyBazy.h"
#include "IndeksyHistorii.h"
#include "MagazynPomiarow.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The table again with its rows and columns but without its keys.
QString bezKluczy(const QString& tabela)
{
    return QStringLiteral(
               "CREATE TABLE kopia AS SELECT * FROM %1; DROP TABLE %1; ALTER TABLE kopia RENAME TO %1")
        .arg(tabela);
}

// Makes a file or folder read-only, or writable again. Permissions do not hold for the
// superuser, who gets the file system's immutable flag instead. False when neither holds.
bool tylkoDoOdczytu(const QString& sciezka, bool wlacz)
{
    const bool folder = QFileInfo(sciezka).isDir();
    const auto prawa = QFileDevice::ReadOwner | QFileDevice::ReadUser |
                       (folder ? QFileDevice::ExeOwner : QFileDevice::ReadOwner);
    QFile::setPermissions(sciezka, wlacz ? prawa : prawa | QFileDevice::WriteOwner);
    const auto zapisywalny = [&] {
        QFile f(folder ? QDir(sciezka).filePath(u"proba"_qs) : sciezka);
        const bool ok = f.open(QIODevice::Append);
        if (ok && folder)
            f.remove();
        return ok;
    };
    if (wlacz && zapisywalny())
        QProcess::execute(u"chattr"_qs, {u"+i"_qs, sciezka});
    else if (!wlacz)
        QProcess::execute(u"chattr"_qs, {u"-i"_qs, sciezka});
    return zapisywalny() != wlacz;
}

QByteArray tresc(const QString& plik)
{
    QFile f(plik);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A file of the program's database in one piece (no journal beside it), with its page
// `sql` names (a page number) overwritten by garbage, as a failing disk leaves it.
QByteArray zUszkodzonaStrona(Srodowisko& s, const QString& sql)
{
    QSqlQuery(s.baza->db()).exec(u"PRAGMA journal_mode=DELETE"_qs);
    const int strona = s.wartosc(sql).toInt(), rozmiar = s.wartosc(u"PRAGMA page_size"_qs).toInt();
    s.baza->Zamknij();
    QByteArray plik = tresc(s.plik());
    const int od = strona == 1 ? 100 : (strona - 1) * rozmiar; // the first page opens with the file header
    if (strona < 1 || od >= plik.size())
        return {};
    plik.replace(od, (strona * rozmiar) - od, QByteArray((strona * rozmiar) - od, '\xA5'));
    return plik;
}
} // namespace

class TestBaza : public QObject
{
    Q_OBJECT
  private slots:
    void tablesAndColumns_data();
    void tablesAndColumns();
    void regulatorTable();
    void unknownAlarm();
    void createRefusesExistingFile();
    void historyIndexes();
    void badFiles_data();
    void badFiles();
    void incompleteFiles_data();
    void incompleteFiles();
    void damagedReadingPage();
    void writers();
    void unwritableFiles_data();
    void unwritableFiles();
};

// The columns that files edited outside the program, and other programs, rely on.
void TestBaza::tablesAndColumns_data()
{
    QTest::addColumn<QString>("kolumny"); // of the table the row is named after
    QTest::newRow("Regulatory")
        << u"Kod Adres Typ aktywny CzestOdczytu awarCzest NapieciePomiar Przekladnia "
           "PrzekladniaNap ProgNapiecie ProgPrad ProgTgFiMin ProgTgFi EnCzynnaMin "
           "EnCzynnaMax EnBiernaCalkMin EnBiernaCalkMax EnBiernaPojMin EnBiernaPojMax "
           "NapiecieMin NapiecieMax PradCzynnyMin PradCzynnyMax PradBiernyMin "
           "PradBiernyMax PradCalkMin PradCalkMax CzestotliwoscMin CzestotliwoscMax "
           "BKSt1 BKSt2 BKSt3 BKSt4 BKSt5 BKSt6 BKSt7 BKSt8 BKSt9 CzestTrans "
           "NrFabryczny Opis"_qs;
    QTest::newRow("Pomiary") << u"Adres Data EnCzynna EnBiernaCalk EnBiernaPoj Napiecie PradBierny PradCalk "
                                "Czestotliwosc"_qs;
    QTest::newRow("OstPomiar") << u"Adres PopPradCzynny PopPradBiernSr PopPradBiernPojSr PopTimerU Czas"_qs;
    QTest::newRow("Alarmy") << u"Id_alarmu Data Typ Tresc Kod_Regul Data_potw data_dezakt Operator"_qs;
    QTest::newRow("Log") << u"Operacja Status Typ Kod_Regul Czas"_qs;
    QTest::newRow("Hierarchia") << u"kod_obiektu typ kod_obiektu_nad"_qs;
}

void TestBaza::tablesAndColumns()
{
    Srodowisko s;
    const QSqlRecord r = s.baza->db().record(QString::fromLatin1(QTest::currentDataTag()));
    QStringList kolumny;
    for (int i = 0; i < r.count(); ++i)
        kolumny << r.fieldName(i);
    QTEST(kolumny.join(u' '), "kolumny");
}

// A threshold not given reads back empty, not 0; codes are unique.
void TestBaza::regulatorTable()
{
    Srodowisko s;
    s.dodajRegulator(u"R1"_qs, 1);
    QVERIFY(s.wartosc(u"SELECT ProgTgFi FROM Regulatory"_qs).isNull());
    QVERIFY(!QSqlQuery(s.baza->db()).exec(u"INSERT INTO Regulatory (Kod, Adres) VALUES ('R1', 2)"_qs));
}

// Changing an alarm the file does not hold changes no row.
void TestBaza::unknownAlarm()
{
    Srodowisko s;
    const QDateTime t(QDate(2003, 12, 17), QTime(14, 30, 5));
    const qint32 a = s.bd->ZapiszAlarm(t, u"R"_qs, u"x"_qs, u"R1"_qs, {});
    const QString wiersze =
        u"SELECT group_concat(Id_alarmu || ifnull(Data_potw, '-') || ifnull(data_dezakt, '-') || "
        "ifnull(Operator, '-')) FROM Alarmy"_qs;
    const QVariant przed = s.wartosc(wiersze);
    s.bd->ModyfikujAlarm(a + 1, t, t, u"nikt"_qs);
    QCOMPARE(s.wartosc(wiersze), przed);
}

void TestBaza::createRefusesExistingFile()
{
    Srodowisko s;
    const QByteArray przed = tresc(s.plik());
    QVERIFY(Baza::UtworzPlik(s.plik()).contains(u"już istnieje"_qs));
    QCOMPARE(tresc(s.plik()), przed);
}

// A new file has the indexes of the history's reads; a file made before them gets them once.
void TestBaza::historyIndexes()
{
    Srodowisko s;
    QCOMPARE(IndeksyHistorii::Uzupelnij(s.baza->db()), QStringList{});
    QSqlQuery q(s.baza->db());
    QVERIFY(q.exec(u"DROP INDEX Pomiary_Data"_qs) && q.exec(u"DROP INDEX Alarmy_Kod_Regul_Data"_qs));
    QCOMPARE(IndeksyHistorii::Uzupelnij(s.baza->db()),
             (QStringList{u"Pomiary_Data"_qs, u"Alarmy_Kod_Regul_Data"_qs}));
    QCOMPARE(IndeksyHistorii::Uzupelnij(s.baza->db()), QStringList{});
}

void TestBaza::badFiles_data()
{
    QTest::addColumn<QByteArray>("zawartosc");
    QTest::addColumn<bool>("utworz");
    QTest::addColumn<QString>("powod");
    QTest::newRow("missing") << QByteArray() << false << "Nie znaleziono";
    QTest::newRow("not a database")
        << QByteArray("To nie jest baza danych, tylko zwykły tekst.\n").repeated(100) << true
        << "(file is not a database)";
    QTest::newRow("empty file") << QByteArray() << true << "brakuje tabeli Regulatory";
    // A database of some size, cut in half; and with cells of many pages overwritten, where the
    // check of the plant's table finds more faults than a message shows.
    Srodowisko s;
    QSqlQuery q(s.baza->db());
    q.exec(u"PRAGMA journal_mode=DELETE"_qs);
    for (const QString& tabela :
         {u"Log (Operacja, Status, Typ)"_qs, u"Hierarchia (kod_obiektu, typ, kod_obiektu_nad)"_qs})
        QVERIFY(q.exec(u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
                       "INSERT INTO "_qs +
                       tabela + u" SELECT printf('%.200c%d', char(97 + i % 26), i), 'S', 'L' FROM n"_qs));
    QCOMPARE(s.liczWiersze(u"Log"_qs) + s.liczWiersze(u"Hierarchia"_qs), 4000);
    s.baza->Zamknij();
    const QByteArray pelna = tresc(s.plik());
    QTest::newRow("truncated") << pelna.left(pelna.size() / 2) << true
                               << "(database disk image is malformed)";
    QByteArray uszkodzona = pelna;
    for (qsizetype strona = 3; strona * 4096 < uszkodzona.size(); strona += 7)
        uszkodzona.replace(strona * 4096 + 100, 200, QByteArray(200, '\xff'));
    QTest::newRow("damaged pages: the first faults and the count of the rest")
        << uszkodzona << true << "; … i ";
    // What start-up reads and the plant bounds is checked page by page at every opening.
    Srodowisko schemat;
    QTest::newRow("damaged schema page") << zUszkodzonaStrona(schemat, u"SELECT 1"_qs) << true << "malformed";
    Srodowisko regulatory;
    regulatory.dodajRegulator(u"R1"_qs, 1);
    QTest::newRow("damaged regulators' page")
        << zUszkodzonaStrona(regulatory, u"SELECT rootpage FROM sqlite_master WHERE name = 'Regulatory'"_qs)
        << true << "malformed";
}

void TestBaza::badFiles()
{
    QFETCH(QByteArray, zawartosc);
    QFETCH(bool, utworz);
    QTemporaryDir dir;
    const QString plik = dir.filePath(u"kalbor.mdb"_qs);
    QFile f(plik);
    QVERIFY(!utworz || (f.open(QIODevice::WriteOnly) && f.write(zawartosc) == zawartosc.size()));
    f.close();
    Baza baza(u"zla"_qs);
    const QString blad = baza.Otworz(plik);
    QVERIFY2(blad.contains(plik), qPrintable(blad));
    QFETCH(QString, powod);
    QVERIFY2(blad.contains(powod), qPrintable(blad));
    QCOMPARE(QFile::exists(plik), utworz);
    QCOMPARE(tresc(plik), zawartosc);
}

// A file edited outside the program opens only with what storage relies on; the writer names
// the database's reason when it is refused.
void TestBaza::incompleteFiles_data()
{
    QTest::addColumn<QString>("zmiana");
    QTest::addColumn<QStringList>("brakuje"); // in the message refusing the file; none: it opens
    QTest::addColumn<QString>("zapis");       // in the writer's message; empty: the reading is stored
    QTest::newRow("names in other letter case")
        << u"DROP TABLE OstPomiar; CREATE TABLE OSTPOMIAR (ADRES INTEGER UNIQUE, popPradCzynny REAL, "
           "POPPRADBIERNSR REAL, poppradbiernpojsr REAL, POPTIMERU INTEGER, czas TEXT)"_qs
        << QStringList() << QString();
    QTest::newRow("key as a separate index")
        << bezKluczy(u"OstPomiar"_qs) + u"; CREATE UNIQUE INDEX OstPomiar_Adres ON OstPomiar (Adres)"_qs
        << QStringList() << QString();
    QTest::newRow("OstPomiar without its key")
        << bezKluczy(u"OstPomiar"_qs) << QStringList{u"brakuje unikalnego indeksu OstPomiar(Adres)"_qs}
        << u"ON CONFLICT"_qs;
    QTest::newRow("key over more columns")
        << bezKluczy(u"OstPomiar"_qs) + u"; CREATE UNIQUE INDEX OstPomiar_Adres ON OstPomiar (Czas, Adres)"_qs
        << QStringList{u"unikalnego indeksu OstPomiar(Adres)"_qs} << u"ON CONFLICT"_qs;
    QTest::newRow("partial key")
        << bezKluczy(u"OstPomiar"_qs) +
               u"; CREATE UNIQUE INDEX OstPomiar_Adres ON OstPomiar (Adres) WHERE Adres > 0"_qs
        << QStringList{u"unikalnego indeksu OstPomiar(Adres)"_qs} << u"ON CONFLICT"_qs;
    QTest::newRow("missing column") << u"ALTER TABLE Pomiary DROP COLUMN Czestotliwosc"_qs
                                    << QStringList{u"kolumny Pomiary.Czestotliwosc"_qs}
                                    << u"Czestotliwosc"_qs;
    // New alarms take their identity from the database; a unique column alone gives them none.
    const QString alarmy = u"DROP TABLE Alarmy; CREATE TABLE Alarmy (Id_alarmu %1, Data TEXT, Typ TEXT, "
                           "Tresc TEXT, Kod_Regul TEXT, Data_potw TEXT, data_dezakt TEXT, Operator TEXT)"_qs;
    const QStringList nienumerowana{u"kolumny Alarmy.Id_alarmu numerowanej przez bazę danych"_qs};
    QTest::newRow("alarm identity unique, not numbered")
        << alarmy.arg(u"INTEGER UNIQUE"_qs) << nienumerowana << QString();
    QTest::newRow("alarm identity a key of another type")
        << alarmy.arg(u"INT PRIMARY KEY"_qs) << nienumerowana << QString();
    QTest::newRow("alarm identity numbered, no AUTOINCREMENT")
        << alarmy.arg(u"integer primary key"_qs) << QStringList() << QString();
    QTest::newRow("everything missing named")
        << bezKluczy(u"Regulatory"_qs) + u";"_qs + bezKluczy(u"Alarmy"_qs) +
               u"; DROP TABLE Hierarchia; ALTER TABLE Log DROP COLUMN Typ"_qs
        << QStringList{u"unikalnego indeksu Regulatory(Kod)"_qs, u"unikalnego indeksu Alarmy(Id_alarmu)"_qs,
                       u"tabeli Hierarchia"_qs, u"kolumny Log.Typ"_qs}
        << QString();
}

void TestBaza::incompleteFiles()
{
    QFETCH(QString, zmiana);
    QFETCH(QStringList, brakuje);
    QFETCH(QString, zapis);
    Srodowisko s;
    for (const QString& sql : zmiana.split(u';', Qt::SkipEmptyParts)) {
        QSqlQuery q(s.baza->db());
        QVERIFY2(q.exec(sql), qPrintable(q.lastError().text()));
    }
    ZapisPomiaru pomiar;
    pomiar.Adres = 1;
    pomiar.Data = QDateTime(QDate(2003, 12, 17), QTime(10, 15));
    MagazynPomiarow& magazyn = s.baza->Pomiary();
    QCOMPARE(magazyn.Zapisz(pomiar), zapis.isEmpty());
    const QString bladZapisu = zapis.isEmpty() ? QString() : TekstBleduZapisu(magazyn.blad());
    QVERIFY2(bladZapisu.contains(zapis), qPrintable(bladZapisu));
    s.baza->Zamknij();

    Baza baza(u"sprawdzana"_qs);
    const QString blad = baza.Otworz(s.plik());
    QCOMPARE(blad.isEmpty(), brakuje.isEmpty());
    for (const QString& fragment : brakuje + QStringList{s.plik()})
        QVERIFY2(brakuje.isEmpty() || blad.contains(fragment), qPrintable(blad));
}

// The readings grow with the history and are not checked at the opening: a damaged page among
// them shows as the error of the statement that meets it, and a refused reading changes nothing
// stored (the last counters stay those of the last stored reading).
void TestBaza::damagedReadingPage()
{
    Srodowisko s;
    QSqlQuery q(s.baza->db());
    QVERIFY(q.exec(u"WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                   "INSERT INTO Pomiary (Adres, Data, EnCzynna) SELECT 1, datetime('2003-01-01', "
                   "'+' || (i * 15) || ' minutes'), 1 FROM n"_qs));
    QVERIFY(
        q.exec(u"INSERT INTO OstPomiar (Adres, PopTimerU, Czas) VALUES (1, 7, '2003-02-01 06:00:00')"_qs));
    // The last page of readings, where the next reading goes.
    const QByteArray uszkodzony = zUszkodzonaStrona(
        s,
        u"SELECT pageno FROM dbstat WHERE name = 'Pomiary' AND pagetype = 'leaf' ORDER BY path DESC LIMIT 1"_qs);
    QVERIFY(!uszkodzony.isEmpty());
    QFile f(s.plik());
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(uszkodzony) == uszkodzony.size());
    f.close();

    Baza baza(u"uszkodzona"_qs);
    QCOMPARE(baza.Otworz(s.plik()), QString());
    QSqlQuery odczyt(baza.db());
    QVERIFY(!odczyt.exec(u"SELECT sum(EnCzynna) FROM Pomiary WHERE Data >= '2003-01-31'"_qs) ||
            !odczyt.next());
    QCOMPARE(OpisBledu(odczyt.lastError()), u"database disk image is malformed"_qs);
    ZapisPomiaru pomiar;
    pomiar.Adres = 1;
    pomiar.Data = QDateTime(QDate(2003, 2, 1), QTime(6, 15));
    pomiar.PopTimerU = 8;
    QVERIFY(!baza.Pomiary().Zapisz(pomiar));
    QVERIFY2(
        TekstBleduZapisu(baza.Pomiary().blad()).contains(u"nr  11\r'database disk image is malformed'"_qs),
        qPrintable(TekstBleduZapisu(baza.Pomiary().blad())));
    QVERIFY(odczyt.exec(u"SELECT PopTimerU || ' ' || Czas FROM OstPomiar"_qs) && odczyt.next());
    QCOMPARE(odczyt.value(0).toString(), u"7 2003-02-01 06:00:00"_qs);
    QVERIFY(odczyt.exec(u"SELECT count(EnCzynna) FROM Pomiary WHERE rowid <= 96"_qs) && odczyt.next());
    QCOMPARE(odczyt.value(0).toInt(), 96);
}

// The log takes rows without a regulator; a refused write waits for nobody: the refused alarm,
// its change and the refused log row are each shown once, kept with the log rows telling of them,
// and written in order once the file takes writes; the kept alarm's stand-in finds its row.
void TestBaza::writers()
{
    Srodowisko s;
    s.bd->ZapiszDoLoga(u"Start aplikacji"_qs, u"N"_qs, u"L"_qs, {});
    QCOMPARE(s.wartosc(u"SELECT Operacja || Status || Typ || ifnull(Kod_Regul, '-') || (Czas IS NOT NULL) "
                       "FROM Log"_qs)
                 .toString(),
             u"Start aplikacjiNL-1"_qs);
    QSqlQuery(s.baza->db()).exec(u"PRAGMA query_only = ON"_qs);
    const QDateTime czas(QDate(2003, 12, 17), QTime(10, 15));
    const qint32 zastepczy = s.bd->ZapiszAlarm(czas, u"R"_qs, u"x"_qs, u"R1"_qs, {});
    QVERIFY(zastepczy < 0);
    s.bd->ModyfikujAlarm(zastepczy, czas.addSecs(60), std::nullopt, {});
    s.bd->ZapiszDoLoga(u"Start aplikacji"_qs, u"N"_qs, u"L"_qs, {});
    QVERIFY(s.komunikaty.teksty.isEmpty());
    const QString odmowa = u"Błąd zapisu do bazy danych nr  8\r'attempt to write a readonly database'"_qs;
    QCOMPARE(s.komunikaty.bledyZapisu, QStringList(3, odmowa));
    QCOMPARE(s.liczWiersze(u"Log"_qs), 1);

    QSqlQuery(s.baza->db()).exec(u"PRAGMA query_only = OFF"_qs);
    s.bd->ZapiszZalegle();
    QCOMPARE(s.komunikaty.bledyZapisu.size(), 3);
    QCOMPARE(s.wartosc(u"SELECT Tresc || Kod_Regul || Data_potw FROM Alarmy"_qs).toString(),
             u"xR12003-12-17 10:16:00"_qs);
    const QString zapisana = QString(odmowa).replace(u'\r', u' ');
    QCOMPARE(s.wartosc(u"SELECT group_concat(w, '|') FROM (SELECT Operacja || Status || Typ || "
                       "ifnull(Kod_Regul, '-') AS w FROM Log ORDER BY rowid)"_qs)
                 .toString(),
             QStringList({u"Start aplikacjiNL-"_qs, zapisana + u"BDR1"_qs, zapisana + u"BD-"_qs,
                          u"Start aplikacjiNL-"_qs})
                 .join(u'|'));
}

void TestBaza::unwritableFiles_data()
{
    QTest::addColumn<QString>("przeszkoda");
    QTest::addColumn<QString>("powod");
    QTest::newRow("read-only file") << "plik"
                                    << "Nie można zapisywać do pliku bazy danych";
    QTest::newRow("folder without room for the journal") << "folder"
                                                         << "Nie można zapisywać do pliku bazy danych";
    QTest::newRow("held by another program") << "blokada"
                                             << "jest zablokowany przez inny program";
    // A viewer's read transaction on a file in the rollback-journal mode, as a new one is made.
    QTest::newRow("read by another program") << "odczyt"
                                             << "jest zablokowany przez inny program";
}

// A sound file that cannot be written stops the start with the reason, never as a damaged file.
void TestBaza::unwritableFiles()
{
    QFETCH(QString, przeszkoda);
    QFETCH(QString, powod);
    Srodowisko s;
    QSqlQuery(s.baza->db()).exec(u"PRAGMA journal_mode=DELETE"_qs);
    s.baza->Zamknij();
    const QString sciezka = przeszkoda == u"folder" ? QFileInfo(s.plik()).path() : s.plik();
    const QString inne = u"blokujace"_qs;
    {
        QSqlDatabase b = QSqlDatabase::addDatabase(u"QSQLITE"_qs, inne);
        b.setDatabaseName(s.plik());
        QSqlQuery q(b);
        if (przeszkoda == u"blokada")
            QVERIFY(b.open() && q.exec(u"BEGIN EXCLUSIVE"_qs));
        else if (przeszkoda == u"odczyt")
            QVERIFY(b.open() && q.exec(u"BEGIN"_qs) && q.exec(u"SELECT count(*) FROM Regulatory"_qs) &&
                    q.next());
        else if (!tylkoDoOdczytu(sciezka, true))
            QSKIP("the file system keeps the file writable");
        Baza baza(u"sprawdzana"_qs);
        const QString blad = baza.Otworz(s.plik());
        tylkoDoOdczytu(sciezka, false);
        b.close();
        QVERIFY2(blad.contains(powod) && blad.contains(s.plik()), qPrintable(blad));
    }
    QSqlDatabase::removeDatabase(inne);
    QCOMPARE(Baza().Otworz(s.plik()), QString());
}

QTEST_GUILESS_MAIN(TestBaza)
#include "tst_baza.moc"
