#pragma once

#include <nlohmann/json.hpp>

#include "engine/search/design_search.h"

namespace pfc {

// The search as one object: its settings, "checked", "candidates" (every feasible row by
// the export names of its columns) and "near_misses" (when nothing is feasible: the same
// columns and "breaks", the names of the limits each breaks).
nlohmann::ordered_json SearchJson(const DesignSearch& search, const SearchRequest& request);

}  // namespace pfc
