#include "frmRegulatory.h"

#include "Baza.h"
#include "Interfaces.h"
#include "OknoPodrzedne.h"
#include "Uslugi.h"
#include "WczytajRegulatory.h"
#include "clRegulator.h"
#include "clsBD.h"
#include "clsRegulatory.h"
#include "clsoApp.h"
#include "colRegulatory.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {
// A combo shows the list's text only for a stored value that start-up reads as the list's
// value; any other stays as stored ("TAK", "Regulator"), so the operator sees why the row is
// not polled or not loaded. A typed text stores the list's value when it matches the list's
// text without regard to letter case, anything else as typed: "tak" in the list stores "Tak",
// the only text that makes a regulator take part in the polling.
QString pokazywany(const QComboBox* c, const QString& wartosc)
{
    for (int i = 0; i < c->count(); ++i) {
        if (JakPrzyStarcie(wartosc, c->itemData(i).toString()))
            return c->itemText(i);
    }
    return wartosc;
}

QString zapisywany(const QComboBox* c, const QString& tekst)
{
    const int i = c->findText(tekst, Qt::MatchFixedString);
    return i >= 0 ? c->itemData(i).toString() : tekst;
}

QString etykieta(const QWidget* pole)
{
    const auto* opis = pole->property("etykieta").value<QLabel*>();
    if (!opis)
        return {};
    return opis->text().endsWith(u':') ? opis->text() : opis->text() + u':';
}
} // namespace

frmRegulatory* frmRegulatory::Pokaz(Uslugi& uslugi, QMdiArea& obszar)
{
    return OknoPodrzedne::otworz<frmRegulatory>(obszar, [&uslugi]() -> frmRegulatory* {
        auto* okno = new frmRegulatory(uslugi);
        if (okno->BladOtwarcia().isEmpty())
            return okno;
        uslugi.komunikaty->Pokaz(okno->BladOtwarcia(), kTytulAplikacji, Komunikaty::Ikona::Krytyczna);
        delete okno;
        return nullptr;
    });
}

void frmRegulatory::OtworzNowyRekord(Uslugi& uslugi, QMdiArea& obszar)
{
    if (frmRegulatory* okno = Pokaz(uslugi, obszar))
        okno->NowyRekord();
}

void frmRegulatory::OtworzRekordAktualnego(Uslugi& uslugi, QMdiArea& obszar)
{
    const int nr = uslugi.oApp->NrAktRegulatora;
    if (nr < 1 || nr > uslugi.oRegulatory->Count())
        return;
    if (frmRegulatory* okno = Pokaz(uslugi, obszar))
        okno->EdytujRekordRegulatora(uslugi.oRegulatory->Item(nr));
}

frmRegulatory::frmRegulatory(Uslugi& uslugi, QWidget* parent) : QWidget(parent), m_uslugi(uslugi)
{
    setWindowTitle(QStringLiteral("Regulator"));
    setObjectName(QStringLiteral("frmRegulatory"));
    setAttribute(Qt::WA_DeleteOnClose);
    utworzOkno();
    Form_Load();
}

frmRegulatory::~frmRegulatory() = default;

// Each opening reads the table as it is stored now, starting at its first row.
void frmRegulatory::Form_Load()
{
    m_PrimaryCLS = new clsRegulatory(this);
    connect(m_PrimaryCLS, &clsRegulatory::MoveComplete, this, &frmRegulatory::pokazWiersz);
    connect(m_PrimaryCLS, &clsRegulatory::Sygnal, this, [] { QApplication::beep(); });
    m_bladOtwarcia = m_PrimaryCLS->Otworz(PlikPolaczenia(*m_uslugi.cnBaza));
    pokazWiersz();
}

