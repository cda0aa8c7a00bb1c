#include "frmElStrukt.h"

#include "Baza.h"
#include "BledyBazy.h"
#include "Interfaces.h"
#include "Nazwany.h"
#include "Twipy.h"
#include "Uslugi.h"
#include "clRegulator.h"
#include "clsoApp.h"
#include "colRegulatory.h"
#include "fmStruktura.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>

namespace {
// Design geometry, twips.
const QRect kRamka(120, 360, 4455, 1275);
const QSize kOkno(4695, 2880);
const QSize kPrzycisk(1095, 375);
} // namespace

frmElStrukt::frmElStrukt(Uslugi& uslugi, fmStruktura& struktura, QWidget* parent)
    : QDialog(parent), m_uslugi(uslugi), m_struktura(struktura)
{
    setWindowTitle(QStringLiteral("Dodawanie elementów struktury"));
    utworzRamke();
    auto* ok = nazwany<QPushButton>(QStringLiteral("Command1"), QStringLiteral("&Ok"), this);
    ok->setGeometry(twipyNaPiksele(QRect(QPoint(960, 2040), kPrzycisk), this));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmElStrukt::Command1_Click);
    auto* zamknij = nazwany<QPushButton>(QStringLiteral("Command2"), QStringLiteral("&Zamknij"), this);
    zamknij->setGeometry(twipyNaPiksele(QRect(QPoint(2580, 2040), kPrzycisk), this));
    connect(zamknij, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(twipyNaPiksele(kOkno, this));

    for (const clRegulator& r : *m_uslugi.oRegulatory)
        m_regul->addItem(r.Kod, int(r.Id));
    if (m_regul->count() > 0)
        m_regul->setCurrentIndex(m_uslugi.oApp->NrAktRegulatora - 1);
    // A new element is the likelier choice; the regulator waits for its option.
    m_element->setChecked(true);
    wybierzRodzaj();
}

void frmElStrukt::utworzRamke()
{
    auto* ramka = nazwany<QFrame>(QStringLiteral("fmTools"), this);
    ramka->setFrameShape(QFrame::Box);
    ramka->setGeometry(twipyNaPiksele(kRamka, this));
    m_element = nazwany<QRadioButton>(QStringLiteral("Option1"), QStringLiteral("element nadrzędny"), ramka);
    m_element->setGeometry(twipyNaPiksele(QRect(240, 240, 1650, 315), this));
    m_nazwa = nazwany<QLineEdit>(QStringLiteral("txtNazwa"), ramka);
    m_nazwa->setGeometry(twipyNaPiksele(QRect(1920, 240, 1815, 315), this));
    m_regulator = nazwany<QRadioButton>(QStringLiteral("Option2"), QStringLiteral("regulator"), ramka);
    m_regulator->setGeometry(twipyNaPiksele(QRect(240, 720, 1050, 315), this));
    m_regul = nazwany<QComboBox>(QStringLiteral("cmbRegul"), ramka);
    m_regul->setGeometry(twipyNaPiksele(QRect(1320, 720, 1875, 315), this));
    connect(m_element, &QRadioButton::toggled, this, &frmElStrukt::wybierzRodzaj);
}

void frmElStrukt::wybierzRodzaj()
{
    m_nazwa->setEnabled(m_element->isChecked());
    m_regul->setEnabled(!m_element->isChecked());
}

QString frmElStrukt::nazwa() const
{
    return m_element->isChecked() ? m_nazwa->text() : m_regul->currentText();
}

bool frmElStrukt::Command1_Click()
{
    const QString n = nazwa();
    if (const QString blad = bladWyboru(n); !blad.isEmpty()) {
        m_uslugi.komunikaty->Pokaz(blad, kTytulAplikacji, Komunikaty::Ikona::Ostrzezenie);
        return false;
    }
    if (!zapisz(n))
        return false;
    m_struktura.LadujObiekty();
    accept();
    return true;
}

// A name stands for one node of the tree, so each must be new to it; the root's text is taken
// too, since the tree leaves out a row of that name. A name is stored as typed, blanks included.
QString frmElStrukt::bladWyboru(const QString& n) const
{
    const clsoApp& app = *m_uslugi.oApp;
    if (app.AktTypEl != fmStruktura::kZnacznikElementu || app.AktElStruktury.isEmpty())
        return QStringLiteral("Proszę najpierw zaznaczyć element struktury.");
    if (n.trimmed().isEmpty())
        return m_element->isChecked() ? QStringLiteral("Proszę podać nazwę elementu.")
                                      : QStringLiteral("Proszę wybrać regulator.");
    if (m_struktura.WezelNazwy(n) || n == QLatin1String("System Kalbor"))
        return QStringLiteral("„%1” jest już w strukturze.").arg(n);
    return {};
}

bool frmElStrukt::zapisz(const QString& n)
{
    QSqlQuery q(m_uslugi.cnBaza->db());
    q.prepare(QStringLiteral("INSERT INTO Hierarchia (kod_obiektu, typ, kod_obiektu_nad) VALUES (?, ?, ?)"));
    q.addBindValue(n);
    q.addBindValue(m_element->isChecked() ? fmStruktura::kZnacznikElementu
                                          : fmStruktura::kZnacznikRegulatora);
    q.addBindValue(m_uslugi.oApp->AktElStruktury);
    if (q.exec())
        return true;
    m_uslugi.komunikaty->Pokaz(TekstBleduZapisu(q.lastError()), kTytulAplikacji,
                               Komunikaty::Ikona::Krytyczna);
    return false;
}
