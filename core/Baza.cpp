#include "Baza.h"

#include "BledyBazy.h"
#include "IndeksyHistorii.h"
#include "MagazynPomiarow.h"
#include "TekstKomunikatu.h"
#include "TransakcjaBazy.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QUrl>

const QString Baza::kPlikBazy = QStringLiteral("kalbor.mdb");

// The schema lives in this static library's resources, which the linker keeps only when
// registered explicitly.
static void zarejestrujSchemat()
{
    Q_INIT_RESOURCE(core);
}

namespace {
// The statements that build every table of a new file.
QStringList poleceniaSchematu()
{
    zarejestrujSchemat();
    QFile schemat(QStringLiteral(":/db/schema.sql"));
    if (!schemat.open(QIODevice::ReadOnly))
        return {};
    QString tekst = QString::fromUtf8(schemat.readAll());
    tekst.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
    QStringList polecenia;
    for (const QString& sql : tekst.split(u';', Qt::SkipEmptyParts)) {
        if (!sql.trimmed().isEmpty())
            polecenia << sql;
    }
    return polecenia;
}

// Empty when every table was built, else the database's reason.
QString utworzTabele(QSqlDatabase db)
{
    const QStringList polecenia = poleceniaSchematu();
    if (polecenia.isEmpty())
        return QStringLiteral("Brak opisu tabel bazy danych.");
    QSqlQuery q(db);
    for (const QString& sql : polecenia) {
        if (!q.exec(sql))
            return OpisBledu(q.lastError());
    }
    try {
        IndeksyHistorii::Uzupelnij(db);
    } catch (const std::exception& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

// A list of faults as the operator's message shows it. The whole of a longer one goes to the
// standard error output, since the event log is in the very file that cannot be used.
QString doKomunikatu(const QStringList& lista, const QString& separator)
{
    if (lista.size() > TekstKomunikatu::kPozycjiListy)
        qWarning().noquote() << lista.join(u'\n');
    return TekstKomunikatu::PierwszeZ(lista).join(separator);
}

// Empty for a file the program can rely on, else what SQLite found wrong with it. Checking
// every page takes as long as the history is big (seconds for years of readings, at every
// opening), so the opening checks what does not grow with it: the first read of the schema
// fails on a cut, foreign or unreadable file, and the tables the plant's size bounds are
// checked page by page with their indexes. A damaged page among the readings, alarms or log
// shows when a statement reads or writes it, as that statement's error; its transaction is
// rolled back, so nothing stored before is changed.
QString bladSpojnosci(QSqlDatabase db)
{
    static const QStringList kTabeleStale{QStringLiteral("sqlite_master"), QStringLiteral("Regulatory"),
                                          QStringLiteral("OstPomiar"), QStringLiteral("Hierarchia")};
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return OpisBledu(q.lastError());
    QStringList tabele{QStringLiteral("sqlite_master")};
    while (q.next())
        tabele << q.value(0).toString();
    QStringList wynik;
    for (const QString& tabela : kTabeleStale) {
        if (!tabele.contains(tabela, Qt::CaseInsensitive))
            continue;
        q.prepare(QStringLiteral("SELECT * FROM pragma_quick_check(?)"));
        q.addBindValue(tabela);
        QStringList sprawdzenie;
        if (q.exec()) {
            while (q.next())
                sprawdzenie << q.value(0).toString().split(u'\n', Qt::SkipEmptyParts);
        }
        if (q.lastError().isValid())
            return OpisBledu(q.lastError());
        if (sprawdzenie != QStringList{QStringLiteral("ok")})
            wynik << sprawdzenie;
    }
    return wynik.isEmpty() ? QString() : doKomunikatu(wynik, QStringLiteral("; "));
}

QString komunikatBlokady(const QString& plik, const QSqlError& blad)
{
    return QStringLiteral("Plik bazy danych '%1' jest zablokowany przez inny program (%2). Zamknij ten "
                          "program i uruchom Kalbor ponownie.")
        .arg(plik, OpisBledu(blad));
}

QStringList kolumnaPierwsza(QSqlQuery& q)
{
    QStringList wynik;
    while (q.next())
        wynik << q.value(0).toString();
    return wynik;
}

// The first column of a statement about one table or index.
QStringList kolumnaPierwsza(QSqlDatabase db, const QString& sql, const QString& nazwa)
{
    QSqlQuery q(db);
    q.prepare(sql);
    q.addBindValue(nazwa);
    q.exec();
    return kolumnaPierwsza(q);
}

// One table as the program relies on it: its columns, the column sets that its unique keys
// (primary key, unique indexes without a WHERE clause) cover, and the column the database
// numbers itself. The upsert of the last counters needs such a key on exactly the conflict
// column; the alarm writer takes a new row's identity from the database. The program matches
// names without regard to case, so they are compared that way.
struct OpisTabeli
{
    QStringList kolumny;
    QStringList klucze; // each key's columns, sorted and joined with ","
    QString numerowana; // the alias of the rowid (INTEGER PRIMARY KEY); empty for none

    bool maKolumne(const QString& kolumna) const { return kolumny.contains(kolumna, Qt::CaseInsensitive); }
    bool maKlucz(const QString& klucz) const { return klucze.contains(klucz, Qt::CaseInsensitive); }
    bool numeruje(const QString& kolumna) const
    {
        return !numerowana.isEmpty() && numerowana.compare(kolumna, Qt::CaseInsensitive) == 0;
    }

    static OpisTabeli z(QSqlDatabase db, const QString& tabela)
    {
        OpisTabeli opis;
        opis.kolumny = kolumnaPierwsza(db, QStringLiteral("SELECT name FROM pragma_table_info(?)"), tabela);
        const QStringList kluczGlowny =
            kolumnaPierwsza(db, QStringLiteral("SELECT name FROM pragma_table_info(?) WHERE pk > 0"), tabela);
        // A one-column primary key is the rowid's alias unless SQLite had to build an index for
        // it (a type other than INTEGER, DESC, a table without rowid).
        if (kluczGlowny.size() == 1 &&
            kolumnaPierwsza(db, QStringLiteral("SELECT name FROM pragma_index_list(?) WHERE origin = 'pk'"),
                            tabela)
                .isEmpty())
            opis.numerowana = kluczGlowny.first();
        opis.dodajKlucz(kluczGlowny);
        const QStringList indeksy = kolumnaPierwsza(
            db, QStringLiteral("SELECT name FROM pragma_index_list(?) WHERE \"unique\" AND NOT partial"),
            tabela);
        for (const QString& indeks : indeksy)
            opis.dodajKlucz(
                kolumnaPierwsza(db, QStringLiteral("SELECT name FROM pragma_index_info(?)"), indeks));
        return opis;
    }

  private:
    void dodajKlucz(QStringList kolumnyKlucza)
    {
        if (kolumnyKlucza.isEmpty())
            return;
        kolumnyKlucza.sort(Qt::CaseInsensitive);
        klucze << kolumnyKlucza.join(u',');
    }
};

// The program's tables, as a file built from its own schema holds them, in creation order.
QList<std::pair<QString, OpisTabeli>> wzorcoweTabele(const QString& nazwaPolaczenia, QString& blad)
{
    QList<std::pair<QString, OpisTabeli>> tabele;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nazwaPolaczenia);
        db.setDatabaseName(QStringLiteral(":memory:"));
        blad = db.open() ? utworzTabele(db) : OpisBledu(db.lastError());
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE "
                              "'sqlite%' ORDER BY rowid"));
        for (const QString& tabela : kolumnaPierwsza(q))
            tabele.append({tabela, OpisTabeli::z(db, tabela)});
        db.close();
    }
    QSqlDatabase::removeDatabase(nazwaPolaczenia);
    return tabele;
}
} // namespace

