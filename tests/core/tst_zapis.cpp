// Storage of a periodic reading: the Pomiary row with the energy of the period, the
// regulator's OstPomiar row, and that a refused or interrupted write loses no energy.
#include "TestSupport.h"
#include "clRegulator.h"
#include "clsBD.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QThread>

namespace {
struct Liczniki
{
    float czynny, bierny, pojemnosciowy;
};
} // namespace
Q_DECLARE_METATYPE(Liczniki)

class TestZapis : public QObject
{
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { m_s.reset(); }

    void energyOfPeriod_data();
    void energyOfPeriod();
    void ostPomiarRow();
    void monitoringStoresNothing();
    void refusedWrite_data();
    void refusedWrite();
    void killedWhileStoring();
    void keptWritesBounded();
    void keptReadingRefusedLater();

  private:
    clRegulator& r(int nr = 1) { return m_s->regulatory->Item(nr); }
    // A periodic reading 15 minutes after the previous one whose apparent energy count is given.
    void odczyt(quint32 pozorna);
    // Regulator R1 read and stored once with the count given, then a file that refuses writes
    // for a while; pierwszy is the active-energy counter of that stored reading.
    void zapisanyPrzedOdmowa(quint32 pozorna, float& pierwszy);
    QVariantList wiersz(const QString& sql) const;

    std::unique_ptr<Srodowisko> m_s;
};

void TestZapis::init()
{
    m_s = std::make_unique<Srodowisko>();
}

QVariantList TestZapis::wiersz(const QString& sql) const
{
    QSqlQuery q(m_s->baza->db());
    QVariantList wynik;
    if (q.exec(sql) && q.next()) {
        for (int i = 0; i < q.record().count(); ++i)
            wynik << q.value(i);
    }
    return wynik;
}

void TestZapis::odczyt(quint32 pozorna)
{
    m_s->komunikator.blok(BlokPomiaru{.pozorna = pozorna, .bierna = qint32(pozorna / 2)}.bajty());
    m_s->zegar.advance(900);
    r().OkresowyOdczyt(m_s->zegar.czas);
}

void TestZapis::zapisanyPrzedOdmowa(quint32 pozorna, float& pierwszy)
{
    m_s->dodajRegulator(u"R1"_qs, 1);
    m_s->wczytaj();
    odczyt(pozorna);
    pierwszy = r().PradCzynny;
    QVERIFY(QSqlQuery(m_s->baza->db()).exec(u"PRAGMA query_only = ON"_qs));
}

void TestZapis::energyOfPeriod_data()
{
    QTest::addColumn<Liczniki>("poprzednie");
    QTest::addColumn<Liczniki>("biezace");
    QTest::addColumn<Liczniki>("energia");
    QTest::addColumn<float>("tgFiOkres");
    QTest::newRow("counters reset") << Liczniki{100, 40, -10} << Liczniki{50, 20, -5} << Liczniki{-50, -20, 5}
                                    << 0.4f;
    QTest::newRow("no active energy")
        << Liczniki{100, 40, -10} << Liczniki{100, 45, -10} << Liczniki{0, 5, 0} << 9.999f;
    // A previous counter of 0 is no previous reading: the period's energy is 0, counter by counter.
    QTest::newRow("no previous capacitive counter")
        << Liczniki{100, 40, 0} << Liczniki{110, 45, -3} << Liczniki{10, 5, 0} << 0.5f;
}

