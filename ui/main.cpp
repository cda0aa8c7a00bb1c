// Kalbor: supervisory workstation for reactive-power compensation regulators. Runs in the
// working directory, which holds the database file kalbor.mdb and the wave files.
#include "StartUp.h"
#include "WygladProgramu.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalbor"));
    UstawWygladProgramu();
    StartUp start;
    const int status = start.Uruchom();
    if (status != 0)
        return status;
    const int wynik = QApplication::exec();
    return wynik != 0 ? wynik : start.KodZakonczenia();
}
