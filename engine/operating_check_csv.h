#pragma once

#include <string>

#include "engine/operating_check.h"

namespace pfc {

// The angle rows of both line voltages as CSV: a header, then the 91 rows of the low line and
// the 91 of the high line, each led by "low" or "high"; lines end in CR LF, numbers are in
// shortest round-trip form, a number that does not exist is an empty field.
std::string OperatingCheckCsv(const OperatingCheck& check);

}  // namespace pfc
