// The database file: creation, refusal of missing, damaged or incomplete files, and the writers.
#include "MagazynPomiarow.h"
#include "TestSupport.h"

#include <QFile>
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

QByteArray tresc(const QString& plik)
{
    QFile f(plik);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
    void badFiles_data();
    void badFiles();
    void incompleteFiles_data();
    void incompleteFiles();
    void writers();
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
    // A database of some size cut in half.
    Srodowisko s;
    QSqlQuery q(s.baza->db());
    q.exec(u"PRAGMA journal_mode=DELETE"_qs);
    q.exec(
        u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
        "INSERT INTO Log (Operacja, Status, Typ) SELECT printf('%.200c', char(97 + i % 26)), 'N', 'L' FROM n"_qs);
    QCOMPARE(s.liczWiersze(u"Log"_qs), 2000);
    s.baza->Zamknij();
    const QByteArray pelna = tresc(s.plik());
    QTest::newRow("truncated") << pelna.left(pelna.size() / 2) << true
                               << "(database disk image is malformed)";
    // Cells of many pages overwritten: the check finds a fault in each, more than a message shows.
    QByteArray uszkodzona = pelna;
    for (qsizetype strona = 3; strona * 4096 < uszkodzona.size(); strona += 7)
        uszkodzona.replace(strona * 4096 + 100, 200, QByteArray(200, '\xff'));
    QTest::newRow("damaged pages: the first faults and the count of the rest")
        << uszkodzona << true << "; … i ";
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

// The log takes rows without a regulator; a refused write waits for nobody: the refused alarm,
// the log row telling of it and the refused log row are each shown and the caller goes on.
void TestBaza::writers()
{
    Srodowisko s;
    s.bd->ZapiszDoLoga(u"Start aplikacji"_qs, u"N"_qs, u"L"_qs, {});
    QCOMPARE(s.wartosc(u"SELECT Operacja || Status || Typ || ifnull(Kod_Regul, '-') || (Czas IS NOT NULL) "
                       "FROM Log"_qs)
                 .toString(),
             u"Start aplikacjiNL-1"_qs);
    QSqlQuery(s.baza->db()).exec(u"PRAGMA query_only = ON"_qs);
    QCOMPARE(s.bd->ZapiszAlarm(QDateTime::currentDateTime(), u"R"_qs, u"x"_qs, u"R1"_qs, {}), 0);
    s.bd->ZapiszDoLoga(u"Start aplikacji"_qs, u"N"_qs, u"L"_qs, {});
    QVERIFY(s.komunikaty.teksty.isEmpty());
    QCOMPARE(s.komunikaty.bledyZapisu,
             QStringList(3, u"Błąd zapisu do bazy danych nr  8\r'attempt to write a readonly database'"_qs));
}

QTEST_GUILESS_MAIN(TestBaza)
#include "tst_baza.moc"
