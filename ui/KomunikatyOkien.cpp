#include "KomunikatyOkien.h"

#include "PoTakcie.h"

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
    m_poTakcie.Wykonaj([this, tresc = wiersze(tekst), tytul, ikona] {
        QMessageBox okno(ikonaOkna(ikona), tytul.isEmpty() ? kTytulAplikacji : tytul, tresc, QMessageBox::Ok,
                         m_rodzic);
        okno.exec();
    });
}

void KomunikatyOkien::PokazBladZapisu(const QString& tekst)
{
    if (!m_bladZapisu) {
        m_bladZapisu = new QMessageBox(QMessageBox::NoIcon, kTytulAplikacji, {}, QMessageBox::Ok, m_rodzic);
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
