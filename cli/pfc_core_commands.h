#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <ostream>
#include <vector>

#include "cli/standard_streams.h"
#include "engine/method/design_session.h"

namespace pfc {

// What every command runs with: the tables it designs on (which --cores may replace while the
// command line is read), the program's own streams and standard error.
struct CommandContext {
  DesignSession& session;
  StandardStreams streams;
  std::ostream& err;
};

// One command of pfc-core. `add` puts the command, its options and its help on the command
// line and returns it; `run` runs it once it is the command parsed, printing its own output
// to `commandOut` (which discards it when a file written to "-" takes standard output).
struct PfcCoreCommand {
  std::function<CLI::App*(CLI::App&, CommandContext&)> add;
  std::function<int(CommandContext&, std::ostream& commandOut)> run;
};

// Every command of pfc-core, in the order its help lists them. Each keeps its options for as
// long as the table lives.
std::vector<PfcCoreCommand> PfcCoreCommands();

}  // namespace pfc
