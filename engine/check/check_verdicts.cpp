#include "engine/check/check_verdicts.h"

#include "engine/method/publication.h"

namespace pfc {
namespace {

// A figure of one line against a limit: a value beyond it misses, and so does a value that
// does not exist, as the check cannot show the line keeps the limit.
template <class Beyond>
void JudgeLine(const CheckedNumber& figure, Beyond beyond, bool& misses, bool& unknown) {
  misses = figure && beyond(*figure);
  unknown = unknown || !figure;
}

template <class Beyond>
VerdictOutcome JudgeBoth(CheckVerdict code, const CheckedNumber& low, const CheckedNumber& high,
                         Beyond beyond) {
  VerdictOutcome outcome{code};
  JudgeLine(low, beyond, outcome.lowMisses, outcome.unknown);
  JudgeLine(high, beyond, outcome.highMisses, outcome.unknown);
  return outcome;
}

}  // namespace

std::array<VerdictOutcome, kCheckVerdicts> JudgeCheck(const OperatingCheck& check,
                                                      const CheckLimits& limits) {
  const LineCheck& low = check.lowLine;
  const LineCheck& high = check.highLine;
  VerdictOutcome ripple{CheckVerdict::RippleAtCrest};
  JudgeLine(
      low.rippleAtCrestPercentOfIpkLine,
      [&limits](double percent) { return percent > limits.ripplePercent; }, ripple.lowMisses,
      ripple.unknown);
  return {{
      JudgeBoth(CheckVerdict::InductanceAtPeak, low.atIpk.lPercentOfTarget,
                high.atIpk.lPercentOfTarget,
                [&limits](double percent) { return percent < limits.inductancePercent; }),
      ripple,
      JudgeBoth(CheckVerdict::Temperature, low.windingTemperatureC, high.windingTemperatureC,
                [&limits](double celsius) { return celsius > limits.temperatureC; }),
      VerdictOutcome{CheckVerdict::Steady, !low.Steady(), !high.Steady()},
      VerdictOutcome{CheckVerdict::Saturation, low.saturates, high.saturates},
      VerdictOutcome{CheckVerdict::BoostHeadroom, false, high.peakAboveVout},
  }};
}

const char* VerdictName(CheckVerdict verdict) {
  switch (verdict) {
    case CheckVerdict::InductanceAtPeak:
      return "inductance_at_peak";
    case CheckVerdict::RippleAtCrest:
      return "ripple_at_crest";
    case CheckVerdict::Temperature:
      return "temperature";
    case CheckVerdict::Steady:
      return "steady";
    case CheckVerdict::Saturation:
      return "saturation";
    case CheckVerdict::BoostHeadroom:
      return "boost_headroom";
  }
  return "";
}

std::array<MethodLimitOutcome, kMethodLimits> JudgeMethodLimits(const DesignRecord& record) {
  return {{
      {MethodLimit::FieldStrength, !(record.HMax <= kFieldStrengthLimit)},
      {MethodLimit::Temperature, TotalTemperatureTooHigh(record)},
      // Once a core is loaded the record's AreaProduct is the stack's.
      {MethodLimit::AreaProduct, !(record.AreaProduct >= RequiredAreaProduct(record))},
  }};
}

const char* MethodLimitName(MethodLimit limit) {
  switch (limit) {
    case MethodLimit::FieldStrength:
      return "field_strength";
    case MethodLimit::Temperature:
      return "method_temperature";
    case MethodLimit::AreaProduct:
      return "area_product";
  }
  return "";
}

}  // namespace pfc
