#pragma once

#include <CLI/CLI.hpp>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

#include "cli/design/design_options.h"
#include "cli/output_format.h"
#include "engine/catalogue/catalogue.h"
#include "engine/check/built_part.h"
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
  DesignLimits limits;  // AddLimitOptions
  bool strict = false;  // --strict: a missed verdict is exit status 3
  // What is built: --grade or --material (read as it is given, so that --save-inputs keeps
  // the material by value), --turns and --wire. Its core and stack are the run's.
  BuiltPart part;
  bool windingStored = false;       // the winding is a design file's, not --turns's or --wire's
  std::string buildSheet;           // --build-sheet FILE; empty for none
  double leadLengthMm = 50;         // --lead-length
  std::optional<std::string> date;  // --date, printed on the build sheet
  std::string designFile;           // the name of the design file given with --inputs
  OutputFormat format = OutputFormat::Text;  // --json, --csv
};

// Adds "check" to pfc-core: the options of AddCheckedDesignOptions plus --strict, --json and
// --csv.
CLI::App* AddCheckCommand(CLI::App& app, CheckOptions& options, const CoreCatalogue& catalogue,
                          std::istream& in);

// The options that say what is checked: every option of "design", the material (--grade or
// --material), the winding (--turns, --wire) and the limits (AddLimitOptions), for "check" and
// the commands that work on its result.
// --material - reads the material from `in`.
void AddCheckedDesignOptions(CLI::App& command, CheckOptions& options,
                             const CoreCatalogue& catalogue, std::istream& in);

// A design run as "design" runs it, wound as the options say and, when there is a design to
// check, its check.
struct CheckedRun {
  RunOutcome outcome;  // with a given winding, the wound design's: published, no messages
  std::optional<OperatingCheck> check;  // empty when not published or refused
  Material material;
  BuiltPart part;       // as checked: the core wound, and no winding when the method's is checked
  DesignRecord method;  // the run's record before it was wound: the method's own winding
  bool givenWinding = false;
  // A design file's winding that this core cannot take, and why; the method's is checked.
  std::optional<WindingRequest> setAside;
  std::string setAsideReason;
  std::string refusal;  // the winding refused, for stderr; status 2
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
