// The number and date texts, messages cut to the screen, and the windows kept for a tick's end.
#include "PoTakcie.h"
#include "TekstKomunikatu.h"
#include "TextFormat.h"

#include <QTest>

class TestPodstawy : public QObject
{
    Q_OBJECT
  private slots:
    void plain_data();
    void plain();
    void pattern_data();
    void pattern();
    void datePattern();
    void messageOnScreen_data();
    void messageOnScreen();
    void lastRequestForAWindowOpens();
};

void TestPodstawy::plain_data()
{
    QTest::addColumn<QVariant>("liczba");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("int 7") << QVariant(7) << " 7";
    QTest::newRow("int -3") << QVariant(-3) << "-3";
    QTest::newRow("single -3") << QVariant(-3.0f) << "-3";
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

// A line counts as every screen line it wraps to, a part of one as a whole one.
void TestPodstawy::messageOnScreen_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("wiersze");
    QTest::addColumn<QString>("naEkranie");
    const QString a(20, u'a'), b(20, u'b'), c(20, u'c');
    QTest::newRow("three lines of two screen lines, room for six")
        << a + u'\n' + b + u'\n' + c << 6 << a + u'\n' + b + u'\n' + c;
    QTest::newRow("two lines of two and a half, room for five")
        << a + u"aaaaa\n"_qs + b + u"bbbbb"_qs << 5 << a + u"aaaaa\nbbbbbbbbb…"_qs;
}

void TestPodstawy::messageOnScreen()
{
    QFETCH(QString, tekst);
    QFETCH(int, wiersze);
    QTEST(TekstKomunikatu::NaEkran(tekst, {wiersze, 10}), "naEkranie");
}

// Requests for one window while a tick runs give one, the last asked for, named as it asks.
void TestPodstawy::lastRequestForAWindowOpens()
{
    PoTakcie poTakcie;
    QStringList czekajace;
    poTakcie.ZmianaCzekajacych = [&czekajace](const QStringList& nazwy) { czekajace = nazwy; };
    QStringList otwarte;
    poTakcie.PoczatekTaktu();
    poTakcie.Wykonaj(
        u"Logowanie"_qs, [&otwarte] { otwarte << u"login"_qs; }, u"tryb"_qs);
    poTakcie.Wykonaj(
        u"Wyłącz tryb sterowania"_qs, [&otwarte] { otwarte << u"wyłączenie"_qs; }, u"tryb"_qs);
    QCOMPARE(czekajace, QStringList{u"Wyłącz tryb sterowania"_qs});
    poTakcie.KoniecTaktu();
    QCOMPARE(otwarte, QStringList{u"wyłączenie"_qs});
}

QTEST_GUILESS_MAIN(TestPodstawy)
#include "tst_podstawy.moc"
