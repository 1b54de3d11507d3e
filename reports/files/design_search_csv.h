#pragma once

#include <span>
#include <string>

#include "engine/search/design_search.h"

namespace pfc {

// Candidates of a design search as CSV: a header of the export names, then one row per
// candidate in the order given. Numbers in shortest round-trip form with a full stop, an
// empty field where the check has no figure, the Pareto mark as true or false; a part number
// or material name with a comma or quote is quoted; lines end in LF.
std::string SearchCandidatesCsv(std::span<const SearchCandidate> candidates);

}  // namespace pfc
