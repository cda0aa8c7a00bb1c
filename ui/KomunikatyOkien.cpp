#include "KomunikatyOkien.h"

#include "OknaModalne.h"

#include <QMessageBox>

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

// The messages break their lines with a carriage return alone.
QString wiersze(const QString& tekst)
{
    QString w = tekst;
    return w.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}
} // namespace

void KomunikatyOkien::Pokaz(const QString& tekst, const QString& tytul, Ikona ikona)
{
    const QString t = tytul.isEmpty() ? kTytulAplikacji : tytul;
    const QString tresc = wiersze(tekst);
    // The same message asked for again while it waits is one box.
    OknaModalne::Otworz(
        m_poTakcie, t,
        [this, tresc, t, ikona] { OknaModalne::Komunikat(m_poTakcie, m_rodzic, ikonaOkna(ikona), t, tresc); },
        t + u'\n' + tresc);
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
    const QString tresc = wiersze(tekst);
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
