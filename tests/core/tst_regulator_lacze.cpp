// The periodic reading end to end, through the executor, the serial link and the port layer to
// a simulated regulator: what the line adds to the poll (real reply bytes, time-outs, retries).
#include "LaczeTestowe.h"
#include "clRegulator.h"

class TestRegulatorLacze : public QObject
{
    Q_OBJECT
  private slots:
    void init();
    void cleanup() { m_l.reset(); }

    void periodicReadingStored();
    void czytaj32TimesOutAfterGoodLamps();
    void silentRegulator();

  private:
    clRegulator& r() { return m_l->s.regulatory->Item(1); }
    Srodowisko& s() { return m_l->s; }

    std::unique_ptr<LaczeTestowe> m_l;
};

void TestRegulatorLacze::init()
{
    m_l = std::make_unique<LaczeTestowe>();
    m_l->uruchom({5});
    s().dodajRegulator(u"R5"_qs, 5, {{u"ProgPrad"_qs, 10}});
    s().wczytaj();
}

void TestRegulatorLacze::periodicReadingStored()
{
    BlokPomiaru b{
        .pozorna = 5196152, .bierna = 2000000, .timer = 0xFFFFFF, .napiecie = 400, .pradBierny = 25};
    m_l->zmien(5, [&](auto& st) {
        st.blockOverride = b.bajty();
        st.stage1 = 0xFB;
        st.status = 0x20;
    });
    r().OkresowyOdczyt(QDateTime(QDate(2003, 12, 17), QTime(10, 7, 42)));
    QCOMPARE(r().Stan.StanDiod1, quint8(0xFB));
    QCOMPARE(r().TimerU, 16777215);
    QVERIFY(r().Zablokowany);
    QCOMPARE(s().rejestr->Wiersz(1).TrescAlarmu, u"Przekroczona wartość prądu ( 12.5 A)"_qs);
    QCOMPARE(s().wartosc(u"SELECT Data || ' ' || Napiecie FROM Pomiary"_qs).toString(),
             u"2003-12-17 10:07:42 400.0"_qs);
}

void TestRegulatorLacze::czytaj32TimesOutAfterGoodLamps()
{
    m_l->zmien(5, [](auto& st) { st.blockOverride = BlokPomiaru{.napiecie = 400}.bajty(); });
    QVERIFY(r().WczytajStanRegul(m_l->zegar.now()));
    // The acknowledgement and 20 bytes of the block arrive, then nothing.
    m_l->zmien(5, [](auto& st) {
        st.stage1 = 0xFE;
        st.blockOverride = BlokPomiaru{.napiecie = 300}.bajty();
        st.failure = regsim::Failure::StopAfter;
        st.stopAfter = 21;
    });
    QVERIFY(!r().WczytajStanRegul(m_l->zegar.now()));
    QCOMPARE(r().Stan.StanDiod1, quint8(0xFE));
    QCOMPARE(r().Napiecie, 400.0f);
    QCOMPARE(s().rejestr->Wiersz(1).KodAlarmu, u" 100"_qs);

    m_l->zmien(5, [](auto& st) { st.failure = regsim::Failure::None; });
    QVERIFY(r().WczytajStanRegul(m_l->zegar.now()));
    QCOMPARE(r().Napiecie, 300.0f);
    QCOMPARE(s().rejestr->Wiersz(1).Aktywny, u"N"_qs);
}

void TestRegulatorLacze::silentRegulator()
{
    m_l->zmien(5, [](auto& st) { st.failure = regsim::Failure::Silent; });
    r().OkresowyOdczyt(m_l->zegar.now());
    // Only the first lamp frame goes out, once per attempt of the poll.
    QVERIFY(!m_l->sim().receivedFrames().isEmpty());
    for (const QByteArray& ramka : m_l->sim().receivedFrames())
        QCOMPARE(ramka, QByteArray::fromHex("02059004"));
    QCOMPARE(s().wartosc(u"SELECT Operacja || Status || Typ FROM Log"_qs).toString(),
             u"Błąd komunikacji z regulatoremBK"_qs);
    QCOMPARE(s().liczWiersze(u"Pomiary"_qs), 0);
    QVERIFY(r().NastepnyOdczyt > s().zegar.czas.addSecs(4 * 60));
}

QTEST_GUILESS_MAIN(TestRegulatorLacze)
#include "tst_regulator_lacze.moc"
