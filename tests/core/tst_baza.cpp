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
    void tablesAndColumns();
    void createRefusesExistingFile();
    void badFiles_data();
    void badFiles();
    void truncatedFile();
    void zapiszAlarm();
    void modyfikujAlarm();
    void zapiszDoLoga();
    void refusedWriteShowsMessage();
};

void TestBaza::tablesAndColumns()
{
    Srodowisko s;
    QSqlDatabase db = s.baza->db();
    QCOMPARE(kolumny(db, u"Pomiary"_qs), QStringList({"Adres", "Data", "EnCzynna", "EnBiernaCalk", "EnBiernaPoj",
                                                      "Napiecie", "PradBierny", "PradCalk", "Czestotliwosc"}));
    QCOMPARE(kolumny(db, u"OstPomiar"_qs), QStringList({"Adres", "PopPradCzynny", "PopPradBiernSr",
                                                        "PopPradBiernPojSr", "PopTimerU", "Czas"}));
    QCOMPARE(kolumny(db, u"Alarmy"_qs), QStringList({"Id_alarmu", "Data", "Typ", "Tresc", "Kod_Regul", "Data_potw",
                                                     "data_dezakt", "Operator"}));
    QCOMPARE(kolumny(db, u"Log"_qs), QStringList({"Operacja", "Status", "Typ", "Kod_Regul", "Czas"}));
    QCOMPARE(kolumny(db, u"Hierarchia"_qs), QStringList({"kod_obiektu", "typ", "kod_obiektu_nad"}));
    const QStringList regulatory = kolumny(db, u"Regulatory"_qs);
    QCOMPARE(regulatory.size(), 41);
    for (const char* k : {"Kod", "Adres", "Typ", "aktywny", "ProgTgFi", "BKSt9", "CzestTrans", "NrFabryczny", "Opis"})
        QVERIFY2(regulatory.contains(QString::fromLatin1(k)), k);

    // Column names match whatever their case.
    QSqlQuery q(db);
    QVERIFY(q.exec(u"SELECT czas, popTimerU FROM OstPomiar"_qs));
    QVERIFY(q.exec(u"SELECT kod_regul, data_dezakt, DATA_DEZAKT FROM Alarmy"_qs));
    // An empty threshold reads back empty, not 0.
    s.dodajRegulator(u"R1"_qs, 1, {{u"ProgTgFi"_qs, QVariant()}});
    QVERIFY(q.exec(u"SELECT ProgTgFi FROM Regulatory"_qs) && q.next());
    QVERIFY(q.value(0).isNull());
    QVERIFY(!q.exec(u"INSERT INTO Regulatory (Kod) VALUES ('R1')"_qs));  // codes are unique
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
    QTest::newRow("not a database") << QByteArray("To nie jest baza danych, tylko zwykły tekst.\n").repeated(100)
                                    << true;
    QTest::newRow("empty file") << QByteArray() << true;
}

void TestBaza::badFiles()
{
    QFETCH(QByteArray, zawartosc);
    QFETCH(bool, utworz);
    QTemporaryDir dir;
    const QString plik = dir.filePath(u"kalbor.mdb"_qs);
    if (utworz) {
        QFile f(plik);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(zawartosc);
    }
    Baza baza(u"zla"_qs);
    const QString blad = baza.Otworz(plik);
    QVERIFY2(blad.contains(plik), qPrintable(blad));
    QCOMPARE(QFile::exists(plik), utworz);
    if (utworz)
        QCOMPARE(tresc(plik), zawartosc);
}

void TestBaza::truncatedFile()
{
    QTemporaryDir dir;
    const QString plik = dir.filePath(u"kalbor.mdb"_qs);
    {
        Srodowisko s;
        QVERIFY(QFile::copy(s.plik(), plik));
    }
    {
        Baza baza(u"pelna"_qs);
        QVERIFY(baza.Otworz(plik).isEmpty());
        QSqlQuery q(baza.db());
        q.exec(u"PRAGMA journal_mode=DELETE"_qs);
        TransakcjaBazy t(baza.db());
        q.prepare(u"INSERT INTO Log (Operacja, Status, Typ) VALUES (?, 'N', 'L')"_qs);
        for (int i = 0; i < 2000; ++i) {
            q.addBindValue(QString(200, QChar(u'a' + i % 26)));
            QVERIFY(q.exec());
        }
        QVERIFY(t.Zatwierdz());
    }
    QFile f(plik);
    QVERIFY(f.resize(f.size() / 2));
    Baza baza(u"obcieta"_qs);
    const QString blad = baza.Otworz(plik);
    QVERIFY2(blad.contains(plik), qPrintable(blad));
}

