#include "TestSupport.h"

#include "WczytajRegulatory.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

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

bool FakeKomunikator::WykonajRozkaz(int NrRegul, const QString& Rozkaz, std::span<quint8> Dane, quint8 Wartosc)
{
    const QString nazwa = Rozkaz.toUpper();
    wywolania << QStringLiteral("%1:%2:%3").arg(nazwa).arg(NrRegul).arg(Wartosc);
    const auto it = odpowiedzi.find(nazwa);
    return it == odpowiedzi.end() ? true : it->second(Dane, Wartosc);
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
