#pragma once
// Fakes of the windows, the clock and the line, and a database-backed set of services that
// the core tests run against.

#include "Baza.h"
#include "Clock.h"
#include "IWizual.h"
#include "Interfaces.h"
#include "OdczytHistorii.h"
#include "PoTakcie.h"
#include "RejestrAlarmow.h"
#include "Uslugi.h"
#include "WczytajRegulatory.h"
#include "clsBD.h"
#include "clsFunkcje.h"
#include "clsoApp.h"
#include "colRegulatory.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <span>

// Time passes only when a test says so: advance moves both sides, przestaw steps the wall
// clock alone as a change of season or a time server would.
class FakeClock final : public Clock
{
  public:
    QDateTime czas = QDateTime(QDate(2003, 12, 17), QTime(10, 0));
    qint64 ms = 0;
    QDateTime now() const override { return czas; }
    qint64 monotonicMs() const override { return ms; }
    void advance(qint64 sekundy)
    {
        czas = czas.addSecs(sekundy);
        ms += sekundy * 1000;
    }
    void przestaw(qint64 sekundy) { czas = czas.addSecs(sekundy); }
};

// A clock running `krotnosc` times faster than real time, so that waits measured in whole
// seconds end after a fraction of a second while replies still arrive in time.
class FastClock final : public Clock
{
  public:
    explicit FastClock(int krotnosc) : m_krotnosc(krotnosc) { m_start.start(); }
    QDateTime now() const override { return m_baza.addSecs(monotonicMs() / 1000); }
    qint64 monotonicMs() const override { return m_start.elapsed() * m_krotnosc; }

  private:
    int m_krotnosc;
    QElapsedTimer m_start;
    QDateTime m_baza = QDateTime(QDate(2003, 12, 17), QTime(10, 0));
};

// Records every notification as text, e.g. "eKomunikacja(1)" or "eNoweDane(2,O)".
class FakeWizual final : public IWizual
{
  public:
    QStringList zdarzenia;
    QStringList filtr(const QString& prefiks) const;

    void eZmianaTrybuSterowania(bool t) override { dodaj(u"eZmianaTrybuSterowania", {t}); }
    void eAlarm(int n, int k, const QString& typ, bool t) override { dodaj(u"eAlarm", {n, k, typ, t}); }
    void eKomunikacja(int s) override { dodaj(u"eKomunikacja", {s}); }
    void eMonitoring(int n, bool t) override { dodaj(u"eMonitoring", {n, t}); }
    void eOkresowyOdczyt(int n, bool t) override { dodaj(u"eOkresowyOdczyt", {n, t}); }
    void eZalaczanieBaterii(int n, bool t) override { dodaj(u"eZalaczanieBaterii", {n, t}); }
    void eWylaczanieBaterii(int n, bool t) override { dodaj(u"eWylaczanieBaterii", {n, t}); }
    void eZapisDB(bool t) override { dodaj(u"eZapisDB", {t}); }
    void eNoweDane(int n, const QString& typ) override { dodaj(u"eNoweDane", {n, typ}); }
    void eZmianaBaterii(int n, int b) override { dodaj(u"eZmianaBaterii", {n, b}); }
    void eZmianaAlarmow() override { dodaj(u"eZmianaAlarmow", {}); }
    void eZmianaRegulatora(int n) override { dodaj(u"eZmianaRegulatora", {n}); }
    void eBlokowanieRegul(int n, bool s, bool t) override { dodaj(u"eBlokowanieRegul", {n, s, t}); }
    void eBlokadaRegul(int n, bool z, bool d) override { dodaj(u"eBlokadaRegul", {n, z, d}); }
    void GrajDzwiek(const QString& plik) override { dodaj(u"GrajDzwiek", {plik}); }

  private:
    void dodaj(QStringView nazwa, const QVariantList& argumenty);
};

class FakeKomunikaty final : public Komunikaty
{
  public:
    QStringList teksty;
    QStringList tytuly;
    QStringList bezCzekania; // shown without stopping the caller
    QStringList bledyZapisu; // the write errors, which do not stop the caller either
    void Pokaz(const QString& tekst, const QString& tytul, Ikona) override
    {
        teksty << tekst;
        tytuly << tytul;
    }
    void PokazBezCzekania(const QString& tekst, const QString&, Ikona) override { bezCzekania << tekst; }
    void PokazBladZapisu(const QString& tekst) override { bledyZapisu << tekst; }
};

class FakeDrzewo final : public DrzewoRegulatorow
{
  public:
    std::map<QString, bool> alarm;
    void UstawAlarmWezla(const QString& kod, bool a) override { alarm[kod] = a; }
};

class FakePanel final : public PrzelacznikiPanelu
{
  public:
    bool wartosci[4] = {};
    bool zmienione[4] = {true, true, true, true};
    bool Value(int nr) const override { return wartosci[nr]; }
    void UstawZmieniony(int nr, bool z) override { zmienione[nr] = z; }
};

