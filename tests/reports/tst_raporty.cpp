// The reports: the queries on known readings (day bounds, per-day statistics, net reactive
// energy, tg φ without active energy, the regulators of a structure element), the page
// placeholders, the number formats, every printed line of both layouts on a known history,
// the parameter windows' defaults and "&Ok", the report commands, the pages and copies printed
// as the print dialog asks, and the preview: its paper, keys, wheel and zoom.
#include "BazaDemo.h"
#include "GlownaTestuOkien.h"
#include "MenuGlowne.h"
#include "PetlaOdczytow.h"
#include "PoTakcie.h"
#include "PodgladRaportu.h"
#include "PortQt.h"
#include "RaportFormat.h"
#include "RaportUklady.h"
#include "RaportWydruk.h"
#include "RaportZapytania.h"
#include "Raporty.h"
#include "StraznikPortu.h"
#include "TestSupport.h"
#include "WidokStrony.h"
#include "clRegulator.h"
#include "clsKolejka.h"
#include "fmGlowny.h"
#include "fmRapOkna.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QSqlField>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <map>

namespace {

// Regulators R1..R3 at addresses 1..3 and the structure Zaklad { Hala1 { R1 }, R2, Pusty },
// with R3 below Magazyn, a parent that has no row of its own. The readings (address, time,
// active, total reactive and capacitive energy, voltage, current, frequency) hold the edges of
// 17 December 2003 and, for the periodic statistics, 28 November to 4 December.
struct Baza3
{
    Baza3()
    {
        for (int i = 1; i <= 3; ++i)
            s.dodajRegulator(QStringLiteral("R%1").arg(i), i);
        s.wczytaj();
        QSqlQuery q(s.baza->db());
        QVERIFY(q.exec(u"INSERT INTO Hierarchia VALUES ('Zaklad', 'S', 'System Kalbor'), "
                       "('Hala1', 'S', 'Zaklad'), ('R1', 'R', 'Hala1'), ('R2', 'R', 'Zaklad'), "
                       "('Pusty', 'S', 'Zaklad'), ('R3', 'R', 'Magazyn')"_qs));
        QVERIFY(q.exec(u"INSERT INTO Pomiary (Adres, Data, EnCzynna, EnBiernaCalk, EnBiernaPoj) VALUES "
                       "(1, '2003-12-16 23:59:59', 1, 1, 0), (1, '2003-12-17 00:00:00', 8, 4, 1), "
                       "(1, '2003-12-17 12:00:00', 0, 3, 2), (1, '2003-12-17 23:59:59', 4, 1, 1), "
                       "(1, '2003-12-18 00:00:00', 1, 1, 0), (2, '2003-12-17 06:00:00', 2, 2, 0), "
                       "(3, '2003-12-17 07:00:00', 2, 2, 0), (2, '2003-11-29 10:00:00', 2, 1, 0)"_qs));
        QVERIFY(q.exec(u"INSERT INTO Pomiary (Adres, Data, EnCzynna, EnBiernaCalk, EnBiernaPoj, Napiecie, "
                       "PradCalk, Czestotliwosc) VALUES (1, '2003-11-28 10:00:00', 10, 5, 1, 220, 4, 49.9), "
                       "(1, '2003-11-28 11:00:00', 0, 2, 1, 240, 6, 50.1), "
                       "(1, '2003-12-01 10:00:00', 4, 4, 0, 230, 5, 50), "
                       "(1, '2003-12-03 23:59:59', 2, 1, 0, 230, 5, 50), "
                       "(1, '2003-12-04 00:00:00', 2, 1, 0, 230, 5, 50), "
                       "(2, '9999-12-31 12:00:00', 4, 1, 0, 231, 7, 50)"_qs));
    }
    Srodowisko s;
};

// "value value..." of the named fields, per row.
QStringList tabela(const std::vector<QSqlRecord>& wiersze, const QStringList& pola)
{
    QStringList w;
    for (const QSqlRecord& r : wiersze) {
        QStringList komorki;
        for (const QString& p : pola)
            komorki << r.value(p).toString();
        w << komorki.join(u' ');
    }
    return w;
}

// Texts as a page draws them, each at its baseline in twips: a paint device whose engine
// keeps the text items and draws nothing.
class ZapisTekstow final : public QPaintDevice
{
  public:
    struct Tekst
    {
        QPointF gdzie;
        QString tekst;
    };
    std::vector<Tekst> teksty;

    QPaintEngine* paintEngine() const override { return &m_silnik; }

  protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
        case PdmHeight:
            return 40000;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return m == PdmDepth ? 32 : 1440; // dots per inch: one unit, one twip
        }
    }

  private:
    class Silnik final : public QPaintEngine
    {
      public:
        explicit Silnik(std::vector<Tekst>& teksty) : QPaintEngine(AllFeatures), m_teksty(teksty) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawLines(const QLineF*, int) override {}
        void drawRects(const QRectF*, int) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF& p, const QTextItem& t) override
        {
            m_teksty.push_back({painter()->transform().map(p), t.text()});
        }
        Type type() const override { return User; }

      private:
        std::vector<Tekst>& m_teksty;
    };
    mutable Silnik m_silnik{teksty};
};

// The printed grid: the right edges of the eight columns, in twips.
constexpr std::array<int, 8> kKolumny{1361, 2608, 3855, 4649, 6010, 6917, 8164, 9184};
// Under the report header and the page header; the page footer lies below the last line.
constexpr int kPierwszyWiersz = 1350 + 570;
const QSizeF kDlugaStrona(9184, 30000);

int kolumna(double x)
{
    return int(std::upper_bound(kKolumny.begin(), kKolumny.end(), int(x)) - kKolumny.begin());
}

// The lines of a report printed on one long page, top to bottom, below the headings: each as
// "heading=text|heading=text" from left to right; a heading of two lines reads as one.
QStringList wydrukowaneWiersze(RaportWydruk& r)
{
    r.Rozloz(kDlugaStrona);
    ZapisTekstow zapis;
    {
        QPainter p(&zapis);
        r.MalujStrone(p, 1);
    }
    // Pieces of one line (a text of two scripts comes as two items) join up by column.
    std::array<std::map<int, QString>, 8> naglowki; // column -> baseline -> text
    std::map<int, std::map<int, QString>> wiersze;  // baseline -> column -> text
    for (const ZapisTekstow::Tekst& t : zapis.teksty) {
        const int y = int(std::lround(t.gdzie.y()));
        const int k = kolumna(t.gdzie.x());
        if (y > 1350 && y < kPierwszyWiersz)
            naglowki[size_t(k)][y] += t.tekst;
        else if (y > kPierwszyWiersz && y < kDlugaStrona.height() - 568)
            wiersze[y][k] += t.tekst;
    }
    QStringList wynik;
    for (const auto& [y, komorki] : wiersze) {
        QStringList w;
        for (const auto& [k, tekst] : komorki) {
            QStringList naglowek;
            for (const auto& [yn, linia] : naglowki[size_t(k)])
                naglowek << linia.trimmed();
            w << naglowek.join(u' ') + u'=' + tekst;
        }
        wynik << w.join(u'|');
    }
    return wynik;
}

