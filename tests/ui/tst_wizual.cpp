// The notification object: which screen elements follow which model event, against recording
// fakes of the windows it writes to.
#include "Dzwieki.h"
#include "IkonyGlowne.h"
#include "TestSupport.h"
#include "clRegulator.h"
#include "clsWizual.h"

#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString nazwaObrazu(const QPixmap& obraz)
{
    if (obraz.isNull())
        return QStringLiteral("brak");
    const QImage img = obraz.toImage();
    for (int i : {IkonyGlowne::kWskaznikWolny, IkonyGlowne::kWskaznikZajety}) {
        if (img == IkonyGlowne::ImageList1(i).toImage())
            return QString::number(i);
    }
    for (const char* klucz : {"blysk", "Wykrzyknik"}) {
        if (img == IkonyGlowne::obraz(QLatin1String(klucz)).toImage())
            return QLatin1String(klucz);
    }
    return QStringLiteral("?");
}

// Every fake writes what it was told as one line, e.g. "tekst 1 = ...", "Timer2 T".
struct Zapis
{
    QStringList linie;
    void operator()(const QString& s) { linie << s; }
};

class Glowne final : public OknoGlowneWizual
{
  public:
    explicit Glowne(Zapis& z) : m_z(z) {}
    void UstawTekstPanelu(PanelStanu p, const QString& t) override
    {
        m_z(QStringLiteral("tekst %1 = %2").arg(int(p)).arg(t));
    }
    void UstawObrazPanelu(PanelStanu p, const QPixmap& o) override
    {
        m_z(QStringLiteral("obraz %1 = %2").arg(int(p)).arg(nazwaObrazu(o)));
    }
    void UstawMiganieAlarmu(bool w) override { m_z(QStringLiteral("Timer2 %1").arg(w)); }
    void UstawPowtarzanieAlarmu(bool w) override { m_z(QStringLiteral("Timer3 %1").arg(w)); }

  private:
    Zapis& m_z;
};

class Menu final : public MenuWizual
{
  public:
    explicit Menu(Zapis& z) : m_z(z) {}
    void UstawPodpis(PozycjaMenu p, const QString& t) override
    {
        m_z(QStringLiteral("menu %1 = %2").arg(int(p)).arg(t));
    }
    void UstawDostepna(PozycjaMenu p, bool d) override
    {
        m_z(QStringLiteral("menu %1 dostępna %2").arg(int(p)).arg(d));
    }
    void UstawMonitoring(bool w) override { m_z(QStringLiteral("Monit %1").arg(w)); }

  private:
    Zapis& m_z;
};

class Drzewo final : public DrzewoWizual
{
  public:
    explicit Drzewo(Zapis& z) : m_z(z) {}
    std::map<QString, int> obrazy;
    int ObrazWezla(const QString& k) const override
    {
        const auto it = obrazy.find(k);
        return it == obrazy.end() ? 0 : it->second;
    }
    void UstawObrazWezla(const QString& k, int o) override
    {
        obrazy[k] = o;
        m_z(QStringLiteral("węzeł '%1' obraz %2").arg(k).arg(o));
    }
    void UstawKolorWezla(const QString& k, const QColor& c) override
    {
        m_z(QStringLiteral("węzeł '%1' kolor %2").arg(k, c.name()));
    }

  private:
    Zapis& m_z;
};

class Panel final : public PanelWizual, public DaneWizual
{
  public:
    explicit Panel(Zapis& z) : m_z(z) {}
    void OdswiezPanel() override { m_z(QStringLiteral("OdswiezPanel")); }
    void UstawPodpis(PrzyciskPanelu p, const QString& t) override
    {
        m_z(QStringLiteral("panel %1 = %2").arg(int(p)).arg(t));
    }
    void UstawDostepny(PrzyciskPanelu p, bool d) override
    {
        m_z(QStringLiteral("panel %1 dostępny %2").arg(int(p)).arg(d));
    }
    void UstawWidoczny(PrzyciskPanelu p, bool w) override
    {
        m_z(QStringLiteral("panel %1 widoczny %2").arg(int(p)).arg(w));
    }
    void Odswiez() override { m_z(QStringLiteral("Dane.Odswiez")); }
    void UstawOdswiezanieDostepne(bool d) override { m_z(QStringLiteral("Dane.cmdOdswiez %1").arg(d)); }

