// Alarm rules of the poll and the register of alarms raised during the run: one entry per
// regulator and code while a condition lasts, the Alarmy rows, counters, tree colouring and
// acknowledgement.
#include "TestSupport.h"
#include "TextFormat.h"
#include "clRegulator.h"

#include <QSignalSpy>
#include <QTest>

class TestAlarmy : public QObject
{
    Q_OBJECT
  private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_s = std::make_unique<Srodowisko>();
    }
    void cleanup() { m_s.reset(); }
    void thresholds_data();
    void thresholds();
    void tgFiTextFollowsLocale();
    void persistingConditionIsOneEntry();
    void clearedByOwnPoll();
    void registerRow_data();
    void registerRow();
    void deactivation();
    void acknowledgement_data();
    void acknowledgement();
    void unrecordedChange_data();
    void unrecordedChange();
    void unwrittenAlarmAcknowledged_data();
    void unwrittenAlarmAcknowledged();
    void countersStopAtTheirLimit_data();
    void countersStopAtTheirLimit();

  private:
    clRegulator& r(int nr = 1) { return m_s->regulatory->Item(nr); }
    void ustaw(int liczba, const QVariantMap& kolumny)
    {
        for (int i = 1; i <= liczba; ++i)
            m_s->dodajRegulator(QStringLiteral("R%1").arg(i), i, kolumny);
        m_s->wczytaj();
    }
    bool poll(int nr, const BlokPomiaru& b)
    {
        m_s->komunikator.blok(b.bajty());
        return r(nr).WczytajStanRegul(m_s->zegar.czas);
    }
    // "regulator:code:description,... of the active rows in register order; register rows;
    // Alarmy rows; active/unacknowledged counts".
    QString stan() const
    {
        QStringList aktywne;
        for (int i = 1; i <= m_s->rejestr->Count(); ++i)
            if (const WierszAlarmu& w = m_s->rejestr->Wiersz(i); w.Aktywny == u"A"_qs)
                aktywne << w.Regulator + u':' + w.KodAlarmu.trimmed() + u':' + w.Opis;
        const clsoApp& a = *m_s->app;
        return aktywne.join(u',') + QStringLiteral("; %1; %2; %3/%4")
                                        .arg(m_s->rejestr->Count())
                                        .arg(m_s->liczWiersze(u"Alarmy"_qs))
                                        .arg(a.IloscAktywnychAlarmow)
                                        .arg(a.IloscNiePotwAlarmow);
    }

    std::unique_ptr<Srodowisko> m_s;
};

void TestAlarmy::thresholds_data()
{
    QTest::addColumn<QVariantMap>("progi");
    QTest::addColumn<QByteArray>("blok");
    QTest::addColumn<QString>("stan");
    // Reactive current count, voltage, reactive and apparent energy.
    const auto blok = [](qint16 i, qint16 u, qint32 q, quint32 s = 1000) {
        return BlokPomiaru{.pozorna = s, .bierna = q, .napiecie = u, .pradBierny = i}.bajty();
    };
    const QString prad = u"ProgPrad"_qs, nap = u"ProgNapiecie"_qs, min = u"ProgTgFiMin"_qs,
                  max = u"ProgTgFi"_qs;
    // Reactive current 12.5 A (count 25), voltage 400 V, tg φ 0 unless stated; 1000/1000 is tg φ 1.
    const QByteArray i25 = blok(25, 400, 0), u400 = blok(0, 400, 0), tg1 = blok(0, 400, 1000);
    QTest::newRow("current equal") << QVariantMap{{prad, 12.5}} << i25 << u"; 0; 0; 0/0"_qs;
    QTest::newRow("current above") << QVariantMap{{prad, 12.4}} << i25 << u"R1:201:( 12.5 A); 1; 1; 1/1"_qs;
    QTest::newRow("voltage equal") << QVariantMap{{nap, 400}} << u400 << u"; 0; 0; 0/0"_qs;
    QTest::newRow("voltage above") << QVariantMap{{nap, 399.5}} << u400 << u"R1:202:( 400 V); 1; 1; 1/1"_qs;
    QTest::newRow("tg equal to upper") << QVariantMap{{max, 1.0}} << tg1 << u"; 0; 0; 0/0"_qs;
    QTest::newRow("tg above upper") << QVariantMap{{max, 0.99}} << tg1 << u"R1:203:(1.0000000); 1; 1; 1/1"_qs;
    QTest::newRow("tg equal to lower") << QVariantMap{{min, 1.0}} << tg1 << u"; 0; 0; 0/0"_qs;
    QTest::newRow("tg below lower") << QVariantMap{{min, 1.01}} << tg1 << u"R1:203:(1.0000000); 1; 1; 1/1"_qs;
    QTest::newRow("no active energy: 9.999")
        << QVariantMap{{max, 5}} << blok(0, 400, 0, 0) << u"R1:203:(9.9990000); 1; 1; 1/1"_qs;
    QTest::newRow("empty lower bound")
        << QVariantMap{{min, QVariant()}, {max, 2}} << blok(0, 400, -1000) << u"; 0; 0; 0/0"_qs;
    QTest::newRow("empty thresholds off")
        << QVariantMap{{prad, QVariant()}, {nap, QVariant()}, {min, QVariant()}, {max, QVariant()}}
        << blok(32767, 32767, 0, 0) << u"; 0; 0; 0/0"_qs;
    QTest::newRow("all three, in order")
        << QVariantMap{{prad, 1}, {nap, 1}, {max, 0.5}} << blok(25, 400, 1000)
        << u"R1:201:( 12.5 A),R1:202:( 400 V),R1:203:(1.0000000); 3; 3; 3/3"_qs;
}