// Polish figures as the layouts print them, worked out here apart from the engine.
QString pl(double v, int miejsca)
{
    return QString::number(v, 'f', miejsca).replace(u'.', u',');
}
QString wNawiasach(double v)
{
    return v < 0 ? u'(' + pl(-v, 3) + u')' : pl(v, 3);
}

// One reading of regulator R1 (address 1).
struct Odczyt
{
    const char* data;
    double czynna, calk, poj, napiecie, czestotliwosc, prad;
    double tg() const { return czynna != 0 ? calk / czynna : 0; }
};

// A small known history: a reading without active energy, one with negative active energy,
// and on each day values whose minimum, maximum, average and sum all differ.
const std::vector<Odczyt> kHistoria{
    {"2003-12-01 00:15:00", 8, 4, 1, 398.4, 49.95, 12.5},
    {"2003-12-01 06:30:00", 0, 3, 2, 401.6, 50.02, 3.25},
    {"2003-12-01 12:45:00", -2, 1.5, 0.5, 405.2, 50.1, 20.1254},
    {"2003-12-01 23:59:59", 10.2, 3.3, 0.9, 399.7, 49.987, 15.75},
    {"2003-12-02 08:00:00", 6.4, 1.7, 0.2, 396.2, 49.9, 9.8712},
    {"2003-12-02 16:00:00", 12.8, 7.9, 1.3, 410.6, 50.06, 30.5},
};

void zapiszHistorie(Srodowisko& s)
{
    QSqlQuery q(s.baza->db());
    q.prepare(u"INSERT INTO Pomiary (Adres, Data, EnCzynna, EnBiernaCalk, EnBiernaPoj, Napiecie, "
              "Czestotliwosc, PradCalk) VALUES (1, ?, ?, ?, ?, ?, ?, ?)"_qs);
    for (const Odczyt& o : kHistoria) {
        const QVariantList v{
            QString::fromLatin1(o.data), o.czynna, o.calk, o.poj, o.napiecie, o.czestotliwosc, o.prad};
        for (int i = 0; i < v.size(); ++i)
            q.bindValue(i, v[i]);
        QVERIFY(q.exec());
    }
}

// The printed lines of a report of R1 over the known history, made for a user whose locale
// writes a decimal point.
QStringList wydrukowanyRaport(const std::function<void(Raporty&)>& raport)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Srodowisko s;
    s.dodajRegulator(u"R1"_qs, 1);
    s.wczytaj();
    zapiszHistorie(s);
    Raporty raporty(s.uslugi, nullptr);
    QStringList wiersze;
    raporty.Pokaz = [&](RaportWydruk& r) { wiersze = wydrukowaneWiersze(r); };
    raport(raporty);
    QLocale::setDefault(QLocale::c());
    return wiersze;
}

struct Statystyka
{
    double min = std::numeric_limits<double>::max(), maks = std::numeric_limits<double>::lowest(), suma = 0;
    int ile = 0;
    void dodaj(double x)
    {
        min = std::min(min, x);
        maks = std::max(maks, x);
        suma += x;
        ++ile;
    }
};

// The figures of a set of values: czynna, bierna, poj (sums) and tg, napiecie,
// czestotliwosc, prad (statistics).
struct Miary
{
    Statystyka czynna, bierna, poj, tg, napiecie, czestotliwosc, prad;
};

Miary miary(const std::vector<Odczyt>& odczyty)
{
    Miary m;
    for (const Odczyt& o : odczyty) {
        m.czynna.dodaj(o.czynna);
        m.bierna.dodaj(o.calk - o.poj);
        m.poj.dodaj(o.poj);
        m.tg.dodaj(o.tg());
        m.napiecie.dodaj(o.napiecie);
        m.czestotliwosc.dodaj(o.czestotliwosc);
        m.prad.dodaj(o.prad);
    }
    return m;
}

using Wybor = double (*)(const Statystyka&);
constexpr Wybor minimum = [](const Statystyka& s) { return s.min; };
constexpr Wybor maksimum = [](const Statystyka& s) { return s.maks; };
constexpr Wybor srednia = [](const Statystyka& s) { return s.suma / s.ile; };
constexpr Wybor suma = [](const Statystyka& s) { return s.suma; };

// A printed line from left to right: its first column, then one statistic of the energies
// and one of the measures (either may be left out); active energy below zero in parentheses
// where the layout says so.
QString linia(const QString& pierwsza, const Miary& m, Wybor energie, Wybor pomiary, bool nawiasy = false)
{
    QStringList k{pierwsza};
    if (energie)
        k << u"Energia czynna="_qs + (nawiasy ? wNawiasach(energie(m.czynna)) : pl(energie(m.czynna), 3))
          << u"Energia bierna="_qs + pl(energie(m.bierna), 3);
    if (pomiary)
        k << u"tg φ="_qs + pl(pomiary(m.tg), 2);
    if (energie)
        k << u"Energia bierna pojemnościowa="_qs + pl(energie(m.poj), 3);
    if (pomiary)
        k << u"Napięcie="_qs + pl(pomiary(m.napiecie), 0)
          << u"Częstotliwość="_qs + pl(pomiary(m.czestotliwosc), 3)
          << u"Prąd całkowity="_qs + pl(pomiary(m.prad), 3);
    return k.join(u'|');
}

// A report of `wiersze` empty readings, printed on the given date.
RaportWydruk raportZWierszami(int wiersze)
{
    return RaportWydruk(RapDobowy(), std::vector<QSqlRecord>(size_t(wiersze)),
                        QDateTime(QDate(2004, 1, 2), QTime(8, 0)));
}

// A printer writing a PDF file in `katalog`, A4 upright as a preview starts.
void doPliku(QPrinter& drukarka, const QTemporaryDir& katalog)
{
    drukarka.setOutputFormat(QPrinter::PdfFormat);
    drukarka.setOutputFileName(katalog.filePath(QStringLiteral("raport.pdf")));
    drukarka.setPageLayout(RaportWydruk::Strona());
}

