// The notification object: which screen elements follow which model event, against one recording
// fake standing in for every window it writes to.
#include "Dzwieki.h"
#include "GlownaTestuOkien.h"
#include "IkonyGlowne.h"
#include "TestSupport.h"
#include "clRegulator.h"
#include "clsWizual.h"

#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

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
    return img == IkonyGlowne::obraz(QStringLiteral("Wykrzyknik")).toImage() ? QStringLiteral("Wykrzyknik")
                                                                             : QStringLiteral("?");
}

// Every window at once; each change is written as one line, e.g. "tekst 1 = ...", "panel 1 dostępny 1".
class Ekran final : public OknoGlowneWizual,
                    public MenuWizual,
                    public DrzewoWizual,
                    public PanelWizual,
                    public DaneWizual,
                    public OdtwarzaczDzwiekow
{
  public:
    QStringList linie;
    std::map<QString, int> obrazy;

    void UstawTekstPanelu(PanelStanu p, const QString& t) override { zapisz("tekst %1 = %2", int(p), t); }
    void UstawObrazPanelu(PanelStanu p, const QPixmap& o) override
    {
        zapisz("obraz %1 = %2", int(p), nazwaObrazu(o));
    }
    void UstawMiganieAlarmu(bool w) override { zapisz("Timer2 %1", w); }
    void UstawPowtarzanieAlarmu(bool w) override { zapisz("Timer3 %1", w); }
    void UstawPodpis(PozycjaMenu p, const QString& t) override { zapisz("menu %1 = %2", int(p), t); }
    void UstawDostepna(PozycjaMenu p, bool d) override { zapisz("menu %1 dostępna %2", int(p), d); }
    void UstawMonitoring(bool w) override { zapisz("Monit %1", w); }
    void UstawTrybSterowania(bool t) override { zapisz("opcje tryb %1", t); }
    int ObrazWezla(const QString& k) const override { return obrazy.contains(k) ? obrazy.at(k) : 0; }
    void UstawObrazWezla(const QString& k, int o) override
    {
        obrazy[k] = o;
        zapisz("węzeł '%1' obraz %2", k, o);
    }
    void UstawKolorWezla(const QString& k, const QColor& c) override
    {
        zapisz("węzeł '%1' kolor %2", k, c.name());
    }
    void OdswiezPanel() override { zapisz("OdswiezPanel"); }
    void UstawPodpis(PrzyciskPanelu p, const QString& t) override { zapisz("panel %1 = %2", int(p), t); }
    void UstawDostepny(PrzyciskPanelu p, bool d) override { zapisz("panel %1 dostępny %2", int(p), d); }
    void UstawWidoczny(PrzyciskPanelu p, bool w) override { zapisz("panel %1 widoczny %2", int(p), w); }
    void Odswiez() override { zapisz("Dane.Odswiez"); }
    void UstawOdswiezanieDostepne(bool d) override { zapisz("Dane.cmdOdswiez %1", d); }
    void Graj(const QString& plik) override { zapisz("dźwięk %1", plik); }

  private:
    template <typename... A> void zapisz(const char* wzor, const A&... a)
    {
        QString linia = QString::fromUtf8(wzor);
        ((linia = linia.arg(a)), ...);
        linie << linia;
    }
};

// Two regulators, R1 current, with every window registered and open.
struct Stanowisko
{
    Stanowisko()
    {
        s.dodajRegulator(QStringLiteral("R1"), 1);
        s.dodajRegulator(QStringLiteral("R2"), 2);
        s.wczytaj();
        s.uslugi.oWizual = &w;
        s.app->Dzwieki = 1;
        s.app->Loaded_Panel = true;
        s.app->Loaded_Dane = true;
        w.Cele() = {&ekran, &ekran, &ekran, &ekran, &ekran};
    }
    QStringList wez() { return std::exchange(ekran.linie, {}); }

    Srodowisko s;
    Ekran ekran;
    clsWizual w{s.uslugi, ekran};
};

using Krok = std::function<void(Stanowisko&)>;

void wiersz(const char* nazwa, const Krok& krok, const QStringList& zmiany)
{
    QTest::newRow(nazwa) << krok << zmiany;
}

} // namespace

Q_DECLARE_METATYPE(Krok)

class TestWizual : public QObject
{
    Q_OBJECT
  private slots:
    void zdarzenia_data();
    void zdarzenia();
    void noweDaneWritesOnlyChangedNodes();
    void soundLayerCleansUpWithOrWithoutAudio();
};

