#include "engine/check/inductor_model.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/check/material.h"
#include "engine/method/method_constants.h"
#include "engine/record/number_text.h"

namespace pfc {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Bisection steps that narrow any bracket of doubles to adjacent values.
constexpr int kMostBisections = 2100;
// How close below the table's end a point may come before it is put at the end itself.
constexpr double kSnapToLimitShare = 1e-9;

// The current where λ reaches `target` < λ(∞), from a positive start by doubling and bisecting.
double CurrentOfFluxLinkage(const RolloffInductor& inductor, double target, double start) {
  double low = 0;
  double high = start;
  while (inductor.FluxLinkage(high) < target && std::isfinite(high)) {
    low = high;
    high *= 2;
  }
  if (!std::isfinite(high))
    return kInfinity;
  for (int step = 0; step < kMostBisections; ++step) {
    const double middle = low + (high - low) / 2;
    if (middle <= low || middle >= high)
      break;
    (inductor.FluxLinkage(middle) < target ? low : high) = middle;
  }
  return high;
}

// The current in [from, to] where the inductance equals `slope` (L falls with |i|).
double CurrentOfInductance(const RolloffInductor& inductor, double slope, double from, double to) {
  for (int step = 0; step < kMostBisections; ++step) {
    const double middle = from + (to - from) / 2;
    if (middle <= from || middle >= to)
      break;
    (inductor.Inductance(middle) > slope ? from : to) = middle;
  }
  return from + (to - from) / 2;
}

// The points 0 < i ≤ limit of the positive branch, each segment within kModelAccuracy: a
// step grows while it passes and halves where it fails. Empty when the steps would exceed
// kMostModelPoints.
std::vector<double> PositiveCurrents(const RolloffInductor& inductor, double limit, double& worst) {
  std::vector<double> currents;
  double from = 0;
  double step = limit / 4;
  while (from < limit) {
    // A step ending a hair short of the limit ends at it: a last segment a few doubles wide
    // would give two points of the same flux linkage.
    double to = from + step;
    if (to >= limit * (1 - kSnapToLimitShare))
      to = limit;
    if (!(to > from))
      return {};
    const double bound = InterpolationErrorBound(inductor, from, to);
    if (!(bound <= kModelAccuracy)) {
      step = (to - from) / 2;
      continue;
    }
    worst = std::max(worst, bound);
    currents.push_back(to);
    if (currents.size() > kMostModelPoints / 2)
      return {};
    step = 2 * (to - from);
    from = to;
  }
  return currents;
}

ModelPoint PointAt(const RolloffInductor& inductor, double current) {
  return {current, inductor.FluxLinkage(current), inductor.Inductance(current)};
}

bool Representable(const ModelPoint& p) {
  return std::isfinite(p.current) && std::isfinite(p.fluxLinkage) && p.fluxLinkage > 0 &&
         std::isfinite(p.inductance) && p.inductance > 0;
}

// The larger of the two lines' peak currents: with the ripple where the check has it, the
// line peak where that line saturates; 0 when neither line is usable.
double LargerPeakCurrent(const OperatingCheck& check) {
  double peak = 0;
  for (const LineCheck* line : {&check.lowLine, &check.highLine}) {
    if (!line->usable)
      continue;
    const CheckedNumber current = line->ipk ? line->ipk : line->ipkLine;
    peak = std::max(peak, current.value_or(0));
  }
  return peak;
}

}  // namespace

double InterpolationErrorBound(const RolloffInductor& inductor, double from, double to) {
  const double rise = inductor.FluxLinkageBetween(from, to);
  const double slope = rise / (to - from);
  if (from == 0)
    return 1 - slope / inductor.ZeroBiasInductance();
  // λ is concave on the positive branch: the chord is furthest below it where L equals the
  // chord's slope.
  const double apex = CurrentOfInductance(inductor, slope, from, to);
  const double gap = inductor.FluxLinkageBetween(from, apex) - slope * (apex - from);
  return std::max(0.0, gap) / inductor.FluxLinkage(from);
}

FluxLinkageTable TabulateFluxLinkage(const RolloffInductor& inductor, double peakCurrent) {
  FluxLinkageTable table;
  table.peakCurrent = peakCurrent;
  table.fluxLinkageLimit = inductor.FluxLinkageLimit();
  double limit = kModelSpanOfPeak * peakCurrent;
  if (!(limit > 0) || !std::isfinite(limit))
    return table;
  if (std::isfinite(table.fluxLinkageLimit)) {
    const double saturation = CurrentOfFluxLinkage(
        inductor, kModelShareOfLimit * table.fluxLinkageLimit, std::min(limit, peakCurrent));
    if (saturation < limit) {
      limit = saturation;
      table.endsAtSaturation = true;
    }
  }
  table.currentLimit = limit;
  const std::vector<double> currents = PositiveCurrents(inductor, limit, table.errorBound);
  if (currents.empty())
    return table;
  std::vector<ModelPoint> positive;
  positive.reserve(currents.size());
  for (const double current : currents) {
    positive.push_back(PointAt(inductor, current));
    if (!Representable(positive.back()))
      return table;
  }
  table.points.reserve(2 * positive.size() + 1);
  for (auto p = positive.rbegin(); p != positive.rend(); ++p)
    table.points.push_back({-p->current, -p->fluxLinkage, p->inductance});
  table.points.push_back({0, 0, inductor.ZeroBiasInductance()});
  table.points.insert(table.points.end(), positive.begin(), positive.end());
  return table;
}

InductorModel ModelCheckedWinding(const DesignRecord& r, const OperatingCheck& check) {
  InductorModel model;
  model.material = check.material;
  model.alNh = MaterialAlValue(r, check.material);
  const CheckedNumber& checked = check.lowLine.windingTemperatureC;
  model.checkedTemperature = check.lowLine.Steady() && checked.has_value();
  model.temperatureC = model.checkedTemperature ? *checked : r.AmbientTemp + r.TempRise;
  const double factor =
      1 + kCopperTemperatureCoefficient * (model.temperatureC - kCopperReferenceTemperature);
  model.resistance = r.WindingResistance * factor;
  if (!(model.resistance >= 0) || !std::isfinite(model.resistance)) {
    model.refusal = "the copper law gives no winding resistance at " +
                    FormatGeneral(model.temperatureC) + " °C";
    return model;
  }
  const RolloffInductor inductor = CheckedInductor(r, check.material);
  model.table = TabulateFluxLinkage(inductor, LargerPeakCurrent(check));
  if (model.table.points.empty()) {
    model.refusal =
        "the winding's flux linkage cannot be tabulated: no line carries a finite peak "
        "current, or the flux linkage over it is not representable";
  }
  return model;
}

}  // namespace pfc
