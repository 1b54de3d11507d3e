#include "ui/toolkit/nice_ticks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pfc::ui {
namespace {

struct TicksCase {
  double low;
  double high;
  int most;
  AxisTicks ticks;
};

TEST(NiceTicks, RoundStepsCoveringTheRange) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const TicksCase cases[] = {
      // The Find Designs chart's volume axis once ticked at 158.1, 316.2, …
      {0, 790.5, 8, {0, 800, 100}},
      {0, 790.5, 5, {0, 800, 200}},
      {0, 1.05, 8, {0, 1.2, 0.2}},
      {0, 0.0042, 8, {0, 0.005, 0.001}},
      {13.2, 17.9, 8, {13, 18, 1}},
      {-3.3, 4.1, 8, {-4, 6, 2}},
      {97, 103, 8, {97, 103, 1}},
      {0, 1, 1, {0, 1, 1}},
      {0, 7, 1, {0, 10, 10}},
      // Given in the wrong order.
      {790.5, 0, 8, {0, 800, 100}},
      // One value: half its size on either side; nothing to show at zero.
      {40, 40, 8, {20, 60, 5}},
      {0, 0, 8, {0, 1, 0.2}},
      {nan, 1, 8, {0, 1, 0.2}},
      {0, inf, 8, {0, 1, 0.2}},
  };
  for (const TicksCase& c : cases) {
    const AxisTicks t = NiceTicks(c.low, c.high, c.most);
    EXPECT_DOUBLE_EQ(t.low, c.ticks.low) << c.low << " " << c.high;
    EXPECT_DOUBLE_EQ(t.high, c.ticks.high) << c.low << " " << c.high;
    EXPECT_DOUBLE_EQ(t.step, c.ticks.step) << c.low << " " << c.high;
  }
}

}  // namespace
}  // namespace pfc::ui
