#pragma once

#include <string>

#include "engine/check/operating_check.h"
#include "engine/record/design_record.h"
#include "reports/check/check_verdict_texts.h"

namespace pfc {

// The check as terminal text: the design and grade, the figure rows of both line voltages
// beside the method's own (as reports/check/check_figures.h writes them) and the verdicts, each
// led by "pass" or "MISS". A winding origin, when not empty, follows the design in
// parentheses (CheckedWindingOrigin).
std::string CheckText(const OperatingCheck& check, const DesignRecord& record,
                      const DesignLimits& limits, const std::string& windingOrigin = {});

}  // namespace pfc
