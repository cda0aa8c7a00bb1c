#include "clsKolejka.h"

#include "Uslugi.h"
#include "clRegulator.h"
#include "colRegulatory.h"

#include <stdexcept>

clsPozKolejki& clsKolejka::Add(int NrRegul, const QString& Polecenie, const QVariant& Parametry,
                               quint8 Status, const QString& sKey)
{
    auto p = std::make_unique<clsPozKolejki>();
    p->NrRegul = NrRegul;
    p->Polecenie = Polecenie;
    p->Parametry = Parametry;
    p->Status = Status;
    m_elementy.push_back({sKey, std::move(p)});
    return *m_elementy.back().pozycja;
}

clsPozKolejki& clsKolejka::Item(int pozycja) const
{
    if (pozycja < 1 || pozycja > Count())
        throw std::out_of_range("clsKolejka::Item");
    return *m_elementy[size_t(pozycja - 1)].pozycja;
}

clsPozKolejki& clsKolejka::Item(const QString& klucz) const
{
    for (const Element& e : m_elementy) {
        if (!klucz.isEmpty() && e.klucz == klucz)
            return *e.pozycja;
    }
    throw std::out_of_range("clsKolejka::Item");
}

void clsKolejka::Remove(int pozycja)
{
    Item(pozycja);
    m_elementy.erase(m_elementy.begin() + (pozycja - 1));
}

void clsKolejka::Wykonaj()
{
    if (Count() == 0)
        return;
    // The command stays first while its operation runs (window events may queue more behind
    // it), and leaves the queue once the operation has returned, whatever it returned.
    struct Usun
    {
        clsKolejka& k;
        ~Usun() { k.Remove(1); }
    } usun{*this};
    uruchom(Item(1));
}

void clsKolejka::uruchom(const clsPozKolejki& p)
{
    const QString& polecenie = p.Polecenie;
    if (polecenie != QStringLiteral("Ustaw_przel") && polecenie != QStringLiteral("Blokuj") &&
        polecenie != QStringLiteral("UstawKondensator") && polecenie != QStringLiteral("WczytajStanRegul"))
        return;
    clRegulator& r = m_uslugi.oRegulatory->Item(p.NrRegul);
    if (polecenie == QStringLiteral("Ustaw_przel")) {
        r.UstawRegulator();
    } else if (polecenie == QStringLiteral("Blokuj")) {
        r.BlokujRegul(p.Parametry.toBool());
    } else if (polecenie == QStringLiteral("UstawKondensator")) {
        const QVariantList argumenty = p.Parametry.toList();
        r.UstawKondensator(quint8(argumenty.value(0).toInt()), argumenty.value(1).toBool());
    } else {
        r.WczytajStanRegul(p.Parametry.toDateTime());
    }
}
