// Byte assembly, number and date texts, and wall-clock arithmetic.
#include "TestSupport.h"
#include "TextFormat.h"
#include "WallClock.h"

#include <QTest>

class TestPodstawy : public QObject
{
    Q_OBJECT
  private slots:
    void bytes_data();
    void bytes();
    void sqlZamienNaDate();
    void plain_data();
    void plain();
    void pattern_data();
    void pattern();
    void datePattern();
    void wallClockAcrossDaylightSaving();
    void dateOrigin();
};

void TestPodstawy::bytes_data()
{
    QTest::addColumn<QString>("funkcja");
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<qint64>("wynik");
    QTest::newRow("Int FF FE") << "Int" << QByteArray::fromHex("fffe") << qint64(-2);
    QTest::newRow("Int 7F FF") << "Int" << QByteArray::fromHex("7fff") << qint64(32767);
    QTest::newRow("Int 80 00") << "Int" << QByteArray::fromHex("8000") << qint64(-32768);
    QTest::newRow("Int 08 FF") << "Int" << QByteArray::fromHex("08ff") << qint64(2303);
    QTest::newRow("Long 80 00 00 00") << "Long" << QByteArray::fromHex("80000000") << qint64(INT32_MIN);
    QTest::newRow("Long FF FF FF FF") << "Long" << QByteArray::fromHex("ffffffff") << qint64(-1);
    QTest::newRow("Long 01 02 03 04") << "Long" << QByteArray::fromHex("01020304") << qint64(0x01020304);
    QTest::newRow("LongU 7F FF FF FF") << "LongU" << QByteArray::fromHex("7fffffff") << qint64(2147483647);
    // A counter with its top bit set decodes as the unsigned count, not an error.
    QTest::newRow("LongU 80 00 00 00") << "LongU" << QByteArray::fromHex("80000000") << qint64(2147483648);
    QTest::newRow("LongU FF FF FF FF") << "LongU" << QByteArray::fromHex("ffffffff") << qint64(4294967295);
}

void TestPodstawy::bytes()
{
    QFETCH(QString, funkcja);
    QFETCH(QByteArray, bajty);
    const auto b = [&bajty](int i) { return quint8(bajty[i]); };
    if (funkcja == u"Int"_qs)
        QTEST(qint64(clsFunkcje::TworzInt(b(0), b(1))), "wynik");
    else if (funkcja == u"Long"_qs)
        QTEST(qint64(clsFunkcje::TworzLong(b(0), b(1), b(2), b(3))), "wynik");
    else
        QTEST(qint64(clsFunkcje::TworzLongU(b(0), b(1), b(2), b(3))), "wynik");
}

void TestPodstawy::sqlZamienNaDate()
{
    QCOMPARE(Srodowisko().funkcje->SqlZamienNaDate(QDateTime(QDate(2003, 12, 17), QTime(14, 30))),
             u"#2003-12-17#"_qs);
}

void TestPodstawy::plain_data()
{
    QTest::addColumn<QVariant>("liczba");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("int 7") << QVariant(7) << " 7";
    QTest::newRow("int -3") << QVariant(-3) << "-3";
    QTest::newRow("single 12.5") << QVariant(12.5f) << " 12.5";
    QTest::newRow("single -3") << QVariant(-3.0f) << "-3";
    QTest::newRow("single seven digits") << QVariant(1.0f / 3.0f) << " 0.3333333";
    QTest::newRow("single missing threshold") << QVariant(999999999.0f) << " 1E+09";
    QTest::newRow("single large") << QVariant(12345678.0f) << " 1.234568E+07";
    QTest::newRow("double") << QVariant(0.1) << " 0.1";
}

void TestPodstawy::plain()
{
    QFETCH(QVariant, liczba);
    QFETCH(QString, tekst);
    switch (liczba.typeId()) {
    case QMetaType::Int:
        QCOMPARE(TextFormat::plain(liczba.toInt()), tekst);
        break;
    case QMetaType::Float:
        QCOMPARE(TextFormat::plain(liczba.toFloat()), tekst);
        break;
    default:
        QCOMPARE(TextFormat::plain(liczba.toDouble()), tekst);
        break;
    }
}

void TestPodstawy::pattern_data()
{
    QTest::addColumn<double>("liczba");
    QTest::addColumn<QString>("wzorzec");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("pl");
    QTest::newRow("tg") << 0.35 << "0.0000000"
                        << "0.3500000"
                        << "0,3500000";
    QTest::newRow("tg 9.999") << double(9.999f) << "0.0000000"
                              << "9.9989996"
                              << "9,9989996";
    QTest::newRow("energy") << 1234567.8912 << "##########0.000"
                            << "1234567.891"
                            << "1234567,891";
    QTest::newRow("negative") << -2.5 << "###0.00"
                              << "-2.50"
                              << "-2,50";
    QTest::newRow("whole") << 12345.6 << "#######0"
                           << "12346"
                           << "12346";
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
    const auto tekst = [&t](const QLocale& l) { return TextFormat::date(t, u"dd/MM/yyyy hh:mm:ss", l); };
    QCOMPARE(tekst(QLocale(QLocale::English, QLocale::UnitedStates)), u"07/12/2003 14:05:09"_qs);
    QCOMPARE(tekst(QLocale(QLocale::Polish, QLocale::Poland)), u"07.12.2003 14:05:09"_qs);
    QCOMPARE(tekst(QLocale::c()), u"07/12/2003 14:05:09"_qs);
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