// Each event with the screen changes it makes, in order, and nothing else.
void TestWizual::zdarzenia_data()
{
    QTest::addColumn<Krok>("krok");
    QTest::addColumn<QStringList>("zmiany");
    // 1 and 3 are busy, 0 and 2 idle; only success clears the text; an unknown status changes nothing.
    wiersz("line",
           [](auto& t) {
               for (int st : {0, 1, 2, 3, 7})
                   t.w.eKomunikacja(st);
           },
           {"tekst 4 = ", "obraz 4 = 20", "obraz 4 = 21", "obraz 4 = 20", "obraz 4 = 21"});
    wiersz("progress texts",
           [](auto& t) {
               t.w.eOkresowyOdczyt(2, true), t.w.eZalaczanieBaterii(2, true), t.w.eWylaczanieBaterii(2, true);
               t.w.eBlokowanieRegul(2, true, true), t.w.eBlokowanieRegul(2, false, true);
               t.w.eBlokowanieRegul(2, false, false);
           },
           {"tekst 1 = Oczytuję okresowe dane z regulatora 'R2' ...",
            "tekst 1 = Załączam stopień regulatora 'R2' ...",
            "tekst 1 = Wyłączam stopień regulatora 'R2' ...", "tekst 1 = Blokuję regulator 'R2' ...",
            "tekst 1 = Odblokowuję regulator 'R2' ...", "tekst 1 = "});
    // Each progress text is cleared by the end of its own operation.
    wiersz("periodic ended", [](auto& t) { t.w.eOkresowyOdczyt(2, false); }, {"tekst 1 = "});
    wiersz("monitoring", [](auto& t) { t.w.eMonitoring(2, true), t.w.eMonitoring(2, false); },
           {"obraz 2 = 21", "obraz 2 = 20"});

    const QStringList wlaczony{"menu 0 = Wyłącz tryb sterowania",
                               "menu 1 dostępna 1",
                               "obraz 5 = Wykrzyknik",
                               "tekst 5 = sterowanie",
                               "menu 2 dostępna 1",
                               "menu 3 dostępna 1",
                               "opcje tryb 1"};
    const QStringList wylaczony{"menu 0 = Włącz tryb sterowania",
                                "menu 1 dostępna 0",
                                "obraz 5 = brak",
                                "tekst 5 = normalny",
                                "menu 2 dostępna 0",
                                "menu 3 dostępna 0",
                                "opcje tryb 0"};
    wiersz(
        "control on, panel open", [](auto& t) { t.w.eZmianaTrybuSterowania(true); },
        wlaczony + QStringList{"panel 1 widoczny 1"});
    wiersz(
        "control off, panel open", [](auto& t) { t.w.eZmianaTrybuSterowania(false); },
        wylaczony + QStringList{"panel 1 widoczny 0"});
    wiersz(
        "control off, panel closed",
        [](auto& t) { t.s.app->Loaded_Panel = false, t.w.eZmianaTrybuSterowania(false); }, wylaczony);

    wiersz("new data of another type", [](auto& t) { t.w.eNoweDane(1, u"o"_qs), t.w.eNoweDane(1, u"X"_qs); },
           {});
    wiersz("new data of the current regulator",
           [](auto& t) { t.w.Cele().drzewo = nullptr, t.w.eNoweDane(1, u"O"_qs); },
           {"OdswiezPanel", "Dane.Odswiez"});
    // The stage item follows its stage (3, on: active-low) as the data come.
    wiersz("new data of the current regulator, a stage selected",
           [](auto& t) {
               t.s.regulatory->Item(1).NrAktBaterii = 3, t.s.regulatory->Item(1).Stan.StanDiod1 = 0xFB;
               t.w.Cele().drzewo = nullptr, t.w.eNoweDane(1, u"O"_qs);
           },
           {"menu 2 = &Wyłącz stopień", "OdswiezPanel", "Dane.Odswiez"});
    // The data window always shows the current regulator, the panel and the menu only its own.
    wiersz("new data of another regulator",
           [](auto& t) {
               t.s.regulatory->Item(2).NrAktBaterii = 3;
               t.w.Cele().drzewo = nullptr, t.w.eNoweDane(2, u"O"_qs);
           },
           {"Dane.Odswiez"});

    wiersz("lock current with sound", [](auto& t) { t.w.eBlokadaRegul(1, true, true); },
           {"węzeł 'R|R1' obraz 4", "dźwięk zablokregul.wav", "menu 1 = &Odblokuj regulator",
            "panel 0 = Odblokuj", "panel 1 dostępny 1", "panel 2 dostępny 1"});
    wiersz("first read of current, no sound", [](auto& t) { t.w.eBlokadaRegul(1, false, false); },
           {"węzeł 'R|R1' obraz 2", "menu 1 = &Zablokuj regulator", "OdswiezPanel"});
    // The lock item describes the current regulator only.
    wiersz("lock other", [](auto& t) { t.w.eBlokadaRegul(2, true, true); },
           {"węzeł 'R|R2' obraz 4", "dźwięk zablokregul.wav"});

    // The items that act on the current regulator describe the new one.
    wiersz("monitored, locked regulator chosen, its stage 3 on",
           [](auto& t) {
               clRegulator& r = t.s.regulatory->Item(2);
               r.Monitoring = true, r.Zablokowany = true, r.NrAktBaterii = 3, r.Stan.StanDiod1 = 0xFB;
               t.w.eZmianaRegulatora(2);
           },
           {"Monit 1", "menu 1 = &Odblokuj regulator", "menu 2 = &Wyłącz stopień", "OdswiezPanel",
            "Dane.Odswiez", "Dane.cmdOdswiez 0"});
    wiersz("regulator chosen, windows closed",
           [](auto& t) {
               t.s.app->Loaded_Panel = false, t.s.app->Loaded_Dane = false, t.w.eZmianaRegulatora(1);
           },
           {"Monit 0", "menu 1 = &Zablokuj regulator", "menu 2 = &Załącz stopień"});
    // Stage 3 on (active-low), stage 2 off.
    wiersz("stage changed",
           [](auto& t) {
               t.s.regulatory->Item(1).Stan.StanDiod1 = 0xFB, t.w.eZmianaBaterii(1, 3),
               t.w.eZmianaBaterii(1, 2);
           },
           {"menu 2 = &Wyłącz stopień", "menu 2 = &Załącz stopień"});
    wiersz("sound on", [](auto& t) { t.w.GrajDzwiek(u"alarm.wav"_qs); }, {"dźwięk alarm.wav"});
    wiersz("sound off", [](auto& t) { t.s.app->Dzwieki = 0, t.w.GrajDzwiek(u"alarm.wav"_qs); }, {});
    // Before the later windows exist their elements are simply not there to change.
    wiersz("only the main window registered",
           [](auto& t) {
               t.w.Cele() = {&t.ekran, nullptr, nullptr, nullptr, nullptr}, t.w.eBlokadaRegul(1, true, true),
               t.w.eNoweDane(1, u"O"_qs), t.w.eZmianaRegulatora(1), t.w.eZmianaTrybuSterowania(true);
           },
           {"dźwięk zablokregul.wav", "obraz 5 = Wykrzyknik", "tekst 5 = sterowanie"});
}

