#pragma once

#include <QString>
#include <memory>
#include <stdexcept>
#include <vector>

class clRegulator;
struct Uslugi;

// Raised for a code not in the collection, a position out of range or a duplicate key;
// the collection is left unchanged.
class BladKolekcji : public std::runtime_error
{
  public:
    using std::runtime_error::runtime_error;
};

// The form in which regulator codes are compared: codes that differ only in letter case or in
// surrounding blanks name one regulator.
QString KluczKodu(const QString& kod);

// The regulators in insertion order (ascending code, as start-up loads them), reachable by
// 1-based position, which equals the regulator's Id, or by code compared through KluczKodu.
class colRegulatory
{
  public:
    explicit colRegulatory(Uslugi& uslugi);
    ~colRegulatory();

    // A regulator with the given address and code; keyed by sKey unless sKey is empty.
    clRegulator& Add(qint16 adres, const QString& Kod, const QString& sKey);
    clRegulator& Item(int pozycja) const;
    clRegulator& Item(const QString& klucz) const;
    int Count() const { return int(m_elementy.size()); }
    void Remove(int pozycja);
    void Remove(const QString& klucz);

    class Iterator;
    Iterator begin() const;
    Iterator end() const;

  private:
    struct Element
    {
        QString klucz; // KluczKodu of the key; empty for none
        std::unique_ptr<clRegulator> regulator;
    };
    std::vector<Element>::const_iterator znajdz(const QString& klucz) const;
    size_t indeks(const QString& klucz) const;

    Uslugi& m_uslugi;
    std::vector<Element> m_elementy;
};

class colRegulatory::Iterator
{
  public:
    using Base = std::vector<Element>::const_iterator;
    explicit Iterator(Base it) : m_it(it) {}
    clRegulator& operator*() const { return *m_it->regulator; }
    Iterator& operator++()
    {
        ++m_it;
        return *this;
    }
    bool operator!=(const Iterator& o) const { return m_it != o.m_it; }

  private:
    Base m_it;
};

inline colRegulatory::Iterator colRegulatory::begin() const
{
    return Iterator(m_elementy.begin());
}
inline colRegulatory::Iterator colRegulatory::end() const
{
    return Iterator(m_elementy.end());
}
