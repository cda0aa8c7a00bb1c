#pragma once

#include "RegulatorState.h"

#include <QString>

namespace regsim {

// A regulator declared on the command line: "ADDRESS[,KEY=VALUE|FLAG]...", for example
// "5,load=6000,tg=0.4,current=200,locked". Integers may be written in hex with 0x; the keys
// are listed by regulatorSpecHelp().
std::optional<RegulatorState> parseRegulatorSpec(const QString& spec, QString* error);

// One line per key or flag, for the program's help.
QString regulatorSpecHelp();

} // namespace regsim