// The pages of the PDF file a printer wrote; none when it wrote no file.
int stronyPliku(const QPrinter& drukarka)
{
    QFile plik(drukarka.outputFileName());
    if (!plik.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression strona(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    int ile = 0;
    for (auto i = strona.globalMatch(QString::fromLatin1(plik.readAll())); i.hasNext(); i.next())
        ++ile;
    return ile;
}

using Okno = fmRapOkno* (*)(Uslugi&, Raporty&);
template <typename T> fmRapOkno* okno(Uslugi& u, Raporty& r)
{
    return new T(u, r);
}

} // namespace

Q_DECLARE_METATYPE(Okno)
Q_DECLARE_METATYPE(RaportZapytania::Polecenie)

class TestRaporty : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void zapytania_data();
    void zapytania();
    void planyZapytan_data();
    void planyZapytan();
    void regulatoryObiektu_data();
    void regulatoryObiektu();
    void raportObiektu();
    void zbieranieWTle();
    void wczytaneRegulatoryObiektu_data();
    void wczytaneRegulatoryObiektu();
    void formaty_data();
    void formaty();
    void strony();
    void oknaParametrow_data();
    void oknaParametrow();
    void menu();
    void obrazStrony();
    void ukladDobowy_data();
    void ukladDobowy();
    void ukladOkresowy_data();
    void ukladOkresowy();
    void przyciskOk_data();
    void przyciskOk();
    void skrajneWStopce_data();
    void skrajneWStopce();
    void wydruk_data();
    void wydruk();
    void podgladPapier_data();
    void podgladPapier();
    void podgladKlawisze_data();
    void podgladKlawisze();
    void podgladMysz();
    void podgladPrzewijanie_data();
    void podgladPrzewijanie();
    void podgladDrukujeBiezaca();
};

// The daily rows keep the day's edges inclusive and the next midnight out, with the net reactive
// energy and tg φ 0 without active energy; the periodic rows give the days in calendar order,
// a reading without active energy counting as tg φ 0 in the day's statistics.
void TestRaporty::zapytania_data()
{
    QTest::addColumn<bool>("okresowe");
    QTest::addColumn<RaportZapytania::Adresy>("adresy");
    QTest::addColumn<QDate>("od");
    QTest::addColumn<QDate>("doDnia");
    QTest::addColumn<QStringList>("wiersze");
    const QDate dzien(2003, 12, 17);
    const QString polnoc = u"2003-12-17 00:00:00 3 0.5"_qs, poludnie = u"2003-12-17 12:00:00 1 0"_qs,
                  koniec = u"2003-12-17 23:59:59 0 0.25"_qs;
    QTest::newRow("17 Dec, regulator 1")
        << false << RaportZapytania::Adresy{1} << dzien << dzien << QStringList{polnoc, poludnie, koniec};
    QTest::newRow("17 Dec, regulators 1 and 2")
        << false << RaportZapytania::Adresy{1, 2} << dzien << dzien
        << QStringList{polnoc, u"2003-12-17 06:00:00 2 1"_qs, poludnie, koniec};
    QTest::newRow("28 Nov to 3 Dec") << true << RaportZapytania::Adresy{1} << QDate(2003, 11, 28)
                                     << QDate(2003, 12, 3)
                                     << QStringList{"2003-11-28 10 5 2 0 0.5 0.25 230 6 49.9",
                                                    "2003-12-01 4 4 0 1 1 1 230 5 50",
                                                    "2003-12-03 2 1 0 0.5 0.5 0.5 230 5 50"};
    // The last day the date pickers offer has a day after it too.
    QTest::newRow("the last day, daily") << false << RaportZapytania::Adresy{2} << QDate(9999, 12, 31)
                                         << QDate(9999, 12, 31) << QStringList{u"9999-12-31 12:00:00 1 0.25"_qs};
    QTest::newRow("up to the last day") << true << RaportZapytania::Adresy{2} << QDate(2003, 12, 1)
                                        << QDate(9999, 12, 31)
                                        << QStringList{"2003-12-17 2 2 0 1 1 1   ",
                                                       "9999-12-31 4 1 0 0.25 0.25 0.25 231 7 50"};
}

void TestRaporty::zapytania()
{
    QFETCH(bool, okresowe);
    QFETCH(RaportZapytania::Adresy, adresy);
    QFETCH(QDate, od);
    QFETCH(QDate, doDnia);
    const QStringList pola =
        okresowe
            ? QStringList{"data",     "EnCzynnaSuma", "EnBiernaSuma", "EnBiernaPojSuma", "tgfiMin",
                          "tgfiMaks", "tgfiSr",       "NapiecieSr",   "PradCalkMaks",    "CzestotliwoscMin"}
            : QStringList{"data", "EnBierna", "TGFI"};
    Baza3 b;
    const auto zapytanie = okresowe ? RaportZapytania::Okresowe : RaportZapytania::Dobowe;
    QTEST(tabela(zapytanie(b.s.baza->db(), od, doDnia, adresy), pola), "wiersze");
}

// However long the history, a report reads only its regulators' readings of its days: every
// statement searches Pomiary through the (Adres, Data) index.
void TestRaporty::planyZapytan_data()
{
    QTest::addColumn<RaportZapytania::Polecenie>("polecenie");
    const QDate od(2003, 12, 1), doDnia(2003, 12, 31);
    const RaportZapytania::Adresy jeden{1}, element{1, 2, 3};
    QTest::newRow("daily, regulator") << RaportZapytania::PolecenieDobowe(od, od, jeden);
    QTest::newRow("daily, element") << RaportZapytania::PolecenieDobowe(od, od, element);
    QTest::newRow("periodic, regulator") << RaportZapytania::PolecenieOkresowe(od, doDnia, jeden);
    QTest::newRow("periodic, element") << RaportZapytania::PolecenieOkresowe(od, doDnia, element);
}

void TestRaporty::planyZapytan()
{
    QFETCH(RaportZapytania::Polecenie, polecenie);
    Baza3 b;
    const QString plan = PlanBezIndeksuPomiarow(b.s.baza->db(), polecenie.sql, polecenie.wartosci);
    QVERIFY2(plan.isEmpty(), qPrintable(plan));
}

void TestRaporty::regulatoryObiektu_data()
{
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QStringList>("kody");
    QTest::newRow("nested element") << "Zaklad" << QStringList{"R1", "R2"};
    QTest::newRow("inner element") << "Hala1" << QStringList{"R1"};
    QTest::newRow("element without regulators") << "Pusty" << QStringList{};
    QTest::newRow("parent without a row") << "Magazyn" << QStringList{"R3"};
    QTest::newRow("the root's text") << "System Kalbor" << QStringList{};
    QTest::newRow("nothing chosen yet") << "" << QStringList{};
    QTest::newRow("a regulator's node") << "R2" << QStringList{"R2"};
}

void TestRaporty::regulatoryObiektu()
{
    QFETCH(QString, nazwa);
    QFETCH(QStringList, kody);
    Baza3 b;
    QStringList wynik = RaportZapytania::RegulatoryObiektu(b.s.baza->db(), nazwa);
    wynik.sort();
    QCOMPARE(wynik, kody);
}

