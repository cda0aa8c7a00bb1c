#include "colRegulatory.h"

#include "clRegulator.h"

QString KluczKodu(const QString& kod)
{
    return kod.trimmed().toCaseFolded();
}

colRegulatory::colRegulatory(Uslugi& uslugi) : m_uslugi(uslugi) {}

colRegulatory::~colRegulatory() = default;

std::vector<colRegulatory::Element>::const_iterator colRegulatory::znajdz(const QString& klucz) const
{
    const QString k = KluczKodu(klucz);
    return std::find_if(m_elementy.begin(), m_elementy.end(),
                        [&](const Element& e) { return !e.klucz.isEmpty() && e.klucz == k; });
}

clRegulator& colRegulatory::Add(qint16 adres, const QString& Kod, const QString& sKey)
{
    if (!sKey.isEmpty() && znajdz(sKey) != m_elementy.end())
        throw BladKolekcji(QStringLiteral("Regulator o kodzie '%1' już istnieje.").arg(sKey).toStdString());
    auto regulator = std::make_unique<clRegulator>(m_uslugi);
    regulator->Kod = Kod;
    regulator->adres = adres;
    m_elementy.push_back({KluczKodu(sKey), std::move(regulator)});
    return *m_elementy.back().regulator;
}

clRegulator& colRegulatory::Item(int pozycja) const
{
    if (pozycja < 1 || pozycja > Count())
        throw BladKolekcji(QStringLiteral("Nie ma regulatora nr %1.").arg(pozycja).toStdString());
    return *m_elementy[size_t(pozycja - 1)].regulator;
}

size_t colRegulatory::indeks(const QString& klucz) const
{
    const auto it = znajdz(klucz);
    if (it == m_elementy.end())
        throw BladKolekcji(QStringLiteral("Nie ma regulatora o kodzie '%1'.").arg(klucz).toStdString());
    return size_t(it - m_elementy.begin());
}

clRegulator& colRegulatory::Item(const QString& klucz) const
{
    return *m_elementy[indeks(klucz)].regulator;
}

void colRegulatory::Remove(int pozycja)
{
    Item(pozycja);
    m_elementy.erase(m_elementy.begin() + (pozycja - 1));
}

void colRegulatory::Remove(const QString& klucz)
{
    m_elementy.erase(m_elementy.begin() + qsizetype(indeks(klucz)));
}