// Scripted executor: each command name (upper case) answers through a handler; every call is
// recorded as "NAME:nr:value". Commands without a handler succeed and leave the data alone.
class FakeKomunikator final : public IKomunikator
{
  public:
    using Odpowiedz = std::function<bool(std::span<quint8> dane, quint8 wartosc)>;
    std::map<QString, Odpowiedz> odpowiedzi;
    QStringList wywolania;
    int nr = 0; // the regulator of the command being answered

    // Puts `bajty` at the start of the reply, or from `od` on (the lamp bytes of "Czytaj_Diody"
    // start at 1).
    void odpowiedz(const QString& rozkaz, const QByteArray& bajty, int od = 0, bool wynik = true);
    void bajt(const QString& rozkaz, quint8 b) { odpowiedz(rozkaz, QByteArray(1, char(b))); }
    void zawiedz(const QString& rozkaz) { odpowiedz(rozkaz, {}, 0, false); }
    void blok(const QByteArray& bajty) { odpowiedz(u"czytaj32"_qs, bajty); }
    bool WykonajRozkaz(int NrRegul, const QString& Rozkaz, std::span<quint8> Dane, quint8 Wartosc) override;
};

// The 32-byte measurement reply, field by field; counts are raw, multi-byte values big-endian.
struct BlokPomiaru
{
    quint32 pozorna = 0;      // apparent energy, bytes 0-3
    qint32 pojemnosciowa = 0; // capacitive energy, bytes 4-7
    qint32 bierna = 0;        // reactive energy, bytes 8-11
    quint32 timer = 0;        // 24-bit counter, bytes 12-14
    qint16 napiecie = 0;
    qint16 pradBierny = 0;
    qint16 pradCalk = 0;
    qint16 faza = 0;
    qint16 okres = 2303; // 50 Hz
    quint8 przel1 = 0;
    quint8 przel2 = 0;
    std::array<quint8, 4> wyswietlacz{};
    quint8 bajt31 = 0;

    QByteArray bajty() const;
};

// The query plan of a statement, one line per step, when it reads table Pomiary otherwise than
// by searching its (Adres, Data) index on the address; empty when it searches only that way
// (a statement that cannot be planned yields its error).
QString PlanBezIndeksuPomiarow(const QSqlDatabase& db, const QString& sql, const QVariantList& wartosci);

// The first column of every row of a query, as text; a query that fails gives one line naming it.
QStringList KolumnaZapytania(const QSqlDatabase& db, const QString& sql);

// For the benchmarks: the time from `zadanie` until `koniec` holds, with the event loop running
// meanwhile, and the longest pause between two of its turns, which a timer firing every 5 ms
// measures.
struct CzasIPrzerwa
{
    double ms = 0;
    double przerwaMs = 0;
};
CzasIPrzerwa ZmierzZPrzerwami(const std::function<void()>& zadanie, const std::function<bool()>& koniec);

// Every core service wired to fakes, on a fresh database file in a temporary folder or on the
// existing file given.
class Srodowisko
{
  public:
    explicit Srodowisko(const QString& istniejacy = {});
    ~Srodowisko();

    // Adds a regulator row to Regulatory (columns not named stay NULL or get sensible values).
    void dodajRegulator(const QString& kod, int adres, const QVariantMap& kolumny = {});
    // Loads the regulators as start-up does; the start-up error, if any. The report for the
    // operator is kept in raport.
    QString wczytaj()
    {
        WynikWczytania wynik = WczytajRegulatory(uslugi);
        raport = wynik.raport;
        return wynik.blad;
    }
    QString plik() const { return m_plik; }
    int liczWiersze(const QString& tabela) const
    {
        const QVariant n = wartosc(u"SELECT count(*) FROM "_qs + tabela);
        return n.isValid() ? n.toInt() : -1;
    }
    // The first column of the first row of a query (invalid when there is none).
    QVariant wartosc(const QString& sql) const;
    // The first column of every row of a query, as text.
    QStringList kolumna(const QString& sql) const;

    Uslugi uslugi;
    QString raport; // of the last wczytaj()
    FakeClock zegar;
    PoTakcie poTakcie;
    // In place: a report, a chart or the archive's day is read before its request returns.
    OdczytyHistorii odczyty{false};
    FakeWizual wizual;
    FakeKomunikaty komunikaty;
    FakeDrzewo drzewo;
    FakeKomunikator komunikator;
    std::unique_ptr<clsoApp> app;
    std::unique_ptr<colRegulatory> regulatory;
    std::unique_ptr<clsFunkcje> funkcje;
    std::unique_ptr<clsBD> bd;
    std::unique_ptr<Baza> baza;
    std::unique_ptr<RejestrAlarmow> rejestr;

  private:
    QTemporaryDir m_dir;
    QString m_plik;
};