// The element's report takes only its regulators' readings; an empty element shows nothing; a
// regulator gone from the collection gives a message, not an exception. The busy cursor shown
// while a report is made is gone again on every path, before the preview appears.
void TestRaporty::raportObiektu()
{
    Baza3 b;
    Raporty raporty(b.s.uslugi, nullptr);
    QStringList pokazane;
    bool zajetyPrzyPodgladzie = false;
    raporty.Pokaz = [&](RaportWydruk& r) {
        zajetyPrzyPodgladzie = zajetyPrzyPodgladzie || QGuiApplication::overrideCursor();
        QStringList tytul;
        for (const Element& e : r.Uklad().RaportNagl.elementy)
            tytul << r.Tekst(e, 1, -1);
        pokazane << tytul.mid(2).join(u'|') + QStringLiteral(" rows %1").arg(r.Wiersze().size());
    };
    raporty.RaportDobowyObiekt(QDate(2003, 12, 17), QStringLiteral("Pusty"));
    raporty.RaportDobowyObiekt(QDate(2003, 12, 17), QStringLiteral("Hala1"));
    raporty.RaportOkresowyRegul(QDate(2003, 12, 1), QDate(2003, 12, 31), 3);
    raporty.RaportDobowyRegul(QDate(2003, 12, 17), 9);
    QCOMPARE(b.s.komunikaty.teksty.size(), 1);
    QCOMPARE(
        pokazane,
        (QStringList{"Raport dobowy dla  | obiektu 'Hala1'| z dnia 17/12/2003 rows 3",
                     "Raport okresowy dla  | regulatora 'R3'| za okres od 01/12/03 do 31/12/03 rows 1"}));
    QVERIFY(!zajetyPrzyPodgladzie);
    QVERIFY(!QGuiApplication::overrideCursor());

    // Asked for during a tick, the report is gathered at once, of what is stored then; its
    // preview opens when the tick has ended.
    b.s.poTakcie.PoczatekTaktu();
    raporty.RaportOkresowyRegul(QDate(2003, 12, 1), QDate(2003, 12, 31), 3);
    QVERIFY(QSqlQuery(b.s.baza->db())
                .exec(u"INSERT INTO Pomiary (Adres, Data) VALUES (3, '2003-12-20 08:00:00')"_qs));
    QCOMPARE(pokazane.size(), 2);
    b.s.poTakcie.KoniecTaktu();
    QCOMPARE(pokazane.value(2),
             u"Raport okresowy dla  | regulatora 'R3'| za okres od 01/12/03 do 31/12/03 rows 1"_qs);
}

// As the program gathers a report: on a worker. The request returns at once and a polling
// tick runs before the report is shown, which comes through the event loop; the operator is
// told meanwhile that it is being made. A second request while one is gathered makes nothing,
// and a report given up while gathered (the program closes) is never shown.
void TestRaporty::zbieranieWTle()
{
    Baza3 b;
    for (clRegulator& r : *b.s.regulatory)
        r.aktywny = false;
    clsKolejka kolejka(b.s.uslugi);
    b.s.uslugi.oKolejka = &kolejka;
    OdczytyHistorii wTle(true);
    b.s.uslugi.odczyty = &wTle;
    QStringList trwajace;
    wTle.ZmianaTrwajacych = [&](const QStringList& nazwy) { trwajace = nazwy; };
    PortQt port; // never opened: the tick keeps no line in service
    StraznikPortu straznik(b.s.uslugi, port);
    PetlaOdczytow petla(b.s.uslugi, straznik);
    QStringList zdarzenia;
    QObject::connect(&petla, &PetlaOdczytow::czas, [&] { zdarzenia << u"tick"_qs; });
    auto raporty = std::make_unique<Raporty>(b.s.uslugi, nullptr);
    raporty->Pokaz = [&](RaportWydruk& r) {
        zdarzenia << QStringLiteral("report of %1 rows").arg(r.Wiersze().size());
    };

    raporty->RaportDobowyObiekt(QDate(2003, 12, 17), u"Zaklad"_qs);
    raporty->RaportOkresowyRegul(QDate(2003, 12, 1), QDate(2003, 12, 31), 3);
    QCOMPARE(trwajace, QStringList{u"Raport"_qs});
    petla.Takt();
    QTRY_COMPARE(zdarzenia, (QStringList{u"tick"_qs, u"report of 4 rows"_qs}));
    QCOMPARE(trwajace, QStringList{});
    QCOMPARE(b.s.komunikaty.teksty, QStringList{});

    raporty->RaportDobowyRegul(QDate(2003, 12, 17), 1);
    raporty.reset();
    QCOMPARE(trwajace, QStringList{});
    QCoreApplication::processEvents();
    QCOMPARE(zdarzenia.size(), 2);
}

// An element's regulators are the loaded ones: each code of the element stands for the
// regulator loaded under it, whatever its letter case or blanks in the tree, and a row of
// Regulatory that is not loaded, whatever its code, adds nothing.
void TestRaporty::wczytaneRegulatoryObiektu_data()
{
    QTest::addColumn<QString>("zmiana"); // of the file after loading
    QTest::addColumn<QString>("nazwa");
    QTest::addColumn<QString>("adresy"); // of the rows in the daily report of 17 December
    const QString odczyt4 = u"; INSERT INTO Pomiary (Adres, Data) VALUES (4, '2003-12-17 08:00:00')"_qs;
    QTest::newRow("code in other case and blanks")
        << u"INSERT INTO Hierarchia VALUES (' r2 ', 'R', 'Hala2')"_qs << "Hala2"
        << "2";
    QTest::newRow("a row not loaded with the same code")
        << u"INSERT INTO Regulatory (Kod, Adres, Typ) VALUES ('r1', 4, 'regulator')"_qs + odczyt4 << "Hala1"
        << "1 1 1";
    QTest::newRow("no regulator loaded")
        << u"INSERT INTO Regulatory (Kod, Adres, Typ) VALUES ('R4', 4, 'regulator'); "
           "INSERT INTO Hierarchia VALUES ('R4', 'R', 'Hala4')"_qs +
               odczyt4
        << "Hala4"
        << "no report";
}

void TestRaporty::wczytaneRegulatoryObiektu()
{
    QFETCH(QString, zmiana);
    QFETCH(QString, nazwa);
    Baza3 b;
    for (const QString& sql : zmiana.split(u';')) {
        QSqlQuery q(b.s.baza->db());
        QVERIFY2(q.exec(sql), qPrintable(q.lastError().text()));
    }
    Raporty raporty(b.s.uslugi, nullptr);
    QString adresy = u"no report"_qs;
    raporty.Pokaz = [&](RaportWydruk& r) {
        QStringList a;
        for (const QSqlRecord& w : r.Wiersze())
            a << w.value(u"Adres"_qs).toString();
        adresy = a.join(u' ');
    };
    raporty.RaportDobowyObiekt(QDate(2003, 12, 17), nazwa);
    QTEST(adresy, "adresy");
}

