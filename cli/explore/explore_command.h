#pragma once

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/design/design_options.h"
#include "cli/output_format.h"
#include "cli/standard_streams.h"
#include "engine/check/design_limits.h"
#include "engine/method/design_session.h"

namespace pfc {

// "pfc-core explore": every core with every stack count at the entered operating point.
struct ExploreCommand {
  DesignOptions options;
  DesignLimits limits;  // what the check columns are judged by
  OutputFormat format = OutputFormat::Text;
};

CLI::App* AddExploreCommand(CLI::App& app, ExploreCommand& exploring, DesignSession& session,
                            StandardStreams streams);

// Exit status 0 explored, 1 rejected by an input check, 2 neither --csv nor --json.
int RunExploreCommand(const ExploreCommand& exploring, DesignSession& session, std::ostream& out,
                      std::ostream& err);

}  // namespace pfc
