#pragma once

#include <nlohmann/json.hpp>

#include "engine/record/design_record.h"

namespace pfc {

// The intermediate listing as the calculations window shows it: one object per line in
// screen order (A1..A13, B1..B13, C1..C12) with "line", "caption", "value" (the exact text,
// unit included) and "colour" ("red" or "black").
nlohmann::ordered_json ListingJson(const DesignRecord& record);

}  // namespace pfc
