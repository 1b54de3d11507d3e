#pragma once

#include <string>

#include "engine/check/design_limits.h"
#include "engine/check/operating_check.h"

// The operating check's key figures as columns of batch --check, named by their path in
// check --json: "low_line.ipk", "low_line.at_ipk.l_percent_of_target", ..., "high_line.saturates";
// with an AL tolerance above 0 the worst case's ("low_line.worst_case.ipk", ...); then the
// verdicts ("verdicts.inductance_at_peak", ...).
namespace pfc {

// Appends ",name" for every check column, in check --json order (low line, then high line).
void AppendCheckColumnNames(const DesignLimits& limits, std::string& line);

// Appends ",cell" for every check column: a number in its shortest exact form, a flag as
// true or false, and an empty cell for a figure that does not exist and a verdict not judged.
void AppendCheckCells(const OperatingCheck& check, const DesignLimits& limits, std::string& line);

// Appends an empty cell for every check column: the row has no check (it did not publish).
void AppendEmptyCheckCells(const DesignLimits& limits, std::string& line);

}  // namespace pfc