void TestZapis::energyOfPeriod()
{
    QFETCH(Liczniki, poprzednie);
    QFETCH(Liczniki, biezace);
    QFETCH(Liczniki, energia);
    m_s->dodajRegulator(u"R1"_qs, 9);
    m_s->wczytaj();
    clRegulator& reg = r();
    reg.PopPradCzynny = poprzednie.czynny;
    reg.PopPradBiernSr = poprzednie.bierny;
    reg.PopPradBiernPojSr = poprzednie.pojemnosciowy;
    reg.PradCzynny = biezace.czynny;
    reg.PradBiernSr = biezace.bierny;
    reg.PradBiernPojSr = biezace.pojemnosciowy;
    reg.TimerU = 16777215;
    reg.Napiecie = 401;
    reg.PradBierny = 12.5;
    reg.PradCalk = -2;
    reg.Okres = 49.75;
    reg.OstatniOdczyt = QDateTime(QDate(2003, 12, 17), QTime(10, 15));
    reg.ZapiszDaneDB();

    QCOMPARE(wiersz(u"SELECT Adres, EnCzynna, EnBiernaCalk, EnBiernaPoj, Napiecie, PradBierny, PradCalk, "
                    "Czestotliwosc, Data FROM Pomiary"_qs),
             QVariantList({9, energia.czynny, energia.bierny, energia.pojemnosciowy, 401.0, 12.5, -2.0, 49.75,
                           "2003-12-17 10:15:00"}));
    QCOMPARE(wiersz(u"SELECT Adres, PopPradCzynny, PopPradBiernSr, PopPradBiernPojSr, PopTimerU, Czas "
                    "FROM OstPomiar"_qs),
             QVariantList({9, biezace.czynny, biezace.bierny, biezace.pojemnosciowy, 16777215,
                           "2003-12-17 10:15:00"}));
    QTEST(reg.TgFiOkres, "tgFiOkres");
    // The next period counts from here.
    QCOMPARE(QVariantList({reg.PopPradCzynny, reg.PopPradBiernSr, reg.PopPradBiernPojSr, reg.popTimerU}),
             QVariantList({biezace.czynny, biezace.bierny, biezace.pojemnosciowy, 16777215}));
}

// One row per address: a reading replaces its own regulator's row and no other.
void TestZapis::ostPomiarRow()
{
    m_s->dodajRegulator(u"R1"_qs, 1);
    m_s->dodajRegulator(u"R2"_qs, 2);
    QVERIFY(
        QSqlQuery(m_s->baza->db()).exec(u"INSERT INTO OstPomiar (Adres, PopPradCzynny) VALUES (7, 3)"_qs));
    m_s->wczytaj();
    for (auto [nr, prad] : {std::pair{1, 11.0f}, {1, 12.0f}, {2, 21.0f}}) {
        r(nr).PradCzynny = prad;
        r(nr).ZapiszDaneDB();
    }
    QCOMPARE(wiersz(u"SELECT group_concat(Adres || '=' || PopPradCzynny, ' ') FROM OstPomiar"_qs),
             QVariantList{u"7=3.0 1=12.0 2=21.0"_qs});
}

void TestZapis::monitoringStoresNothing()
{
    m_s->dodajRegulator(u"R1"_qs, 1);
    m_s->wczytaj();
    odczyt(1000000);
    const float pierwszy = r().PradCzynny;
    m_s->komunikator.blok(BlokPomiaru{.pozorna = 1500000}.bajty());
    QVERIFY(r().WczytajStanRegul(m_s->zegar.czas));
    QCOMPARE(m_s->liczWiersze(u"Pomiary"_qs), 1);
    QCOMPARE(r().PopPradCzynny, pierwszy);
    odczyt(2000000);
    QCOMPARE(m_s->wartosc(u"SELECT EnCzynna FROM Pomiary ORDER BY rowid DESC"_qs).toFloat(),
             r().PradCzynny - pierwszy);
}

