#pragma once

#include <string>

#include "engine/record/design_record.h"

namespace pfc {

// The intermediate listing as CSV: a header, then the 38 lines in screen order with their
// caption, the value at full precision (shortest round-trip form, full stop as separator;
// empty when it is not a finite number) and the unit. UTF-8, lines end in LF.
std::string ListingCsv(const DesignRecord& record);

}  // namespace pfc
