// kalbor-db: creates the database file of the program.
//   kalbor-db init FILE            an empty database with every table
//   kalbor-db demo FILE [--days N] four regulators, a plant structure and N days of readings
#include "Baza.h"
#include "BazaDemo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tworzy plik bazy danych programu Kalbor."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("polecenie"), QStringLiteral("init | demo"));
    parser.addPositionalArgument(QStringLiteral("plik"), QStringLiteral("plik bazy, np. kalbor.mdb"));
    const QCommandLineOption dni(QStringLiteral("days"), QStringLiteral("dni historii pomiarów (demo)"),
                                 QStringLiteral("N"), QStringLiteral("0"));
    parser.addOption(dni);
    parser.process(app);

    const QStringList args = parser.positionalArguments();
    QTextStream err(stderr);
    if (args.size() != 2 || (args[0] != u"init" && args[0] != u"demo")) {
        err << parser.helpText();
        return 2;
    }
    bool ok = false;
    const int liczbaDni = parser.value(dni).toInt(&ok);
    if (!ok || liczbaDni < 0) {
        err << "--days: podaj liczbę dni (0 lub więcej)\n";
        return 2;
    }
    const QString blad = args[0] == u"init" ? Baza::UtworzPlik(args[1])
                                            : UtworzBazeDemo(args[1], liczbaDni, QDate::currentDate());
    if (!blad.isEmpty()) {
        err << blad << '\n';
        return 1;
    }
    return 0;
}
