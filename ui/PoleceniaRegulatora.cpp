#include "PoleceniaRegulatora.h"

#include "Baza.h"
#include "BledyBazy.h"
#include "Interfaces.h"
#include "OknaModalne.h"
#include "Uslugi.h"
#include "clRegulator.h"
#include "clsKolejka.h"
#include "clsoApp.h"
#include "colRegulatory.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

PoleceniaRegulatora::PoleceniaRegulatora(Uslugi& uslugi, QWidget* rodzic) : m_uslugi(uslugi)
{
    Pytaj = [this, rodzic](const QString& tytul, const QString& tekst) {
        return OknaModalne::Pytaj(*m_uslugi.poTakcie, rodzic, tytul, tekst);
    };
}

clRegulator* regulatorAktualny(const Uslugi& uslugi)
{
    const int nr = uslugi.oApp->NrAktRegulatora;
    return nr >= 1 && nr <= uslugi.oRegulatory->Count() ? &uslugi.oRegulatory->Item(nr) : nullptr;
}

// The command asks for the opposite of the stage's state as last read.
void PoleceniaRegulatora::mnuRegulBatZal_Click()
{
    const clRegulator* r = regulatorAktualny(m_uslugi);
    if (!r)
        return;
    const int n = r->NrAktBaterii;
    if (n == 0) {
        m_uslugi.komunikaty->Pokaz(QStringLiteral("Proszę najpierw zaznaczyć stopień!"), kTytulAplikacji,
                                   Komunikaty::Ikona::Ostrzezenie);
        return;
    }
    const QVariantList parametry{n - 1, !r->SprawdzStanDiody(quint8(n - 1))};
    m_uslugi.oKolejka->Add(r->Id, QStringLiteral("UstawKondensator"), parametry, 0);
}

void kolejkujBlokade(const Uslugi& uslugi)
{
    if (const clRegulator* r = regulatorAktualny(uslugi))
        uslugi.oKolejka->Add(r->Id, QStringLiteral("Blokuj"), !r->Zablokowany, 0);
}

void PoleceniaRegulatora::mnuRegulZablok_Click()
{
    kolejkujBlokade(m_uslugi);
}

// The regulator stays in the collection, the trees and the polling until the next start.
void PoleceniaRegulatora::mnuRegulUsun_Click()
{
    const clRegulator* r = regulatorAktualny(m_uslugi);
    if (!r)
        return;
    // The regulator chosen when the operator asked, should the question wait for a tick's end.
    OknaModalne::Otworz(
        *m_uslugi.poTakcie, QStringLiteral("UWAGA"), [this, kod = r->KodWiersza, adres = r->adres] {
            if (Pytaj(QStringLiteral("UWAGA"),
                      QStringLiteral("Czy napewno usunąć wybrany regulator z systemu Kalbor?")))
                usunWiersz(kod, adres);
        });
}

// The row the regulator was loaded from goes, found by its code as stored: Kod is unique in
// the table, while another row may share the address (one that start-up skipped).
void PoleceniaRegulatora::usunWiersz(const QString& kodWiersza, int adres)
{
    QSqlQuery q(m_uslugi.cnBaza->db());
    q.prepare(QStringLiteral("DELETE FROM Regulatory WHERE Kod = ? COLLATE BINARY"));
    q.addBindValue(kodWiersza);
    if (!q.exec()) {
        m_uslugi.komunikaty->Pokaz(TekstBleduZapisu(q.lastError()), kTytulAplikacji, Komunikaty::Ikona::Brak);
        return;
    }
    if (q.numRowsAffected() == 0) {
        m_uslugi.komunikaty->Pokaz(
            QStringLiteral("W bazie danych nie ma już regulatora o adresie %1.").arg(adres),
            QStringLiteral("Uwaga"), Komunikaty::Ikona::Informacja);
        return;
    }
    m_uslugi.komunikaty->Pokaz(
        QStringLiteral("Nowe ustawienia zostaną uwzględnione po ponownym uruchomieniu programu Kalbor."),
        QStringLiteral("Uwaga"), Komunikaty::Ikona::Informacja);
}
