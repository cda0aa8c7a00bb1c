// Stores readings of every regulator of a database file in an endless loop, starting from the
// counters in OstPomiar as the program does at start-up. The storage fault test kills it at
// random moments. Each reading moves the active counter on by kKrokCzynna and the reactive one
// by kKrokBierna from the last stored counters, so the stored rows can be checked afterwards.
// Prints "gotowy" once the loop begins; a refused write is printed to stderr and ends it.
#include "TestSupport.h"
#include "WczytajRegulatory.h"
#include "clRegulator.h"

#include <QCoreApplication>

#include <cstdio>

namespace {
constexpr float kPoczatekCzynna = 1000.0f;
constexpr float kKrokCzynna = 1.5f;
constexpr float kPoczatekBierna = 500.0f;
constexpr float kKrokBierna = 0.5f;

class KomunikatyNaWyjscie final : public Komunikaty
{
public:
    void Pokaz(const QString& tekst, const QString&, Ikona) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(tekst));
        std::exit(2);
    }
};

float nastepny(float poprzedni, float poczatek, float krok)
{
    return poprzedni == 0.0f ? poczatek : poprzedni + krok;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "użycie: zapis_petla PLIK\n");
        return 1;
    }
    Uslugi u;
    clsoApp oApp(u);
    colRegulatory regulatory(u);
    clsBD bd(u);
    Baza baza(QStringLiteral("petla"));
    FakeWizual wizual;
    KomunikatyNaWyjscie komunikaty;
    FakeClock zegar;
    u.oApp = &oApp;
    u.oRegulatory = &regulatory;
    u.oBD = &bd;
    u.cnBaza = &baza;
    u.oWizual = &wizual;
    u.komunikaty = &komunikaty;
    u.zegar = &zegar;
    const QString blad = baza.Otworz(QString::fromLocal8Bit(argv[1]));
    if (!blad.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(blad));
        return 1;
    }
    WczytajRegulatory(u);
    for (clRegulator& r : regulatory)
        zegar.czas = std::max(zegar.czas, r.OstatniOdczyt);
    std::printf("gotowy\n");
    std::fflush(stdout);
    for (;;) {
        for (clRegulator& r : regulatory) {
            r.PradCzynny = nastepny(r.PopPradCzynny, kPoczatekCzynna, kKrokCzynna);
            r.PradBiernSr = nastepny(r.PopPradBiernSr, kPoczatekBierna, kKrokBierna);
            zegar.advance(1);
            r.OstatniOdczyt = zegar.czas;
            r.ZapiszDaneDB();
        }
    }
}
