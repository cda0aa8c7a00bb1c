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
} // namespace

void KomunikatyOkien::Pokaz(const QString& tekst, const QString& tytul, Ikona ikona)
{
    // The messages break their lines with a carriage return alone.
    QString wiersze = tekst;
    wiersze.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    m_poTakcie.Wykonaj([this, wiersze, tytul, ikona] {
        QMessageBox okno(ikonaOkna(ikona), tytul.isEmpty() ? kTytulAplikacji : tytul, wiersze,
                         QMessageBox::Ok, m_rodzic);
        okno.exec();
    });
}
