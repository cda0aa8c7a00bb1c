#pragma once

#include "PacedWriter.h"
#include "RegulatorState.h"

#include <QList>
#include <QString>

class QCoreApplication;

namespace regsim {

struct ProgramOptions
{
    QList<RegulatorState> regulators;
    LineTiming timing;
    QString linkPath;
    QString logPath;
};

// Reads the program's command line; prints help or an error and ends the process where
// QCommandLineParser would.
ProgramOptions parseCommandLine(const QCoreApplication& app);

} // namespace regsim