void TestZapis::refusedWrite_data()
{
    // Run on the program's connection to cause the fault; "chattr" sets a flag of the log file.
    QTest::addColumn<QString>("wlacz");
    QTest::addColumn<bool>("blokada"); // another connection holds the write lock
    QTest::addColumn<QString>("wylacz");
    QTest::addColumn<QString>("komunikat");
    QTest::addColumn<bool>("zachowane"); // the file refuses for a while: the writes are kept
    QTest::newRow("read-only database")
        << "PRAGMA query_only = ON" << false << "PRAGMA query_only = OFF"
        << "Błąd zapisu do bazy danych nr  8\r'attempt to write a readonly database'" << true;
    QTest::newRow("locked beyond the busy time-out")
        << "PRAGMA busy_timeout = 50" << true << "SELECT 1"
        << "Błąd zapisu do bazy danych nr  5\r'database is locked'" << true;
    // The limit cannot fall below the pages in use: the file is full as it stands.
    QTest::newRow("full disk") << "PRAGMA max_page_count = 1" << false << "PRAGMA max_page_count = 1000000"
                               << "Błąd zapisu do bazy danych nr  13\r'database or disk is full'" << true;
    // Writes into a log file made immutable fail, as on a failing disk.
    QTest::newRow("I/O error") << "chattr +i" << false << "chattr -i"
                               << "Błąd zapisu do bazy danych nr  778\r'disk I/O error'" << true;
    // The reading's row went in first and goes again with the refused counters: one transaction.
    QTest::newRow("last counters refused, log taken")
        << "CREATE TEMP TRIGGER odmowa BEFORE INSERT ON OstPomiar BEGIN SELECT RAISE(ABORT, 'odmowa'); END"
        << false << "DROP TRIGGER odmowa"
        << "Błąd zapisu do bazy danych nr  1811\r'odmowa'" << false;
}

// The poll goes on: every refused reading is shown once without waiting for the operator and
// logged. While the file refuses for a while, the readings and their log rows are kept and
// reach the file in time order, each reading with the energy of its own period, once it takes
// writes again; a reading refused for good is not stored and the next row carries its energy.
void TestZapis::refusedWrite()
{
    QFETCH(QString, wlacz);
    QFETCH(bool, blokada);
    QFETCH(QString, wylacz);
    QFETCH(QString, komunikat);
    QFETCH(bool, zachowane);
    const bool pelny = QTest::currentDataTag() == QByteArray("full disk");
    m_s->dodajRegulator(u"R1"_qs, 1);
    m_s->wczytaj();
    quint32 licznik = 1000000;
    odczyt(licznik);
    const float pierwszy = r().PradCzynny;
    odczyt(licznik += 20000);
    const float okres = r().PradCzynny - pierwszy;
    const auto wykonaj = [this](const QString& polecenie) {
        if (polecenie.startsWith(u"chattr"))
            return QProcess::execute(u"chattr"_qs, {polecenie.mid(7), m_s->plik() + u"-wal"_qs}) == 0;
        return QSqlQuery(m_s->baza->db()).exec(polecenie);
    };
    if (!wykonaj(wlacz))
        QSKIP("the file system keeps the file writable");
    const QString oczekiwanie = u"PRAGMA busy_timeout"_qs;
    const int czasOczekiwania = m_s->wartosc(oczekiwanie).toInt();
    const QString inne = QStringLiteral("blokujace-") + QTest::currentDataTag();
    if (blokada) {
        QSqlDatabase b = QSqlDatabase::addDatabase(u"QSQLITE"_qs, inne);
        b.setDatabaseName(m_s->plik());
        QVERIFY(b.open() && QSqlQuery(b).exec(u"BEGIN IMMEDIATE"_qs));
    }

    // A full disk refuses only once the last page is full.
    const int wiersze = m_s->liczWiersze(u"Pomiary"_qs);
    int odmowy = 0;
    for (int i = 0; i < 500 && odmowy < 3; ++i) {
        const QDateTime nastepny = r().NastepnyOdczyt;
        odczyt(licznik += 20000);
        QVERIFY(r().NastepnyOdczyt > nastepny);
        odmowy = int(m_s->wizual.filtr(u"eZapisDB"_qs).size());
        QVERIFY(pelny || odmowy == i + 1);
        m_s->bd->ZapiszZalegle();
    }
    QCOMPARE(odmowy, 3);
    QVERIFY(m_s->komunikaty.teksty.isEmpty());
    const QStringList& bledy = m_s->komunikaty.bledyZapisu;
    QCOMPARE(bledy, QStringList(odmowy, komunikat));
    const QString logOdmowy = u"SELECT count(*) FROM Log WHERE Status || Typ || Kod_Regul = 'BDR1'"_qs;
    QCOMPARE(m_s->wartosc(logOdmowy).toInt(), zachowane ? 0 : odmowy);
    const int poOdmowach = m_s->liczWiersze(u"Pomiary"_qs);
    QVERIFY(pelny || poOdmowach == wiersze);
    QCOMPARE(r().PopPradCzynny == r().PradCzynny, zachowane);

    QVERIFY(wykonaj(wylacz));
    if (blokada) {
        QSqlDatabase::database(inne).close();
        QSqlDatabase::removeDatabase(inne);
    }
    m_s->bd->ZapiszZalegle();
    odczyt(licznik += 20000);
    QCOMPARE(bledy.size(), odmowy);
    QCOMPARE(m_s->liczWiersze(u"Pomiary"_qs), poOdmowach + (zachowane ? odmowy : 0) + 1);
    QCOMPARE(m_s->wartosc(logOdmowy).toInt(), odmowy);
    QCOMPARE(m_s->wartosc(u"SELECT PopPradCzynny FROM OstPomiar"_qs).toFloat(), r().PopPradCzynny);
    QCOMPARE(m_s->wartosc(u"SELECT count(*) FROM Pomiary a JOIN Pomiary b ON b.rowid = a.rowid + 1 "
                          "WHERE b.Data <= a.Data"_qs)
                 .toInt(),
             0);
    // Each kept log row stamped with the time of the reading it tells of.
    if (zachowane)
        QCOMPARE(m_s->wartosc(u"SELECT count(*) FROM Log WHERE Status = 'B' AND Czas IN (SELECT Data FROM "
                              "Pomiary)"_qs)
                     .toInt(),
                 odmowy);
    const double suma = m_s->wartosc(u"SELECT sum(EnCzynna) FROM Pomiary"_qs).toDouble();
    QCOMPARE(qRound(suma * 100), qRound((r().PradCzynny - pierwszy) * 100));
    QCOMPARE(m_s->wartosc(u"PRAGMA integrity_check"_qs).toString(), u"ok"_qs);
    // The retries, refused or not, leave the connection its busy time-out for later locks.
    QCOMPARE(m_s->wartosc(oczekiwanie).toInt(), czasOczekiwania);
    const double najwieksza = m_s->wartosc(u"SELECT max(EnCzynna) FROM Pomiary"_qs).toDouble();
    QCOMPARE(qRound(najwieksza / okres), zachowane ? 1 : odmowy + 1);
}