void TestWizual::zdarzenia()
{
    QFETCH(Krok, krok);
    Stanowisko st;
    krok(st);
    QTEST(st.wez(), "zmiany");
}

void TestWizual::noweDaneWritesOnlyChangedNodes()
{
    Stanowisko st;
    st.s.app->Loaded_Panel = false;
    st.s.app->Loaded_Dane = false;
    clRegulator& r = st.s.regulatory->Item(2);
    r.Stan.StanDiod1 = 0xFE; // stage 1 on (active-low), the others off
    r.Stan.StanDiod2 = 0xFF;
    st.w.eNoweDane(2, QStringLiteral("O"));
    const QStringList pierwsze = st.wez();
    QCOMPARE(pierwsze.size(), 1 + 2 * 9);
    QCOMPARE(pierwsze.mid(0, 5), QStringList({"węzeł 'R|R2' obraz 2", "węzeł 'B|R2_b 1' obraz 5",
                                              "węzeł 'B|R2_b 1' kolor #ff0000", "węzeł 'B|R2_b 2' obraz 6",
                                              "węzeł 'B|R2_b 2' kolor #000000"}));
    st.w.eNoweDane(2, QStringLiteral("O"));
    QVERIFY(st.wez().isEmpty());

    r.Zablokowany = true;
    r.Stan.StanDiod1 = 0xFF;
    st.w.eNoweDane(2, QStringLiteral("O"));
    QCOMPARE(st.wez(), QStringList({"węzeł 'R|R2' obraz 4", "węzeł 'B|R2_b 1' obraz 6",
                                    "węzeł 'B|R2_b 1' kolor #000000"}));
}

// Whether or not the machine has an audio output, a missing file or one that cannot be played
// leaves nothing behind and never blocks.
void TestWizual::soundLayerCleansUpWithOrWithoutAudio()
{
    QTemporaryDir katalog;
    QFile f(katalog.filePath(QStringLiteral("uszkodzony.wav")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("RIFF, ale nie dźwięk");
    f.close();

    Dzwieki dzwieki;
    dzwieki.Graj(katalog.filePath(QStringLiteral("brak.wav")));
    QVERIFY(dzwieki.findChildren<QSoundEffect*>().isEmpty());
    dzwieki.Graj(f.fileName());
    QTRY_VERIFY_WITH_TIMEOUT(dzwieki.findChildren<QSoundEffect*>().isEmpty(), 10000);
}

KALBOR_TEST_OKIEN(TestWizual)
#include "tst_wizual.moc"