Baza::Baza(const QString& nazwaPolaczenia) : m_nazwa(nazwaPolaczenia) {}

Baza::~Baza()
{
    Zamknij();
}

QSqlDatabase Baza::db() const
{
    return QSqlDatabase::database(m_nazwa, false);
}

QString Baza::Otworz(const QString& plik)
{
    const QFileInfo info(plik);
    if (!info.exists())
        return QStringLiteral("Nie znaleziono pliku bazy danych '%1'.").arg(plik);
    if (!info.isFile() || !info.isReadable())
        return QStringLiteral("Nie można odczytać pliku bazy danych '%1'.").arg(plik);
    const QString blad = polacz(info.absoluteFilePath(), plik);
    if (!blad.isEmpty()) {
        Zamknij();
        return blad;
    }
    QSqlQuery q(db());
    q.exec(QStringLiteral("PRAGMA synchronous=FULL"));
    return {};
}

QString Baza::polacz(const QString& sciezka, const QString& plik)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_nazwa);
    // mode=rw: an existing file only; SQLite would otherwise create an empty one.
    db.setDatabaseName(QUrl::fromLocalFile(sciezka).toString(QUrl::FullyEncoded) +
                       QStringLiteral("?mode=rw"));
    db.setConnectOptions(
        QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kCzasOczekiwaniaNaBlokadeMs));
    if (!db.open())
        return QStringLiteral("Nie można otworzyć pliku bazy danych '%1': %2")
            .arg(plik, OpisBledu(db.lastError()));
    if (const QString dostep = sprawdzZapis(plik); !dostep.isEmpty())
        return dostep;
    if (const QString zawartosc = sprawdzZawartosc(plik); !zawartosc.isEmpty())
        return zawartosc;
    return ustawTrybWal(plik);
}