// What the layout tests' known history does not reach: no digit grouping, and no value (the
// tests run in C).
void TestRaporty::formaty_data()
{
    QTest::addColumn<QVariant>("wartosc");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("thousands") << QVariant(1234.5678) << u"0.000"_qs << u"1234,568"_qs;
    QTest::newRow("no value") << QVariant() << u"0.000"_qs << QString();
}

void TestRaporty::formaty()
{
    QFETCH(QVariant, wartosc);
    QFETCH(QString, format);
    QTEST(RaportFormat::Wartosc(wartosc, format), "tekst");
}

// 150 readings fill three pages; the footer numbers every page.
void TestRaporty::strony()
{
    std::vector<QSqlRecord> wiersze(150);
    RaportWydruk r(RapDobowy(), wiersze, QDateTime(QDate(2004, 1, 2), QTime(8, 0)));
    r.Obraz(1, 96);
    QCOMPARE(r.LiczbaStron(), 3);
    QCOMPARE(r.Tekst(r.Uklad().StronaStopka.elementy.back(), 2, -1), QStringLiteral("strona 2/3"));
    QCOMPARE(r.Tekst(r.Uklad().RaportNagl.elementy[1], 1, -1), QStringLiteral("02/01/2004"));
}

void TestRaporty::oknaParametrow_data()
{
    QTest::addColumn<QDate>("dzis");
    QTest::addColumn<QDate>("od");
    QTest::newRow("first of the month") << QDate(2004, 3, 1) << QDate(2004, 2, 1);
    QTest::newRow("mid-month") << QDate(2004, 3, 15) << QDate(2004, 3, 1);
}

// The periodic window proposes the month holding yesterday up to today and selects the current
// regulator; "&Zamknij" closes it.
void TestRaporty::oknaParametrow()
{
    QFETCH(QDate, dzis);
    Baza3 b;
    b.s.zegar.czas = dzis.startOfDay().addSecs(3600);
    b.s.app->NrAktRegulatora = 2;
    Raporty raporty(b.s.uslugi, nullptr);
    QMdiArea obszar;
    auto* okno = new fmRapOkres(b.s.uslugi, raporty);
    obszar.addSubWindow(okno)->show();
    QTEST(okno->dtData->date(), "od");
    QCOMPARE(okno->dtDataDo->date(), dzis);
    QCOMPARE(okno->cmbRegul->currentText(), QStringLiteral("R2"));
    okno->Command2->click();
    QTRY_COMPARE(obszar.subWindowList().size(), 0);
}

// The report commands open the regulator's or the element's window by the selection type,
// once; the toolbar's "RapDob" does what the daily item does.
void TestRaporty::menu()
{
    Baza3 b;
    b.s.app->NrAktRegulatora = 1;
    PortQt port;
    fmGlowny glowny(b.s.uslugi, port);
    b.s.app->AktTypEl = QStringLiteral("S");
    glowny.Menu().ToolbarAction(QStringLiteral("RapDob"), false);
    glowny.Menu().WyswRaportOkresowy();
    b.s.app->AktTypEl = QStringLiteral("R");
    glowny.Menu().WyswRaportDobowy();
    glowny.Menu().WyswRaportDobowy();
    QStringList otwarte;
    for (QMdiSubWindow* p : glowny.Obszar()->subWindowList())
        otwarte << QLatin1String(p->widget()->metaObject()->className());
    otwarte.sort();
    QCOMPARE(otwarte, (QStringList{"fmRapDob", "fmRapDobS", "fmRapOkresS"}));
}

// The first page of a daily report over demo readings, saved for a look.
void TestRaporty::obrazStrony()
{
    QTemporaryDir katalog;
    const QString plik = katalog.filePath(QStringLiteral("kalbor.mdb"));
    QVERIFY(UtworzBazeDemo(plik, 2, QDate(2003, 12, 18)).isEmpty());
    Srodowisko s(plik);
    s.wczytaj();
    Raporty raporty(s.uslugi, nullptr);
    QImage obraz;
    raporty.Pokaz = [&](RaportWydruk& r) { obraz = r.Obraz(1, 110); };
    raporty.RaportDobowyRegul(QDate(2003, 12, 17), 1);
    const QString cel = QCoreApplication::applicationDirPath() + QStringLiteral("/../../screenshots/reports");
    QVERIFY(QDir().mkpath(cel));
    QVERIFY(obraz.save(cel + QStringLiteral("/raport_dobowy.png")));
    raporty.RaportOkresowyRegul(QDate(2003, 12, 16), QDate(2003, 12, 17), 1);
    QVERIFY(obraz.save(cel + QStringLiteral("/raport_okresowy.png")));
}

// Every line of the daily report of a known day, column by column, whatever the user's
// locale: each reading, then the footer's sums and statistics of the day.
void TestRaporty::ukladDobowy_data()
{
    QTest::addColumn<int>("wiersz");
    QTest::addColumn<QString>("tekst");
    const std::vector<Odczyt> dzien(kHistoria.begin(), kHistoria.begin() + 4);
    int i = 0;
    for (const Odczyt& o : dzien) {
        const QString czas = QString::fromLatin1(o.data).mid(11);
        QTest::addRow("reading %s", qPrintable(czas))
            << i++ << linia(u"Czas="_qs + czas, miary({o}), suma, suma, true);
    }
    const Miary m = miary(dzien);
    QTest::newRow("footer sums") << i++ << linia(u"Czas=suma"_qs, m, suma, nullptr);
    QTest::newRow("footer minima") << i++ << linia(u"Czas=min."_qs, m, nullptr, minimum);
    QTest::newRow("footer maxima") << i++ << linia(u"Czas=maks."_qs, m, nullptr, maksimum);
    QTest::newRow("footer averages") << i++ << linia(u"Czas=średnia"_qs, m, nullptr, srednia);
}

void TestRaporty::ukladDobowy()
{
    QFETCH(int, wiersz);
    const QStringList wiersze =
        wydrukowanyRaport([](Raporty& r) { r.RaportDobowyRegul(QDate(2003, 12, 1), 1); });
    QCOMPARE(wiersze.size(), 8);
    QTEST(wiersze.value(wiersz), "tekst");
}

