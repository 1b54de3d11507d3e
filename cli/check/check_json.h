#pragma once

#include <nlohmann/json.hpp>

#include "engine/check/check_verdicts.h"
#include "engine/check/operating_check.h"
#include "engine/method/design_run.h"
#include "engine/record/design_record.h"
#include "reports/summary/result_summary.h"

namespace pfc {

// One object: "status" ("checked" or "not-published"), "grade", "ripple_limit_percent",
// "catalogue_permeability", "al_nh" (the core's AL in the grade), "zero_bias_uh", "design"
// (the design run exactly as `design --json` gives it), "low_line" and "high_line" (each its
// figures, "steady", "peak_above_vout", "saturates" and the 91 "angles"), "verdicts" (each
// verdict's name, true where the design passes). Without a check
// (the run did not publish) the check's members are null. A number that does not exist is
// null, and so is a group of them.
nlohmann::ordered_json CheckJson(const RunOutcome& outcome, const DesignRecord& record,
                                 const ResultSummary& summary, const Material& material,
                                 const DesignLimits& limits, const OperatingCheck* check);

}  // namespace pfc
