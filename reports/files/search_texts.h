#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "engine/search/design_search.h"

// How a found design and a near miss read, for the command line and the window alike.
namespace pfc {

// The columns of a table of found designs for people, with their captions, and each
// cell's text with the method's rounding ("-" where the check has no figure).
inline constexpr std::size_t kSearchTableColumns = 14;
struct SearchTableColumn {
  const char* caption = "";
  bool left = false;  // text, aligned left
};
const std::array<SearchTableColumn, kSearchTableColumns>& SearchTableColumns();
std::string SearchCellText(const SearchCandidate& candidate, std::size_t column);

// "TD-26 × 2, material 60, 31 turns of AWG 12".
std::string CandidateName(const SearchCandidate& candidate);

// What a miss breaks, e.g. "inductance at the peak current 92.1 % of the target (limit
// 100 %)", joined by "; ".
std::string BrokenLimitsText(const SearchCandidate& miss, const DesignLimits& limits);

}  // namespace pfc
