#pragma once

#include <QSqlDatabase>
#include <QString>
#include <memory>

class MagazynPomiarow;

// The connection to the database file. Every statement in the program binds its values as
// parameters; writes that must not be half-done run inside one TransakcjaBazy.
class Baza
{
  public:
    static const QString kPlikBazy; // "kalbor.mdb" in the working directory

    explicit Baza(const QString& nazwaPolaczenia = QStringLiteral("cnBaza"));
    ~Baza();
    Baza(const Baza&) = delete;
    Baza& operator=(const Baza&) = delete;

    // Opens an existing database file for reading and writing; never creates one. Returns an
    // empty text on success, otherwise a message for the operator naming the file.
    QString Otworz(const QString& plik = kPlikBazy);
    void Zamknij();
    QSqlDatabase db() const;
    // The statements that store readings; valid while the connection is open.
    MagazynPomiarow& Pomiary();

    // Creates a new, empty database file with every table. Refuses an existing file.
    static QString UtworzPlik(const QString& plik);

    static constexpr int kCzasOczekiwaniaNaBlokadeMs = 5000;

  private:
    QString polacz(const QString& sciezka, const QString& plik);
    QString sprawdzZapis(const QString& plik);
    QString sprawdzZawartosc(const QString& plik);
    QString ustawTrybWal(const QString& plik);

    QString m_nazwa;
    std::unique_ptr<MagazynPomiarow> m_pomiary;
};
