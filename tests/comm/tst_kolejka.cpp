// The operator command queue: one command per tick, in the order given, by exact name.
#include "TestSupport.h"
#include "clRegulator.h"
#include "clsKolejka.h"

#include <QTest>

class TestKolejka : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void emptyQueue();
    void commandsRunInOrderOnePerTick();
    void commandAddedWhileRunningGoesBehind();
    void unknownNameRemovedWithoutEffect();
    void stageCommandArguments();

private:
    std::unique_ptr<Srodowisko> m_s;
    std::unique_ptr<clsKolejka> m_k;
};

void TestKolejka::init()
{
    m_s = std::make_unique<Srodowisko>();
    m_k = std::make_unique<clsKolejka>(m_s->uslugi);
    m_s->uslugi.oKolejka = m_k.get();
    m_s->regulatory->Add(5, u"R5"_qs, u"R5"_qs).Id = 1;
    m_s->regulatory->Add(7, u"R7"_qs, u"R7"_qs).Id = 2;
    m_s->komunikator.bajt(u"Czytaj_blok"_qs, 0x41);
    m_s->komunikator.bajt(u"Ustaw_blok"_qs, 0x61);
}

void TestKolejka::emptyQueue()
{
    m_k->Wykonaj();
    QVERIFY(m_s->komunikator.wywolania.isEmpty());
}

void TestKolejka::commandsRunInOrderOnePerTick()
{
    m_k->Add(2, u"Blokuj"_qs, true, 0);
    m_k->Add(1, u"Ustaw_przel"_qs, 0, 0);
    m_k->Add(1, u"WczytajStanRegul"_qs, QDateTime::currentDateTime(), 0);
    QCOMPARE(m_k->Count(), 3);

    m_k->Wykonaj();
    QCOMPARE(m_s->komunikator.wywolania, QStringList({"CZYTAJ_BLOK:2:0", "USTAW_BLOK:2:97"}));
    QVERIFY(m_s->regulatory->Item(2).Zablokowany);
    QCOMPARE(m_k->Count(), 2);

    m_s->komunikator.wywolania.clear();
    m_k->Wykonaj();  // no front panel open: nothing is sent, the failure is logged
    QVERIFY(m_s->komunikator.wywolania.isEmpty());
    QCOMPARE(m_s->liczWiersze(u"Log"_qs), 2);

    m_k->Wykonaj();
    QCOMPARE(m_s->komunikator.wywolania.first(), u"CZYTAJ_DIODY:1:0"_qs);
    QCOMPARE(m_k->Count(), 0);
}

void TestKolejka::commandAddedWhileRunningGoesBehind()
{
    m_k->Add(1, u"Blokuj"_qs, true, 0);
    m_k->Add(2, u"Blokuj"_qs, false, 0);
    // An operator click while the first command waits for the line.
    m_s->komunikator.odpowiedzi[u"CZYTAJ_BLOK"_qs] = [this](std::span<quint8> d, quint8) {
        if (m_k->Count() == 2)
            m_k->Add(1, u"WczytajStanRegul"_qs, QDateTime::currentDateTime(), 0);
        d[0] = 0;
        return true;
    };
    m_k->Wykonaj();
    QCOMPARE(m_k->Count(), 2);
    QCOMPARE(m_k->Item(1).NrRegul, 2);
    QCOMPARE(m_k->Item(2).Polecenie, u"WczytajStanRegul"_qs);
}

void TestKolejka::unknownNameRemovedWithoutEffect()
{
    m_k->Add(1, u"blokuj"_qs, true, 0);
    m_k->Wykonaj();
    QCOMPARE(m_k->Count(), 0);
    QVERIFY(m_s->komunikator.wywolania.isEmpty());
    QVERIFY(m_s->komunikaty.teksty.isEmpty());
}

void TestKolejka::stageCommandArguments()
{
    m_s->komunikator.bajt(u"Czytaj_Kond1"_qs, 0xFF);
    m_s->komunikator.bajt(u"Czytaj_Kond2"_qs, 0xFF);
    m_s->komunikator.bajt(u"Badaj_kond"_qs, 0);
    m_k->Add(1, u"UstawKondensator"_qs, QVariantList{2, true}, 0);
    m_k->Wykonaj();
    QVERIFY(m_s->komunikator.wywolania.contains(u"BADAJ_KOND:1:2"_qs));
    QVERIFY(m_s->komunikator.wywolania.contains(u"WLACZ_KOND:1:251"_qs));
}

QTEST_GUILESS_MAIN(TestKolejka)
#include "tst_kolejka.moc"
