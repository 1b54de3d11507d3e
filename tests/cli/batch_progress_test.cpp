#include "cli/batch/batch_progress.h"

#include <gtest/gtest.h>

#include <sstream>

namespace pfc {
namespace {

BatchTotals Totals(std::uint64_t rows, std::uint64_t bytesRead) {
  BatchTotals totals;
  totals.rows = rows;
  totals.bytesRead = bytesRead;
  return totals;
}

TEST(ProgressLine, FillsTheBarByTheInputReadAndTellsTheRate) {
  const std::string half = ProgressLine(Totals(5000, 500), 1000, 2.0);
  EXPECT_NE(half.find("[" + std::string(15, '#') + std::string(15, ' ') + "] 50%"),
            std::string::npos)
      << half;
  EXPECT_NE(half.find("5000 rows  2500 rows/s"), std::string::npos) << half;
  EXPECT_EQ(half.front(), '\r') << "redraws the same line";
}

TEST(ProgressLine, NeverPassesTheEndAndShowsNoBarForAPipe) {
  EXPECT_NE(ProgressLine(Totals(7, 1200), 1000, 1.0).find("[" + std::string(30, '#') + "] 100%"),
            std::string::npos);
  const std::string piped = ProgressLine(Totals(7, 1200), 0, 1.0);
  EXPECT_EQ(piped.find('['), std::string::npos) << piped;
  EXPECT_NE(piped.find("7 rows  7 rows/s"), std::string::npos) << piped;
}

TEST(BatchProgressBar, AShortBatchLeavesNothingOnTheTerminal) {
  std::ostringstream terminal;
  BatchProgressBar bar(terminal, 1000);
  bar.Update(Totals(10, 1000));
  bar.Finish(Totals(10, 1000));
  EXPECT_EQ(terminal.str(), "");
}

}  // namespace
}  // namespace pfc
