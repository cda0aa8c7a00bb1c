#include "clsRegulatory.h"

#include "TransakcjaBazy.h"
#include "colRegulatory.h"

#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
using R = clsRegulatory::Rodzaj;

// The editor's columns in the order it has always read them.
const std::vector<clsRegulatory::Kolumna> kKolumny{
    {"Adres", R::Calkowita},
    {"BKSt1", R::Rzeczywista},
    {"BKSt2", R::Rzeczywista},
    {"BKSt3", R::Rzeczywista},
    {"BKSt4", R::Rzeczywista},
    {"BKSt5", R::Rzeczywista},
    {"BKSt6", R::Rzeczywista},
    {"BKSt7", R::Rzeczywista},
    {"BKSt8", R::Rzeczywista},
    {"BKSt9", R::Rzeczywista},
    {"CzestOdczytu", R::Calkowita},
    {"CzestTrans", R::Rzeczywista},
    {"Kod", R::Tekst},
    {"NapieciePomiar", R::Calkowita},
    {"NrFabryczny", R::Tekst},
    {"Opis", R::Tekst},
    {"ProgNapiecie", R::Rzeczywista},
    {"ProgPrad", R::Rzeczywista},
    {"ProgTgFi", R::Rzeczywista},
    {"ProgTgFiMin", R::Rzeczywista},
    {"Przekladnia", R::Rzeczywista},
    {"PrzekladniaNap", R::Calkowita},
    {"Typ", R::Tekst},
    {"EnCzynnaMin", R::Rzeczywista},
    {"EnCzynnaMax", R::Rzeczywista},
    {"EnBiernaCalkMin", R::Rzeczywista},
    {"EnBiernaCalkMax", R::Rzeczywista},
    {"EnBiernaPojMin", R::Rzeczywista},
    {"EnBiernaPojMax", R::Rzeczywista},
    {"NapiecieMin", R::Rzeczywista},
    {"NapiecieMax", R::Rzeczywista},
    {"PradCzynnyMin", R::Rzeczywista},
    {"PradCzynnyMax", R::Rzeczywista},
    {"PradBiernyMin", R::Rzeczywista},
    {"PradBiernyMax", R::Rzeczywista},
    {"PradCalkMin", R::Rzeczywista},
    {"PradCalkMax", R::Rzeczywista},
    {"CzestotliwoscMin", R::Rzeczywista},
    {"CzestotliwoscMax", R::Rzeczywista},
    {"aktywny", R::Tekst},
    {"awarCzest", R::Calkowita},
};

QString nazwa(int kolumna)
{
    return QLatin1String(kKolumny[size_t(kolumna)].nazwa);
}

QString listaKolumn()
{
    QStringList nazwy;
    for (size_t i = 0; i < kKolumny.size(); ++i)
        nazwy << nazwa(int(i));
    return nazwy.join(u',');
}

QLocale lokalny()
{
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}

// Single-precision columns show at most seven significant digits.
QString tekstWartosci(R rodzaj, const QVariant& v)
{
    if (v.isNull() || rodzaj == R::Tekst)
        return v.toString();
    if (rodzaj == R::Calkowita)
        return lokalny().toString(v.toLongLong());
    return lokalny().toString(v.toDouble(), 'g', 7);
}

// The operator may type either the locale's decimal separator or a point. An empty field is
// NULL: an empty threshold means that bound is not checked.
std::optional<QVariant> wartoscTekstu(R rodzaj, const QString& tekst)
{
    if (rodzaj == R::Tekst)
        return tekst.isEmpty() ? QVariant() : QVariant(tekst);
    const QString t = tekst.trimmed();
    if (t.isEmpty())
        return QVariant();
    bool ok = false;
    double d = lokalny().toDouble(t, &ok);
    if (!ok)
        d = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    if (rodzaj == R::Rzeczywista)
        return std::abs(d) <= std::numeric_limits<float>::max() ? std::optional<QVariant>(d) : std::nullopt;
    if (d != std::trunc(d) || d < std::numeric_limits<qint16>::min() ||
        d > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return QVariant(int(d));
}

QString opisBlednejWartosci(R rodzaj, const QString& tekst)
{
    return rodzaj == R::Calkowita
               ? QStringLiteral("„%1” nie jest liczbą całkowitą od -32768 do 32767.").arg(tekst)
               : QStringLiteral("„%1” nie jest liczbą.").arg(tekst);
}

QString opisBleduBazy(const QSqlError& blad)
{
    return blad.databaseText().isEmpty() ? blad.text() : blad.databaseText();
}
} // namespace

