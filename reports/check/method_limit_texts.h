#pragma once

#include <string>

#include "engine/check/check_verdicts.h"
#include "engine/record/design_record.h"

// How the method's limits read for a given winding, on the command line and in the window.
namespace pfc {

// "field at the peak current 108.42 Oe, limit 115 Oe": the wound design's figure beside the
// limit, two decimals, with the given decimal separator.
std::string MethodLimitText(MethodLimit limit, const DesignRecord& record, char decimalSeparator);

// One line for all three: "The method's limits for this winding: meets …; misses …."
std::string MethodLimitsLine(const DesignRecord& record, char decimalSeparator);

}  // namespace pfc
