// The regulator operations end to end: through the executor, the serial link and the port
// layer to simulated regulators on a pseudo-terminal.
#include "Komunikator.h"
#include "PortQt.h"
#include "TestSupport.h"
#include "clComm.h"
#include "clRegulator.h"
#include "regsim/RegSim.h"
#include "regsim/RegSimThread.h"

#include <QTest>

class TestRegulatorLacze : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void periodicReadingStored();
    void czytaj32TimesOutAfterGoodLamps();
    void silentRegulator();
    void lockAndUnlock();
    void settingsReadBack();
    void stageOnAndDischarge();

private:
    clRegulator& r() { return m_s->regulatory->Item(1); }
    regsim::RegulatorState sim() { return *m_sim->sim()->regulator(5); }
    void zmien(const std::function<void(regsim::RegulatorState&)>& f)
    {
        QVERIFY(m_sim->sim()->updateRegulator(5, f));
    }

    std::unique_ptr<Srodowisko> m_s;
    std::unique_ptr<FastClock> m_zegar;
    std::unique_ptr<regsim::RegSimThread> m_sim;
    std::unique_ptr<PortQt> m_port;
    std::unique_ptr<clComm> m_comm;
    std::unique_ptr<Komunikator> m_komunikator;
};

void TestRegulatorLacze::init()
{
    m_s = std::make_unique<Srodowisko>();
    m_zegar = std::make_unique<FastClock>(20);
    m_s->uslugi.zegar = m_zegar.get();
    m_sim = std::make_unique<regsim::RegSimThread>();
    QVERIFY(m_sim->startSim());
    regsim::RegulatorState st;
    st.address = 5;
    m_sim->sim()->addRegulator(st);
    m_s->dodajRegulator(u"R5"_qs, 5, {{u"ProgPrad"_qs, 10}});
    m_s->wczytaj();
    m_port = std::make_unique<PortQt>();
    const QString blad = m_port->Otworz(m_sim->sim()->slavePath());
    QVERIFY2(blad.isEmpty(), qPrintable(blad));
    m_comm = std::make_unique<clComm>(m_s->uslugi);
    m_comm->UstawPort(m_port.get());
    m_komunikator = std::make_unique<Komunikator>(m_s->uslugi);
    m_s->uslugi.oComm = m_comm.get();
    m_s->uslugi.oKomunikator = m_komunikator.get();
}

void TestRegulatorLacze::cleanup()
{
    m_comm.reset();
    m_port.reset();
    m_sim.reset();
    m_s.reset();
}

void TestRegulatorLacze::periodicReadingStored()
{
    BlokPomiaru b{.pozorna = 5196152, .bierna = 2000000, .timer = 0xFFFFFF, .napiecie = 400, .pradBierny = 25};
    zmien([&](auto& st) {
        st.blockOverride = b.bajty();
        st.stage1 = 0xFB;
        st.status = 0x20;
    });
    const QDateTime teraz(QDate(2003, 12, 17), QTime(10, 7, 42));
    r().OkresowyOdczyt(teraz);
    QCOMPARE(r().Stan.StanDiod1, quint8(0xFB));
    QCOMPARE(r().Napiecie, 400.0f);
    QCOMPARE(r().TimerU, 16777215);
    QCOMPARE(r().Okres, 50.0f);
    QVERIFY(r().Zablokowany);
    QCOMPARE(r().NastepnyOdczyt, QDateTime(QDate(2003, 12, 17), QTime(10, 15)));
    QCOMPARE(m_s->rejestr->Count(), 1);
    QCOMPARE(m_s->rejestr->Wiersz(1).TrescAlarmu, u"Przekroczona wartość prądu ( 12.5 A)"_qs);
    QCOMPARE(m_s->wartosc(u"SELECT Data || ' ' || Napiecie FROM Pomiary"_qs).toString(),
             u"2003-12-17 10:07:42 400.0"_qs);
    QCOMPARE(m_s->wartosc(u"SELECT PopTimerU FROM OstPomiar WHERE Adres = 5"_qs).toInt(), 16777215);
}

