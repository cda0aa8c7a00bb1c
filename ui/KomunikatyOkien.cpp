#include "KomunikatyOkien.h"

#include "OknaModalne.h"
#include "TekstKomunikatu.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

namespace {
QMessageBox::Icon ikonaOkna(Komunikaty::Ikona ikona)
{
    switch (ikona) {
    case Komunikaty::Ikona::Informacja:
        return QMessageBox::Information;
    case Komunikaty::Ikona::Ostrzezenie:
        return QMessageBox::Warning;
    case Komunikaty::Ikona::Krytyczna:
        return QMessageBox::Critical;
    case Komunikaty::Ikona::Brak:
        break;
    }
    return QMessageBox::NoIcon;
}

// Room for the text of a box on the screen it opens on. The box wraps its text at half the
// screen's width, 500 pixels at most; the text takes at most two thirds of the screen's
// height, leaving room for the title bar, margins, button and a line or two more.
TekstKomunikatu::Miejsce miejsceNaEkranie(const QWidget* rodzic)
{
    const QScreen* ekran = rodzic ? rodzic->screen() : QGuiApplication::primaryScreen();
    const QSize rozmiar = ekran ? ekran->availableGeometry().size() : QSize(800, 600);
    const QFontMetrics miara(QApplication::font("QMessageBoxLabel"));
    const int szerokosc = std::min(rozmiar.width() / 2, 500);
    // Wrapping at word ends leaves part of each line empty.
    const int znaki = szerokosc / std::max(miara.averageCharWidth(), 1) * 4 / 5;
    return {rozmiar.height() * 2 / 3 / std::max(miara.lineSpacing(), 1), znaki};
}

// The messages break their lines with a carriage return alone.
QString wiersze(const QString& tekst, const QWidget* rodzic)
{
    QString w = tekst;
    w.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return TekstKomunikatu::NaEkran(w, miejsceNaEkranie(rodzic));
}
} // namespace

void KomunikatyOkien::Pokaz(const QString& tekst, const QString& tytul, Ikona ikona)
{
    const QString t = tytul.isEmpty() ? kTytulAplikacji : tytul;
    const QString tresc = wiersze(tekst, m_rodzic);
    // The same message asked for again while it waits is one box.
    OknaModalne::Otworz(
        m_poTakcie, t,
        [this, tresc, t, ikona] { OknaModalne::Komunikat(m_poTakcie, m_rodzic, ikonaOkna(ikona), t, tresc); },
        t + u'\n' + tresc);
}

void KomunikatyOkien::PokazBezCzekania(const QString& tekst, const QString& tytul, Ikona ikona)
{
    auto* okno =
        OknaModalne::NowyKomunikat(m_rodzic, ikonaOkna(ikona), tytul.isEmpty() ? kTytulAplikacji : tytul,
                                   wiersze(tekst, m_rodzic), QMessageBox::Ok);
    okno->setWindowModality(Qt::NonModal);
    okno->setAttribute(Qt::WA_DeleteOnClose);
    okno->show();
    okno->raise();
}

void KomunikatyOkien::PokazBladZapisu(const QString& tekst)
{
    if (!m_bladZapisu) {
        m_bladZapisu =
            OknaModalne::NowyKomunikat(m_rodzic, QMessageBox::NoIcon, kTytulAplikacji, {}, QMessageBox::Ok);
        m_bladZapisu->setObjectName(QStringLiteral("BladZapisu"));
        m_bladZapisu->setWindowModality(Qt::NonModal);
        m_bladZapisu->setAttribute(Qt::WA_DeleteOnClose);
    }
    const QString tresc = wiersze(tekst, m_rodzic);
    if (m_bladZapisu->text() == tresc) {
        m_bladZapisu->setInformativeText(QStringLiteral("Liczba wystąpień: %1").arg(++m_wystapienia));
    } else {
        m_wystapienia = 1;
        m_bladZapisu->setText(tresc);
        m_bladZapisu->setInformativeText({});
    }
    m_bladZapisu->show();
    // Over the main window even when the first error came before the main window was shown.
    m_bladZapisu->raise();
}
