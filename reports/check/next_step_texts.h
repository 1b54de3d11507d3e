#pragma once

#include <string>

#include "engine/check/check_verdicts.h"
#include "engine/check/design_limits.h"
#include "engine/check/operating_check.h"
#include "engine/inputs/entries.h"
#include "engine/record/design_record.h"

// What a check that misses says next, for the command line and the windows alike: what
// misses, in one line for the result summary, and the search that finds designs that meet
// the same limits at the same operating point.
namespace pfc {

// What one missed verdict found, with the figure of the worse line: "22 % of the target
// inductance at the low-line peak", "the core saturates at the high line". Empty for a
// verdict that passes or is not judged.
std::string MissedVerdictText(const OperatingCheck& check, const VerdictOutcome& verdict,
                              const DesignLimits& limits, char decimalSeparator);

// The result summary's line for a checked published design: "Operating check: MISS: 22 % of
// the target inductance at the low-line peak" (the first verdict that misses, and how many
// more do), or "Operating check: pass: every limit met at both line voltages".
std::string OperatingCheckSummaryLine(const OperatingCheck& check, const DesignLimits& limits,
                                      char decimalSeparator);

// "pfc-core optimize --vin-min 85 --min-inductance 80": the search at the same operating
// point (the entries that differ from the form's, but the stack and the pick, which the
// search varies) under the same limits (those that differ from the defaults). Texts a shell
// would split are quoted.
std::string OptimizeCommandLine(const EntryTexts& entries, const DesignLimits& limits);

// The lines a check's text ends with when a verdict misses: which limits miss, and the
// search for designs that meet them. Empty when every verdict passes.
std::string CheckNextStepText(const OperatingCheck& check, const DesignLimits& limits,
                              const EntryTexts& entries, char decimalSeparator);

}  // namespace pfc
