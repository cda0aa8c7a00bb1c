#pragma once

#include "Baza.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <map>
#include <optional>
#include <vector>

class QSqlQuery;

// The rows of table Regulatory held in memory for the record editor, over a connection of its
// own to the database file, so that the rest of the program keeps its connection and its open
// statements untouched. The operator's texts stay pending per row until Update writes every
// pending change in one transaction; every row it writes passes the same checks, and a refused
// Update changes nothing, neither in the file nor in memory. A new row left before anything was
// typed in it is dropped. Positions run 0..RecordCount()-1, with one place before the first row
// (BOF) and one after the last (EOF). Used from the user-interface thread only.
class clsRegulatory : public QObject
{
    Q_OBJECT
  public:
    enum class Rodzaj
    {
        Tekst,
        Calkowita,
        Rzeczywista
    };
    struct Kolumna
    {
        const char* nazwa;
        Rodzaj rodzaj;
    };
    static const std::vector<Kolumna>& Kolumny();
    // Index of a column by name without regard to letter case; -1 when the table has none.
    static int IndeksKolumny(const QString& nazwa);

    // What stopped an Update: the column of a field that cannot be stored (-1 when the database
    // refused the write) and a description for the operator; the row at fault by its 1-based
    // position (0 when the fault is no single row's); whether that row would be written without
    // a code.
    struct BladZapisu
    {
        int kolumna = -1;
        QString opis;
        int wiersz = 0;
        bool brakKodu = false;
    };

    explicit clsRegulatory(QObject* parent = nullptr);
    ~clsRegulatory() override;

    // Opens the file on an own connection and reads the rows; positioned on the first row.
    // Returns an empty text on success, otherwise the reason.
    QString Otworz(const QString& plik);

    bool EditingRecord() const;
    // 1-based position of the current row; 0 before the first or after the last row.
    int AbsolutePosition() const;
    int RecordCount() const { return int(m_wiersze.size()); }
    bool Bof() const { return m_poz < 0 || m_wiersze.empty(); }
    bool Eof() const { return m_poz >= RecordCount(); }

    // The current row's field as the operator sees it: a pending text as typed, a stored value
    // in the user's locale, empty for NULL or when there is no current row.
    QString Tekst(int kolumna) const;
    // Keeps the text as pending for the current row; ignored when there is none.
    void UstawTekst(int kolumna, const QString& tekst);

    void AddNew();
    void Delete();
    QString Requery();
    std::optional<BladZapisu> Update();
    // The codes of the rows other than the current one that the last Update wrote, in row order.
    const QStringList& ZapisaneInne() const { return m_zapisaneInne; }
    void Cancel();
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    // To the row at a 1-based position, as AbsolutePosition gives it.
    void MoveTo(int pozycja);
    // From the current row forward, the first row whose stored value of the column equals the
    // given one; EOF when none does.
    void FindRecord(const QString& kolumna, const QVariant& wartosc);

  signals:
    // The current row changed, or its values did: bound fields fetch them again.
    void MoveComplete();
    // A move ran against either end of the rows.
    void Sygnal();

  private:
    struct Wiersz
    {
        QVariant rowid;                // null until the row is written
        QVariantList wartosci;         // as stored, in column order
        std::map<int, QString> zmiany; // pending texts by column
    };
    using Zamiany = std::vector<std::map<int, QVariant>>;

    Wiersz* biezacy();
    const Wiersz* biezacy() const;
    void przejdz(int poz);
    bool pustyNowy(const Wiersz* w) const;
    bool zapisywany(size_t i, const Zamiany& zamiany) const;
    QString kodPoZapisie(size_t i, const Zamiany& zamiany) const;
    std::optional<BladZapisu> zamienZmiany(Zamiany& wynik) const;
    std::optional<BladZapisu> sprawdzKody(const Zamiany& zamiany) const;
    std::optional<BladZapisu> zapisz(const Zamiany& zamiany);
    static std::optional<BladZapisu>
    zapiszWiersz(QSqlQuery& q, const Wiersz& w, const std::map<int, QVariant>& zamiana, QVariant& nowyRowid);

    Baza m_baza;
    std::vector<Wiersz> m_wiersze;
    std::vector<QVariant> m_usuniete; // rowids deleted but not yet written
    int m_poz = 0;
    QStringList m_zapisaneInne;
};

// The file a connection of the program was opened on, without the connection's decoration.
QString PlikPolaczenia(const Baza& baza);
