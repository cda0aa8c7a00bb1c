// The database tool: an empty database, a demonstration database, and refusal to overwrite.
#include "Baza.h"
#include "BazaDemo.h"
#include "TestSupport.h"
#include "WczytajRegulatory.h"
#include "clRegulator.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {
int uruchom(const QStringList& argumenty, QString* bledy = nullptr)
{
    QProcess p;
    p.start(QStringLiteral(KALBOR_DB_PROGRAM), argumenty);
    p.waitForFinished(60000);
    if (bledy)
        *bledy = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}
} // namespace

class TestKalborDb : public QObject
{
    Q_OBJECT
private slots:
    void initCreatesEmptyDatabase();
    void demoLoadsAsDescribed();
    void refusesToOverwrite();
    void badArguments();
};

void TestKalborDb::initCreatesEmptyDatabase()
{
    QTemporaryDir dir;
    const QString plik = dir.filePath(u"kalbor.mdb"_qs);
    QCOMPARE(uruchom({u"init"_qs, plik}), 0);
    Baza baza(u"init"_qs);
    QVERIFY(baza.Otworz(plik).isEmpty());
    QSqlQuery q(baza.db());
    QVERIFY(q.exec(u"SELECT count(*) FROM Regulatory"_qs) && q.next());
    QCOMPARE(q.value(0).toInt(), 0);
}

void TestKalborDb::demoLoadsAsDescribed()
{
    QTemporaryDir dir;
    Srodowisko s;
    const QString plik = dir.filePath(u"demo.mdb"_qs);
    QCOMPARE(uruchom({u"demo"_qs, plik, u"--days"_qs, u"2"_qs}), 0);
    s.baza->Zamknij();
    QVERIFY(s.baza->Otworz(plik).isEmpty());
    s.wczytaj();
    // Four regulators, one of them inactive; the meter is not loaded.
    QCOMPARE(s.regulatory->Count(), 4);
    QList<float> skale;
    int aktywne = 0;
    for (const clRegulator& r : *s.regulatory) {
        skale << r.SkalaNapiecia;
        aktywne += r.aktywny;
    }
    QCOMPARE(aktywne, 3);
    QVERIFY(skale.contains(0.25f) && skale.contains(1.0f) && skale.contains(1.25f));
    QVERIFY(s.komunikaty.teksty.isEmpty());
    // Two days of quarter-hour readings for each regulator; the inactive one keeps the history
    // from before it was taken out of the readings.
    QCOMPARE(s.liczWiersze(u"Pomiary"_qs), 4 * 2 * 96);
    QVERIFY(s.liczWiersze(u"Hierarchia"_qs) >= 5);
    QSqlQuery q(s.baza->db());
    QVERIFY(q.exec(u"SELECT count(*) FROM Hierarchia WHERE kod_obiektu_nad = 'System Kalbor'"_qs) && q.next());
    QVERIFY(q.value(0).toInt() >= 1);
}

void TestKalborDb::refusesToOverwrite()
{
    QTemporaryDir dir;
    const QString plik = dir.filePath(u"kalbor.mdb"_qs);
    QFile f(plik);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("cenne dane");
    f.close();
    QString bledy;
    QCOMPARE(uruchom({u"demo"_qs, plik}, &bledy), 1);
    QVERIFY(bledy.contains(plik));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("cenne dane"));
}

void TestKalborDb::badArguments()
{
    QTemporaryDir dir;
    QCOMPARE(uruchom({u"utworz"_qs, dir.filePath(u"x.mdb"_qs)}), 2);
    QCOMPARE(uruchom({u"demo"_qs, dir.filePath(u"x.mdb"_qs), u"--days"_qs, u"-3"_qs}), 2);
    QVERIFY(!QFile::exists(dir.filePath(u"x.mdb"_qs)));
}

QTEST_GUILESS_MAIN(TestKalborDb)
#include "tst_kalbordb.moc"
