// Byte assembly and the number and date texts.
#include "TextFormat.h"
#include "clsFunkcje.h"

#include <QTest>

class TestPodstawy : public QObject
{
    Q_OBJECT
  private slots:
    void bytes_data();
    void bytes();
    void plain_data();
    void plain();
    void pattern_data();
    void pattern();
    void datePattern();
};

void TestPodstawy::bytes_data()
{
    QTest::addColumn<QString>("funkcja");
    QTest::addColumn<QByteArray>("bajty");
    QTest::addColumn<qint64>("wynik");
    QTest::newRow("Int FF FE") << "Int" << QByteArray::fromHex("fffe") << qint64(-2);
    QTest::newRow("Int 08 FF") << "Int" << QByteArray::fromHex("08ff") << qint64(2303);
    QTest::newRow("Long FF FF FF FF") << "Long" << QByteArray::fromHex("ffffffff") << qint64(-1);
    QTest::newRow("Long 01 02 03 04") << "Long" << QByteArray::fromHex("01020304") << qint64(0x01020304);
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

void TestPodstawy::plain_data()
{
    QTest::addColumn<QVariant>("liczba");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("int 7") << QVariant(7) << " 7";
    QTest::newRow("int -3") << QVariant(-3) << "-3";
    QTest::newRow("single seven digits") << QVariant(1.0f / 3.0f) << " 0.3333333";
    QTest::newRow("single missing threshold") << QVariant(999999999.0f) << " 1E+09";
    QTest::newRow("single large") << QVariant(12345678.0f) << " 1.234568E+07";
    QTest::newRow("double") << QVariant(0.1) << " 0.1";
}

void TestPodstawy::plain()
{
    QFETCH(QVariant, liczba);
    const QMetaType::Type typ = QMetaType::Type(liczba.typeId());
    QTEST(typ == QMetaType::Int     ? TextFormat::plain(liczba.toInt())
          : typ == QMetaType::Float ? TextFormat::plain(liczba.toFloat())
                                    : TextFormat::plain(liczba.toDouble()),
          "tekst");
}

void TestPodstawy::pattern_data()
{
    QTest::addColumn<double>("liczba");
    QTest::addColumn<QString>("wzorzec");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("pl");
    QTest::newRow("tg") << 0.35 << u"0.0000000"_qs << u"0.3500000"_qs << u"0,3500000"_qs;
    QTest::newRow("energy") << 1234567.8912 << u"##########0.000"_qs << u"1234567.891"_qs
                            << u"1234567,891"_qs;
    QTest::newRow("negative") << -2.5 << u"###0.00"_qs << u"-2.50"_qs << u"-2,50"_qs;
    QTest::newRow("whole") << 12345.6 << u"#######0"_qs << u"12346"_qs << u"12346"_qs;
}

void TestPodstawy::pattern()
{
    QFETCH(double, liczba);
    QFETCH(QString, wzorzec);
    QTEST(TextFormat::pattern(liczba, wzorzec, QLocale::c()), "c");
    QTEST(TextFormat::pattern(liczba, wzorzec, QLocale(QLocale::Polish, QLocale::Poland)), "pl");
}

void TestPodstawy::datePattern()
{
    const QDateTime t(QDate(2003, 12, 7), QTime(14, 5, 9));
    const auto tekst = [&t](const QLocale& l) { return TextFormat::date(t, u"dd/MM/yyyy hh:mm:ss", l); };
    QCOMPARE(tekst(QLocale(QLocale::Polish, QLocale::Poland)), u"07.12.2003 14:05:09"_qs);
    QCOMPARE(tekst(QLocale::c()), u"07/12/2003 14:05:09"_qs);
}

QTEST_GUILESS_MAIN(TestPodstawy)
#include "tst_podstawy.moc"
