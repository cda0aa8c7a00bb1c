#pragma once

#include <QString>
#include <QVariant>
#include <deque>
#include <memory>

struct Uslugi;

// One queued operator command.
class clsPozKolejki
{
  public:
    int NrRegul = 0;
    QString Polecenie;
    QVariant Parametry;
    quint8 Status = 0;
};

// First-in first-out queue of operator commands. Windows add commands; the polling tick runs
// the oldest one per tick through the regulator's operation, so commands never overlap a
// reading and run in the order given.
class clsKolejka
{
  public:
    explicit clsKolejka(Uslugi& uslugi) : m_uslugi(uslugi) {}

    clsPozKolejki& Add(int NrRegul, const QString& Polecenie, const QVariant& Parametry, quint8 Status,
                       const QString& sKey = {});
    clsPozKolejki& Item(int pozycja) const;
    clsPozKolejki& Item(const QString& klucz) const;
    int Count() const { return int(m_elementy.size()); }
    void Remove(int pozycja);

    // Runs and removes the oldest command; a name it does not know is removed without effect.
    void Wykonaj();

    auto begin() const { return m_elementy.begin(); }
    auto end() const { return m_elementy.end(); }

  private:
    struct Element
    {
        QString klucz;
        std::unique_ptr<clsPozKolejki> pozycja;
    };
    void uruchom(const clsPozKolejki& p);

    Uslugi& m_uslugi;
    std::deque<Element> m_elementy;
};
