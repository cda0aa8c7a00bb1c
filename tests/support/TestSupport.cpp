#include "TestSupport.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>
#include <algorithm>

QStringList FakeWizual::filtr(const QString& prefiks) const
{
    QStringList wynik;
    for (const QString& z : zdarzenia) {
        if (z.startsWith(prefiks))
            wynik << z;
    }
    return wynik;
}

void FakeWizual::dodaj(QStringView nazwa, const QVariantList& argumenty)
{
    QStringList teksty;
    for (const QVariant& a : argumenty)
        teksty << (a.typeId() == QMetaType::Bool ? (a.toBool() ? QStringLiteral("T") : QStringLiteral("F"))
                                                 : a.toString());
    zdarzenia << nazwa.toString() + u'(' + teksty.join(u',') + u')';
}

void FakeKomunikator::odpowiedz(const QString& rozkaz, const QByteArray& bajty, int od, bool wynik)
{
    odpowiedzi[rozkaz.toUpper()] = [=](std::span<quint8> dane, quint8) {
        std::copy(bajty.begin(), bajty.end(), dane.begin() + od);
        return wynik;
    };
}

bool FakeKomunikator::WykonajRozkaz(int NrRegul, const QString& Rozkaz, std::span<quint8> Dane,
                                    quint8 Wartosc)
{
    const QString nazwa = Rozkaz.toUpper();
    wywolania << QStringLiteral("%1:%2:%3").arg(nazwa).arg(NrRegul).arg(Wartosc);
    nr = NrRegul;
    const auto it = odpowiedzi.find(nazwa);
    return it == odpowiedzi.end() ? true : it->second(Dane, Wartosc);
}

QByteArray BlokPomiaru::bajty() const
{
    QByteArray b;
    const auto wpisz = [&b](quint32 v, int ile) {
        for (int i = ile - 1; i >= 0; --i)
            b += char(v >> (8 * i));
    };
    for (quint32 v : {pozorna, quint32(pojemnosciowa), quint32(bierna)})
        wpisz(v, 4);
    wpisz(timer, 3);
    for (qint16 v : {napiecie, pradBierny, pradCalk, faza, okres})
        wpisz(quint16(v), 2);
    for (quint8 v : {przel1, przel2, wyswietlacz[0], wyswietlacz[1], wyswietlacz[2], wyswietlacz[3], bajt31})
        b += char(v);
    return b;
}

Srodowisko::Srodowisko(const QString& istniejacy)
    : m_plik(istniejacy.isEmpty() ? m_dir.filePath(u"kalbor.mdb"_qs) : istniejacy)
{
    QVERIFY2(m_dir.isValid(), "temporary folder");
    app = std::make_unique<clsoApp>(uslugi);
    regulatory = std::make_unique<colRegulatory>(uslugi);
    funkcje = std::make_unique<clsFunkcje>();
    bd = std::make_unique<clsBD>(uslugi);
    static int polaczenia = 0;
    baza = std::make_unique<Baza>(QStringLiteral("test-%1").arg(++polaczenia));
    rejestr = std::make_unique<RejestrAlarmow>(uslugi);
    uslugi = Uslugi{.oApp = app.get(),
                    .oKomunikator = &komunikator,
                    .oWizual = &wizual,
                    .oRegulatory = regulatory.get(),
                    .oFunkcje = funkcje.get(),
                    .oBD = bd.get(),
                    .cnBaza = baza.get(),
                    .rejestr = rejestr.get(),
                    .komunikaty = &komunikaty,
                    .drzewo = &drzewo,
                    .zegar = &zegar,
                    .poTakcie = &poTakcie,
                    .odczyty = &odczyty};
    app->Znakdaty = QStringLiteral("#");
    const QString blad = istniejacy.isEmpty() ? Baza::UtworzPlik(m_plik) : QString();
    QVERIFY2(blad.isEmpty(), qPrintable(blad));
    const QString bladOtwarcia = baza->Otworz(m_plik);
    QVERIFY2(bladOtwarcia.isEmpty(), qPrintable(bladOtwarcia));
}

