// The database tool: an empty database, a demonstration database, and refusal to overwrite.
#include "TestSupport.h"
#include "clRegulator.h"

#include <QFile>
#include <QProcess>
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
    void initAndDemoLoadAsDescribed();
    void refusals();

  private:
    QTemporaryDir m_dir;
    QString plik(const char* nazwa) const { return m_dir.filePath(QString::fromLatin1(nazwa)); }
};

void TestKalborDb::initAndDemoLoadAsDescribed()
{
    QCOMPARE(uruchom({u"init"_qs, plik("init.mdb")}), 0);
    QCOMPARE(Srodowisko(plik("init.mdb")).liczWiersze(u"Regulatory"_qs), 0);
    QCOMPARE(uruchom({u"demo"_qs, plik("demo.mdb"), u"--days"_qs, u"2"_qs}), 0);
    Srodowisko s(plik("demo.mdb"));
    s.wczytaj();
    // Four regulators, one of them inactive; the meter is not loaded.
    QStringList wczytane;
    for (const clRegulator& r : *s.regulatory)
        wczytane << QStringLiteral("%1 %2").arg(r.SkalaNapiecia).arg(r.aktywny);
    QCOMPARE(wczytane, QStringList({"1 1", "0.25 1", "1.25 1", "1 0"}));
    QVERIFY(s.komunikaty.teksty.isEmpty());
    // Two days of quarter-hour readings for each regulator; the inactive one keeps the history
    // from before it was taken out of the readings.
    QCOMPARE(s.liczWiersze(u"Pomiary"_qs), 4 * 2 * 96);
    QVERIFY(s.liczWiersze(u"Hierarchia"_qs) >= 5);
    QVERIFY(s.liczWiersze(u"Hierarchia WHERE kod_obiektu_nad = 'System Kalbor'"_qs) >= 1);
}

void TestKalborDb::refusals()
{
    QFile f(plik("cenne.mdb"));
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write("cenne dane") == 10);
    f.close();
    QString bledy;
    QCOMPARE(uruchom({u"demo"_qs, f.fileName()}, &bledy), 1);
    QVERIFY(bledy.contains(f.fileName()));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("cenne dane"));

    QCOMPARE(uruchom({u"utworz"_qs, plik("x.mdb")}), 2);
    QCOMPARE(uruchom({u"demo"_qs, plik("x.mdb"), u"--days"_qs, u"-3"_qs}), 2);
    QVERIFY(!QFile::exists(plik("x.mdb")));
}

QTEST_GUILESS_MAIN(TestKalborDb)
#include "tst_kalbordb.moc"
