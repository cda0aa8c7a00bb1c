#include "fmAlarmyArch.h"

#include "Baza.h"
#include "Clock.h"
#include "Nazwany.h"
#include "OknoPodrzedne.h"
#include "SqlDates.h"
#include "TextFormat.h"
#include "Twipy.h"
#include "Uslugi.h"
#include "WygladProgramu.h"
#include "clRegulator.h"
#include "clsoApp.h"
#include "colRegulatory.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QHeaderView>
#include <QPushButton>
#include <QSqlQuery>
#include <QTreeWidget>
#include <memory>
#include <utility>

namespace {
// Design geometry, twips.
const QSize kLista(9315, 5175);
const QRect kNarzedzia(0, 5160, 5955, 555);
constexpr int kSzerokoscOkna = 10600;
// The list leaves this much of the window's height to the tool bar, which overlaps the list's
// last 50 twips.
constexpr int kPodNarzedziami = 500;
constexpr int kGoraNarzedzi = 550;

const char* const kKolumny[] = {"Data powstania", "Kod regulatora", "Tresc alarmu", "Data potwierdzenia",
                                "Data dezaktywacji"};
const int kSzerokosciKolumn[] = {1440, 1300, 4550, 1500, 1500};

// Two-digit year, 24-hour time; a time not yet reached (acknowledgement, clearing) is empty.
QString czas(const QVariant& wartosc)
{
    if (wartosc.isNull() || wartosc.toString().isEmpty())
        return {};
    return TextFormat::date(SqlDates::fromSqlDateTime(wartosc.toString()), u"dd/MM/yy hh:mm:ss");
}

// The regulator's alarms of the calendar day, from midnight up to, not including, the next
// midnight, searched through the (Kod_Regul, Data) index; rows come in the order the database
// returns them, each as its five stored values. A failing statement finds nothing.
std::vector<QStringList> alarmyDnia(const QSqlDatabase& db, const QString& kod, const QDate& dzien)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT Data, Kod_Regul, Tresc, Data_potw, Data_dezakt FROM Alarmy "
                             "WHERE Kod_Regul = ? AND Data >= ? AND Data < ?"));
    q.addBindValue(kod);
    q.addBindValue(SqlDates::sqlDay(dzien));
    q.addBindValue(SqlDates::sqlDay(dzien.addDays(1)));
    std::vector<QStringList> wiersze;
    q.exec();
    while (q.next())
        wiersze.push_back({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                           q.value(3).toString(), q.value(4).toString()});
    q.finish();
    return wiersze;
}
} // namespace

fmAlarmyArch::fmAlarmyArch(Uslugi& uslugi, QWidget* parent)
    : QWidget(parent), m_uslugi(uslugi),
      m_odczyt(*uslugi.odczyty, *uslugi.cnBaza, QStringLiteral("Archiwum alarmów"))
{
    setWindowTitle(QStringLiteral("Archiwum alarmów"));
    utworzListe();
    utworzNarzedzia();
    for (const clRegulator& r : *m_uslugi.oRegulatory)
        m_regul->addItem(r.Kod, int(r.adres));
    // The current regulator: its Id is its position in the collection.
    if (m_regul->count() > 0)
        m_regul->setCurrentIndex(m_uslugi.oApp->NrAktRegulatora - 1);
    m_data->setDate(m_uslugi.zegar->now().date());
    resize(twipyNaPiksele(kSzerokoscOkna, this),
           twipyNaPiksele(kLista.height() + kPodNarzedziami, this, Qt::Vertical));
}

fmAlarmyArch* fmAlarmyArch::Otworz(QMdiArea& obszar, Uslugi& uslugi)
{
    const Qt::WindowFlags bezMinimalizacji = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                             Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                                             Qt::WindowCloseButtonHint;
    bool nowe = false;
    fmAlarmyArch* okno = OknoPodrzedne::otworz<fmAlarmyArch>(
        obszar,
        [&uslugi, &nowe] {
            nowe = true;
            return new fmAlarmyArch(uslugi);
        },
        bezMinimalizacji);
    // The design width is the whole window's, frame included; a window brought forward keeps
    // the size the operator gave it.
    if (nowe) {
        auto* podokno = static_cast<QMdiSubWindow*>(okno->parentWidget());
        podokno->resize(twipyNaPiksele(kSzerokoscOkna, okno), podokno->height());
        OknoPodrzedne::wWidoku(*podokno);
    }
    return okno;
}