// Every line of the periodic report of two known days: per day its minima, maxima, the day,
// its averages and its sums; then the footer over the days.
void TestRaporty::ukladOkresowy_data()
{
    QTest::addColumn<int>("wiersz");
    QTest::addColumn<QString>("tekst");
    // The footer's values, a day at a time: the day's sums, and its minima, maxima or averages.
    Miary minima, maksima, srednie;
    int i = 0;
    for (const QString& dzien : {u"01"_qs, u"02"_qs}) {
        std::vector<Odczyt> odczyty;
        std::copy_if(kHistoria.begin(), kHistoria.end(), std::back_inserter(odczyty),
                     [&](const Odczyt& o) { return QString::fromLatin1(o.data).mid(8, 2) == dzien; });
        const Miary m = miary(odczyty);
        QTest::addRow("%s, minima", qPrintable(dzien)) << i++ << linia(u"Data=min."_qs, m, nullptr, minimum);
        QTest::addRow("%s, maxima", qPrintable(dzien))
            << i++ << linia(u"Data=maks."_qs, m, nullptr, maksimum);
        QTest::addRow("%s, day", qPrintable(dzien)) << i++ << u"Data=%1/12/2003"_qs.arg(dzien);
        QTest::addRow("%s, averages", qPrintable(dzien)) << i++ << linia(u"Data=śr."_qs, m, nullptr, srednia);
        QTest::addRow("%s, sums", qPrintable(dzien)) << i++ << linia(u"Data=suma"_qs, m, suma, nullptr, true);
        for (auto [dni, wybor] : {std::pair(&minima, Wybor(minimum)), std::pair(&maksima, Wybor(maksimum)),
                                  std::pair(&srednie, Wybor(srednia))}) {
            for (auto [stat, dnia] : {std::pair(&dni->czynna, &m.czynna), std::pair(&dni->bierna, &m.bierna),
                                      std::pair(&dni->poj, &m.poj)})
                stat->dodaj(dnia->suma);
            for (auto [stat, dnia] :
                 {std::pair(&dni->tg, &m.tg), std::pair(&dni->napiecie, &m.napiecie),
                  std::pair(&dni->czestotliwosc, &m.czestotliwosc), std::pair(&dni->prad, &m.prad)})
                stat->dodaj(wybor(*dnia));
        }
    }
    QTest::newRow("footer sums") << i++ << linia(u"Data=suma"_qs, srednie, suma, nullptr);
    QTest::newRow("footer minima") << i++ << linia(u"Data=min."_qs, minima, minimum, minimum);
    QTest::newRow("footer maxima") << i++ << linia(u"Data=maks."_qs, maksima, maksimum, maksimum);
    QTest::newRow("footer averages") << i++ << linia(u"Data=średnia"_qs, srednie, srednia, srednia);
}

void TestRaporty::ukladOkresowy()
{
    QFETCH(int, wiersz);
    const QStringList wiersze = wydrukowanyRaport(
        [](Raporty& r) { r.RaportOkresowyRegul(QDate(2003, 12, 1), QDate(2003, 12, 2), 1); });
    QCOMPARE(wiersze.size(), 14);
    QTEST(wiersze.value(wiersz), "tekst");
}

// "&Ok" starts the report with the dates shown and what is chosen at the click: the regulator
// selected in the list, or the structure element selected now rather than the one the window
// showed; the window stays open.
void TestRaporty::przyciskOk_data()
{
    QTest::addColumn<Okno>("okno");
    QTest::addColumn<QString>("raport");
    QTest::newRow("daily, regulator") << &okno<fmRapDob> << u" regulatora 'R3'| z dnia 17/12/2003"_qs;
    QTest::newRow("daily, element") << &okno<fmRapDobS> << u" obiektu 'Hala1'| z dnia 17/12/2003"_qs;
    const QString okres = u"| za okres od 01/12/03 do 17/12/03"_qs;
    QTest::newRow("periodic, regulator") << &okno<fmRapOkres> << u" regulatora 'R3'"_qs + okres;
    QTest::newRow("periodic, element") << &okno<fmRapOkresS> << u" obiektu 'Hala1'"_qs + okres;
}

void TestRaporty::przyciskOk()
{
    QFETCH(Okno, okno);
    Baza3 b;
    b.s.app->NrAktRegulatora = 2;
    b.s.app->AktElStruktury = u"Pusty"_qs;
    Raporty raporty(b.s.uslugi, nullptr);
    QString raport;
    raporty.Pokaz = [&](RaportWydruk& r) {
        raport = r.Uklad().RaportNagl.elementy[3].tekst + u'|' + r.Uklad().RaportNagl.elementy[4].tekst;
    };
    const std::unique_ptr<fmRapOkno> w(okno(b.s.uslugi, raporty));
    w->show();
    if (w->cmbRegul)
        w->cmbRegul->setCurrentIndex(2);
    b.s.app->AktElStruktury = u"Hala1"_qs;
    w->Command1->click();
    QTEST(raport, "raport");
    QVERIFY(w->isVisible());
}

// A footer's extreme starts from the first value, not from 0.
void TestRaporty::skrajneWStopce_data()
{
    QTest::addColumn<int>("funkcja");
    QTest::addColumn<QList<double>>("wartosci");
    QTest::addColumn<double>("wynik");
    QTest::newRow("maximum of negatives") << int(Funkcja::Maks) << QList<double>{-3, -1.5, -7} << -1.5;
    QTest::newRow("minimum of positives") << int(Funkcja::Min) << QList<double>{3, 1.5, 7} << 1.5;
}

void TestRaporty::skrajneWStopce()
{
    QFETCH(int, funkcja);
    QFETCH(QList<double>, wartosci);
    std::vector<QSqlRecord> wiersze;
    for (double x : wartosci) {
        QSqlRecord r;
        r.append(QSqlField(u"x"_qs, QMetaType(QMetaType::Double)));
        r.setValue(0, x);
        wiersze.push_back(r);
    }
    const RaportWydruk raport(RaportUklad{}, wiersze, {});
    QTEST(raport.Agregat(Funkcja(funkcja), u"x"_qs).toDouble(), "wynik");
}

// Printing gives the pages the print dialog asked for: the range, the page shown, the last page
// first, and each copy the printer does not make itself, collated or page by page.
void TestRaporty::wydruk_data()
{
    QTest::addColumn<int>("zakres"); // QPrinter::PrintRange
    QTest::addColumn<int>("od");
    QTest::addColumn<int>("doStrony");
    QTest::addColumn<int>("kopie");
    QTest::addColumn<bool>("sortuj");
    QTest::addColumn<bool>("odKonca");
    QTest::addColumn<QString>("strony");
    const int wszystkie = QPrinter::AllPages, zakres = QPrinter::PageRange, biezaca = QPrinter::CurrentPage;
    QTest::newRow("every page") << wszystkie << 0 << 0 << 1 << true << false << "1 2 3";
    QTest::newRow("pages 2 to 3") << zakres << 2 << 3 << 1 << true << false << "2 3";
    QTest::newRow("range past the last page") << zakres << 2 << 9 << 1 << true << false << "2 3";
    QTest::newRow("range after the last page") << zakres << 5 << 6 << 1 << true << false << "";
    QTest::newRow("page shown") << biezaca << 0 << 0 << 1 << true << false << "2";
    QTest::newRow("2 copies collated") << wszystkie << 0 << 0 << 2 << true << false << "1 2 3 1 2 3";
    QTest::newRow("2 copies page by page") << wszystkie << 0 << 0 << 2 << false << false << "1 1 2 2 3 3";
    QTest::newRow("pages 1 to 2 last first, 2 copies") << zakres << 1 << 2 << 2 << true << true << "2 1 2 1";
}

