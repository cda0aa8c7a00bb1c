#include "frmOptions.h"

#include "AppSettings.h"
#include "Interfaces.h"
#include "Nazwany.h"
#include "Uslugi.h"
#include "WygladProgramu.h"
#include "clsoApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

frmOptions::frmOptions(Uslugi& uslugi, QWidget* parent) : QDialog(parent), m_uslugi(uslugi)
{
    setWindowTitle(QStringLiteral("Opcje programu"));
    m_zakladki = nazwany<QTabWidget>(QStringLiteral("tbsOptions"), this);
    m_zakladki->addTab(utworzStroneOgolna(), QStringLiteral("Ustawienia ogólne"));

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(m_zakladki);
    uklad->addLayout(utworzPrzyciski());

    // Ctrl+Tab steps through the pages wherever the focus is; Ctrl+Shift+Tab does nothing.
    auto* ctrlTab = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(ctrlTab, &QShortcut::activated, this, &frmOptions::nastepnaZakladka);

    StalyRozmiar(*this);
    wczytaj();
    wysrodkujNaEkranie();
}

QWidget* frmOptions::utworzStroneOgolna()
{
    auto* strona = nazwany<QWidget>(QStringLiteral("picOptions0"));
    m_port = nazwany<QComboBox>(QStringLiteral("cmbPort"), strona);
    // Editable, so that a device name can be typed as well as a port number.
    m_port->setEditable(true);
    m_port->setInsertPolicy(QComboBox::NoInsert);
    m_port->addItems({QStringLiteral("1"), QStringLiteral("2")});
    m_haslo = nazwany<QLineEdit>(QStringLiteral("txtHaslo"), strona);
    m_haslo->setEchoMode(QLineEdit::Password);
    m_haslo->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    m_dzwieki =
        nazwany<QCheckBox>(QStringLiteral("chkDzwieki"), QStringLiteral("sygnalizacja dźwiękowa"), strona);

    auto* uklad = new QFormLayout(strona);
    uklad->addRow(nazwany<QLabel>(QStringLiteral("Label1"), QStringLiteral("Port szeregowy:")), m_port);
    uklad->addRow(nazwany<QLabel>(QStringLiteral("Label2"), QStringLiteral("Hasło administartora")), m_haslo);
    uklad->addRow(m_dzwieki);
    return strona;
}

QLayout* frmOptions::utworzPrzyciski()
{
    auto* cmdOK = nazwany<QPushButton>(QStringLiteral("cmdOK"), QStringLiteral("&OK"), this);
    auto* cmdCancel = nazwany<QPushButton>(QStringLiteral("cmdCancel"), QStringLiteral("&Anuluj"), this);
    auto* cmdApply = nazwany<QPushButton>(QStringLiteral("cmdApply"), QStringLiteral("&Zastosuj"), this);
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        zastosuj();
        accept();
    });
    // Esc rejects the dialog as this button does.
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdApply, &QPushButton::clicked, this, &frmOptions::zastosuj);

    auto* uklad = new QHBoxLayout;
    uklad->addStretch();
    uklad->addWidget(cmdOK);
    uklad->addWidget(cmdCancel);
    uklad->addWidget(cmdApply);
    return uklad;
}

void frmOptions::wczytaj()
{
    const clsoApp& app = *m_uslugi.oApp;
    m_port->setCurrentText(app.TekstPortu());
    m_haslo->setText(app.AdmHaslo);
    UstawTrybSterowania(app.TrybSterowania);
    m_dzwieki->setChecked(app.Dzwieki != 0);
}

// The password can be changed only by the administrator logged in: leaving control mode drops
// what was typed and not yet applied, so applying keeps the password in force.
void frmOptions::UstawTrybSterowania(bool tryb)
{
    if (!tryb)
        m_haslo->setText(m_uslugi.oApp->AdmHaslo);
    m_haslo->setEnabled(tryb);
}

void frmOptions::zastosuj()
{
    const QString dzwieki = m_dzwieki->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    bool zapisane = AppSettings::write(AppSettings::Port, m_port->currentText());
    zapisane = AppSettings::write(AppSettings::AdmHaslo, m_haslo->text()) && zapisane;
    zapisane = AppSettings::write(AppSettings::Dzwieki, dzwieki) && zapisane;
    m_uslugi.oApp->Dzwieki = m_dzwieki->isChecked() ? 1 : 0;
    m_uslugi.oApp->AdmHaslo = m_haslo->text();
    // The next start would find the old settings again.
    if (zapisane)
        return;
    const QString plik = QDir::toNativeSeparators(AppSettings::fileName());
    m_uslugi.komunikaty->Pokaz(
        QStringLiteral("Nie można zapisać ustawień w pliku %1.\r"
                       "Zmienione ustawienia obowiązują tylko do zakończenia programu.")
            .arg(plik),
        kTytulAplikacji, Komunikaty::Ikona::Ostrzezenie);
}

void frmOptions::nastepnaZakladka()
{
    m_zakladki->setCurrentIndex((m_zakladki->currentIndex() + 1) % m_zakladki->count());
}

void frmOptions::wysrodkujNaEkranie()
{
    adjustSize();
    const QRect ekran = screen()->geometry();
    move(ekran.x() + (ekran.width() - width()) / 2, ekran.y() + (ekran.height() - height()) / 2);
}
