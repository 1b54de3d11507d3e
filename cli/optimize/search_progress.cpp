#include "cli/optimize/search_progress.h"

namespace pfc {
namespace {

constexpr std::size_t kBarWidth = 30;
constexpr double kFirstDraw = 0.3;  // seconds
constexpr double kRedraw = 0.1;     // seconds

}  // namespace

std::string SearchProgressLine(std::size_t done, std::size_t total, std::size_t feasible) {
  const std::size_t filled = total > 0 ? done * kBarWidth / total : kBarWidth;
  std::string line = "\r[";
  line.append(filled, '#').append(kBarWidth - filled, ' ').append("] ");
  line.append(std::to_string(done)).append("/").append(std::to_string(total));
  line.append(" cores, stacks and materials  ").append(std::to_string(feasible));
  return line.append(" designs that work   ");
}

void SearchProgressBar::Update(const SearchProgress& progress) {
  feasible_ += progress.found.size();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  const bool last = progress.done == progress.total;
  if (seconds < kFirstDraw || (!last && seconds - lastDrawn_ < kRedraw))
    return;
  terminal_ << SearchProgressLine(progress.done, progress.total, feasible_) << std::flush;
  lastDrawn_ = seconds;
  drawn_ = true;
}

void SearchProgressBar::Finish() {
  if (drawn_)
    terminal_ << "\n" << std::flush;
}

}  // namespace pfc
