#pragma once

#include <CLI/CLI.hpp>
#include <istream>
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
#include "engine/record/design_record.h"

namespace pfc {

struct CheckOptions {
  DesignOptions design;
  int grade = kDefaultRolloffGrade;         // the one that matches the core
  CheckLimits limits;                       // --ripple-limit
  WindingRequest winding;                   // --turns, --wire
  std::optional<std::string> materialFile;  // --material; empty for a grade
  bool json = false;
  bool csv = false;
};

// Adds "check" to pfc-core: the options of AddCheckedDesignOptions plus --ripple-limit,
// --json and --csv.
CLI::App* AddCheckCommand(CLI::App& app, CheckOptions& options, const CoreCatalogue& catalogue);

// The options that say what is checked: every option of "design", the material (--grade or
// --material) and the winding (--turns, --wire), for "check" and the commands that work on
// its result.
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
// A material file "-" is read from `in`.
CheckedRun RunCheckedDesign(const CheckOptions& options, const CoreCatalogue& catalogue,
                            const WireTable& wires, DesignRecord& record, std::istream& in);

// Runs the design as "design" does and, when it publishes, checks it. Exit status 0 checked,
// 1 not published (the run's messages printed as "design" prints them), 2 a material file or
// a winding refused.
int RunCheckCommand(const CheckOptions& options, const CoreCatalogue& catalogue,
                    const WireTable& wires, DesignRecord& record, std::istream& in,
                    std::ostream& out, std::ostream& err);

}  // namespace pfc