// Storing readings is the program's job, so a file that refuses writes does not start: a write
// rolled back at once finds the file held by another program, read-only, or in a folder where
// its journal cannot be made. Any other error of that write is a damaged file, which the
// content check names.
QString Baza::sprawdzZapis(const QString& plik)
{
    QSqlDatabase baza = db();
    QSqlQuery q(baza);
    QSqlError blad;
    {
        TransakcjaBazy t(baza);
        if (!t.Rozpoczeta())
            blad = t.blad();
        else if (!q.exec(QStringLiteral("CREATE TABLE kalbor_proba_zapisu (x)")))
            blad = q.lastError();
    }
    if (!PlikOdmawiaZapisu(blad))
        return {};
    if (BlokadaPliku(blad))
        return komunikatBlokady(plik, blad);
    return QStringLiteral("Nie można zapisywać do pliku bazy danych '%1': %2").arg(plik, OpisBledu(blad));
}

// In the write-ahead log mode readers of the file (the reports, a viewer another program keeps
// open) never hold up the writes of readings. A file still in the rollback-journal mode (as a
// new one is made) switches only while nobody reads it, so a reader's open transaction refuses
// the start as a file locked for writing does, rather than leaving a whole run in a mode where
// every reader can block the writes.
QString Baza::ustawTrybWal(const QString& plik)
{
    QSqlQuery q(db());
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.next()) {
        if (BlokadaPliku(q.lastError()))
            return komunikatBlokady(plik, q.lastError());
        return QStringLiteral("Nie można przełączyć pliku bazy danych '%1' w tryb WAL: %2")
            .arg(plik, OpisBledu(q.lastError()));
    }
    // A mode that cannot be set leaves the file in its own, which the statement returns.
    const QString tryb = q.value(0).toString();
    if (tryb.compare(u"wal", Qt::CaseInsensitive) == 0)
        return {};
    return QStringLiteral("Nie można przełączyć pliku bazy danych '%1' w tryb WAL (pozostaje w trybie %2).")
        .arg(plik, tryb);
}

QString Baza::sprawdzZawartosc(const QString& plik)
{
    QSqlDatabase baza = db();
    const QString uszkodzenie = bladSpojnosci(baza);
    if (!uszkodzenie.isEmpty())
        return QStringLiteral("Plik '%1' nie jest poprawną bazą danych programu Kalbor (%2).")
            .arg(plik, uszkodzenie);
    QString blad;
    const auto wzorzec = wzorcoweTabele(m_nazwa + QStringLiteral("-wzorzec"), blad);
    if (!blad.isEmpty())
        return QStringLiteral("Nie można sprawdzić pliku bazy danych '%1': %2").arg(plik, blad);
    const QString sqlTabeli =
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE");
    QStringList braki;
    for (const auto& [tabela, wzor] : wzorzec) {
        if (kolumnaPierwsza(baza, sqlTabeli, tabela).isEmpty()) {
            braki << QStringLiteral("tabeli %1").arg(tabela);
            continue;
        }
        const OpisTabeli opis = OpisTabeli::z(baza, tabela);
        for (const QString& kolumna : wzor.kolumny) {
            if (!opis.maKolumne(kolumna))
                braki << QStringLiteral("kolumny %1.%2").arg(tabela, kolumna);
            else if (wzor.numeruje(kolumna) && !opis.numeruje(kolumna))
                braki << QStringLiteral("kolumny %1.%2 numerowanej przez bazę danych (INTEGER PRIMARY KEY)")
                             .arg(tabela, kolumna);
        }
        for (const QString& klucz : wzor.klucze) {
            if (!opis.maKlucz(klucz))
                braki << QStringLiteral("unikalnego indeksu %1(%2)").arg(tabela, klucz);
        }
    }
    if (!braki.isEmpty())
        return QStringLiteral("W pliku bazy danych '%1' brakuje %2.")
            .arg(plik, doKomunikatu(braki, QStringLiteral(", ")));
    return {};
}

MagazynPomiarow& Baza::Pomiary()
{
    if (!m_pomiary)
        m_pomiary = std::make_unique<MagazynPomiarow>(db());
    return *m_pomiary;
}

void Baza::Zamknij()
{
    m_pomiary.reset();
    if (!QSqlDatabase::contains(m_nazwa))
        return;
    QSqlDatabase::database(m_nazwa, false).close();
    QSqlDatabase::removeDatabase(m_nazwa);
}

QString Baza::UtworzPlik(const QString& plik)
{
    if (QFileInfo::exists(plik))
        return QStringLiteral("Plik '%1' już istnieje; nie zostanie nadpisany.").arg(plik);
    const QString nazwa = QStringLiteral("tworzenie-") + plik;
    QString blad;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nazwa);
        db.setDatabaseName(plik);
        blad = db.open() ? utworzTabele(db) : OpisBledu(db.lastError());
        db.close();
    }
    QSqlDatabase::removeDatabase(nazwa);
    if (!blad.isEmpty())
        QFile::remove(plik);
    return blad.isEmpty() ? QString() : QStringLiteral("Nie można utworzyć bazy '%1': %2").arg(plik, blad);
}
