// Stores readings of every regulator of a database file in an endless loop, starting from the
// counters in OstPomiar as the program does at start-up. The storage fault test kills it at
// random moments. Each reading moves the active counter on by kKrokCzynna and the reactive one
// by kKrokBierna from the last stored counters, so the stored rows can be checked afterwards.
// Prints "gotowy" once the loop begins; a refused write is printed to stderr and ends it.
#include "TestSupport.h"
#include "clRegulator.h"

#include <QCoreApplication>
#include <cstdio>

namespace {
constexpr float kPoczatekCzynna = 1000.0f;
constexpr float kKrokCzynna = 1.5f;
constexpr float kPoczatekBierna = 500.0f;
constexpr float kKrokBierna = 0.5f;

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
    Srodowisko s(QString::fromLocal8Bit(argv[1]));
    if (!s.baza->db().isOpen()) {
        std::fprintf(stderr, "nie można otworzyć %s\n", argv[1]);
        return 1;
    }
    s.wczytaj();
    for (clRegulator& r : *s.regulatory)
        s.zegar.czas = std::max(s.zegar.czas, r.OstatniOdczyt);
    std::printf("gotowy\n");
    std::fflush(stdout);
    for (;;) {
        for (clRegulator& r : *s.regulatory) {
            r.PradCzynny = nastepny(r.PopPradCzynny, kPoczatekCzynna, kKrokCzynna);
            r.PradBiernSr = nastepny(r.PopPradBiernSr, kPoczatekBierna, kKrokBierna);
            s.zegar.advance(1);
            r.OstatniOdczyt = s.zegar.czas;
            r.ZapiszDaneDB();
            if (!s.komunikaty.teksty.isEmpty()) {
                std::fprintf(stderr, "%s\n", qPrintable(s.komunikaty.teksty.first()));
                return 2;
            }
        }
    }
}
