#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <ostream>
#include <string>

#include "cli/design/design_options.h"
#include "engine/catalogue/catalogue.h"
#include "engine/check/check_verdicts.h"
#include "engine/check/given_winding.h"
#include "engine/check/operating_check.h"
#include "engine/check/rolloff_grades.h"
#include "engine/method/design_run.h"
#include "engine/method/method_constants.h"
#include "engine/record/design_record.h"

namespace pfc {

struct CheckOptions {
  DesignOptions design;
  int grade = kDefaultRolloffGrade;         // the one that matches the core
  DesignLimits limits;                      // AddLimitOptions
  bool strict = false;                      // --strict: a missed verdict is exit status 3
  WindingRequest winding;                   // --turns, --wire
  std::optional<std::string> materialFile;  // --material; empty for a grade
  bool json = false;
  bool csv = false;
};

// Adds "check" to pfc-core: the options of AddCheckedDesignOptions plus --strict, --json and
// --csv.
CLI::App* AddCheckCommand(CLI::App& app, CheckOptions& options, const CoreCatalogue& catalogue);

// The options that say what is checked: every option of "design", the material (--grade or
// --material), the winding (--turns, --wire) and the limits (AddLimitOptions), for "check" and
// the commands that work on its result.
void AddCheckedDesignOptions(CLI::App& command, CheckOptions& options,
                             const CoreCatalogue& catalogue);

// A design run as "design" runs it, wound as the options say and, when there is a design to
// check, its check.
struct CheckedRun {
  RunOutcome outcome;  // with a given winding, the wound design's: published, no messages
  std::optional<OperatingCheck> check;  // empty when not published or refused
  Material material;
  bool givenWinding = false;
  std::string refusal;  // the material file or the winding refused, for stderr; status 2
};

// With both --turns and --wire on a picked core the method need not publish: a run that
// stops only at the method's field-strength limit is wound and checked, and its limits are
// judged (JudgeMethodLimits) instead.
CheckedRun RunCheckedDesign(const CheckOptions& options, const CoreCatalogue& catalogue,
                            const WireTable& wires, DesignRecord& record);

// Runs the design as "design" does and, when it publishes, checks it. Exit status 0 checked,
// 1 not published (the run's messages printed as "design" prints them), 2 a material file or
// a winding refused, 3 with --strict checked and a verdict missed.
int RunCheckCommand(const CheckOptions& options, const CoreCatalogue& catalogue,
                    const WireTable& wires, DesignRecord& record, std::ostream& out,
                    std::ostream& err);

}  // namespace pfc