void TestZapis::killedWhileStoring()
{
    m_s->dodajRegulator(u"R1"_qs, 1);
    m_s->dodajRegulator(u"R2"_qs, 2);
    QRandomGenerator los(20031217);
    for (int zabicie = 0; zabicie < 60; ++zabicie) {
        QProcess p;
        p.start(QStringLiteral(ZAPIS_PETLA), {m_s->plik()});
        QVERIFY2(p.waitForReadyRead(10000), qPrintable(p.readAllStandardError()));
        QCOMPARE(p.readLine().trimmed(), QByteArray("gotowy"));
        QThread::usleep(los.bounded(100, 30000));
        p.kill();
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.readAllStandardError(), QByteArray());
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
    }

    QCOMPARE(m_s->wartosc(u"PRAGMA integrity_check"_qs).toString(), u"ok"_qs);
    QSqlQuery q(m_s->baza->db());
    QVERIFY(q.exec(
        u"SELECT o.Adres, o.PopPradCzynny, o.PopPradBiernSr, count(*), sum(p.EnCzynna), "
        "sum(p.EnBiernaCalk) FROM OstPomiar o JOIN Pomiary p ON p.Adres = o.Adres GROUP BY o.Adres"_qs));
    int regulatory = 0;
    while (q.next()) {
        ++regulatory;
        const double czynny = q.value(1).toDouble(), bierny = q.value(2).toDouble();
        const int wiersze = q.value(3).toInt();
        QVERIFY2(wiersze > 20, "the loop hardly ever stored");
        // Each reading moves the counters on by 1.5 and 0.5 from the last stored ones.
        QCOMPARE(wiersze, qRound((czynny - 1000.0) / 1.5) + 1);
        QCOMPARE(q.value(4).toDouble(), czynny - 1000.0);
        QCOMPARE(q.value(5).toDouble(), bierny - 500.0);
    }
    QCOMPARE(regulatory, 2);
}

