#pragma once

#include <CLI/CLI.hpp>
#include <ostream>
#include <string>

#include "cli/design/design_options.h"
#include "cli/output_format.h"
#include "cli/standard_streams.h"
#include "engine/check/built_part.h"
#include "engine/method/design_session.h"

namespace pfc {

// "pfc-core design": the method's run as "Show Results" does it, from the form's texts.
struct DesignCommand {
  DesignOptions options;
  BuiltPart part;  // a design file's material and winding: the report does not show them
  OutputFormat format = OutputFormat::Text;
  std::string reportPath;
  CLI::Option* report = nullptr;
};

CLI::App* AddDesignCommand(CLI::App& app, DesignCommand& designing, DesignSession& session,
                           StandardStreams streams);

// The summary or the JSON object goes to `commandOut`, a report written to "-" to `out`; a
// word on standard error when the design carries a part of its own, which the method's
// report does not show. Exit status 0 published, 1 rejected, stopped or no report written.
int RunDesigning(const DesignCommand& designing, DesignSession& session, std::ostream& commandOut,
                 std::ostream& out, std::ostream& err);

}  // namespace pfc
