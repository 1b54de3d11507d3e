#include "engine/check/design_limits.h"

#include <cmath>
#include <utility>

#include "engine/record/number_text.h"

namespace pfc {

const LimitRange* LimitRangeOf(const std::string& name) {
  const std::pair<const char*, const LimitRange*> ranges[] = {
      {kMinInductanceName, &kMinInductanceRange},
      {kRippleLimitName, &kRippleLimitRange},
      {kMaxTemperatureName, &kMaxTemperatureRange},
      {kAlToleranceName, &kAlToleranceRange},
  };
  for (const auto& [limit, range] : ranges)
    if (name == limit)
      return range;
  return nullptr;
}

std::string LimitRangeText(const LimitRange& range) {
  return (range.lowIncluded ? "from " : "above ") + FormatGeneral(range.low) +
         (range.lowIncluded ? " to " : " up to ") + FormatGeneral(range.high) + " " + range.unit;
}

std::string LimitRangeProblem(const std::string& name, double value) {
  if (!std::isfinite(value))
    return "is not a finite number";
  const LimitRange* range = LimitRangeOf(name);
  if (range == nullptr || range->Contains(value))
    return {};
  return "is outside its range, " + LimitRangeText(*range);
}

std::string DesignLimitsProblem(const DesignLimits& limits) {
  const std::pair<const char*, std::optional<double>> named[] = {
      {kMinInductanceName, limits.inductancePercent},
      {kRippleLimitName, limits.ripplePercent},
      {kMaxTemperatureName, limits.temperatureC},
      {kAlToleranceName, limits.alTolerancePercent},
  };
  for (const auto& [name, value] : named) {
    if (!value)
      continue;
    const std::string problem = LimitRangeProblem(name, *value);
    if (!problem.empty())
      return std::string(name) + " " + FormatGeneral(*value) + " " + problem;
  }
  return {};
}

}  // namespace pfc