Srodowisko::~Srodowisko()
{
    baza->Zamknij();
}

void Srodowisko::dodajRegulator(const QString& kod, int adres, const QVariantMap& kolumny)
{
    QVariantMap k{{u"Kod"_qs, kod},
                  {u"Adres"_qs, adres},
                  {u"Typ"_qs, u"regulator"_qs},
                  {u"aktywny"_qs, u"Tak"_qs},
                  {u"CzestOdczytu"_qs, 15},
                  {u"awarCzest"_qs, 5},
                  {u"NapieciePomiar"_qs, 380},
                  {u"Przekladnia"_qs, 100},
                  {u"PrzekladniaNap"_qs, 1}};
    for (const char* limit :
         {"EnCzynnaMin", "EnCzynnaMax", "EnBiernaCalkMin", "EnBiernaCalkMax", "EnBiernaPojMin",
          "EnBiernaPojMax", "NapiecieMin", "NapiecieMax", "PradCzynnyMin", "PradCzynnyMax", "PradBiernyMin",
          "PradBiernyMax", "PradCalkMin", "PradCalkMax", "CzestotliwoscMin", "CzestotliwoscMax"})
        k.insert(QString::fromLatin1(limit), 0);
    k.insert(kolumny);
    QSqlQuery q(baza->db());
    q.prepare(QStringLiteral("INSERT INTO Regulatory (%1) VALUES (%2)")
                  .arg(k.keys().join(u','), QStringList(k.size(), u"?"_qs).join(u',')));
    for (const QVariant& v : k)
        q.addBindValue(v);
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
}

QString PlanBezIndeksuPomiarow(const QSqlDatabase& db, const QString& sql, const QVariantList& wartosci)
{
    QSqlQuery q(db);
    if (!q.prepare(u"EXPLAIN QUERY PLAN "_qs + sql))
        return q.lastError().text();
    for (const QVariant& v : wartosci)
        q.addBindValue(v);
    if (!q.exec())
        return q.lastError().text();
    QStringList kroki;
    bool przezIndeks = false, inaczej = false;
    while (q.next()) {
        const QString krok = q.value(3).toString();
        kroki << krok;
        // A table is read either by a SCAN (every row) or by a SEARCH through a key.
        if (krok.startsWith(u"SCAN "_qs))
            inaczej = true;
        else if (krok.startsWith(u"SEARCH "_qs))
            (krok.contains(u"INDEX Pomiary_Adres_Data (Adres="_qs) ? przezIndeks : inaczej) = true;
    }
    return przezIndeks && !inaczej ? QString() : kroki.join(u'\n');
}

CzasIPrzerwa ZmierzZPrzerwami(const std::function<void()>& zadanie, const std::function<bool()>& koniec)
{
    QElapsedTimer t, odOstatniego;
    double przerwa = 0;
    QTimer takt;
    takt.setTimerType(Qt::PreciseTimer);
    takt.setInterval(5);
    QObject::connect(&takt, &QTimer::timeout, [&] {
        przerwa = std::max(przerwa, double(odOstatniego.nsecsElapsed()) / 1e6);
        odOstatniego.start();
    });
    takt.start();
    t.start();
    odOstatniego.start();
    zadanie();
    while (!koniec())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    przerwa = std::max(przerwa, double(odOstatniego.nsecsElapsed()) / 1e6);
    return {double(t.nsecsElapsed()) / 1e6, przerwa};
}

QVariant Srodowisko::wartosc(const QString& sql) const
{
    QSqlQuery q(baza->db());
    if (!q.exec(sql))
        qWarning() << q.lastError().text();
    return q.next() ? q.value(0) : QVariant();
}

QStringList Srodowisko::kolumna(const QString& sql) const
{
    return KolumnaZapytania(baza->db(), sql);
}

QStringList KolumnaZapytania(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        return {QStringLiteral("błąd: ") + sql + QStringLiteral(": ") + q.lastError().text()};
    QStringList wynik;
    while (q.next())
        wynik << q.value(0).toString();
    return wynik;
}
