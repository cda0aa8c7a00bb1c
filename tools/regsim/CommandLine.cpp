#include "CommandLine.h"

#include "RegulatorSpec.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace regsim {

namespace {

const char kDescription[] =
    "Plays field regulators on a pseudo-terminal for testing and demonstrating the serial link.\n"
    "Prints the terminal's path on one line, then answers request frames until SIGINT or SIGTERM.\n"
    "Values are raw counts, as the regulator sends them; every 0x02 of a reply is followed by a\n"
    "filler byte 0x00; frames for other addresses get no answer. Failing regulators still obey\n"
    "writes; only what they send changes.\n"
    "\n"
    "A regulator is declared as ADDRESS[,KEY=VALUE|FLAG]... (integers in decimal or 0x hex):\n"
    "%1"
    "Without --regulator one regulator answers at address 1.\n"
    "\n"
    "Example: kalbor-regsim --link /tmp/ttyKALBOR --paced \\\n"
    "           -r 1,load=8000,tg=0.4,current=200,display=-095 -r 2,locked,stage1=0xFC";

[[noreturn]] void failWith(const QString& message)
{
    std::fprintf(stderr, "kalbor-regsim: %s\nTry kalbor-regsim --help.\n", qPrintable(message));
    std::exit(2);
}

QList<RegulatorState> regulators(const QStringList& specs)
{
    QList<RegulatorState> result;
    for (const QString& spec : specs.isEmpty() ? QStringList{QStringLiteral("1")} : specs) {
        QString error;
        const auto state = parseRegulatorSpec(spec, &error);
        if (!state)
            failWith(error);
        result.append(*state);
    }
    return result;
}

} // namespace

ProgramOptions parseCommandLine(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription).arg(regulatorSpecHelp()));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption regulator({QStringLiteral("r"), QStringLiteral("regulator")},
                                       QStringLiteral("Declares a regulator (repeatable)."),
                                       QStringLiteral("spec"));
    const QCommandLineOption link(QStringLiteral("link"),
                                  QStringLiteral("Makes a symbolic link to the terminal."),
                                  QStringLiteral("path"));
    const QCommandLineOption paced(
        QStringLiteral("paced"),
        QStringLiteral("Sends replies at the line's speed: 11 bits a byte at 4800 baud."));
    const QCommandLineOption turnaround(
        QStringLiteral("turnaround"), QStringLiteral("Waits this long before the first byte of each reply."),
        QStringLiteral("ms"), QStringLiteral("0"));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("Appends every frame received and reply sent, in hex."),
                                 QStringLiteral("file"));
    parser.addOptions({regulator, link, paced, turnaround, log});
    parser.process(app);

    ProgramOptions options;
    options.regulators = regulators(parser.values(regulator));
    options.timing.paced = parser.isSet(paced);
    bool ok = false;
    options.timing.turnaroundMs = parser.value(turnaround).toInt(&ok);
    if (!ok || options.timing.turnaroundMs < 0)
        failWith(QStringLiteral("--turnaround takes milliseconds, 0 or more"));
    options.linkPath = parser.value(link);
    options.logPath = parser.value(log);
    return options;
}

} // namespace regsim
