#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>

#include "cli/batch/batch_run.h"

namespace pfc {

// True when err is the program's standard error and that is a terminal: progress is for
// people watching, never for a log or a pipe.
bool IsTerminalStandardError(const std::ostream& err);

// One redraw of the progress line: a bar when the input's size is known (0: unknown), the
// rows written and the rows per second so far; no line break.
std::string ProgressLine(const BatchTotals& totals, std::uint64_t inputBytes, double seconds);

// The progress line on a terminal, redrawn a few times a second once the batch has run for
// half a second, so that short batches leave nothing behind.
class BatchProgressBar {
 public:
  BatchProgressBar(std::ostream& terminal, std::uint64_t inputBytes);

  void Update(const BatchTotals& totals);
  // The last redraw and the line break, when anything was drawn.
  void Finish(const BatchTotals& totals);

 private:
  double Seconds() const;

  std::ostream& terminal_;
  std::uint64_t inputBytes_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  double lastDrawn_ = 0;
  bool drawn_ = false;
};

}  // namespace pfc
