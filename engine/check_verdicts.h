#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "engine/core_selection.h"
#include "engine/method_constants.h"
#include "engine/operating_check.h"

// What a checked design is judged against, and whether it passes: the facts. How a verdict
// reads is the faces' business.
namespace pfc {

// By default a design is held to the method's own assumptions and limits.
struct CheckLimits {
  double ripplePercent = kMethodRipplePercent;  // at the low-line crest
  double temperatureC = kTemperatureCeiling;    // the checked winding's, both lines
  double inductancePercent = 100;               // of the target at the peak current
};

enum class CheckVerdict {
  InductanceAtPeak,  // L at the peak current reaches the share of the target, both lines
  RippleAtCrest,     // the low-line crest ripple is within the limit
  Temperature,       // the checked winding temperature is at most the limit, both lines
  Steady,            // the temperature settles, both lines
  Saturation,        // the core carries every on-time, both lines
  BoostHeadroom,     // the high-line crest stays below Vout
};
inline constexpr std::size_t kCheckVerdicts = 6;

struct VerdictOutcome {
  CheckVerdict code = CheckVerdict::InductanceAtPeak;
  bool lowMisses = false;   // the low line misses the limit
  bool highMisses = false;  // the high line does
  bool unknown = false;     // a figure the verdict needs does not exist
  bool Passes() const { return !lowMisses && !highMisses && !unknown; }
};

// In CheckVerdict's order.
std::array<VerdictOutcome, kCheckVerdicts> JudgeCheck(const OperatingCheck& check,
                                                      const CheckLimits& limits);

// The verdict's export name: inductance_at_peak, ripple_at_crest, temperature, steady,
// saturation, boost_headroom.
const char* VerdictName(CheckVerdict verdict);

}  // namespace pfc