void TestAlarmy::thresholds()
{
    QFETCH(QVariantMap, progi);
    QFETCH(QByteArray, blok);
    ustaw(1, progi);
    m_s->komunikator.blok(blok);
    QVERIFY(r().WczytajStanRegul(m_s->zegar.czas));
    QTEST(stan(), "stan");
}

void TestAlarmy::tgFiTextFollowsLocale()
{
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    ustaw(1, {{u"ProgTgFi"_qs, 0.5}});
    QVERIFY(poll(1, BlokPomiaru{.pozorna = 1000, .bierna = 1000}));
    const WierszAlarmu& w = m_s->rejestr->Wiersz(1);
    QCOMPARE(w.Czas + u'|' + w.TrescAlarmu, u"17.12.2003 10:00:00|Przekroczona wartość tg fi (1,0000000)"_qs);
}

// Repeated reports of one condition are one entry, acknowledged or not, and the report counter
// stops at its limit (below zero the poll would stop clearing alarms); 12 A (equal) ends the
// condition, and the next report is a new entry.
void TestAlarmy::persistingConditionIsOneEntry()
{
    ustaw(1, {{u"ProgPrad"_qs, 12}});
    r().AktywneAlarmy = 32765;
    for (qint16 prad : {25, 26, 27}) {
        QVERIFY(poll(1, BlokPomiaru{.pradBierny = prad}));
        m_s->rejestr->Potwierdz(1);
    }
    QCOMPARE(r().AktywneAlarmy, qint16(32767));
    QCOMPARE(m_s->wizual.filtr(u"eAlarm("_qs).size(), 3);
    QCOMPARE(stan(), u"R1:201:( 12.5 A); 1; 1; 1/0"_qs); // the first report's text stays
    for (qint16 prad : {24, 25})
        QVERIFY(poll(1, BlokPomiaru{.pradBierny = prad}));
    QCOMPARE(stan(), u"R1:201:( 12.5 A); 2; 2; 1/1"_qs);
}

// A poll clears only its own regulator's alarms; a poll that fails keeps the limit alarms it
// could not check and adds 100, and the next good one clears both.
void TestAlarmy::clearedByOwnPoll()
{
    ustaw(2, {{u"ProgPrad"_qs, 1}});
    QVERIFY(poll(1, BlokPomiaru{.pradBierny = 25}) && poll(2, BlokPomiaru{.pradBierny = 25}));
    m_s->komunikator.zawiedz(u"czytaj32"_qs);
    QVERIFY(!r(1).WczytajStanRegul(m_s->zegar.czas));
    QCOMPARE(stan(), u"R1:201:( 12.5 A),R2:201:( 12.5 A),R1:100:; 3; 3; 3/3"_qs);
    QVERIFY(poll(1, BlokPomiaru{.pradBierny = 2}));
    QCOMPARE(stan(), u"R2:201:( 12.5 A); 3; 3; 1/3"_qs);
}

