#pragma once

#include <string>

#include "engine/design_record.h"
#include "engine/operating_check.h"

namespace pfc {

// The check as terminal text: the design and grade, a table of both line voltages beside the
// method's own figures (rounded to four significant digits, "—" where a figure does not
// exist), the flags, and a verdict line for each assumption of the method a line misses.
std::string CheckText(const OperatingCheck& check, const DesignRecord& record);

}  // namespace pfc
