#include "WykresOkno.h"

#include "ObrazyRaportow.h"
#include "Twipy.h"
#include "Uslugi.h"
#include "Wykres.h"
#include "clRegulator.h"
#include "clsoApp.h"
#include "colRegulatory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <memory>
#include <utility>

namespace {

constexpr int kWysokoscNarzedzi = 555; // twips
constexpr int kSzczytKontrolek = 180;  // twips from the top of the tool strip

template <typename Kontrolka>
Kontrolka* nazwany(Kontrolka* k, const char* nazwa, const QString& podpowiedz = {})
{
    k->setObjectName(QLatin1String(nazwa));
    k->setToolTip(podpowiedz);
    return k;
}

QComboBox* lista(const char* nazwa, const QStringList& pozycje, const QString& podpowiedz)
{
    auto* l = nazwany(new QComboBox, nazwa, podpowiedz);
    l->addItems(pozycje);
    return l;
}

} // namespace

WykresOkno::WykresOkno(Uslugi& uslugi, Projekt projekt, QWidget* parent)
    : QWidget(parent), m_uslugi(uslugi), m_projekt(std::move(projekt)), m_wykres(new Wykres(this)),
      m_odczyt(*uslugi.odczyty, *uslugi.cnBaza, QStringLiteral("Wykres"))
{
    m_wykres->setObjectName(QStringLiteral("Wykres"));
    resize(twipyNaPiksele(m_projekt.wnetrze, this));
}

void WykresOkno::zbuduj(const QList<QWidget*>& daty)
{
    utworzNarzedzia(daty);
    Form_Load();
    Form_Resize();
}

void WykresOkno::utworzNarzedzia(const QList<QWidget*>& daty)
{
    m_narzedzia = nazwany(new QFrame(this), "fmTools");
    m_wyswietl = lista("cmbWyswietl", {QStringLiteral("Energia"), QStringLiteral("tg fi")},
                       QStringLiteral("wyświetlana wielkość"));
    m_regul = lista("cmbRegul", {}, QStringLiteral("kod regulatora"));
    auto* lewo = nazwany(new QPushButton(QStringLiteral("<")), "btnLewo", m_projekt.podpowiedzLewo);
    auto* prawo = nazwany(new QPushButton(QStringLiteral(">")), "btnPrawo", m_projekt.podpowiedzPrawo);
    m_wykresl = nazwany(new QPushButton(WykresObraz(), {}), "btnWykresl", m_projekt.podpowiedzWykresl);
    m_legenda = nazwany(new QCheckBox(QStringLiteral("legenda")), "chkLegenda",
                        QStringLiteral("wyświetlanie legendy"));
    auto* siatkaPodpis = nazwany(new QLabel(QStringLiteral("Siatka:")), "Label1");
    m_siatka = lista("cmbSiatka",
                     {QStringLiteral("XY"), QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("brak")},
                     QStringLiteral("wyświetlanie siatki"));
    m_siatka->setCurrentIndex(-1);
    for (QPushButton* b : {lewo, prawo})
        b->setFixedWidth(twipyNaPiksele(375, this));

    auto* uklad = new QHBoxLayout(m_narzedzia);
    uklad->setContentsMargins(0, twipyNaPiksele(kSzczytKontrolek, this, Qt::Vertical), 0, 0);
    uklad->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (QWidget* k : daty + QList<QWidget*>{m_wyswietl, m_regul, lewo, prawo, m_wykresl, m_legenda,
                                             siatkaPodpis, m_siatka})
        uklad->addWidget(k);

    connect(m_wykresl, &QPushButton::clicked, this, &WykresOkno::btnWykresl_Click);
    connect(lewo, &QPushButton::clicked, this, [this] {
        Przesun(-1);
        btnWykresl_Click();
    });
    connect(prawo, &QPushButton::clicked, this, [this] {
        Przesun(+1);
        btnWykresl_Click();
    });
    connect(m_legenda, &QCheckBox::toggled, this, &WykresOkno::chkLegenda_Click);
    connect(m_siatka, &QComboBox::currentTextChanged, this, &WykresOkno::cmbSiatka_Click);
}

// One item per regulator in the collection's order: the code shown, the bus address as the
// item's data, so item k is the regulator at position k + 1.
void WykresOkno::Form_Load()
{
    for (const clRegulator& r : *m_uslugi.oRegulatory)
        m_regul->addItem(r.Kod, int(r.adres));
    if (m_regul->count() > 0)
        m_regul->setCurrentIndex(m_uslugi.oApp->NrAktRegulatora - 1);
    m_wyswietl->setCurrentIndex(0);
}

