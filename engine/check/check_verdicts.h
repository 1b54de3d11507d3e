#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "engine/check/design_limits.h"
#include "engine/check/operating_check.h"
#include "engine/method/core_selection.h"
#include "engine/method/method_constants.h"
#include "engine/record/design_record.h"

// What a checked design is judged against, and whether it passes: the facts. How a verdict
// reads is the faces' business.
namespace pfc {

enum class CheckVerdict {
  InductanceAtPeak,  // L at the peak current reaches the share of the target, both lines
  RippleAtCrest,     // the low-line crest ripple is within the limit; judged only with one
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
  bool judged = true;       // false for the ripple without a limit: it neither passes nor misses
  bool Passes() const { return !lowMisses && !highMisses && !unknown; }
};

// In CheckVerdict's order.
std::array<VerdictOutcome, kCheckVerdicts> JudgeCheck(const OperatingCheck& check,
                                                      const DesignLimits& limits);

// The figure a verdict judges at a line: the inductance's % of the target at the peak current,
// the crest ripple's % of the line-peak current (the low line's only), the winding
// temperature in °C. With a worst-case core, the inductance and the ripple are the worse of
// it and the nominal core. Empty for the other verdicts and where a figure does not exist.
CheckedNumber JudgedFigure(const OperatingCheck& check, CheckVerdict verdict, LineVoltage line);

// The verdict's export name: inductance_at_peak, ripple_at_crest, temperature, steady,
// saturation, boost_headroom.
const char* VerdictName(CheckVerdict verdict);

// The limits the method holds its own winding to, at Vin Min with its own laws. The method
// refuses (or warns of) a design that breaks them; a given winding is a part that exists, so
// the check judges it against them instead.
enum class MethodLimit {
  FieldStrength,  // the field at the peak current is at most kFieldStrengthLimit
  Temperature,    // ambient plus the method's rise stays below kTemperatureCeiling
  AreaProduct,    // the core's area product reaches the one the stored energy needs
};
inline constexpr std::size_t kMethodLimits = 3;

struct MethodLimitOutcome {
  MethodLimit code = MethodLimit::FieldStrength;
  bool misses = false;  // also where the figure is not a number
};

// In MethodLimit's order, for a record EvaluateCore completed.
std::array<MethodLimitOutcome, kMethodLimits> JudgeMethodLimits(const DesignRecord& record);

// The limit's export name: field_strength, method_temperature, area_product.
const char* MethodLimitName(MethodLimit limit);

}  // namespace pfc
