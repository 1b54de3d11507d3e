#include "ui/toolkit/nice_ticks.h"

#include <algorithm>
#include <cmath>

namespace pfc::ui {

AxisTicks NiceTicks(double low, double high, int most) {
  if (!std::isfinite(low) || !std::isfinite(high))
    return {};
  if (low > high)
    std::swap(low, high);
  most = std::max(most, 1);
  double span = high - low;
  if (!(span > 0)) {
    // One value: half its size on either side of it.
    if (low == 0)
      return {};
    span = std::abs(low);
    low -= span / 2;
    high += span / 2;
  }
  double magnitude = std::pow(10.0, std::floor(std::log10(span / most)));
  for (;;) {
    for (const double factor : {1.0, 2.0, 5.0}) {
      const double step = factor * magnitude;
      const double first = std::floor(low / step);
      const double last = std::ceil(high / step);
      if (last - first <= most)
        return {first * step, last * step, step};
    }
    magnitude *= 10;
  }
}

}  // namespace pfc::ui