void TestRaporty::wydruk()
{
    QFETCH(int, zakres);
    QFETCH(int, od);
    QFETCH(int, doStrony);
    QFETCH(int, kopie);
    QFETCH(bool, sortuj);
    QFETCH(bool, odKonca);
    QFETCH(QString, strony);
    RaportWydruk r = raportZWierszami(150);
    QTemporaryDir katalog;
    QPrinter drukarka(QPrinter::HighResolution);
    doPliku(drukarka, katalog);
    drukarka.setPrintRange(QPrinter::PrintRange(zakres));
    if (od > 0)
        drukarka.setFromTo(od, doStrony);
    drukarka.setCopyCount(kopie);
    drukarka.setCollateCopies(sortuj);
    drukarka.setPageOrder(odKonca ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
    r.Drukuj(drukarka, 2);
    QCOMPARE(r.LiczbaStron(), 3);
    QStringList wydrukowane;
    for (int nr : r.StronyWydruku(drukarka, 2))
        wydrukowane << QString::number(nr);
    QCOMPARE(wydrukowane.join(u' '), strony);
    QCOMPARE(stronyPliku(drukarka), int(wydrukowane.size()));
}

// The preview shows the pages of the paper the printer is set up for, whether changed by the
// page set-up (laid out again) or in the print dialog (printed): as many, and of its shape.
void TestRaporty::podgladPapier_data()
{
    QTest::addColumn<int>("papier"); // QPageSize::PageSizeId
    QTest::addColumn<bool>("wDrukowaniu");
    QTest::newRow("page set-up, A4 landscape") << int(QPageSize::A4) << false;
    QTest::newRow("print dialog, A5 landscape") << int(QPageSize::A5) << true;
}

void TestRaporty::podgladPapier()
{
    QFETCH(int, papier);
    QFETCH(bool, wDrukowaniu);
    RaportWydruk r = raportZWierszami(150);
    PoTakcie poTakcie;
    PodgladRaportu p(r, poTakcie, nullptr);
    p.show();
    const auto* numer = p.findChild<QSpinBox*>();
    QCOMPARE(numer->maximum(), 3);
    QTemporaryDir katalog;
    doPliku(p.Drukarka(), katalog);
    p.Drukarka().setPageSize(QPageSize(QPageSize::PageSizeId(papier)));
    p.Drukarka().setPageOrientation(QPageLayout::Landscape);
    if (wDrukowaniu)
        p.Drukuj();
    else
        p.Rozloz();
    QVERIFY(numer->maximum() > 3);
    QCOMPARE(numer->maximum(), r.LiczbaStron());
    const QSizeF arkusz = p.Drukarka().pageLayout().fullRectPoints().size();
    const QRect kartka = p.Widok().Kartka();
    QVERIFY(arkusz.width() > arkusz.height());
    QVERIFY(std::abs(kartka.width() / double(kartka.height()) - arkusz.width() / arkusz.height()) < 0.02);
    if (!wDrukowaniu)
        p.Drukuj();
    QCOMPARE(stronyPliku(p.Drukarka()), numer->maximum());
}

// The preview's keys, each acting on every press: page up and down, first and last page
// (also with Ctrl), the buttons' Alt letters pressed in quick succession, and going to a page
// typed after Ctrl+G. A page -1 is the last one.
void TestRaporty::podgladKlawisze_data()
{
    QTest::addColumn<int>("od");
    QTest::addColumn<QKeySequence>("klawisze");
    QTest::addColumn<int>("strona");
    QTest::newRow("PgDn") << 1 << QKeySequence(Qt::Key_PageDown) << 2;
    QTest::newRow("PgUp") << 3 << QKeySequence(Qt::Key_PageUp) << 2;
    QTest::newRow("PgUp on the first page") << 1 << QKeySequence(Qt::Key_PageUp) << 1;
    QTest::newRow("End") << 2 << QKeySequence(Qt::Key_End) << -1;
    QTest::newRow("Home") << 5 << QKeySequence(Qt::Key_Home) << 1;
    QTest::newRow("Ctrl+End") << 2 << QKeySequence(Qt::CTRL | Qt::Key_End) << -1;
    QTest::newRow("Ctrl+Home") << 5 << QKeySequence(Qt::CTRL | Qt::Key_Home) << 1;
    const QKeyCombination altN = Qt::ALT | Qt::Key_N, altP = Qt::ALT | Qt::Key_P;
    QTest::newRow("Alt+N 4 times") << 1 << QKeySequence(altN, altN, altN, altN) << 5;
    QTest::newRow("Alt+P twice") << 5 << QKeySequence(altP, altP) << 3;
    QTest::newRow("Ctrl+G 7 Enter") << 1
                                    << QKeySequence(Qt::CTRL | Qt::Key_G, QKeyCombination(Qt::Key_7),
                                                    QKeyCombination(Qt::Key_Return))
                                    << 7;
}

void TestRaporty::podgladKlawisze()
{
    QFETCH(int, od);
    QFETCH(QKeySequence, klawisze);
    QFETCH(int, strona);
    RaportWydruk r = raportZWierszami(600);
    PoTakcie poTakcie;
    PodgladRaportu p(r, poTakcie, nullptr);
    p.show();
    QApplication::setActiveWindow(&p);
    QVERIFY(QTest::qWaitForWindowActive(&p));
    p.PokazStrone(od);
    for (int i = 0; i < klawisze.count(); ++i)
        QTest::keyClick(QApplication::focusWidget(), klawisze[i].key(), klawisze[i].keyboardModifiers());
    QCOMPARE(p.Strona(), strona < 0 ? r.LiczbaStron() : strona);
}

// The wheel turns the pages of a whole sheet and scrolls one wider than the view; Ctrl and the
// wheel zoom by a quarter; the page's width and 100 % give the sizes they say.
void TestRaporty::podgladMysz()
{
    RaportWydruk r = raportZWierszami(150);
    PoTakcie poTakcie;
    PodgladRaportu p(r, poTakcie, nullptr);
    p.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p));
    WidokStrony& w = p.Widok();
    const auto kolko = [&w](int obrot, Qt::KeyboardModifiers klawisze = Qt::NoModifier) {
        const QPointF gdzie(20, 20);
        QWheelEvent e(gdzie, w.viewport()->mapToGlobal(gdzie), {}, {0, obrot}, Qt::NoButton, klawisze,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.viewport(), &e);
    };
    const QString cel = QCoreApplication::applicationDirPath() + QStringLiteral("/../../screenshots/reports");
    QVERIFY(QDir().mkpath(cel));
    QVERIFY(p.grab().save(cel + QStringLiteral("/podglad.png")));

    QVERIFY(w.viewport()->rect().contains(w.Kartka()));
    kolko(-120);
    QCOMPARE(p.Strona(), 2);
    kolko(+120);
    QCOMPARE(p.Strona(), 1);
    const double caly = w.Procent();
    kolko(+120, Qt::ControlModifier);
    QCOMPARE(w.Tryb(), WidokStrony::Powiekszenie::Procent);
    QVERIFY(std::abs(w.Procent() / caly - 1.25) < 0.01);

    w.UstawPowiekszenie(WidokStrony::Powiekszenie::SzerokoscStrony);
    QCoreApplication::processEvents(); // the view makes room for its scroll bar
    const QRect kartka = w.Kartka();
    QVERIFY(kartka.width() > w.viewport()->width() - 20 && kartka.right() < w.viewport()->width());
    kolko(-120);
    QCOMPARE(p.Strona(), 1);
    QVERIFY(w.Kartka().top() < kartka.top());

    w.UstawPowiekszenie(WidokStrony::Powiekszenie::Procent, 100);
    QVERIFY(std::abs(w.Kartka().width() - 210 / 25.4 * w.logicalDpiX()) <= 1);
}