void fmAlarmyArch::utworzListe()
{
    m_lista = nazwany<QTreeWidget>(QStringLiteral("lstAlarmy"), this);
    m_lista->setRootIsDecorated(false);
    m_lista->setUniformRowHeights(true);
    m_lista->setAllColumnsShowFocus(true);
    m_lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList naglowki;
    for (const char* k : kKolumny)
        naglowki << QString::fromUtf8(k);
    m_lista->setHeaderLabels(naglowki);
    m_lista->header()->setStretchLastSection(false);
    for (int i = 0; i < int(std::size(kSzerokosciKolumn)); ++i)
        m_lista->header()->resizeSection(i, twipyNaPiksele(kSzerokosciKolumn[i], this));
    m_lista->resize(twipyNaPiksele(kLista, this));
}

void fmAlarmyArch::utworzNarzedzia()
{
    m_narzedzia = nazwany<QFrame>(QStringLiteral("fmTools"), this);
    m_narzedzia->setGeometry(twipyNaPiksele(kNarzedzia, this));
    m_data = PoleDaty(QDate(), m_narzedzia);
    m_data->setObjectName(QStringLiteral("dtData"));
    m_data->setGeometry(twipyNaPiksele(QRect(120, 180, 1275, 315), this));
    m_regul = nazwany<QComboBox>(QStringLiteral("cmbRegul"), m_narzedzia);
    m_regul->setToolTip(QStringLiteral("kod regulatora"));
    m_regul->setGeometry(twipyNaPiksele(QRect(1560, 180, 1395, 315), this));
    connect(przycisk(QStringLiteral("btnLewo"), QStringLiteral("<"), QRect(3180, 180, 375, 315)),
            &QPushButton::clicked, this, [this] { przesunDzien(-1); });
    connect(przycisk(QStringLiteral("btnPrawo"), QStringLiteral(">"), QRect(3660, 180, 375, 315)),
            &QPushButton::clicked, this, [this] { przesunDzien(1); });
    connect(przycisk(QStringLiteral("cmdOdswiez"), QStringLiteral("&Odśwież"), QRect(4980, 180, 855, 315)),
            &QPushButton::clicked, this, &fmAlarmyArch::WczytajAlarmy);
}

QPushButton* fmAlarmyArch::przycisk(const QString& nazwa, const QString& tekst, const QRect& miejsce)
{
    auto* p = nazwany<QPushButton>(nazwa, tekst, m_narzedzia);
    p->setGeometry(twipyNaPiksele(miejsce, this));
    return p;
}

void fmAlarmyArch::przesunDzien(int dni)
{
    m_data->setDate(m_data->date().addDays(dni));
    WczytajAlarmy();
}

void fmAlarmyArch::WczytajAlarmy()
{
    const QString kod = m_regul->currentText();
    const QDate dzien = m_data->date();
    auto wiersze = std::make_shared<std::vector<QStringList>>();
    auto czytaj = [wiersze, kod, dzien](const QSqlDatabase& db, const OdczytHistorii::Przerwanie&) {
        *wiersze = alarmyDnia(db, kod, dzien);
    };
    m_ponownie = !m_odczyt.Uruchom(std::move(czytaj), [this, wiersze](const QString&) {
        if (std::exchange(m_ponownie, false))
            return WczytajAlarmy();
        pokaz(*wiersze);
    });
}

void fmAlarmyArch::pokaz(const std::vector<QStringList>& wiersze)
{
    m_lista->clear();
    for (const QStringList& w : wiersze)
        m_lista->addTopLevelItem(new QTreeWidgetItem({czas(w[0]), w[1], w[2], czas(w[3]), czas(w[4])}));
}

// The tool bar stays at the bottom; a very low window leaves the list no height rather than a
// negative one.
void fmAlarmyArch::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int podNarzedziami = twipyNaPiksele(kPodNarzedziami, this, Qt::Vertical);
    m_lista->setGeometry(0, 0, width(), qMax(0, height() - podNarzedziami));
    m_narzedzia->move(m_narzedzia->x(), height() - twipyNaPiksele(kGoraNarzedzi, this, Qt::Vertical));
}
