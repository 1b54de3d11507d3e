#pragma once

#include <string>

#include "engine/check/operating_check.h"

namespace pfc {

// The per-angle rows of a check as CSV: a header, then the 91 angles of the low line and the
// 91 of the high line, each line starting with the line voltage it belongs to ("low" or
// "high"), and with a worst-case core its rows after them ("low-worst-case",
// "high-worst-case"). Numbers in shortest round-trip form with a full stop, an empty field where
// the check has no number (the ripple where the core saturates); lines end in LF. The last
// column holds the strands of the wire wound in parallel, so that a file tells a winding of
// several strands from one of a single wire.
std::string OperatingCheckCsv(const OperatingCheck& check, double strands);

}  // namespace pfc