// PgUp, PgDn and the wheel on a sheet taller than the view: a view's height at a time, then the
// neighbouring page; past the first or the last page the view stays where it is. A page -1 is
// the last one; the view ends at the page's top, its bottom, or a view's height from where it was.
void TestRaporty::podgladPrzewijanie_data()
{
    QTest::addColumn<int>("powiekszenie"); // WidokStrony::Powiekszenie
    QTest::addColumn<int>("od");
    QTest::addColumn<bool>("odDolu");
    QTest::addColumn<int>("kierunek"); // down +1, up -1
    QTest::addColumn<bool>("kolko");   // the wheel rather than PgDn or PgUp
    QTest::addColumn<int>("strona");
    QTest::addColumn<QString>("widok");
    const int procent = int(WidokStrony::Powiekszenie::Procent);
    const int szerokosc = int(WidokStrony::Powiekszenie::SzerokoscStrony);
    QTest::newRow("100 %, PgDn from the top") << procent << 1 << false << +1 << false << 1 << "o widok";
    QTest::newRow("page width, PgUp from the bottom")
        << szerokosc << 2 << true << -1 << false << 2 << "o widok";
    QTest::newRow("100 %, PgDn at the bottom") << procent << 1 << true << +1 << false << 2 << "góra";
    QTest::newRow("100 %, PgUp at the top of the first page")
        << procent << 1 << false << -1 << false << 1 << "góra";
    QTest::newRow("100 %, PgDn at the bottom of the last page")
        << procent << -1 << true << +1 << false << -1 << "dół";
    QTest::newRow("100 %, wheel up at the top of the first page")
        << procent << 1 << false << -1 << true << 1 << "góra";
    QTest::newRow("100 %, wheel down at the bottom of the last page")
        << procent << -1 << true << +1 << true << -1 << "dół";
}

void TestRaporty::podgladPrzewijanie()
{
    QFETCH(int, powiekszenie);
    QFETCH(int, od);
    QFETCH(bool, odDolu);
    QFETCH(int, kierunek);
    QFETCH(bool, kolko);
    QFETCH(int, strona);
    QFETCH(QString, widok);
    RaportWydruk r = raportZWierszami(150);
    PoTakcie poTakcie;
    PodgladRaportu p(r, poTakcie, nullptr);
    p.setWindowState(Qt::WindowNoState);
    p.resize(700, 500); // less than half a sheet in view
    p.show();
    QApplication::setActiveWindow(&p);
    QVERIFY(QTest::qWaitForWindowActive(&p));
    WidokStrony& w = p.Widok();
    w.UstawPowiekszenie(WidokStrony::Powiekszenie(powiekszenie));
    QCoreApplication::processEvents(); // the view makes room for its scroll bar
    const int ostatnia = r.LiczbaStron();
    p.PokazStrone(od < 0 ? ostatnia : od, odDolu);
    const QScrollBar* pasek = w.verticalScrollBar();
    QVERIFY(pasek->maximum() > pasek->pageStep());
    const int bylo = pasek->value();
    if (kolko) {
        const QPointF gdzie(20, 20);
        QWheelEvent e(gdzie, w.viewport()->mapToGlobal(gdzie), {}, {0, -120 * kierunek}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.viewport(), &e);
    } else {
        QTest::keyClick(QApplication::focusWidget(), kierunek > 0 ? Qt::Key_PageDown : Qt::Key_PageUp);
    }
    QCOMPARE(p.Strona(), strona < 0 ? ostatnia : strona);
    const int oczekiwane = widok == u"góra"  ? pasek->minimum()
                           : widok == u"dół" ? pasek->maximum()
                                             : bylo + kierunek * pasek->pageStep();
    QCOMPARE(pasek->value(), oczekiwane);
}

// "Bieżąca strona" of the print dialog prints the page the preview shows: the same file as that
// page printed alone, and not the first page's.
void TestRaporty::podgladDrukujeBiezaca()
{
    RaportWydruk r = raportZWierszami(150);
    const auto wydruk = [](QPrinter& drukarka, const QTemporaryDir& katalog) {
        doPliku(drukarka, katalog);
        drukarka.setPrintRange(QPrinter::CurrentPage);
    };
    const auto samaStrona = [&r, &wydruk](int nr) {
        QTemporaryDir katalog;
        QPrinter drukarka(QPrinter::HighResolution);
        wydruk(drukarka, katalog);
        r.Drukuj(drukarka, nr);
        return QFileInfo(drukarka.outputFileName()).size();
    };
    PoTakcie poTakcie;
    PodgladRaportu p(r, poTakcie, nullptr);
    p.PokazStrone(3);
    QTemporaryDir katalog;
    wydruk(p.Drukarka(), katalog);
    p.Drukuj();
    QCOMPARE(stronyPliku(p.Drukarka()), 1);
    QVERIFY(samaStrona(1) != samaStrona(3));
    QCOMPARE(QFileInfo(p.Drukarka().outputFileName()).size(), samaStrona(3));
}

KALBOR_TEST_OKIEN(TestRaporty)
#include "tst_raporty.moc"
