#include "cli/batch/batch_progress.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <iostream>

namespace pfc {
namespace {

constexpr int kBarWidth = 30;
constexpr double kFirstDraw = 0.5;  // seconds
constexpr double kRedraw = 0.2;     // seconds

}  // namespace

bool IsTerminalStandardError(const std::ostream& err) {
  return &err == &std::cerr && ::isatty(STDERR_FILENO) == 1;
}

std::string ProgressLine(const BatchTotals& totals, std::uint64_t inputBytes, double seconds) {
  std::string line = "\r";
  if (inputBytes > 0) {
    const double done =
        std::min(1.0, static_cast<double>(totals.bytesRead) / static_cast<double>(inputBytes));
    const int filled = static_cast<int>(done * kBarWidth);
    line.append("[").append(static_cast<std::size_t>(filled), '#');
    line.append(static_cast<std::size_t>(kBarWidth - filled), ' ').append("] ");
    line.append(std::to_string(static_cast<int>(done * 100))).append("%  ");
  }
  line.append(std::to_string(totals.rows)).append(" rows");
  if (seconds > 0) {
    const auto perSecond = std::llround(static_cast<double>(totals.rows) / seconds);
    line.append("  ").append(std::to_string(perSecond)).append(" rows/s");
  }
  // Blanks over what a longer earlier line left.
  return line.append("   ");
}

BatchProgressBar::BatchProgressBar(std::ostream& terminal, std::uint64_t inputBytes)
    : terminal_(terminal), inputBytes_(inputBytes) {}

double BatchProgressBar::Seconds() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
}

void BatchProgressBar::Update(const BatchTotals& totals) {
  const double seconds = Seconds();
  if (seconds < kFirstDraw || seconds - lastDrawn_ < kRedraw)
    return;
  terminal_ << ProgressLine(totals, inputBytes_, seconds) << std::flush;
  lastDrawn_ = seconds;
  drawn_ = true;
}

void BatchProgressBar::Finish(const BatchTotals& totals) {
  if (!drawn_)
    return;
  terminal_ << ProgressLine(totals, inputBytes_, Seconds()) << "\n" << std::flush;
}

}  // namespace pfc