void WykresOkno::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    Form_Resize();
}

// The tool strip covers the chart's lowest 50 twips and reaches 5 twips below the window.
void WykresOkno::Form_Resize()
{
    if (!m_narzedzia)
        return;
    const int wysokosc = height();
    const int wysokoscWykresu = std::max(0, wysokosc - twipyNaPiksele(500, this, Qt::Vertical));
    m_wykres->setGeometry(0, 0, width(), wysokoscWykresu);
    m_narzedzia->setGeometry(twipyNaPiksele(m_projekt.lewaNarzedzi, this),
                             wysokosc - twipyNaPiksele(550, this, Qt::Vertical),
                             twipyNaPiksele(m_projekt.szerokoscNarzedzi, this),
                             twipyNaPiksele(kWysokoscNarzedzi, this, Qt::Vertical));
}

// Without a regulator in the list there is nothing to query, and the chart stays as it is.
// A period without readings leaves the previous picture, since redrawing stays suspended.
void WykresOkno::btnWykresl_Click()
{
    if (m_regul->currentIndex() < 0)
        return;
    m_wykresl->setEnabled(false);
    auto wiersze = std::make_shared<std::vector<WierszWykresu>>();
    auto czytaj = [wiersze, zapytanie = Wczytaj(m_regul->currentData().toInt())](
                      const QSqlDatabase& db, const OdczytHistorii::Przerwanie&) {
        *wiersze = zapytanie(db);
    };
    m_ponownie = !m_odczyt.Uruchom(std::move(czytaj), [this, wiersze](const QString&) {
        if (std::exchange(m_ponownie, false))
            return btnWykresl_Click();
        rysuj(*wiersze);
    });
}

void WykresOkno::rysuj(const std::vector<WierszWykresu>& wiersze)
{
    m_wykres->setRepaint(false);
    m_wykres->setRowCount(0);
    if (!wiersze.empty()) {
        const bool energia = m_wyswietl->currentIndex() == 0;
        wypelnij(wiersze, energia);
        m_wykres->setSeriesPenWidth(1, 1);
        m_wykres->setRepaint(true);
    }
    m_wykresl->setEnabled(true);
}

// A row whose values are missing keeps its place and label but gets no value.
void WykresOkno::wypelnij(const std::vector<WierszWykresu>& wiersze, bool energia)
{
    m_wykres->setAxisTitle(Wykres::Os::Kategorii, QStringLiteral("czas"));
    m_wykres->setAxisTitle(Wykres::Os::Wartosci, TytulOsiWartosci(energia));
    m_wykres->setColumnCount(energia ? 2 : 1);
    m_wykres->setColumnLabel(1, energia ? QStringLiteral("Energia czynna") : QStringLiteral("tg fi"));
    if (energia)
        m_wykres->setColumnLabel(2, QStringLiteral("Energia bierna"));
    m_wykres->setTitleText(
        (energia ? QStringLiteral("Zużycie energi dla '") : QStringLiteral("Wykres tg fi dla '")) +
        m_regul->currentText() + u'\'' + Okres());
    int n = 0;
    for (const WierszWykresu& w : wiersze) {
        m_wykres->setRowCount(++n);
        const bool obie = w.EnCzynna && w.EnBiernaCalk;
        if (obie && energia) {
            m_wykres->SetData(n, 1, *w.EnCzynna);
            m_wykres->SetData(n, 2, *w.EnBiernaCalk);
        } else if (obie && !energia && *w.EnCzynna != 0.0) {
            m_wykres->SetData(n, 1, *w.EnBiernaCalk / *w.EnCzynna);
        }
        m_wykres->setRowLabel(n, w.etykieta);
    }
    if (energia)
        m_wykres->setSeriesPenWidth(2, 1);
}

void WykresOkno::WybierzSiatke(const QString& tekst)
{
    m_siatka->setCurrentText(tekst);
}

void WykresOkno::chkLegenda_Click()
{
    m_wykres->setShowLegend(m_legenda->isChecked());
}

// Two independent switches: the category grid for "XY" and "X", the value grid for "XY" and "Y".
void WykresOkno::cmbSiatka_Click()
{
    const QString s = m_siatka->currentText();
    m_wykres->setAxisGrid(Wykres::Os::Kategorii, s == u"XY" || s == u"X");
    m_wykres->setAxisGrid(Wykres::Os::Wartosci, s == u"XY" || s == u"Y");
}
