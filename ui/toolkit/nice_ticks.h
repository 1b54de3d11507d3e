#pragma once

// Where a chart's value axis begins, ends and ticks, so that every tick falls on a round
// number: 1, 2 or 5 × 10ⁿ and its multiples. Every chart of the windows asks this.
namespace pfc::ui {

struct AxisTicks {
  double low = 0;
  double high = 1;
  double step = 0.2;  // between ticks; low and high are multiples of it
};

// The smallest round step that covers [low, high] in at most `most` steps, and the range
// widened out to the steps around it. One value is shown with half its size on either side;
// zero, or a range not finite, as 0 to 1.
AxisTicks NiceTicks(double low, double high, int most = 8);

}  // namespace pfc::ui