void TestRegulatorLacze::czytaj32TimesOutAfterGoodLamps()
{
    zmien([](auto& st) { st.blockOverride = BlokPomiaru{.napiecie = 400}.bajty(); });
    QVERIFY(r().WczytajStanRegul(m_zegar->now()));
    // The acknowledgement and 20 bytes of the block arrive, then nothing.
    zmien([](auto& st) {
        st.stage1 = 0xFE;
        st.blockOverride = BlokPomiaru{.napiecie = 300}.bajty();
        st.failure = regsim::Failure::StopAfter;
        st.stopAfter = 21;
    });
    m_s->wizual.zdarzenia.clear();
    QVERIFY(!r().WczytajStanRegul(m_zegar->now()));
    QCOMPARE(r().Stan.StanDiod1, quint8(0xFE));
    QCOMPARE(r().Napiecie, 400.0f);
    QVERIFY(m_s->wizual.filtr(u"eNoweDane"_qs).isEmpty());
    QCOMPARE(m_s->rejestr->Count(), 1);
    QCOMPARE(m_s->rejestr->Wiersz(1).KodAlarmu, u" 100"_qs);
    QCOMPARE(m_s->liczWiersze(u"Log"_qs), 0);

    zmien([](auto& st) { st.failure = regsim::Failure::None; });
    QVERIFY(r().WczytajStanRegul(m_zegar->now()));
    QCOMPARE(r().Napiecie, 300.0f);
    QCOMPARE(m_s->rejestr->Wiersz(1).Aktywny, u"N"_qs);
}

void TestRegulatorLacze::silentRegulator()
{
    zmien([](auto& st) { st.failure = regsim::Failure::Silent; });
    r().OkresowyOdczyt(m_zegar->now());
    QVERIFY(!m_sim->sim()->receivedFrames().isEmpty());
    for (const QByteArray& ramka : m_sim->sim()->receivedFrames())
        QCOMPARE(ramka, QByteArray::fromHex("02059004"));
    QCOMPARE(m_s->wartosc(u"SELECT Operacja || Status || Typ FROM Log"_qs).toString(),
             u"Błąd komunikacji z regulatoremBK"_qs);
    QCOMPARE(m_s->liczWiersze(u"Pomiary"_qs), 0);
    QVERIFY(r().NastepnyOdczyt > m_s->zegar.czas.addSecs(4 * 60));
}

void TestRegulatorLacze::lockAndUnlock()
{
    zmien([](auto& st) { st.status = 0x41; });
    r().BlokujRegul(true);
    QCOMPARE(sim().status, quint8(0x61));
    QVERIFY(r().Zablokowany);
    r().BlokujRegul(false);
    QCOMPARE(sim().status, quint8(0x41));
    QVERIFY(!r().Zablokowany);
    QCOMPARE(m_s->liczWiersze(u"Log WHERE Operacja = 'Blokada regulatora'"_qs), 2);
}

void TestRegulatorLacze::settingsReadBack()
{
    FakePanel panel;
    panel.wartosci[0] = panel.wartosci[3] = true;
    m_s->uslugi.panel = &panel;
    QVERIFY(r().UstawRegulator());
    QCOMPARE(sim().settings, quint8(0x09));
    QCOMPARE(r().Stan.StanPrzel2, quint8(0x09));
}

void TestRegulatorLacze::stageOnAndDischarge()
{
    QVERIFY(r().UstawKondensator(2, true));
    QCOMPARE(sim().stage1, quint8(0xFB));
    QCOMPARE(r().Stan.StanDiod1, quint8(0xFB));
    QVERIFY(r().UstawKondensator(2, false));
    QCOMPARE(sim().stage1, quint8(0xFF));
    // Switched off just now: its discharge time is running.
    QVERIFY(!r().UstawKondensator(2, true));
    QCOMPARE(sim().stage1, quint8(0xFF));
    QCOMPARE(m_s->komunikaty.teksty.size(), 1);
    QVERIFY(m_s->komunikaty.teksty.first().startsWith(u"Nie można załączyć kondensatora nr 3.\r"_qs));
    QVERIFY(m_s->komunikaty.teksty.first().endsWith(u"Pozostało  60 sekund."_qs) ||
            m_s->komunikaty.teksty.first().endsWith(u"Pozostało  59 sekund."_qs));
}

QTEST_GUILESS_MAIN(TestRegulatorLacze)
#include "tst_regulator_lacze.moc"