void TestAlarmy::registerRow_data()
{
    QTest::addColumn<int>("kod");
    QTest::addColumn<QString>("tresc");
    QTest::addColumn<int>("obrazek");
    QTest::newRow("100") << 100 << "Brak komunikacji z regulatorem (opis)" << 1;
    QTest::newRow("202") << 202 << "Przekroczona wartość napięcia (opis)" << 2;
    QTest::newRow("unknown code") << 0 << "(opis)" << 0;
}

void TestAlarmy::registerRow()
{
    QFETCH(int, kod);
    QFETCH(QString, tresc);
    ustaw(7, {});
    QSignalSpy dodane(m_s->rejestr.get(), &RejestrAlarmow::wierszDodany);
    const QDateTime t(QDate(2003, 12, 17), QTime(9, 5, 7));
    m_s->rejestr->NowyAlarm(t, 7, kod, u"(opis)"_qs);
    m_s->rejestr->NowyAlarm(t.addSecs(1), 7, kod, u"(inny)"_qs); // duplicate while active
    m_s->rejestr->NowyAlarm(t, 6, kod, u"(opis)"_qs);            // another regulator
    const WierszAlarmu& w = m_s->rejestr->Wiersz(1);
    QCOMPARE(QStringList({w.Czas, w.Regulator, w.TrescAlarmu, w.NrRegul, w.KodAlarmu, w.Opis, w.Aktywny,
                          w.Potwierdzony, w.IdAlarmu}),
             QStringList({"17/12/2003 09:05:07", "R7", tresc, " 7", TextFormat::plain(kod), "(opis)", "A",
                          "N", " 1"}));
    QTEST(w.Obrazek, "obrazek");
    QCOMPARE(dodane.size(), 2);
    QCOMPARE(dodane.at(1).at(0).toInt(), 2);
    QCOMPARE(
        m_s->wartosc(u"SELECT Id_alarmu || Data || Typ || Tresc || Kod_Regul || ifnull(Operator, '-') || "
                     "ifnull(Data_potw, '-') || ifnull(data_dezakt, '-') FROM Alarmy ORDER BY Id_alarmu"_qs)
            .toString(),
        u"12003-12-17 09:05:07R"_qs + tresc + u"R7---"_qs);
    QCOMPARE(m_s->drzewo.alarm, (std::map<QString, bool>{{u"R6"_qs, true}, {u"R7"_qs, true}}));
    QCOMPARE(stan().section(u"; "_qs, 1), u"2; 2; 2/2"_qs);
    QCOMPARE(m_s->wizual.filtr(u"eZmianaAlarmow"_qs).size(), 2);
}

void TestAlarmy::deactivation()
{
    ustaw(2, {});
    for (auto [nr, kod] : {std::pair{1, 201}, {1, 202}, {2, 100}})
        m_s->rejestr->NowyAlarm(m_s->zegar.czas, nr, kod, {});
    m_s->wizual.zdarzenia.clear();
    QSignalSpy zmienione(m_s->rejestr.get(), &RejestrAlarmow::wierszZmieniony);
    m_s->zegar.advance(125);
    m_s->rejestr->DezaktywujAlarm(1);
    QCOMPARE(stan(), u"R1:202:,R2:100:; 3; 3; 2/3"_qs);
    QCOMPARE(m_s->drzewo.alarm.at(u"R1"_qs), true); // its 202 is still active
    QCOMPARE(m_s->wartosc(u"SELECT group_concat(ifnull(data_dezakt, '-')) FROM Alarmy"_qs).toString(),
             u"2003-12-17 10:02:05,-,-"_qs);
    m_s->rejestr->DezaktywujAlarm(2);
    QCOMPARE(m_s->drzewo.alarm, (std::map<QString, bool>{{u"R1"_qs, false}, {u"R2"_qs, true}}));
    QVERIFY(m_s->wizual.zdarzenia.isEmpty());
    // The last active alarm ends: announced although all three are unacknowledged; clearing a
    // row that is already inactive counts nothing twice.
    m_s->rejestr->DezaktywujAlarm(3);
    m_s->rejestr->DezaktywujAlarm(3);
    QCOMPARE(m_s->wizual.zdarzenia, QStringList{u"eZmianaAlarmow()"_qs});
    QCOMPARE(stan(), u"; 3; 3; 0/3"_qs);
    QCOMPARE(zmienione.size(), 3);
}

