#include "engine/check/design_limits.h"

#include <cmath>
#include <utility>

#include "engine/record/number_text.h"

namespace pfc {

std::string LimitRangeProblem(const std::string& name, double value) {
  if (!std::isfinite(value))
    return "is not a finite number";
  if (name == kAlToleranceName) {
    if (value >= kLeastAlTolerancePercent && value <= kMostAlTolerancePercent)
      return {};
    return "is outside " + FormatGeneral(kLeastAlTolerancePercent) + " to " +
           FormatGeneral(kMostAlTolerancePercent) + " %";
  }
  if ((name == kMinInductanceName || name == kRippleLimitName) && !(value > 0))
    return "is not a percentage above 0";
  return {};
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
