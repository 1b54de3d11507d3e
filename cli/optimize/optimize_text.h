#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/search/design_search.h"

namespace pfc {

// The search for people: the best `top` feasible rows as a table with the Pareto rows
// marked and how to check one; when nothing is feasible, that and the nearest misses with
// the limits each breaks.
// checkMaterial holds each material's check option, "--grade 60" or "--material FILE".
std::string SearchText(const DesignSearch& search, const SearchRequest& request,
                       const std::vector<std::string>& checkMaterial, std::size_t top);

}  // namespace pfc
