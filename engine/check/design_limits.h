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

// A limit's range, the same wherever a limit is entered (the command line, the windows, a
// design file): from `low`, or above it where `low` is excluded, up to `high`, in `unit`.
struct LimitRange {
  double low = 0;
  double high = 0;
  bool lowIncluded = true;
  const char* unit = "";
  bool Contains(double value) const {
    return (lowIncluded ? value >= low : value > low) && value <= high;
  }
};

// The least inductance at the peak current, % of the target; a share of 0 judges nothing.
inline constexpr LimitRange kMinInductanceRange{0, 1000, false, "%"};
// The ripple at the low line's crest, % of the line-peak current; far past what any design
// that works swings, so that a large limit still leaves the ripple unjudged in effect.
inline constexpr LimitRange kRippleLimitRange{0, 1000, false, "%"};
// The highest checked winding temperature, °C.
inline constexpr LimitRange kMaxTemperatureRange{0, 1000, true, "°C"};
// The core's AL tolerance, %; powder cores are sold at ±8 %.
inline constexpr LimitRange kAlToleranceRange{0, 30, true, "%"};

// The limits' public names: the command-line options (with "--"), the design file's keys.
inline constexpr const char* kMinInductanceName = "min-inductance";
inline constexpr const char* kRippleLimitName = "ripple-limit";
inline constexpr const char* kMaxTemperatureName = "max-temperature";
inline constexpr const char* kAlToleranceName = "al-tolerance";

// The range of the limit of this public name; nullptr for no limit's name.
const LimitRange* LimitRangeOf(const std::string& name);

// The range as the refusals write it: "from 0 to 30 %", "above 0 up to 1000 %".
std::string LimitRangeText(const LimitRange& range);

// Empty where a value of the limit of this public name is within its range; else why not,
// naming the range: "is outside its range, from 0 to 30 %".
std::string LimitRangeProblem(const std::string& name, double value);

// Empty where every limit is within its range; else why the first that is not, led by its
// public name: "al-tolerance 40 is outside 0 to 30 %".
std::string DesignLimitsProblem(const DesignLimits& limits);

}  // namespace pfc
