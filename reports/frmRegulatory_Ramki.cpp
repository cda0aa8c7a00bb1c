// The editor's frames: each field is made with its column and sits beside its caption; a
// field remembers its caption so that a message about it can name it.
#include "WczytajRegulatory.h"
#include "frmRegulatory.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
QLabel* podpis(const QString& tekst, std::initializer_list<QWidget*> pola)
{
    auto* l = new QLabel(tekst);
    if (pola.size() > 0)
        l->setBuddy(*pola.begin());
    for (QWidget* p : pola)
        p->setProperty("etykieta", QVariant::fromValue(l));
    return l;
}

// A caption, the field and the unit after it.
void wiersz(QFormLayout* f, const QString& tekst, QWidget* pole, const QString& jednostka = {})
{
    QLabel* l = podpis(tekst, {pole});
    if (jednostka.isEmpty()) {
        f->addRow(l, pole);
        return;
    }
    auto* z = new QHBoxLayout;
    z->addWidget(pole);
    z->addWidget(new QLabel(jednostka));
    f->addRow(l, z);
}

QFormLayout* formularz(QGroupBox* ramka)
{
    auto* f = new QFormLayout(ramka);
    f->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return f;
}
} // namespace

QGroupBox* frmRegulatory::ramkaIdentyfikacji()
{
    auto* r = new QGroupBox;
    QFormLayout* f = formularz(r);
    wiersz(f, QStringLiteral("Typ:"), combo(0, "Typ", {{kTypRegulatora, kTypRegulatora}}));
    wiersz(f, QStringLiteral("Podłączony:"),
           combo(1, "aktywny",
                 {{QStringLiteral("tak"), kAktywny}, {QStringLiteral("nie"), QStringLiteral("Nie")}}));
    wiersz(f, QStringLiteral("Adres regulatora:"), txtFields(0, "Adres"));
    m_kod = txtFields(12, "Kod");
    wiersz(f, QStringLiteral("Kod regulatora:"), m_kod);
    wiersz(f, QStringLiteral("Nr fabryczny:"), txtFields(14, "NrFabryczny"));
    wiersz(f, QStringLiteral("Opis:"), txtFields(15, "Opis"));
    return r;
}

QGroupBox* frmRegulatory::ramkaBaterii()
{
    auto* r = new QGroupBox(QStringLiteral("Moc baterii kondensatorów"));
    auto* g = new QGridLayout(r);
    for (int stopien = 1; stopien <= 9; ++stopien) {
        QLineEdit* pole = txtFields(stopien, QStringLiteral("BKSt%1").arg(stopien).toLatin1().constData());
        const int wiersz = (stopien - 1) / 3;
        const int kolumna = (stopien - 1) % 3 * 2;
        g->addWidget(podpis(QString::number(stopien), {pole}), wiersz, kolumna, Qt::AlignRight);
        g->addWidget(pole, wiersz, kolumna + 1);
    }
    return r;
}

QGroupBox* frmRegulatory::ramka(const QString& tytul, std::initializer_list<PoleRamki> pola)
{
    auto* r = new QGroupBox(tytul);
    QFormLayout* f = formularz(r);
    for (const PoleRamki& p : pola)
        wiersz(f, QString::fromUtf8(p.podpis), txtFields(p.indeks, p.kolumna), QLatin1String(p.jednostka));
    return r;
}

QGroupBox* frmRegulatory::ramkaCharakterystyki()
{
    return ramka(QStringLiteral("Charakterystyka"), {{"Napięcie pomiarowe:", 13, "NapieciePomiar", ""},
                                                     {"Przekładnia:", 20, "Przekladnia", ""},
                                                     {"Przekładnia napięciowa:", 21, "PrzekladniaNap", ""}});
}

// "Częstość zapisu" shows CzestTrans, the interval column that no other field shows.
QGroupBox* frmRegulatory::ramkaKomunikacji()
{
    return ramka(QStringLiteral("Parametry komunikacji"),
                 {{"Częstość odczytu:", 11, "CzestOdczytu", "min."},
                  {"Częstość zapisu:", 10, "CzestTrans", "min."},
                  {"Awar. częstość prób:", 22, "awarCzest", "min."}});
}

// tg φ has a lower and an upper bound on one line; an empty one is not checked.
QGroupBox* frmRegulatory::ramkaProgow()
{
    QGroupBox* r = ramka(QStringLiteral("Progi alarmowe"),
                         {{"Napięcie:", 16, "ProgNapiecie", ""}, {"Prąd:", 17, "ProgPrad", ""}});
    QLineEdit* dolny = txtFields(19, "ProgTgFiMin");
    QLineEdit* gorny = txtFields(18, "ProgTgFi");
    dolny->setToolTip(QStringLiteral("min."));
    gorny->setToolTip(QStringLiteral("maks."));
    auto* z = new QHBoxLayout;
    z->addWidget(dolny);
    z->addWidget(gorny);
    static_cast<QFormLayout*>(r->layout())->addRow(podpis(QStringLiteral("Tg fi:"), {dolny, gorny}), z);
    return r;
}

QGroupBox* frmRegulatory::ramkaFiltrowania()
{
    struct Wielkosc
    {
        const char* podpis;
        int min, maks;
        const char* kolumnaMin;
        const char* kolumnaMaks;
    };
    static const Wielkosc kWielkosci[] = {
        {"Energia czynna", 30, 23, "EnCzynnaMin", "EnCzynnaMax"},
        {"Energia bierna całkowita", 24, 25, "EnBiernaCalkMin", "EnBiernaCalkMax"},
        {"Energia bierna pojemnościowa", 26, 27, "EnBiernaPojMin", "EnBiernaPojMax"},
        {"Napięcie", 28, 29, "NapiecieMin", "NapiecieMax"},
        {"Prąd czynny", 39, 40, "PradCzynnyMin", "PradCzynnyMax"},
        {"Prąd bierny", 33, 34, "PradBiernyMin", "PradBiernyMax"},
        {"Prąd całkowity", 35, 36, "PradCalkMin", "PradCalkMax"},
        {"Czestotliwość", 37, 38, "CzestotliwoscMin", "CzestotliwoscMax"},
    };
    auto* r = new QGroupBox(QStringLiteral("Filtrowanie danych"));
    auto* g = new QGridLayout(r);
    g->addWidget(new QLabel(QStringLiteral("min.")), 0, 1, Qt::AlignCenter);
    g->addWidget(new QLabel(QStringLiteral("maks.")), 0, 2, Qt::AlignCenter);
    int w = 1;
    for (const Wielkosc& x : kWielkosci) {
        QLineEdit* min = txtFields(x.min, x.kolumnaMin);
        QLineEdit* maks = txtFields(x.maks, x.kolumnaMaks);
        g->addWidget(podpis(QString::fromUtf8(x.podpis), {min, maks}), w, 0);
        g->addWidget(min, w, 1);
        g->addWidget(maks, w++, 2);
    }
    return r;
}
