// The operator command queue: one command per tick, in the order given, by exact name (an unknown
// one leaves in its tick without effect).
#include "TestSupport.h"
#include "clRegulator.h"
#include "clsKolejka.h"

#include <QTest>

class TestKolejka : public QObject
{
    Q_OBJECT
  private slots:
    void init();
    void commandsRunInOrderOnePerTick();
    void commandAddedWhileRunningGoesBehind();

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
    for (const char* rozkaz : {"Czytaj_Kond1", "Czytaj_Kond2"})
        m_s->komunikator.bajt(QString::fromLatin1(rozkaz), 0xFF);
}

void TestKolejka::commandsRunInOrderOnePerTick()
{
    FakePanel panel;
    m_s->uslugi.panel = &panel;
    m_k->Wykonaj(); // an empty queue sends nothing
    m_k->Add(2, u"Blokuj"_qs, true, 0);
    m_k->Add(1, u"blokuj"_qs, true, 0);
    m_k->Add(1, u"Ustaw_przel"_qs, {}, 0);
    m_k->Add(1, u"UstawKondensator"_qs, QVariantList{3, true}, 0);
    m_k->Add(1, u"WczytajStanRegul"_qs, m_s->zegar.czas, 0);
    QStringList tury;
    while (m_k->Count() > 0) {
        m_s->komunikator.wywolania.clear();
        m_k->Wykonaj();
        tury << m_s->komunikator.wywolania.join(u' ');
    }
    QCOMPARE(tury, QStringList({"CZYTAJ_BLOK:2:0 USTAW_BLOK:2:97", "",
                                "USTAW_SR:1:0 CZYTAJ_DIODY:1:0 DAJ_DANE:1:0 CZYTAJ:1:0 CZYTAJ32:1:0",
                                "CZYTAJ_KOND1:1:0 CZYTAJ_KOND2:1:0 BADAJ_KOND:1:3 WLACZ_KOND:1:247 "
                                "CZYTAJ_KOND1:1:0 CZYTAJ_KOND2:1:0",
                                "CZYTAJ_DIODY:1:0 DAJ_DANE:1:0 CZYTAJ:1:0 CZYTAJ32:1:0"}));
    QVERIFY(m_s->komunikaty.teksty.isEmpty());
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

QTEST_GUILESS_MAIN(TestKolejka)
#include "tst_kolejka.moc"
