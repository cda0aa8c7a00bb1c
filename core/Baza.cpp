#include "Baza.h"

#include "MagazynPomiarow.h"
#include "TextFormat.h"

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
const QStringList kTabele{QStringLiteral("Regulatory"), QStringLiteral("Pomiary"),
                          QStringLiteral("OstPomiar"),  QStringLiteral("Alarmy"),
                          QStringLiteral("Log"),        QStringLiteral("Hierarchia")};

QString polecenieJednowartosciowe(QSqlDatabase db, const QString& sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql) || !q.next())
        return {};
    return q.value(0).toString();
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
    // A read-only file keeps its journal mode; writes then fail with a message each.
    q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
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
            .arg(plik, db.lastError().text());
    return sprawdzZawartosc(plik);
}

QString Baza::sprawdzZawartosc(const QString& plik)
{
    QSqlDatabase baza = db();
    const QString wynik = polecenieJednowartosciowe(baza, QStringLiteral("PRAGMA quick_check"));
    if (wynik != QStringLiteral("ok"))
        return QStringLiteral("Plik '%1' nie jest poprawną bazą danych programu Kalbor (%2).")
            .arg(plik, wynik.isEmpty() ? baza.lastError().text() : wynik);
    QSqlQuery q(baza);
    q.prepare(QStringLiteral(
        "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
    for (const QString& tabela : kTabele) {
        q.addBindValue(tabela);
        if (!q.exec() || !q.next() || q.value(0).toInt() == 0)
            return QStringLiteral("W pliku bazy danych '%1' brakuje tabeli %2.").arg(plik, tabela);
    }
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
    zarejestrujSchemat();
    QFile schemat(QStringLiteral(":/db/schema.sql"));
    if (!schemat.open(QIODevice::ReadOnly))
        return QStringLiteral("Brak opisu tabel bazy danych.");
    const QString nazwa = QStringLiteral("tworzenie-") + plik;
    QString blad;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nazwa);
        db.setDatabaseName(plik);
        if (!db.open())
            blad = db.lastError().text();
        QSqlQuery q(db);
        QString tekst = QString::fromUtf8(schemat.readAll());
        tekst.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
        for (const QString& sql : tekst.split(u';', Qt::SkipEmptyParts)) {
            if (blad.isEmpty() && !sql.trimmed().isEmpty() && !q.exec(sql))
                blad = q.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(nazwa);
    if (!blad.isEmpty())
        QFile::remove(plik);
    return blad.isEmpty() ? QString() : QStringLiteral("Nie można utworzyć bazy '%1': %2").arg(plik, blad);
}

TransakcjaBazy::TransakcjaBazy(QSqlDatabase db) : m_db(db), m_rozpoczeta(m_db.transaction()) {}

TransakcjaBazy::~TransakcjaBazy()
{
    if (m_rozpoczeta && !m_zatwierdzona)
        m_db.rollback();
}

bool TransakcjaBazy::Zatwierdz()
{
    m_zatwierdzona = m_rozpoczeta && m_db.commit();
    return m_zatwierdzona;
}

QString TekstBleduZapisu(const QSqlError& blad)
{
    bool ok = false;
    const int numer = blad.nativeErrorCode().toInt(&ok);
    const QString opis = blad.databaseText().isEmpty() ? blad.text() : blad.databaseText();
    return QStringLiteral("Błąd zapisu do bazy danych nr ") + TextFormat::plain(ok ? numer : -1) + u'\r' +
           u'\'' + opis + u'\'';
}
