#include "engine/check/check_verdicts.h"

#include <algorithm>

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
VerdictOutcome JudgeBoth(const OperatingCheck& check, CheckVerdict code, Beyond beyond) {
  VerdictOutcome outcome{code};
  JudgeLine(JudgedFigure(check, code, LineVoltage::Low), beyond, outcome.lowMisses,
            outcome.unknown);
  JudgeLine(JudgedFigure(check, code, LineVoltage::High), beyond, outcome.highMisses,
            outcome.unknown);
  return outcome;
}

// The lower (or higher) of the nominal figure and the worst case's; empty where either is.
CheckedNumber WorseOf(const CheckedNumber& nominal, const CheckedNumber* worst, bool lower) {
  if (worst == nullptr || !nominal || !*worst)
    return worst == nullptr ? nominal : std::nullopt;
  return lower ? std::min(*nominal, **worst) : std::max(*nominal, **worst);
}

}  // namespace

CheckedNumber JudgedFigure(const OperatingCheck& check, CheckVerdict verdict, LineVoltage line) {
  const bool low = line == LineVoltage::Low;
  const LineCheck& nominal = low ? check.lowLine : check.highLine;
  const LineCheck* worst = nullptr;
  if (check.worstCase)
    worst = low ? &check.worstCase->lowLine : &check.worstCase->highLine;
  switch (verdict) {
    case CheckVerdict::InductanceAtPeak:
      return WorseOf(nominal.atIpk.lPercentOfTarget,
                     worst != nullptr ? &worst->atIpk.lPercentOfTarget : nullptr, true);
    case CheckVerdict::RippleAtCrest:
      if (!low)
        return std::nullopt;
      return WorseOf(nominal.rippleAtCrestPercentOfIpkLine,
                     worst != nullptr ? &worst->rippleAtCrestPercentOfIpkLine : nullptr, false);
    case CheckVerdict::Temperature:
      return nominal.windingTemperatureC;
    case CheckVerdict::Steady:
    case CheckVerdict::Saturation:
    case CheckVerdict::BoostHeadroom:
      break;
  }
  return std::nullopt;
}

std::array<VerdictOutcome, kCheckVerdicts> JudgeCheck(const OperatingCheck& check,
                                                      const DesignLimits& limits) {
  const LineCheck& low = check.lowLine;
  const LineCheck& high = check.highLine;
  VerdictOutcome ripple{CheckVerdict::RippleAtCrest};
  ripple.judged = limits.ripplePercent.has_value();
  if (ripple.judged)
    JudgeLine(
        JudgedFigure(check, CheckVerdict::RippleAtCrest, LineVoltage::Low),
        [&limits](double percent) { return percent > *limits.ripplePercent; }, ripple.lowMisses,
        ripple.unknown);
  return {{
      JudgeBoth(check, CheckVerdict::InductanceAtPeak,
                [&limits](double percent) { return percent < limits.inductancePercent; }),
      ripple,
      JudgeBoth(check, CheckVerdict::Temperature,
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