// Acknowledged at 10:00:30 (active or not); a second acknowledgement changes and writes
// nothing, no row selected does nothing.
void TestAlarmy::acknowledgement_data()
{
    QTest::addColumn<bool>("aktywny");
    QTest::addColumn<QString>("daty"); // Data_potw/data_dezakt
    QTest::newRow("active") << true << "2003-12-17 10:00:30/-";
    QTest::newRow("inactive") << false << "2003-12-17 10:00:30/2003-12-17 10:00:00";
}

void TestAlarmy::acknowledgement()
{
    QFETCH(bool, aktywny);
    ustaw(1, {});
    m_s->rejestr->NowyAlarm(m_s->zegar.czas, 1, 201, {});
    if (!aktywny)
        m_s->rejestr->DezaktywujAlarm(1);
    m_s->wizual.zdarzenia.clear();
    for (int pozycja : {1, 1, 0, 2}) {
        m_s->zegar.advance(30);
        m_s->rejestr->Potwierdz(pozycja);
    }
    QCOMPARE(m_s->rejestr->Wiersz(1).Potwierdzony + m_s->rejestr->Wiersz(1).Aktywny,
             aktywny ? u"TA"_qs : u"TN"_qs);
    QCOMPARE(stan(), aktywny ? u"R1:201:; 1; 1; 1/0"_qs : u"; 1; 1; 0/0"_qs);
    QCOMPARE(m_s->wizual.zdarzenia, QStringList{u"eZmianaAlarmow()"_qs});
    QTEST(m_s->wartosc(u"SELECT Data_potw || '/' || ifnull(data_dezakt, '-') FROM Alarmy"_qs).toString(),
          "daty");
}

// An acknowledgement or a clearing that reaches no row of Alarmy (the row gone, or renumbered
// outside the program) is a refused write: shown, logged, and an acknowledgement is not made.
// A cleared condition is cleared all the same.
void TestAlarmy::unrecordedChange_data()
{
    QTest::addColumn<QString>("zmiana"); // run on the file after the alarm is raised
    QTest::addColumn<bool>("potwierdz"); // acknowledged, else cleared
    QTest::addColumn<QString>("stan");   // acknowledged and active flags; stan() after
    QTest::addColumn<bool>("blad");
    QTest::newRow("acknowledged") << QString() << true << u"TA R1:201:; 1; 1; 1/0"_qs << false;
    QTest::newRow("acknowledgement, row gone")
        << u"DELETE FROM Alarmy"_qs << true << u"NA R1:201:; 1; 0; 1/1"_qs << true;
    QTest::newRow("acknowledgement, row renumbered")
        << u"UPDATE Alarmy SET Id_alarmu = 7"_qs << true << u"NA R1:201:; 1; 1; 1/1"_qs << true;
    QTest::newRow("clearing, row gone") << u"DELETE FROM Alarmy"_qs << false << u"NN ; 1; 0; 0/1"_qs << true;
}