// Over the bound of kept writes a reading is dropped: each drop is counted under one message,
// the log tells how many once the file takes writes again, and the next stored row carries the
// dropped period's energy.
void TestZapis::keptWritesBounded()
{
    clsBD bd(m_s->uslugi, 4);
    m_s->uslugi.oBD = &bd;
    quint32 licznik = 1000000;
    float pierwszy = 0;
    zapisanyPrzedOdmowa(licznik, pierwszy);
    // The retries while the file still refuses log nothing yet.
    for (int i = 0; i < 4; ++i) {
        odczyt(licznik += 20000);
        bd.ZapiszZalegle();
    }
    const float okres = (r().PradCzynny - pierwszy) / 4;
    const QString odmowa = u"Błąd zapisu do bazy danych nr  8\r'attempt to write a readonly database'"_qs;
    const QString ponad =
        u"Zapis do bazy danych pominięty: czeka już 4 zapisów, których plik nie przyjął."_qs;
    QCOMPARE(m_s->komunikaty.bledyZapisu, QStringList({odmowa, odmowa, ponad, ponad}));

    QVERIFY(QSqlQuery(m_s->baza->db()).exec(u"PRAGMA query_only = OFF"_qs));
    bd.ZapiszZalegle();
    odczyt(licznik += 20000);
    QCOMPARE(m_s->wartosc(u"SELECT Operacja || Status || Typ FROM Log ORDER BY rowid DESC"_qs).toString(),
             u"Zapisy do bazy danych pominięte ponad limit 4 czekających: 2BD"_qs);
    QCOMPARE(m_s->wartosc(u"SELECT count(*) FROM Log WHERE Operacja LIKE 'Zapisy%'"_qs).toInt(), 1);
    QCOMPARE(m_s->liczWiersze(u"Pomiary"_qs), 4);
    const double ostatnia = m_s->wartosc(u"SELECT EnCzynna FROM Pomiary ORDER BY rowid DESC"_qs).toDouble();
    QCOMPARE(qRound(ostatnia / okres), 3);
}

// A kept reading that the file refuses for good when it is retried is shown and logged, and the
// next stored row of its regulator carries its energy, as for a reading refused for good at once.
void TestZapis::keptReadingRefusedLater()
{
    quint32 licznik = 1000000;
    float pierwszy = 0;
    zapisanyPrzedOdmowa(licznik, pierwszy);
    for (int i = 0; i < 4; ++i)
        odczyt(licznik += 20000);
    const float okres = (r().PradCzynny - pierwszy) / 4;
    QVERIFY(QSqlQuery(m_s->baza->db()).exec(u"PRAGMA query_only = OFF"_qs));
    QVERIFY(QSqlQuery(m_s->baza->db())
                .exec(u"CREATE TEMP TRIGGER odmowa BEFORE INSERT ON Pomiary BEGIN SELECT RAISE(ABORT, "
                      "'odmowa'); END"_qs));
    m_s->bd->ZapiszZalegle();
    QVERIFY(QSqlQuery(m_s->baza->db()).exec(u"DROP TRIGGER odmowa"_qs));
    odczyt(licznik += 20000);

    const QString odmowa = u"Błąd zapisu do bazy danych nr  1811\r'odmowa'"_qs;
    QCOMPARE(m_s->komunikaty.bledyZapisu.count(odmowa), 4);
    QCOMPARE(m_s->wartosc(u"SELECT group_concat(Operacja || Status || Typ, '|') FROM Log WHERE Operacja LIKE "
                          "'%odmowa%'"_qs)
                 .toString(),
             QStringList(4, QString(odmowa).replace(u'\r', u' ') + u"BD"_qs).join(u'|'));
    QCOMPARE(m_s->liczWiersze(u"Pomiary"_qs), 2);
    const double ostatnia = m_s->wartosc(u"SELECT EnCzynna FROM Pomiary ORDER BY rowid DESC"_qs).toDouble();
    QCOMPARE(qRound(ostatnia / okres), 5);
}

QTEST_GUILESS_MAIN(TestZapis)
#include "tst_zapis.moc"
