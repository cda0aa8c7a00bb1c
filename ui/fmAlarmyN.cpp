#include "fmAlarmyN.h"

#include "ListaAlarmow.h"
#include "ModelAlarmow.h"
#include "Nazwany.h"
#include "OknoPodrzedne.h"
#include "RejestrAlarmow.h"
#include "Twipy.h"
#include "Uslugi.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {
// Design geometry, twips.
const QRect kLista(0, 0, 8535, 1335);
const QRect kLegenda(8520, 0, 2655, 1335);
const QRect kOkno(0, 5450, 11325, 1755);
const int kSzerokosciKolumn[] = {2200, 1000, 5200};

struct OpisLegendy
{
    const char* nazwa;
    const char* tekst;
    bool czerwony;
    bool pogrubiony;
};

// Top to bottom, every 240 twips from the top of the frame.
const OpisLegendy kLegendaWiersze[] = {
    {"Label2", "aktywny, niepotwierdzony", true, true},
    {"Label1", "aktywny, potwierdzony", true, false},
    {"Label3", "nieaktywny, potwierdzony", false, false},
    {"Label4", "nieaktywny, niepotwierdzony", false, true},
};
} // namespace

fmAlarmyN::fmAlarmyN(Uslugi& uslugi, QWidget* parent) : QWidget(parent), m_uslugi(uslugi)
{
    setWindowTitle(QStringLiteral("Alarmy"));
    // The columns and the legend are measured for the design's 8-point font.
    QFont font = this->font();
    font.setPointSize(8);
    setFont(font);
    utworzListe();
    utworzLegende();
    setMinimumSize(twipyNaPiksele(kOkno.size(), this));
    resize(minimumSize());
}

void fmAlarmyN::utworzListe()
{
    m_model = new ModelAlarmow(*m_uslugi.rejestr, this);
    m_lista = nazwany<ListaAlarmow>(QStringLiteral("lstAlarmy"), this);
    m_lista->setModel(m_model);
    m_lista->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lista->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lista->setIconSize(QSize(16, 16));
    m_lista->header()->setStretchLastSection(false);
    for (int i = 0; i < ModelAlarmow::LiczbaKolumn; ++i)
        m_lista->header()->resizeSection(i, twipyNaPiksele(kSzerokosciKolumn[i], this));
    m_lista->setGeometry(twipyNaPiksele(kLista, this));
    connect(m_lista, &QAbstractItemView::doubleClicked, this, &fmAlarmyN::potwierdz);
}

void fmAlarmyN::utworzLegende()
{
    m_legenda = nazwany<QGroupBox>(QStringLiteral("Frame1"), QStringLiteral("Legenda"), this);
    m_legenda->setGeometry(twipyNaPiksele(kLegenda, this));
    int gora = 240;
    for (const OpisLegendy& opis : kLegendaWiersze) {
        auto* etykieta =
            nazwany<QLabel>(QString::fromLatin1(opis.nazwa), QString::fromUtf8(opis.tekst), m_legenda);
        QFont font = etykieta->font();
        font.setBold(opis.pogrubiony);
        etykieta->setFont(font);
        QPalette paleta = etykieta->palette();
        paleta.setColor(QPalette::WindowText, opis.czerwony ? Qt::red : Qt::black);
        etykieta->setPalette(paleta);
        etykieta->setGeometry(twipyNaPiksele(QRect(60, gora, kLegenda.width() - 90, 240), this));
        gora += 240;
    }
}

QMdiSubWindow* fmAlarmyN::OtworzW(QMdiArea* obszar, Uslugi& uslugi, const QIcon& ikona)
{
    auto* okno = new fmAlarmyN(uslugi);
    const Qt::WindowFlags bezZamykania =
        Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint;
    QMdiSubWindow* podokno = obszar->addSubWindow(okno, bezZamykania);
    okno->UstawIkone(ikona);
    const QRect miejsce = twipyNaPiksele(kOkno, okno);
    podokno->move(miejsce.topLeft());
    podokno->resize(podokno->minimumSizeHint().expandedTo(miejsce.size()));
    podokno->show();
    OknoPodrzedne::wWidoku(*podokno);
    return podokno;
}

void fmAlarmyN::UstawIkone(const QIcon& ikona)
{
    setWindowIcon(ikona);
    if (auto* podokno = qobject_cast<QMdiSubWindow*>(parentWidget()))
        podokno->setWindowIcon(ikona);
}

void fmAlarmyN::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The list keeps its design width so the legend stays visible to its right.
    m_lista->resize(m_lista->width(), height());
}

void fmAlarmyN::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void fmAlarmyN::potwierdz(const QModelIndex& index)
{
    if (index.isValid())
        m_uslugi.rejestr->Potwierdz(index.row() + 1);
}
