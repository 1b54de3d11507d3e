#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>

#include "engine/search/design_search.h"

namespace pfc {

// One redraw of the search's progress line: a bar of the combinations searched, and the
// feasible designs found so far; no line break.
std::string SearchProgressLine(std::size_t done, std::size_t total, std::size_t feasible);

// The progress line on a terminal, redrawn a few times a second once the search has run for
// a moment, so that a quick search leaves nothing behind.
class SearchProgressBar {
 public:
  explicit SearchProgressBar(std::ostream& terminal) : terminal_(terminal) {}

  void Update(const SearchProgress& progress);
  // The line break, when anything was drawn.
  void Finish();

 private:
  std::ostream& terminal_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  double lastDrawn_ = 0;
  std::size_t feasible_ = 0;
  bool drawn_ = false;
};

}  // namespace pfc