void frmRegulatory::utworzOkno()
{
    auto* lewa = new QVBoxLayout;
    for (QGroupBox* r : {ramkaIdentyfikacji(), ramkaCharakterystyki(), ramkaKomunikacji(), ramkaProgow()})
        lewa->addWidget(r);
    auto* prawa = new QVBoxLayout;
    prawa->addWidget(ramkaBaterii());
    prawa->addWidget(ramkaFiltrowania());
    auto* przyciski = new QHBoxLayout;
    auto* zapisz = new QPushButton(QStringLiteral("&Zapisz"));
    zapisz->setObjectName(QStringLiteral("Command1"));
    auto* zamknijPrzycisk = new QPushButton(QStringLiteral("Zamknij"));
    zamknijPrzycisk->setObjectName(QStringLiteral("Command2"));
    connect(zapisz, &QPushButton::clicked, this, &frmRegulatory::Command1_Click);
    connect(zamknijPrzycisk, &QPushButton::clicked, this, &frmRegulatory::zamknij);
    przyciski->addStretch();
    przyciski->addWidget(zapisz);
    przyciski->addWidget(zamknijPrzycisk);
    prawa->addStretch();
    prawa->addLayout(przyciski);
    auto* uklad = new QHBoxLayout(this);
    uklad->addLayout(lewa);
    uklad->addLayout(prawa);
    // The window sees every key before its fields do.
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

QLineEdit* frmRegulatory::txtFields(int indeks, const char* kolumna)
{
    auto* pole = new QLineEdit;
    pole->setObjectName(QStringLiteral("txtFields(%1)").arg(indeks));
    const int k = clsRegulatory::IndeksKolumny(QLatin1String(kolumna));
    m_wiazania.push_back({pole, k});
    connect(pole, &QLineEdit::textEdited, this,
            [this, k](const QString& t) { m_PrimaryCLS->UstawTekst(k, t); });
    return pole;
}

QComboBox* frmRegulatory::combo(int indeks, const char* kolumna, const Lista& lista)
{
    auto* pole = new QComboBox;
    pole->setObjectName(QStringLiteral("combo(%1)").arg(indeks));
    pole->setEditable(true);
    pole->setInsertPolicy(QComboBox::NoInsert);
    // The field takes the text as typed, so it must show it as typed: an inline completion
    // would show "tak" while storing "t".
    pole->setCompleter(nullptr);
    for (const auto& [tekst, wartosc] : lista)
        pole->addItem(tekst, wartosc);
    const int k = clsRegulatory::IndeksKolumny(QLatin1String(kolumna));
    m_wiazania.push_back({pole, k});
    const auto ustaw = [this, pole, k](const QString& t) {
        m_PrimaryCLS->UstawTekst(k, zapisywany(pole, t));
    };
    connect(pole->lineEdit(), &QLineEdit::textEdited, this, ustaw);
    connect(pole, &QComboBox::activated, this, [pole, ustaw](int i) { ustaw(pole->itemText(i)); });
    return pole;
}

// Fields of a row that is not there (past the last row) show nothing and take nothing.
void frmRegulatory::pokazWiersz()
{
    const bool jest = m_PrimaryCLS->AbsolutePosition() > 0;
    for (const Wiazanie& w : m_wiazania) {
        const QString tekst = m_PrimaryCLS->Tekst(w.kolumna);
        if (auto* pole = qobject_cast<QLineEdit*>(w.pole))
            pole->setText(tekst);
        else if (auto* lista = qobject_cast<QComboBox*>(w.pole))
            lista->setEditText(pokazywany(lista, tekst));
        w.pole->setEnabled(jest);
    }
}

void frmRegulatory::EdytujRekord(int adres)
{
    m_PrimaryCLS->FindRecord(QStringLiteral("adres"), adres);
}

void frmRegulatory::EdytujRekordRegulatora(const clRegulator& r)
{
    m_PrimaryCLS->FindRecord(QStringLiteral("Kod"), r.KodWiersza);
}

void frmRegulatory::NowyRekord()
{
    m_PrimaryCLS->AddNew();
}

void frmRegulatory::Command1_Click()
{
    if (m_kod->text().isEmpty()) {
        brakKodu();
        return;
    }
    if (const auto blad = m_PrimaryCLS->Update()) {
        odmowa(*blad);
        return;
    }
    m_uslugi.komunikaty->Pokaz(
        QStringLiteral("Nowe ustawienia zostaną uwzględnione po ponownym uruchomieniu programu Kalbor."),
        QStringLiteral("Uwaga"), Komunikaty::Ikona::Informacja);
    // The row on screen by its code as typed, then every other row the save wrote.
    for (const QString& kod : QStringList{m_kod->text()} + m_PrimaryCLS->ZapisaneInne())
        m_uslugi.oBD->ZapiszDoLoga(QStringLiteral("Zapisano nowe dane o regulatorze"), QStringLiteral("B"),
                                   QStringLiteral("B"), kod);
    zamknij();
}

void frmRegulatory::brakKodu()
{
    m_uslugi.komunikaty->Pokaz(QStringLiteral("Proszę wypełnić pole Kod regulatora!"),
                               QStringLiteral("Niepełne dane."), Komunikaty::Ikona::Krytyczna);
    m_kod->setFocus();
}

// The operator is shown the row at fault, with the field that stopped the save.
void frmRegulatory::odmowa(const clsRegulatory::BladZapisu& blad)
{
    if (blad.wiersz > 0 && blad.wiersz != m_PrimaryCLS->AbsolutePosition())
        m_PrimaryCLS->MoveTo(blad.wiersz);
    if (blad.brakKodu) {
        brakKodu();
        return;
    }
    QString opis = blad.opis;
    for (const Wiazanie& w : m_wiazania) {
        if (w.kolumna == blad.kolumna) {
            opis = etykieta(w.pole) + u' ' + opis;
            w.pole->setFocus();
        }
    }
    m_uslugi.komunikaty->Pokaz(opis.trimmed(), kTytulAplikacji, Komunikaty::Ikona::Brak);
}

void frmRegulatory::zamknij()
{
    if (auto* podokno = qobject_cast<QMdiSubWindow*>(parentWidget()))
        podokno->close();
    else
        close();
}

bool frmRegulatory::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (zdarzenie->type() == QEvent::KeyPress) {
        const auto* klawisz = static_cast<QKeyEvent*>(zdarzenie);
        if (Form_KeyDown(klawisz->key(), klawisz->modifiers()))
            return true;
    }
    return QWidget::eventFilter(obiekt, zdarzenie);
}

// Ctrl counts only alone: with Shift or Alt the arrows move one row.
bool frmRegulatory::Form_KeyDown(int klawisz, Qt::KeyboardModifiers stan)
{
    const bool ctrl = (stan & ~Qt::KeypadModifier) == Qt::ControlModifier;
    clsRegulatory& r = *m_PrimaryCLS;
    switch (klawisz) {
    case Qt::Key_Escape:
        zamknij();
        return true;
    case Qt::Key_Home:
        r.MoveFirst();
        return true;
    case Qt::Key_End:
        r.MoveLast();
        return true;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        ctrl ? r.MoveFirst() : r.MovePrevious();
        return true;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
        ctrl ? r.MoveLast() : r.MoveNext();
        return true;
    default:
        return false;
    }
}