void TestBaza::zapiszAlarm()
{
    Srodowisko s;
    const QDateTime t(QDate(2003, 12, 17), QTime(14, 30, 5));
    const qint32 a = s.bd->ZapiszAlarm(t, u"R"_qs, u"Brak komunikacji z regulatorem "_qs, u"R1"_qs, {});
    const qint32 b = s.bd->ZapiszAlarm(t, u"R"_qs, u"x"_qs, {}, u"jan"_qs);
    QVERIFY(a > 0);
    QVERIFY(b != a);
    QSqlQuery q(s.baza->db());
    q.prepare(u"SELECT Data, Typ, Tresc, Kod_Regul, Operator FROM Alarmy WHERE Id_alarmu = ?"_qs);
    q.addBindValue(a);
    QVERIFY(q.exec() && q.next());
    QCOMPARE(q.value(0).toString(), u"2003-12-17 14:30:05"_qs);
    QCOMPARE(q.value(3).toString(), u"R1"_qs);
    QVERIFY(q.value(4).isNull());
    q.addBindValue(b);
    QVERIFY(q.exec() && q.next());
    QVERIFY(q.value(3).isNull());
    QCOMPARE(q.value(4).toString(), u"jan"_qs);
}

void TestBaza::modyfikujAlarm()
{
    Srodowisko s;
    const QDateTime t(QDate(2003, 12, 17), QTime(14, 30));
    const qint32 id = s.bd->ZapiszAlarm(t, u"R"_qs, u"x"_qs, u"R1"_qs, {});
    s.bd->ModyfikujAlarm(id, t.addSecs(60), std::nullopt, {});
    s.bd->ModyfikujAlarm(id, std::nullopt, t.addSecs(120), {});
    s.bd->ModyfikujAlarm(id + 100, t, t, u"nikt"_qs);  // no such row: nothing changes
    QSqlQuery q(s.baza->db());
    QVERIFY(q.exec(u"SELECT Data_potw, data_dezakt, Operator FROM Alarmy"_qs) && q.next());
    QCOMPARE(q.value(0).toString(), u"2003-12-17 14:31:00"_qs);
    QCOMPARE(q.value(1).toString(), u"2003-12-17 14:32:00"_qs);
    QVERIFY(q.value(2).isNull());
    QVERIFY(!q.next());
    QVERIFY(s.komunikaty.teksty.isEmpty());
}

void TestBaza::zapiszDoLoga()
{
    Srodowisko s;
    s.bd->ZapiszDoLoga(u"Start aplikacji"_qs, u"N"_qs, u"L"_qs, {});
    s.bd->ZapiszDoLoga(u"Blokada regulatora"_qs, u"N"_qs, u"B"_qs, u"R1"_qs);
    QSqlQuery q(s.baza->db());
    QVERIFY(q.exec(u"SELECT Operacja, Kod_Regul, Czas FROM Log ORDER BY rowid"_qs) && q.next());
    QVERIFY(q.value(1).isNull());
    QVERIFY(!q.value(2).toString().isEmpty());
    QVERIFY(q.next());
    QCOMPARE(q.value(1).toString(), u"R1"_qs);
}

void TestBaza::refusedWriteShowsMessage()
{
    Srodowisko s;
    QSqlQuery(s.baza->db()).exec(u"PRAGMA query_only = ON"_qs);
    QCOMPARE(s.bd->ZapiszAlarm(QDateTime::currentDateTime(), u"R"_qs, u"x"_qs, u"R1"_qs, {}), 0);
    s.bd->ZapiszDoLoga(u"Start aplikacji"_qs, u"N"_qs, u"L"_qs, {});
    QCOMPARE(s.komunikaty.teksty.size(), 2);
    QVERIFY(s.komunikaty.teksty[0].startsWith(u"Błąd zapisu do bazy danych nr  8\r'"_qs));
    QVERIFY(s.komunikaty.teksty[0].endsWith(u'\''));
    QCOMPARE(s.komunikaty.tytuly[0], u"Kalbor"_qs);
}

QTEST_GUILESS_MAIN(TestBaza)
#include "tst_baza.moc"
