#include "fmLogin.h"

#include "Nazwany.h"
#include "OknaModalne.h"
#include "Uslugi.h"
#include "WygladProgramu.h"
#include "clsoApp.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

namespace {
const QString kUzytkownik = QStringLiteral("tolvek");
} // namespace

fmLogin::fmLogin(Uslugi& uslugi, QWidget* parent) : QDialog(parent), m_uslugi(uslugi)
{
    setWindowTitle(QStringLiteral("Login"));
    m_uzytkownik = nazwany<QLineEdit>(QStringLiteral("txtUserName"), this);
    m_haslo = nazwany<QLineEdit>(QStringLiteral("txtPassword"), this);
    m_haslo->setEchoMode(QLineEdit::Password);
    m_haslo->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));

    auto* ok = nazwany<QPushButton>(QStringLiteral("cmdOK"), QStringLiteral("&OK"), this);
    ok->setDefault(true);
    auto* anuluj = nazwany<QPushButton>(QStringLiteral("cmdCancel"), QStringLiteral("&Anuluj"), this);
    connect(ok, &QPushButton::clicked, this, &fmLogin::sprawdz);
    connect(anuluj, &QPushButton::clicked, this, &QDialog::reject);

    auto* uklad = new QGridLayout(this);
    uklad->addWidget(nazwany<QLabel>(QStringLiteral("lblLabels0"), QStringLiteral("Użytkownik:")), 0, 0);
    uklad->addWidget(m_uzytkownik, 0, 1);
    uklad->addWidget(nazwany<QLabel>(QStringLiteral("lblLabels1"), QStringLiteral("Hasło:")), 1, 0);
    uklad->addWidget(m_haslo, 1, 1);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(ok);
    przyciski->addWidget(anuluj);
    uklad->addLayout(przyciski, 2, 0, 1, 2);
    StalyRozmiar(*this);
}

void fmLogin::PokazModalnie(const std::function<void()>& poOdpowiedzi)
{
    m_uzytkownik->clear();
    m_haslo->clear();
    m_uzytkownik->setFocus();
    m_uslugi.oApp->ParametrGlob = false;
    m_poOdpowiedzi = poOdpowiedzi;
    OknaModalne::Exec(*m_uslugi.poTakcie, *this);
    m_poOdpowiedzi = nullptr;
}

void fmLogin::sprawdz()
{
    if (m_uzytkownik->text() == kUzytkownik && m_haslo->text() == m_uslugi.oApp->AdmHaslo) {
        accept();
        return;
    }
    m_uslugi.komunikaty->Pokaz(QStringLiteral("Błędne hasło lub nazwa użytkownika"),
                               QStringLiteral("Logowanie"), Komunikaty::Ikona::Brak);
    m_haslo->setFocus();
    m_haslo->selectAll();
}

// Cancel, Esc and the close box all end here with a refusal. The answer is told at once.
void fmLogin::done(int wynik)
{
    m_uslugi.oApp->ParametrGlob = wynik == QDialog::Accepted;
    QDialog::done(wynik);
    if (const std::function<void()> poOdpowiedzi = std::exchange(m_poOdpowiedzi, nullptr))
        poOdpowiedzi();
}
