// The database file: creation, refusal of missing or damaged files, and the writers.
#include "TestSupport.h"

#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

namespace {
QStringList kolumny(QSqlDatabase db, const QString& tabela)
{
    QStringList wynik;
    const QSqlRecord r = db.record(tabela);
    for (int i = 0; i < r.count(); ++i)
        wynik << r.fieldName(i);
    return wynik;
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
    void createRefusesExistingFile();
    void badFiles_data();
    void badFiles();
    void writers();
    void refusedWriteShowsMessage();
};

void TestBaza::tablesAndColumns_data()
{
    QTest::addColumn<QString>("tabela");
    QTest::addColumn<QString>("kolumny");
    QTest::newRow("Pomiary") << "Pomiary"
                             << "Adres Data EnCzynna EnBiernaCalk EnBiernaPoj Napiecie PradBierny PradCalk "
                                "Czestotliwosc";
    QTest::newRow("OstPomiar") << "OstPomiar"
                               << "Adres PopPradCzynny PopPradBiernSr PopPradBiernPojSr PopTimerU Czas";
    QTest::newRow("Alarmy") << "Alarmy"
                            << "Id_alarmu Data Typ Tresc Kod_Regul Data_potw data_dezakt Operator";
    QTest::newRow("Log") << "Log"
                         << "Operacja Status Typ Kod_Regul Czas";
    QTest::newRow("Hierarchia") << "Hierarchia"
                                << "kod_obiektu typ kod_obiektu_nad";
}

void TestBaza::tablesAndColumns()
{
    QFETCH(QString, tabela);
    Srodowisko s;
    QTEST(kolumny(s.baza->db(), tabela).join(u' '), "kolumny");
    // Column names match whatever their case.
    QVERIFY(QSqlQuery(s.baza->db())
                .exec(u"SELECT "_qs + kolumny(s.baza->db(), tabela).join(u',').toUpper() + u" FROM "_qs +
                      tabela));
}

void TestBaza::regulatorTable()
{
    Srodowisko s;
    const QStringList regulatory = kolumny(s.baza->db(), u"Regulatory"_qs);
    QCOMPARE(regulatory.size(), 41);
    for (const char* k :
         {"Kod", "Adres", "Typ", "aktywny", "ProgTgFi", "BKSt9", "CzestTrans", "NrFabryczny", "Opis"})
        QVERIFY2(regulatory.contains(QString::fromLatin1(k)), k);
    // An empty threshold reads back empty, not 0; codes are unique.
    s.dodajRegulator(u"R1"_qs, 1, {{u"ProgTgFi"_qs, QVariant()}});
    QVERIFY(s.wartosc(u"SELECT ProgTgFi FROM Regulatory"_qs).isNull());
    QVERIFY(!QSqlQuery(s.baza->db()).exec(u"INSERT INTO Regulatory (Kod) VALUES ('R1')"_qs));
}

void TestBaza::createRefusesExistingFile()
{
    QTemporaryDir dir;
    const QString plik = dir.filePath(u"x.mdb"_qs);
    QVERIFY(Baza::UtworzPlik(plik).isEmpty());
    const QByteArray przed = tresc(plik);
    QVERIFY(Baza::UtworzPlik(plik).contains(u"już istnieje"_qs));
    QCOMPARE(tresc(plik), przed);
}

void TestBaza::badFiles_data()
{
    QTest::addColumn<QByteArray>("zawartosc");
    QTest::addColumn<bool>("utworz");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("not a database")
        << QByteArray("To nie jest baza danych, tylko zwykły tekst.\n").repeated(100) << true;
    QTest::newRow("empty file") << QByteArray() << true;
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
    QTest::newRow("truncated") << pelna.left(pelna.size() / 2) << true;
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
    QCOMPARE(QFile::exists(plik), utworz);
    QCOMPARE(tresc(plik), zawartosc);
}

void TestBaza::writers()
{
    Srodowisko s;
    const QDateTime t(QDate(2003, 12, 17), QTime(14, 30, 5));
    const qint32 a = s.bd->ZapiszAlarm(t, u"R"_qs, u"Brak komunikacji z regulatorem "_qs, u"R1"_qs, {});
    const qint32 b = s.bd->ZapiszAlarm(t, u"R"_qs, u"x"_qs, {}, u"jan"_qs);
    QVERIFY(a > 0 && b != a);
    s.bd->ModyfikujAlarm(a, t.addSecs(60), std::nullopt, {});
    s.bd->ModyfikujAlarm(a, std::nullopt, t.addSecs(120), {});
    s.bd->ModyfikujAlarm(a + b + 100, t, t, u"nikt"_qs); // no such row: nothing changes
    QCOMPARE(
        s.wartosc(
             u"SELECT group_concat(Id_alarmu || ':' || Data || ':' || Typ || ':' || Tresc || ':' || "
             "ifnull(Kod_Regul, '-') || ':' || ifnull(Operator, '-') || ':' || ifnull(Data_potw, '-') || "
             "':' || ifnull(data_dezakt, '-'), '|') FROM Alarmy"_qs)
            .toString(),
        QStringLiteral("%1:2003-12-17 14:30:05:R:Brak komunikacji z regulatorem :R1:-:2003-12-17 14:31:05:"
                       "2003-12-17 14:32:05|%2:2003-12-17 14:30:05:R:x:-:jan:-:-")
            .arg(a)
            .arg(b));
    s.bd->ZapiszDoLoga(u"Start aplikacji"_qs, u"N"_qs, u"L"_qs, {});
    s.bd->ZapiszDoLoga(u"Blokada regulatora"_qs, u"N"_qs, u"B"_qs, u"R1"_qs);
    QCOMPARE(s.wartosc(u"SELECT group_concat(Operacja || Status || Typ || ifnull(Kod_Regul, '-') || "
                       "(Czas IS NOT NULL), '|') FROM Log"_qs)
                 .toString(),
             u"Start aplikacjiNL-1|Blokada regulatoraNBR11"_qs);
    QVERIFY(s.komunikaty.teksty.isEmpty());
}

void TestBaza::refusedWriteShowsMessage()
{
    Srodowisko s;
    QSqlQuery(s.baza->db()).exec(u"PRAGMA query_only = ON"_qs);
    QCOMPARE(s.bd->ZapiszAlarm(QDateTime::currentDateTime(), u"R"_qs, u"x"_qs, u"R1"_qs, {}), 0);
    s.bd->ZapiszDoLoga(u"Start aplikacji"_qs, u"N"_qs, u"L"_qs, {});
    // Nothing waits for the operator: the refused alarm, the log row telling of it, the log row.
    QVERIFY(s.komunikaty.teksty.isEmpty());
    QCOMPARE(s.komunikaty.bledyZapisu,
             QStringList(3, u"Błąd zapisu do bazy danych nr  8\r'attempt to write a readonly database'"_qs));
}

QTEST_GUILESS_MAIN(TestBaza)
#include "tst_baza.moc"
