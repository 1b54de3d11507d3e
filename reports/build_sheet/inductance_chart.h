#pragma once

#include <string>

#include "engine/check/operating_check.h"
#include "engine/record/design_record.h"

namespace pfc {

// The built winding's incremental inductance against its current as an inline SVG element:
// the curve from zero to 1.2 × the larger peak current, the target as a dashed line, and
// both lines' line-peak and peak currents as marked points. Coordinates are written to a
// tenth of a unit, so the same check gives the same bytes.
std::string InductanceChartSvg(const DesignRecord& built, const OperatingCheck& check);

}  // namespace pfc
