#pragma once

#include <string>

#include "engine/record/design_record.h"

namespace pfc {

// After the check of a given winding, as terminal text: the method's limits it meets or
// misses, with the wound design's figure beside each limit.
std::string GivenWindingText(const DesignRecord& record);

}  // namespace pfc
