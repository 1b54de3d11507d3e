#pragma once

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/design_options.h"
#include "engine/catalogue.h"
#include "engine/check_verdicts.h"
#include "engine/design_record.h"
#include "engine/rolloff_grades.h"

namespace pfc {

struct CheckOptions {
  DesignOptions design;
  int grade = kDefaultRolloffGrade;  // the one that matches the core
  CheckLimits limits;                // --ripple-limit
  bool json = false;
  bool csv = false;
};

// Adds "check" to pfc-core: every option of "design" plus --grade, --ripple-limit, --json and
// --csv.
CLI::App* AddCheckCommand(CLI::App& app, CheckOptions& options, const CoreCatalogue& catalogue);

// Runs the design as "design" does and, when it publishes, checks it. Exit status 0 checked,
// 1 not published (the run's messages printed as "design" prints them).
int RunCheckCommand(const CheckOptions& options, const CoreCatalogue& catalogue,
                    const WireTable& wires, DesignRecord& record, std::ostream& out,
                    std::ostream& err);

}  // namespace pfc
