#include "fmRapOkna.h"

#include "Clock.h"
#include "Raporty.h"
#include "Uslugi.h"
#include "WygladProgramu.h"
#include "clRegulator.h"
#include "clsoApp.h"
#include "colRegulatory.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

fmRapOkno::fmRapOkno(Uslugi& uslugi, Raporty& raporty, Obiekt obiekt, Zakres zakres, QWidget* parent)
    : QWidget(parent), m_uslugi(uslugi), m_raporty(raporty)
{
    setWindowTitle(zakres == Zakres::Dzien ? QStringLiteral("Raport dobowy")
                                           : QStringLiteral("Raport okresowy"));
    auto* fmTools = new QGroupBox(this);
    fmTools->setObjectName(QStringLiteral("fmTools"));
    auto* siatka = new QGridLayout(fmTools);
    if (obiekt == Obiekt::Regulator)
        dodajRegulatory(siatka);
    else
        dodajStrukture(siatka);
    dodajDaty(siatka, zakres);

    Command1 = new QPushButton(QStringLiteral("&Ok"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(QStringLiteral("&Zamknij"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, &fmRapOkno::Command2_Click);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(Command1);
    przyciski->addWidget(Command2);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(fmTools);
    uklad->addLayout(przyciski);
}

void fmRapOkno::dodajRegulatory(QGridLayout* siatka)
{
    cmbRegul = new QComboBox;
    cmbRegul->setObjectName(QStringLiteral("cmbRegul"));
    for (const clRegulator& r : *m_uslugi.oRegulatory)
        cmbRegul->addItem(r.Kod, r.Id);
    // List positions follow the Ids, so the current regulator sits at its Id - 1.
    if (cmbRegul->count() > 0)
        cmbRegul->setCurrentIndex(m_uslugi.oApp->NrAktRegulatora - 1);
    siatka->addWidget(new QLabel(QStringLiteral("Kod regulatora:")), 0, 0);
    siatka->addWidget(cmbRegul, 0, 1, 1, 3);
}

void fmRapOkno::dodajStrukture(QGridLayout* siatka)
{
    lblStrukt = new QLabel(m_uslugi.oApp->AktElStruktury);
    lblStrukt->setObjectName(QStringLiteral("lblStrukt"));
    QFont pogrubiona = lblStrukt->font();
    pogrubiona.setBold(true);
    lblStrukt->setFont(pogrubiona);
    siatka->addWidget(new QLabel(QStringLiteral("Raport dla:")), 0, 0);
    siatka->addWidget(lblStrukt, 0, 1, 1, 3);
}

// A period proposes the month that holds yesterday, up to today: on the first of a month
// the whole previous month is offered.
void fmRapOkno::dodajDaty(QGridLayout* siatka, Zakres zakres)
{
    const QDate dzis = m_uslugi.zegar ? m_uslugi.zegar->now().date() : QDate::currentDate();
    auto pole = [](const char* nazwa, const QDate& data) {
        auto* d = PoleDaty(data);
        d->setObjectName(QLatin1String(nazwa));
        return d;
    };
    if (zakres == Zakres::Dzien) {
        dtData = pole("dtData", dzis);
        siatka->addWidget(new QLabel(QStringLiteral("Data raportu:")), 1, 0);
        siatka->addWidget(dtData, 1, 1);
        return;
    }
    dtData = pole("dtData", dzis.addDays(-dzis.addDays(-1).day()));
    dtDataDo = pole("dtDataDo", dzis);
    siatka->addWidget(new QLabel(QStringLiteral("Okres:")), 1, 0);
    siatka->addWidget(dtData, 1, 1);
    siatka->addWidget(new QLabel(QStringLiteral("-")), 1, 2);
    siatka->addWidget(dtDataDo, 1, 3);
}

qint16 fmRapOkno::wybranyRegulator() const
{
    return cmbRegul->currentIndex() < 0 ? 0 : qint16(cmbRegul->currentData().toInt());
}

void fmRapOkno::Command2_Click()
{
    if (auto* podokno = qobject_cast<QMdiSubWindow*>(parentWidget()))
        podokno->close();
    else
        close();
}

fmRapDob::fmRapDob(Uslugi& uslugi, Raporty& raporty, QWidget* parent)
    : fmRapOkno(uslugi, raporty, Obiekt::Regulator, Zakres::Dzien, parent)
{
}

// With no regulator configured there is nothing to report on.
void fmRapDob::Command1_Click()
{
    if (const qint16 Id = wybranyRegulator())
        m_raporty.RaportDobowyRegul(dtData->date(), Id);
}

fmRapDobS::fmRapDobS(Uslugi& uslugi, Raporty& raporty, QWidget* parent)
    : fmRapOkno(uslugi, raporty, Obiekt::Struktura, Zakres::Dzien, parent)
{
}

// The element selected now, which may differ from the one shown since load.
void fmRapDobS::Command1_Click()
{
    m_raporty.RaportDobowyObiekt(dtData->date(), m_uslugi.oApp->AktElStruktury);
}

fmRapOkres::fmRapOkres(Uslugi& uslugi, Raporty& raporty, QWidget* parent)
    : fmRapOkno(uslugi, raporty, Obiekt::Regulator, Zakres::Okres, parent)
{
}

void fmRapOkres::Command1_Click()
{
    if (const qint16 Id = wybranyRegulator())
        m_raporty.RaportOkresowyRegul(dtData->date(), dtDataDo->date(), Id);
}

fmRapOkresS::fmRapOkresS(Uslugi& uslugi, Raporty& raporty, QWidget* parent)
    : fmRapOkno(uslugi, raporty, Obiekt::Struktura, Zakres::Okres, parent)
{
}

void fmRapOkresS::Command1_Click()
{
    m_raporty.RaportOkresowyObiekt(dtData->date(), dtDataDo->date(), m_uslugi.oApp->AktElStruktury);
}
