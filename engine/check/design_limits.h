#pragma once

#include <optional>
#include <string>

#include "engine/method/core_selection.h"

// What a design must meet, one value for every face that judges one: the operating check's
// verdicts, the search for designs that work, the batch's and Compare Cores' check columns.
// The target inductance is the engineer's requirement; the method's 10 % ripple is the
// method's own assumption, so the ripple is judged only where a limit is set.
namespace pfc {

struct DesignLimits {
  double inductancePercent = 100;             // least L at the peak current, % of the target
  std::optional<double> ripplePercent;        // low-line crest ripple, % of line-peak current
  double temperatureC = kTemperatureCeiling;  // highest checked winding temperature, °C
  double alTolerancePercent = 0;              // the core's AL tolerance: worst case AL·(1 − t)

  bool operator==(const DesignLimits&) const = default;
};

// The limits' ranges. The inductance share and the ripple limit are above 0 (a share of 0
// or less judges nothing); every limit is finite.
inline constexpr double kLeastAlTolerancePercent = 0;
inline constexpr double kMostAlTolerancePercent = 30;  // powder cores are sold at ±8 %

// The limits' public names: the command-line options (with "--"), the design file's keys.
inline constexpr const char* kMinInductanceName = "min-inductance";
inline constexpr const char* kRippleLimitName = "ripple-limit";
inline constexpr const char* kMaxTemperatureName = "max-temperature";
inline constexpr const char* kAlToleranceName = "al-tolerance";

// Empty where a value of the limit of this public name is within its range; else why not:
// "is outside 0 to 30 %", "is not a percentage above 0".
std::string LimitRangeProblem(const std::string& name, double value);

// Empty where every limit is within its range; else why the first that is not, led by its
// public name: "al-tolerance 40 is outside 0 to 30 %".
std::string DesignLimitsProblem(const DesignLimits& limits);

}  // namespace pfc