void TestAlarmy::unrecordedChange()
{
    QFETCH(QString, zmiana);
    QFETCH(bool, potwierdz);
    QFETCH(bool, blad);
    ustaw(1, {});
    m_s->rejestr->NowyAlarm(m_s->zegar.czas, 1, 201, {});
    if (!zmiana.isEmpty())
        m_s->wartosc(zmiana);
    m_s->wizual.zdarzenia.clear();
    potwierdz ? m_s->rejestr->Potwierdz(1) : m_s->rejestr->DezaktywujAlarm(1);
    const WierszAlarmu& w = m_s->rejestr->Wiersz(1);
    QTEST(w.Potwierdzony + w.Aktywny + u' ' + stan(), "stan");
    const QString tekst = u"Błąd zapisu do bazy danych nr -1\r'W tabeli Alarmy nie ma alarmu nr 1.'"_qs;
    QCOMPARE(m_s->komunikaty.bledyZapisu, blad ? QStringList{tekst} : QStringList{});
    QCOMPARE(m_s->wartosc(u"SELECT group_concat(Operacja || Status || Typ) FROM Log"_qs).toString(),
             blad ? QString(tekst).replace(u'\r', u' ') + u"BD"_qs : QString());
    // Announced: a made acknowledgement, the last active alarm cleared.
    QCOMPARE(m_s->wizual.zdarzenia.size(), potwierdz && blad ? 0 : 1);
}

// An alarm whose row the file never took, refused for good at once (identity 0) or kept and
// refused for good when retried (a stand-in naming no row): the acknowledgement tells of the
// write it could not make, once, and is made on the screen all the same, so that the blinking
// and the sound stop.
void TestAlarmy::unwrittenAlarmAcknowledged_data()
{
    QTest::addColumn<bool>("odlozony");
    QTest::newRow("refused at once") << false;
    QTest::newRow("kept, refused when retried") << true;
}

void TestAlarmy::unwrittenAlarmAcknowledged()
{
    QFETCH(bool, odlozony);
    ustaw(1, {});
    m_s->wartosc(u"CREATE TRIGGER odmowa BEFORE INSERT ON Alarmy BEGIN SELECT RAISE(ABORT, 'nie'); END"_qs);
    if (odlozony)
        m_s->wartosc(u"PRAGMA query_only = ON"_qs);
    m_s->rejestr->NowyAlarm(m_s->zegar.czas, 1, 201, {});
    m_s->wartosc(u"PRAGMA query_only = OFF"_qs);
    m_s->bd->ZapiszZalegle();
    const qsizetype bledy = m_s->komunikaty.bledyZapisu.size();
    m_s->wizual.zdarzenia.clear();
    m_s->rejestr->Potwierdz(1);
    m_s->rejestr->Potwierdz(1);
    const WierszAlarmu& w = m_s->rejestr->Wiersz(1);
    QCOMPARE(w.Potwierdzony + w.Aktywny + u' ' + stan(), u"TA R1:201:; 1; 0; 1/0"_qs);
    QCOMPARE(m_s->komunikaty.bledyZapisu.size(), bledy + 1);
    QCOMPARE(m_s->wizual.zdarzenia, QStringList{u"eZmianaAlarmow()"_qs});
}

// A counter at its 16-bit limit stays there when one more alarm comes, so the blinking and the
// sound go on; when one goes, the rows tell how many are left.
void TestAlarmy::countersStopAtTheirLimit_data()
{
    QTest::addColumn<bool>("aktywne"); // the counter at its limit: active, or unacknowledged
    QTest::addColumn<QString>("poDodaniu");
    QTest::addColumn<QString>("poUsunieciu"); // after deactivating, or acknowledging, the new row
    QTest::newRow("active") << true << u"32767/1"_qs << u"0/1"_qs;
    QTest::newRow("unacknowledged") << false << u"1/32767"_qs << u"1/0"_qs;
}

void TestAlarmy::countersStopAtTheirLimit()
{
    QFETCH(bool, aktywne);
    ustaw(1, {});
    clsoApp& a = *m_s->app;
    (aktywne ? a.IloscAktywnychAlarmow : a.IloscNiePotwAlarmow) = 32767;
    m_s->rejestr->NowyAlarm(m_s->zegar.czas, 1, 201, {});
    QTEST(stan().section(u"; "_qs, 3), "poDodaniu");
    if (aktywne)
        m_s->rejestr->DezaktywujAlarm(1);
    else
        m_s->rejestr->Potwierdz(1);
    QTEST(stan().section(u"; "_qs, 3), "poUsunieciu");
}

QTEST_GUILESS_MAIN(TestAlarmy)
#include "tst_alarmy_regulatora.moc"
