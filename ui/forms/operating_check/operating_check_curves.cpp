#include "ui/forms/operating_check/operating_check_curves.h"

#include <algorithm>
#include <cmath>

#include "engine/rolloff_inductor.h"

namespace pfc::ui {

namespace {

// The current a line reaches: its peak with ripple, or its line peak where the ripple is
// unknown.
double ReachedCurrent(const LineCheck& line) {
  return line.ipk.value_or(line.ipkLine.value_or(0));
}

}  // namespace

InductanceCurves InductanceAgainstCurrent(const DesignRecord& r, const OperatingCheck& check,
                                          int samples) {
  InductanceCurves curves;
  curves.targetUh = r.Inductance * 1e6;
  const double reached = std::max(ReachedCurrent(check.lowLine), ReachedCurrent(check.highLine));
  curves.currentEnd = 1.2 * reached;
  if (!(curves.currentEnd > 0) || !std::isfinite(curves.currentEnd) || r.Turns < 1 ||
      !(r.AlValue > 0) || !(r.PathLength > 0)) {
    return curves;  // nothing to draw against
  }
  const RolloffInductor inductor = CheckedInductor(r, check.material);
  const auto point = [&inductor](double current) {
    return CurvePoint{current, inductor.Inductance(current) * 1e6};
  };
  const int steps = std::max(samples, 2) - 1;
  curves.inductance.reserve(static_cast<std::size_t>(steps) + 1);
  for (int k = 0; k <= steps; ++k) {
    curves.inductance.push_back(point(curves.currentEnd * k / steps));
  }
  const auto marks = [&point](const LineCheck& line) {
    CurrentMarks m;
    if (line.ipkLine) {
      m.linePeak = point(*line.ipkLine);
    }
    if (line.ipk) {
      m.peak = point(*line.ipk);
    }
    return m;
  };
  curves.lowLine = marks(check.lowLine);
  curves.highLine = marks(check.highLine);
  return curves;
}

LineCurrentCurves CurrentOverHalfCycle(const LineCheck& line) {
  LineCurrentCurves curves;
  constexpr int kQuarter = kCheckedAngles - 1;
  for (int deg = 0; deg <= 2 * kQuarter; ++deg) {
    const CheckedAngle& angle =
        line.angles[static_cast<std::size_t>(deg <= kQuarter ? deg : 2 * kQuarter - deg)];
    if (!angle.iAvg) {
      continue;
    }
    const double x = deg;
    curves.average.push_back({x, *angle.iAvg});
    if (!line.saturates && angle.ripplePp && angle.iMax) {
      curves.upper.push_back({x, *angle.iMax});
      // The boost diode stops the inductor current at zero.
      curves.lower.push_back({x, std::max(0.0, *angle.iAvg - *angle.ripplePp / 2)});
    }
  }
  return curves;
}

}  // namespace pfc::ui