  private:
    Zapis& m_z;
};

class NagrywarkaDzwiekow final : public OdtwarzaczDzwiekow
{
  public:
    explicit NagrywarkaDzwiekow(Zapis& z) : m_z(z) {}
    void Graj(const QString& plik) override { m_z(QStringLiteral("dźwięk ") + plik); }

  private:
    Zapis& m_z;
};

// Two regulators, R1 current, with every window registered and open.
struct Stanowisko
{
    Stanowisko()
    {
        s.dodajRegulator(QStringLiteral("R1"), 1);
        s.dodajRegulator(QStringLiteral("R2"), 2);
        s.wczytaj();
        s.uslugi.oWizual = &wizual;
        s.app->Dzwieki = 1;
        s.app->Loaded_Panel = true;
        s.app->Loaded_Dane = true;
        wizual.Cele() = {&glowne, &menu, &drzewo, &panel, &panel};
    }
    QStringList wez()
    {
        const QStringList l = z.linie;
        z.linie.clear();
        return l;
    }

    Srodowisko s;
    Zapis z;
    Glowne glowne{z};
    Menu menu{z};
    Drzewo drzewo{z};
    Panel panel{z};
    NagrywarkaDzwiekow dzwieki{z};
    clsWizual wizual{s.uslugi, dzwieki};
};

} // namespace

class TestWizual : public QObject
{
    Q_OBJECT
  private slots:
    void komunikacja_data();
    void komunikacja();
    void progressTexts_data();
    void progressTexts();
    void monitoringIndicator();
    void controlMode_data();
    void controlMode();
    void noweDaneOnlyForTypeO();
    void noweDaneOfOtherRegulatorRefreshesDataNotPanel();
    void noweDaneWritesOnlyChangedNodes();
    void blokada_data();
    void blokada();
    void zmianaRegulatora();
    void zmianaBaterii();
    void soundSettingSilences();
    void withoutRegisteredWindows();
    void soundLayerCleansUpWithOrWithoutAudio();
};

void TestWizual::komunikacja_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("zmiany");
    QTest::newRow("done") << 0 << QStringList{"tekst 4 = ", "obraz 4 = 20"};
    QTest::newRow("running") << 1 << QStringList{"obraz 4 = 21"};
    QTest::newRow("failed") << 2 << QStringList{"obraz 4 = 20"};
    QTest::newRow("busy") << 3 << QStringList{"obraz 4 = 21"};
    QTest::newRow("unknown") << 7 << QStringList{};
}

void TestWizual::komunikacja()
{
    QFETCH(int, status);
    QFETCH(QStringList, zmiany);
    Stanowisko st;
    st.wizual.eKomunikacja(status);
    QCOMPARE(st.wez(), zmiany);
}

void TestWizual::progressTexts_data()
{
    QTest::addColumn<int>("rodzaj");
    QTest::addColumn<bool>("trwa");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("periodic") << 0 << true << "Oczytuję okresowe dane z regulatora 'R2' ...";
    QTest::newRow("periodic ended") << 0 << false << "";
    QTest::newRow("stage on") << 1 << true << "Załączam stopień regulatora 'R2' ...";
    QTest::newRow("stage off") << 2 << true << "Wyłączam stopień regulatora 'R2' ...";
    QTest::newRow("locking") << 3 << true << "Blokuję regulator 'R2' ...";
    QTest::newRow("unlocking") << 4 << true << "Odblokowuję regulator 'R2' ...";
    QTest::newRow("unlocking ended") << 4 << false << "";
}

void TestWizual::progressTexts()
{
    QFETCH(int, rodzaj);
    QFETCH(bool, trwa);
    QFETCH(QString, tekst);
    Stanowisko st;
    switch (rodzaj) {
    case 0:
        st.wizual.eOkresowyOdczyt(2, trwa);
        break;
    case 1:
        st.wizual.eZalaczanieBaterii(2, trwa);
        break;
    case 2:
        st.wizual.eWylaczanieBaterii(2, trwa);
        break;
    default:
        st.wizual.eBlokowanieRegul(2, rodzaj == 3, trwa);
        break;
    }
    QCOMPARE(st.wez(), QStringList{"tekst 1 = " + tekst});
}

