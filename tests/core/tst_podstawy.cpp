// Byte assembly, number and date texts, and wall-clock arithmetic.
#include "TestSupport.h"
#include "TextFormat.h"
#include "WallClock.h"

#include <QTest>

class TestPodstawy : public QObject
{
    Q_OBJECT
private slots:
    void tworzInt_data();
    void tworzInt();
    void tworzLong();
    void tworzLongU();
    void logic();
    void sqlZamienNaDate();
    void plain_data();
    void plain();
    void pattern_data();
    void pattern();
    void datePattern();
    void wallClockAcrossDaylightSaving();
    void dateOrigin();
};

void TestPodstawy::tworzInt_data()
{
    QTest::addColumn<int>("b1");
    QTest::addColumn<int>("b2");
    QTest::addColumn<int>("wynik");
    QTest::newRow("FF FE") << 255 << 254 << -2;
    QTest::newRow("7F FF") << 127 << 255 << 32767;
    QTest::newRow("80 00") << 128 << 0 << -32768;
    QTest::newRow("08 FF") << 8 << 255 << 2303;
}

void TestPodstawy::tworzInt()
{
    QFETCH(int, b1);
    QFETCH(int, b2);
    QFETCH(int, wynik);
    QCOMPARE(clsFunkcje::TworzInt(quint8(b1), quint8(b2)), wynik);
}

void TestPodstawy::tworzLong()
{
    QCOMPARE(clsFunkcje::TworzLong(128, 0, 0, 0), std::numeric_limits<qint32>::min());
    QCOMPARE(clsFunkcje::TworzLong(255, 255, 255, 255), -1);
    QCOMPARE(clsFunkcje::TworzLong(1, 2, 3, 4), 0x01020304);
}

void TestPodstawy::tworzLongU()
{
    QCOMPARE(clsFunkcje::TworzLongU(127, 255, 255, 255), 2147483647u);
    // A counter with its top bit set decodes as the unsigned count, not an error.
    QCOMPARE(clsFunkcje::TworzLongU(128, 0, 0, 0), 2147483648u);
    QCOMPARE(clsFunkcje::TworzLongU(255, 255, 255, 255), 4294967295u);
}

void TestPodstawy::logic()
{
    QVERIFY(!clsFunkcje::logic(0));
    QVERIFY(clsFunkcje::logic(-1));
    QVERIFY(clsFunkcje::logic(128));
}

void TestPodstawy::sqlZamienNaDate()
{
    Srodowisko s;
    QCOMPARE(s.funkcje->SqlZamienNaDate(QDateTime(QDate(2003, 12, 17), QTime(14, 30))), u"#2003-12-17#"_qs);
}

void TestPodstawy::plain_data()
{
    QTest::addColumn<QVariant>("liczba");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("int 7") << QVariant(7) << " 7";
    QTest::newRow("int -3") << QVariant(-3) << "-3";
    QTest::newRow("int 0") << QVariant(0) << " 0";
    QTest::newRow("code 201") << QVariant(201) << " 201";
    QTest::newRow("single 12.5") << QVariant(12.5f) << " 12.5";
    QTest::newRow("single -3") << QVariant(-3.0f) << "-3";
    QTest::newRow("single seven digits") << QVariant(1.0f / 3.0f) << " 0.3333333";
    QTest::newRow("single 230.4") << QVariant(230.4f) << " 230.4";
    QTest::newRow("single missing threshold") << QVariant(999999999.0f) << " 1E+09";
    QTest::newRow("single large") << QVariant(12345678.0f) << " 1.234568E+07";
    QTest::newRow("double") << QVariant(0.1) << " 0.1";
}

void TestPodstawy::plain()
{
    QFETCH(QVariant, liczba);
    QFETCH(QString, tekst);
    switch (liczba.typeId()) {
    case QMetaType::Int: QCOMPARE(TextFormat::plain(liczba.toInt()), tekst); break;
    case QMetaType::Float: QCOMPARE(TextFormat::plain(liczba.toFloat()), tekst); break;
    default: QCOMPARE(TextFormat::plain(liczba.toDouble()), tekst); break;
    }
}

void TestPodstawy::pattern_data()
{
    QTest::addColumn<double>("liczba");
    QTest::addColumn<QString>("wzorzec");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("pl");
    QTest::newRow("tg") << 0.35 << "0.0000000" << "0.3500000" << "0,3500000";
    QTest::newRow("tg 9.999") << double(9.999f) << "0.0000000" << "9.9989996" << "9,9989996";
    QTest::newRow("energy") << 1234567.8912 << "##########0.000" << "1234567.891" << "1234567,891";
    QTest::newRow("small") << 0.25 << "0.000" << "0.250" << "0,250";
    QTest::newRow("negative") << -2.5 << "###0.00" << "-2.50" << "-2,50";
    QTest::newRow("whole") << 12345.6 << "#######0" << "12346" << "12346";
}

void TestPodstawy::pattern()
{
    QFETCH(double, liczba);
    QFETCH(QString, wzorzec);
    QFETCH(QString, c);
    QFETCH(QString, pl);
    QCOMPARE(TextFormat::pattern(liczba, wzorzec, QLocale::c()), c);
    QCOMPARE(TextFormat::pattern(liczba, wzorzec, QLocale(QLocale::Polish, QLocale::Poland)), pl);
}

void TestPodstawy::datePattern()
{
    const QDateTime t(QDate(2003, 12, 7), QTime(14, 5, 9));
    QCOMPARE(TextFormat::date(t, u"dd/MM/yyyy hh:mm:ss", QLocale(QLocale::English, QLocale::UnitedStates)),
             u"07/12/2003 14:05:09"_qs);
    QCOMPARE(TextFormat::date(t, u"dd/MM/yyyy hh:mm:ss", QLocale(QLocale::Polish, QLocale::Poland)),
             u"07.12.2003 14:05:09"_qs);
    QCOMPARE(TextFormat::date(t, u"dd/MM/yyyy hh:mm:ss", QLocale::c()), u"07/12/2003 14:05:09"_qs);
}

void TestPodstawy::wallClockAcrossDaylightSaving()
{
    qputenv("TZ", "Europe/Warsaw");
    // 15-minute steps across the autumn change stay on whole quarter hours of the wall clock.
    QDateTime t(QDate(2003, 10, 26), QTime(1, 45));
    for (int i = 0; i < 8; ++i) {
        t = WallClock::addMinutes(t, 15);
        QCOMPARE(t.time().minute() % 15, 0);
        QCOMPARE(t.time().second(), 0);
    }
    QCOMPARE(t.time(), QTime(3, 45));
    QCOMPARE(WallClock::secondsBetween(QDateTime(QDate(2003, 10, 26), QTime(1, 0)),
                                       QDateTime(QDate(2003, 10, 26), QTime(4, 0))),
             qint64(3 * 3600));
}

void TestPodstawy::dateOrigin()
{
    QCOMPARE(WallClock::dateOrigin(), QDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    QCOMPARE(WallClock::secondsSinceOrigin(QDateTime(QDate(1899, 12, 31), QTime(0, 0, 1))), qint64(86401));
    QCOMPARE(WallClock::fromSecondsSinceOrigin(-1), QDateTime(QDate(1899, 12, 29), QTime(23, 59, 59)));
    QVERIFY(WallClock::isOrigin(WallClock::dateOrigin()));
}

QTEST_GUILESS_MAIN(TestPodstawy)
#include "tst_podstawy.moc"
