#include "CommandLine.h"
#include "PtyLink.h"
#include "RegSim.h"
#include "SignalQuit.h"

#include <QCoreApplication>
#include <cstdio>

using namespace regsim;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kalbor-regsim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KALBOR_VERSION));
    const ProgramOptions options = parseCommandLine(app);

    RegSim sim;
    sim.setFrameRecording(false);
    sim.setLineTiming(options.timing);
    for (const RegulatorState& state : options.regulators)
        sim.addRegulator(state);
    if (!options.logPath.isEmpty() && !sim.setLogFile(options.logPath))
        return 1;
    if (!sim.open()) {
        qCritical("kalbor-regsim: %s", qPrintable(sim.errorString()));
        return 1;
    }
    PtyLink link;
    QString error;
    if (!options.linkPath.isEmpty() && !link.create(options.linkPath, sim.slavePath(), &error)) {
        qCritical("kalbor-regsim: %s", qPrintable(error));
        return 1;
    }
    std::printf("%s\n", qPrintable(sim.slavePath()));
    std::fflush(stdout);

    SignalQuit signalQuit;
    return app.exec();
}