void TestWizual::monitoringIndicator()
{
    Stanowisko st;
    st.wizual.eMonitoring(2, true);
    st.wizual.eMonitoring(2, false);
    QCOMPARE(st.wez(), QStringList({"obraz 2 = 21", "obraz 2 = 20"}));
}

void TestWizual::controlMode_data()
{
    QTest::addColumn<bool>("tryb");
    QTest::addColumn<bool>("panelOtwarty");
    QTest::addColumn<QStringList>("zmiany");
    const QStringList wlaczony{"menu 0 = Wyłącz tryb sterowania",
                               "menu 1 dostępna 1",
                               "menu 2 dostępna 1",
                               "menu 3 dostępna 1",
                               "obraz 5 = Wykrzyknik",
                               "tekst 5 = sterowanie"};
    const QStringList wylaczony{"menu 0 = Włącz tryb sterowania",
                                "menu 1 dostępna 0",
                                "menu 2 dostępna 0",
                                "menu 3 dostępna 0",
                                "obraz 5 = brak",
                                "tekst 5 = normalny"};
    QTest::newRow("on, panel open") << true << true << wlaczony + QStringList{"panel 1 widoczny 1"};
    QTest::newRow("off, panel open") << false << true << wylaczony + QStringList{"panel 1 widoczny 0"};
    QTest::newRow("off, panel closed") << false << false << wylaczony;
}

void TestWizual::controlMode()
{
    QFETCH(bool, tryb);
    QFETCH(bool, panelOtwarty);
    QFETCH(QStringList, zmiany);
    Stanowisko st;
    st.s.app->Loaded_Panel = panelOtwarty;
    st.wizual.eZmianaTrybuSterowania(tryb);
    QCOMPARE(st.wez(), zmiany);
}

void TestWizual::noweDaneOnlyForTypeO()
{
    Stanowisko st;
    st.wizual.eNoweDane(1, QStringLiteral("o"));
    st.wizual.eNoweDane(1, QStringLiteral("X"));
    QVERIFY(st.wez().isEmpty());
    st.wizual.eNoweDane(1, QStringLiteral("O"));
    QCOMPARE(st.wez().mid(0, 2), QStringList({"OdswiezPanel", "Dane.Odswiez"}));
}

void TestWizual::noweDaneOfOtherRegulatorRefreshesDataNotPanel()
{
    Stanowisko st;
    st.wizual.eNoweDane(2, QStringLiteral("O"));
    const QStringList l = st.wez();
    QVERIFY(!l.contains(QStringLiteral("OdswiezPanel")));
    QCOMPARE(l.first(), QStringLiteral("Dane.Odswiez"));
}

void TestWizual::noweDaneWritesOnlyChangedNodes()
{
    Stanowisko st;
    st.s.app->Loaded_Panel = false;
    st.s.app->Loaded_Dane = false;
    clRegulator& r = st.s.regulatory->Item(2);
    r.Stan.StanDiod1 = 0xFE; // stage 1 on (active-low), the others off
    r.Stan.StanDiod2 = 0xFF;
    st.wizual.eNoweDane(2, QStringLiteral("O"));
    const QStringList pierwsze = st.wez();
    QCOMPARE(pierwsze.size(), 1 + 2 * 9);
    QCOMPARE(pierwsze[0], QStringLiteral("węzeł 'R2' obraz 2"));
    QCOMPARE(pierwsze.mid(1, 4), QStringList({"węzeł 'R2_b 1' obraz 5", "węzeł 'R2_b 1' kolor #ff0000",
                                              "węzeł 'R2_b 2' obraz 6", "węzeł 'R2_b 2' kolor #000000"}));
    st.wizual.eNoweDane(2, QStringLiteral("O"));
    QVERIFY(st.wez().isEmpty());

    r.Zablokowany = true;
    r.Stan.StanDiod1 = 0xFF;
    st.wizual.eNoweDane(2, QStringLiteral("O"));
    QCOMPARE(st.wez(),
             QStringList({"węzeł 'R2' obraz 4", "węzeł 'R2_b 1' obraz 6", "węzeł 'R2_b 1' kolor #000000"}));
}

