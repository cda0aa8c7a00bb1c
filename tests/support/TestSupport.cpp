#include "TestSupport.h"

#include "WczytajRegulatory.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

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

void FakeKomunikator::bajt(const QString& rozkaz, quint8 b)
{
    odpowiedzi[rozkaz.toUpper()] = [b](std::span<quint8> dane, quint8) {
        dane[0] = b;
        return true;
    };
}

void FakeKomunikator::zawiedz(const QString& rozkaz)
{
    odpowiedzi[rozkaz.toUpper()] = [](std::span<quint8>, quint8) { return false; };
}

void FakeKomunikator::diody(quint8 d1, quint8 d2, quint8 d3)
{
    odpowiedzi[QStringLiteral("CZYTAJ_DIODY")] = [=](std::span<quint8> dane, quint8) {
        dane[1] = d1;
        dane[2] = d2;
        dane[3] = d3;
        return true;
    };
}

void FakeKomunikator::blok(const QByteArray& bajty)
{
    odpowiedzi[QStringLiteral("CZYTAJ32")] = [bajty](std::span<quint8> dane, quint8) {
        std::copy(bajty.begin(), bajty.end(), dane.begin());
        return true;
    };
}

bool FakeKomunikator::WykonajRozkaz(int NrRegul, const QString& Rozkaz, std::span<quint8> Dane, quint8 Wartosc)
{
    const QString nazwa = Rozkaz.toUpper();
    wywolania << QStringLiteral("%1:%2:%3").arg(nazwa).arg(NrRegul).arg(Wartosc);
    const auto it = odpowiedzi.find(nazwa);
    return it == odpowiedzi.end() ? true : it->second(Dane, Wartosc);
}

QByteArray BlokPomiaru::bajty() const
{
    QByteArray b(32, '\0');
    const auto wpisz = [&b](int od, quint32 v, int ile) {
        for (int i = 0; i < ile; ++i)
            b[od + i] = char(v >> (8 * (ile - 1 - i)));
    };
    wpisz(0, pozorna, 4);
    wpisz(4, quint32(pojemnosciowa), 4);
    wpisz(8, quint32(bierna), 4);
    wpisz(12, timer, 3);
    wpisz(15, quint16(napiecie), 2);
    wpisz(17, quint16(pradBierny), 2);
    wpisz(19, quint16(pradCalk), 2);
    wpisz(21, quint16(faza), 2);
    wpisz(23, quint16(okres), 2);
    b[25] = char(przel1);
    b[26] = char(przel2);
    for (int i = 0; i < 4; ++i)
        b[27 + i] = char(wyswietlacz[size_t(i)]);
    b[31] = char(bajt31);
    return b;
}

Srodowisko::Srodowisko()
{
    QVERIFY2(m_dir.isValid(), "temporary folder");
    app = std::make_unique<clsoApp>(uslugi);
    regulatory = std::make_unique<colRegulatory>(uslugi);
    funkcje = std::make_unique<clsFunkcje>(*app);
    bd = std::make_unique<clsBD>(uslugi);
    static int polaczenia = 0;
    baza = std::make_unique<Baza>(QStringLiteral("test-%1").arg(++polaczenia));
    rejestr = std::make_unique<RejestrAlarmow>(uslugi);
    uslugi.oApp = app.get();
    uslugi.oKomunikator = &komunikator;
    uslugi.oWizual = &wizual;
    uslugi.oRegulatory = regulatory.get();
    uslugi.oFunkcje = funkcje.get();
    uslugi.oBD = bd.get();
    uslugi.cnBaza = baza.get();
    uslugi.rejestr = rejestr.get();
    uslugi.komunikaty = &komunikaty;
    uslugi.drzewo = &drzewo;
    uslugi.zegar = &zegar;
    app->Znakdaty = QStringLiteral("#");
    const QString blad = Baza::UtworzPlik(plik());
    QVERIFY2(blad.isEmpty(), qPrintable(blad));
    const QString bladOtwarcia = baza->Otworz(plik());
    QVERIFY2(bladOtwarcia.isEmpty(), qPrintable(bladOtwarcia));
}

Srodowisko::~Srodowisko()
{
    baza->Zamknij();
}

void Srodowisko::dodajRegulator(const QString& kod, int adres, const QVariantMap& kolumny)
{
    QVariantMap k{{QStringLiteral("Kod"), kod},
                  {QStringLiteral("Adres"), adres},
                  {QStringLiteral("Typ"), QStringLiteral("regulator")},
                  {QStringLiteral("aktywny"), QStringLiteral("Tak")},
                  {QStringLiteral("CzestOdczytu"), 15},
                  {QStringLiteral("awarCzest"), 5},
                  {QStringLiteral("NapieciePomiar"), 380},
                  {QStringLiteral("Przekladnia"), 100},
                  {QStringLiteral("PrzekladniaNap"), 1}};
    for (const char* limit : {"EnCzynnaMin", "EnCzynnaMax", "EnBiernaCalkMin", "EnBiernaCalkMax", "EnBiernaPojMin",
                              "EnBiernaPojMax", "NapiecieMin", "NapiecieMax", "PradCzynnyMin", "PradCzynnyMax",
                              "PradBiernyMin", "PradBiernyMax", "PradCalkMin", "PradCalkMax", "CzestotliwoscMin",
                              "CzestotliwoscMax"})
        k.insert(QString::fromLatin1(limit), 0);
    k.insert(kolumny);
    QSqlQuery q(baza->db());
    QStringList znaki;
    for (int i = 0; i < k.size(); ++i)
        znaki << QStringLiteral("?");
    q.prepare(QStringLiteral("INSERT INTO Regulatory (%1) VALUES (%2)").arg(k.keys().join(u','), znaki.join(u',')));
    for (const QVariant& v : k)
        q.addBindValue(v);
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
}

void Srodowisko::wczytaj()
{
    WczytajRegulatory(uslugi);
}

int Srodowisko::liczWiersze(const QString& tabela) const
{
    QSqlQuery q(baza->db());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM ") + tabela))
        qWarning() << q.lastError().text();
    return q.next() ? q.value(0).toInt() : -1;
}

QVariant Srodowisko::wartosc(const QString& sql) const
{
    QSqlQuery q(baza->db());
    if (!q.exec(sql))
        qWarning() << q.lastError().text();
    return q.next() ? q.value(0) : QVariant();
}