const std::vector<clsRegulatory::Kolumna>& clsRegulatory::Kolumny()
{
    return kKolumny;
}

int clsRegulatory::IndeksKolumny(const QString& n)
{
    for (size_t i = 0; i < kKolumny.size(); ++i) {
        if (n.compare(QLatin1String(kKolumny[i].nazwa), Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

clsRegulatory::clsRegulatory(QObject* parent)
    : QObject(parent), m_baza(QStringLiteral("clsRegulatory-%1").arg(quintptr(this), 0, 16))
{
}

clsRegulatory::~clsRegulatory() = default;

QString clsRegulatory::Otworz(const QString& plik)
{
    const QString blad = m_baza.Otworz(plik);
    return blad.isEmpty() ? Requery() : blad;
}

QString clsRegulatory::Requery()
{
    std::vector<Wiersz> wiersze;
    {
        QSqlQuery q(m_baza.db());
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT rowid, %1 FROM Regulatory ORDER BY rowid").arg(listaKolumn())))
            return opisBleduBazy(q.lastError());
        while (q.next()) {
            Wiersz w{q.value(0), {}, {}};
            for (size_t i = 0; i < kKolumny.size(); ++i)
                w.wartosci << q.value(int(i) + 1);
            wiersze.push_back(std::move(w));
        }
    }
    m_wiersze = std::move(wiersze);
    m_usuniete.clear();
    m_poz = -1; // the rows left behind are gone
    przejdz(0);
    return {};
}

clsRegulatory::Wiersz* clsRegulatory::biezacy()
{
    return m_poz >= 0 && m_poz < RecordCount() ? &m_wiersze[size_t(m_poz)] : nullptr;
}

const clsRegulatory::Wiersz* clsRegulatory::biezacy() const
{
    return m_poz >= 0 && m_poz < RecordCount() ? &m_wiersze[size_t(m_poz)] : nullptr;
}

bool clsRegulatory::EditingRecord() const
{
    const Wiersz* w = biezacy();
    return w && (w->rowid.isNull() || !w->zmiany.empty());
}

int clsRegulatory::AbsolutePosition() const
{
    return biezacy() ? m_poz + 1 : 0;
}

QString clsRegulatory::Tekst(int kolumna) const
{
    const Wiersz* w = biezacy();
    if (!w)
        return {};
    const auto zmiana = w->zmiany.find(kolumna);
    if (zmiana != w->zmiany.end())
        return zmiana->second;
    return tekstWartosci(kKolumny[size_t(kolumna)].rodzaj, w->wartosci[kolumna]);
}

void clsRegulatory::UstawTekst(int kolumna, const QString& tekst)
{
    if (Wiersz* w = biezacy())
        w->zmiany[kolumna] = tekst;
}

// A new row left with nothing typed in it would be written as a row of NULLs: it goes.
void clsRegulatory::przejdz(int poz)
{
    if (poz != m_poz && pustyNowy(biezacy())) {
        m_wiersze.erase(m_wiersze.begin() + m_poz);
        if (poz > m_poz)
            --poz;
    }
    m_poz = std::clamp(poz, -1, RecordCount());
    emit MoveComplete();
}

bool clsRegulatory::pustyNowy(const Wiersz* w) const
{
    return w && w->rowid.isNull() && std::all_of(w->zmiany.begin(), w->zmiany.end(), [](const auto& z) {
               const std::optional<QVariant> v = wartoscTekstu(kKolumny[size_t(z.first)].rodzaj, z.second);
               return v && v->isNull();
           });
}

void clsRegulatory::AddNew()
{
    m_wiersze.push_back(Wiersz{QVariant(), QVariantList(qsizetype(kKolumny.size())), {}});
    przejdz(RecordCount() - 1);
}

// The row leaves the file at the next Update.
void clsRegulatory::Delete()
{
    Wiersz* w = biezacy();
    if (!w)
        return;
    if (!w->rowid.isNull())
        m_usuniete.push_back(w->rowid);
    m_wiersze.erase(m_wiersze.begin() + m_poz);
    --m_poz;
    MoveNext();
}

void clsRegulatory::Cancel()
{
    Wiersz* w = biezacy();
    if (!w)
        return;
    if (w->rowid.isNull()) {
        m_wiersze.erase(m_wiersze.begin() + m_poz);
        MoveFirst();
        return;
    }
    w->zmiany.clear();
    emit MoveComplete();
}

void clsRegulatory::MoveFirst()
{
    przejdz(0);
}

void clsRegulatory::MoveLast()
{
    przejdz(RecordCount() - 1);
}

void clsRegulatory::MoveNext()
{
    int poz = Eof() ? m_poz : m_poz + 1;
    if (poz >= RecordCount() && RecordCount() > 0) {
        emit Sygnal();
        poz = RecordCount() - 1;
    }
    przejdz(poz);
}

void clsRegulatory::MoveTo(int pozycja)
{
    przejdz(pozycja - 1);
}

void clsRegulatory::MovePrevious()
{
    int poz = m_poz < 0 ? m_poz : m_poz - 1;
    if (poz < 0 && RecordCount() > 0) {
        emit Sygnal();
        poz = 0;
    }
    przejdz(poz);
}

void clsRegulatory::FindRecord(const QString& kolumna, const QVariant& wartosc)
{
    const int k = IndeksKolumny(kolumna);
    int poz = std::max(m_poz, 0);
    while (poz < RecordCount() && (k < 0 || m_wiersze[size_t(poz)].wartosci[k] != wartosc))
        ++poz;
    przejdz(poz);
}

std::optional<clsRegulatory::BladZapisu> clsRegulatory::Update()
{
    m_zapisaneInne.clear();
    Zamiany zamiany;
    if (auto blad = zamienZmiany(zamiany))
        return blad;
    if (auto blad = sprawdzKody(zamiany))
        return blad;
    QStringList inne;
    for (size_t i = 0; i < m_wiersze.size(); ++i) {
        if (zapisywany(i, zamiany) && int(i) != m_poz)
            inne << kodPoZapisie(i, zamiany);
    }
    if (auto blad = zapisz(zamiany))
        return blad;
    for (size_t i = 0; i < m_wiersze.size(); ++i) {
        for (const auto& [k, v] : zamiany[i])
            m_wiersze[i].wartosci[k] = v;
        m_wiersze[i].zmiany.clear();
    }
    m_usuniete.clear();
    m_zapisaneInne = inne;
    emit MoveComplete();
    return std::nullopt;
}

// A new row is written whole, a stored one when something in it changed.
bool clsRegulatory::zapisywany(size_t i, const Zamiany& zamiany) const
{
    return m_wiersze[i].rowid.isNull() || !zamiany[i].empty();
}

QString clsRegulatory::kodPoZapisie(size_t i, const Zamiany& zamiany) const
{
    const int kod = IndeksKolumny(QStringLiteral("Kod"));
    const auto zmiana = zamiany[i].find(kod);
    return (zmiana != zamiany[i].end() ? zmiana->second : m_wiersze[i].wartosci[kod]).toString();
}

// Every pending text is converted before anything is written, so one bad field stops the
// whole save.
std::optional<clsRegulatory::BladZapisu> clsRegulatory::zamienZmiany(Zamiany& wynik) const
{
    wynik.assign(m_wiersze.size(), {});
    for (size_t i = 0; i < m_wiersze.size(); ++i) {
        for (const auto& [k, tekst] : m_wiersze[i].zmiany) {
            const R rodzaj = kKolumny[size_t(k)].rodzaj;
            const std::optional<QVariant> v = wartoscTekstu(rodzaj, tekst);
            if (!v)
                return BladZapisu{k, opisBlednejWartosci(rodzaj, tekst), int(i) + 1};
            wynik[i][k] = *v;
        }
    }
    return std::nullopt;
}

// Every row the save writes needs a code, as the row on screen does: start-up skips a row
// without one. The file's uniqueness of Kod has the last word; this only names the clash
// plainly when the rows in memory already show it. Codes are compared as the program compares
// them, so a code differing from another only in letter case or blanks is refused too:
// start-up would load only one of the two. A code of blanks names no regulator.
std::optional<clsRegulatory::BladZapisu> clsRegulatory::sprawdzKody(const Zamiany& zamiany) const
{
    const int kod = IndeksKolumny(QStringLiteral("Kod"));
    std::map<QString, std::vector<size_t>> wiersze;
    for (size_t i = 0; i < m_wiersze.size(); ++i)
        wiersze[KluczKodu(kodPoZapisie(i, zamiany))].push_back(i);
    for (size_t i = 0; i < m_wiersze.size(); ++i) {
        if (!zapisywany(i, zamiany))
            continue;
        const QString kodWiersza = kodPoZapisie(i, zamiany);
        if (kodWiersza.isEmpty())
            return BladZapisu{kod, {}, int(i) + 1, true};
        const QString klucz = KluczKodu(kodWiersza);
        if (klucz.isEmpty())
            continue;
        for (size_t j : wiersze[klucz]) {
            if (j != i)
                return BladZapisu{kod,
                                  QStringLiteral("„%1” ma już inny regulator.").arg(kodPoZapisie(j, zamiany)),
                                  int(i) + 1};
        }
    }
    return std::nullopt;
}

std::optional<clsRegulatory::BladZapisu> clsRegulatory::zapisz(const Zamiany& zamiany)
{
    TransakcjaBazy transakcja(m_baza.db());
    if (!transakcja.Rozpoczeta())
        return BladZapisu{-1, opisBleduBazy(transakcja.blad())};
    std::vector<QVariant> noweRowid(m_wiersze.size());
    {
        QSqlQuery q(m_baza.db());
        q.prepare(QStringLiteral("DELETE FROM Regulatory WHERE rowid = ?"));
        for (const QVariant& rowid : m_usuniete) {
            q.addBindValue(rowid);
            if (!q.exec())
                return BladZapisu{-1, opisBleduBazy(q.lastError())};
        }
        for (size_t i = 0; i < m_wiersze.size(); ++i) {
            if (!zapisywany(i, zamiany))
                continue;
            if (auto blad = zapiszWiersz(q, m_wiersze[i], zamiany[i], noweRowid[i])) {
                blad->wiersz = int(i) + 1;
                return blad;
            }
        }
    }
    if (!transakcja.Zatwierdz())
        return BladZapisu{-1, opisBleduBazy(transakcja.blad())};
    for (size_t i = 0; i < m_wiersze.size(); ++i) {
        if (noweRowid[i].isValid())
            m_wiersze[i].rowid = noweRowid[i];
    }
    return std::nullopt;
}

// A new row is inserted whole; a stored one gets only its changed columns, and only while it
// is still in the file as it was read: a row deleted meanwhile (or its rowid taken by another
// row since) is reached by no UPDATE, and that refuses the whole save.
std::optional<clsRegulatory::BladZapisu> clsRegulatory::zapiszWiersz(QSqlQuery& q, const Wiersz& w,
                                                                     const std::map<int, QVariant>& zamiana,
                                                                     QVariant& nowyRowid)
{
    const bool nowy = w.rowid.isNull();
    const int kod = IndeksKolumny(QStringLiteral("Kod"));
    QStringList przypisania;
    for (const auto& [k, v] : zamiana)
        przypisania << nazwa(k) + QStringLiteral(" = ?");
    q.prepare(nowy ? QStringLiteral("INSERT INTO Regulatory (%1) VALUES (%2)")
                         .arg(listaKolumn(),
                              QStringList(qsizetype(kKolumny.size()), QStringLiteral("?")).join(u','))
                   : QStringLiteral("UPDATE Regulatory SET %1 WHERE rowid = ? AND Kod IS ?")
                         .arg(przypisania.join(u',')));
    if (nowy) {
        for (size_t k = 0; k < kKolumny.size(); ++k) {
            const auto v = zamiana.find(int(k));
            q.addBindValue(v != zamiana.end() ? v->second : QVariant());
        }
    } else {
        for (const auto& [k, v] : zamiana)
            q.addBindValue(v);
        q.addBindValue(w.rowid);
        q.addBindValue(w.wartosci[kod]);
    }
    if (!q.exec())
        return BladZapisu{-1, opisBleduBazy(q.lastError())};
    if (!nowy && q.numRowsAffected() < 1)
        return BladZapisu{-1, QStringLiteral("Regulatora „%1” nie ma już w bazie danych (usunięty lub "
                                             "zmieniony poza tym oknem); nic nie zapisano.")
                                  .arg(w.wartosci[kod].toString())};
    if (nowy)
        nowyRowid = q.lastInsertId();
    return std::nullopt;
}

QString PlikPolaczenia(const Baza& baza)
{
    const QString nazwa = baza.db().databaseName();
    const QUrl url(nazwa);
    return url.isLocalFile() ? url.toLocalFile() : nazwa;
}