void TestWizual::blokada_data()
{
    QTest::addColumn<int>("nr");
    QTest::addColumn<bool>("zablokowany");
    QTest::addColumn<bool>("dzwiek");
    QTest::addColumn<QStringList>("zmiany");
    QTest::newRow("lock current with sound")
        << 1 << true << true
        << QStringList{"węzeł 'R1' obraz 4", "dźwięk zablokregul.wav", "menu 1 = &Odblokuj regulator",
                       "panel 0 = Odblokuj", "panel 1 dostępny 1",     "panel 2 dostępny 1"};
    QTest::newRow("first read of current, no sound")
        << 1 << false << false
        << QStringList{"węzeł 'R1' obraz 2", "menu 1 = &Zablokuj regulator", "OdswiezPanel"};
    QTest::newRow("unlock other") << 2 << false << true
                                  << QStringList{"węzeł 'R2' obraz 2", "dźwięk odblokregul.wav",
                                                 "menu 1 = &Zablokuj regulator"};
}

void TestWizual::blokada()
{
    QFETCH(int, nr);
    QFETCH(bool, zablokowany);
    QFETCH(bool, dzwiek);
    QFETCH(QStringList, zmiany);
    Stanowisko st;
    st.wizual.eBlokadaRegul(nr, zablokowany, dzwiek);
    QCOMPARE(st.wez(), zmiany);
}

void TestWizual::zmianaRegulatora()
{
    Stanowisko st;
    st.s.regulatory->Item(2).Monitoring = true;
    st.wizual.eZmianaRegulatora(2);
    QCOMPARE(st.wez(), QStringList({"Monit 1", "OdswiezPanel", "Dane.Odswiez", "Dane.cmdOdswiez 0"}));
    st.s.app->Loaded_Panel = false;
    st.s.app->Loaded_Dane = false;
    st.wizual.eZmianaRegulatora(1);
    QCOMPARE(st.wez(), QStringList{"Monit 0"});
}

void TestWizual::zmianaBaterii()
{
    Stanowisko st;
    st.s.regulatory->Item(1).Stan.StanDiod1 = 0xFB; // stage 3 on
    st.wizual.eZmianaBaterii(1, 3);
    st.wizual.eZmianaBaterii(1, 2);
    QCOMPARE(st.wez(), QStringList({"menu 2 = &Wyłącz stopień", "menu 2 = &Załącz stopień"}));
}

void TestWizual::soundSettingSilences()
{
    Stanowisko st;
    st.s.app->Dzwieki = 0;
    st.wizual.GrajDzwiek(QStringLiteral("alarm.wav"));
    QVERIFY(st.wez().isEmpty());
    st.s.app->Dzwieki = 1;
    st.wizual.GrajDzwiek(QStringLiteral("alarm.wav"));
    QCOMPARE(st.wez(), QStringList{"dźwięk alarm.wav"});
}

// Before the later windows exist their elements are simply not there to change.
void TestWizual::withoutRegisteredWindows()
{
    Stanowisko st;
    st.wizual.Cele() = {&st.glowne, nullptr, nullptr, nullptr, nullptr};
    st.wizual.eBlokadaRegul(1, true, true);
    st.wizual.eNoweDane(1, QStringLiteral("O"));
    st.wizual.eZmianaRegulatora(1);
    st.wizual.eZmianaTrybuSterowania(true);
    QCOMPARE(st.wez(),
             QStringList({"dźwięk zablokregul.wav", "obraz 5 = Wykrzyknik", "tekst 5 = sterowanie"}));
}

// Whether or not the machine has an audio output, a missing file or one that cannot be played
// leaves nothing behind and never blocks.
void TestWizual::soundLayerCleansUpWithOrWithoutAudio()
{
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("uszkodzony.wav"));
    QFile f(plik);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("RIFF, ale nie dźwięk");
    f.close();

    Dzwieki dzwieki;
    dzwieki.Graj(katalog.filePath(QStringLiteral("brak.wav")));
    QVERIFY(dzwieki.findChildren<QSoundEffect*>().isEmpty());
    dzwieki.Graj(plik);
    QTRY_VERIFY_WITH_TIMEOUT(dzwieki.findChildren<QSoundEffect*>().isEmpty(), 10000);
}

QTEST_MAIN(TestWizual)
#include "tst_wizual.moc"
