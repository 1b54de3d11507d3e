#pragma once

#include <array>
#include <string>

#include "engine/core_selection.h"
#include "engine/design_record.h"
#include "engine/method_constants.h"
#include "engine/operating_check.h"

// The operating check's verdicts as people read them, as data: what each judges, its sentence,
// whether the design passes and the line voltages it is about. The command line's table, the
// Operating Check window and the colours of Compare Cores' check columns all read them here.
namespace pfc {

enum class VerdictCode {
  InductanceAtPeak,  // the inductance at the peak current keeps the target
  Ripple,            // the worst ripple keeps the method's share of the line-peak current
  Temperature,       // the winding stays within the temperature ceiling
  Steady,            // the temperature settles at both line voltages
  Saturation,        // the core carries every on-time
  BoostHeadroom,     // the high line's crest stays below Vout
};
inline constexpr int kCheckVerdicts = 6;

// The limits a check is judged against that the user may set.
struct CheckLimits {
  double ripplePercent = kAssumedRippleShare * 100;  // of the line-peak current: the method's
  double temperatureC = kTemperatureCeiling;
};

// The verdict's name in machine-read output: "inductance_at_peak", "ripple_at_crest", ...
const char* VerdictName(VerdictCode code);

struct CheckVerdictText {
  VerdictCode code;
  std::string text;  // one sentence, with the figures of both line voltages where it has them
  bool passes = false;
  bool low = false;   // the low line misses, or is not known to pass
  bool high = false;  // the high line misses, or is not known to pass
};

// The verdicts of a check of this record, in the order of VerdictCode.
std::array<CheckVerdictText, kCheckVerdicts> CheckVerdictTexts(const DesignRecord& record,
                                                               const OperatingCheck& check,
                                                               const CheckLimits& limits,
                                                               char decimalSeparator);

// True where a figure a verdict judges by a limit (the inductance's % of the target, the
// ripple's % of the line-peak current, the winding temperature in °C) is beyond that limit;
// false for the other verdicts and for a figure that is not a number.
bool BeyondLimit(VerdictCode code, double figure, const CheckLimits& limits = {});

}  // namespace pfc
