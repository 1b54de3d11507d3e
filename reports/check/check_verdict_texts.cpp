#include "reports/check/check_verdict_texts.h"

#include "engine/record/number_text.h"
#include "reports/check/check_figures.h"

namespace pfc {
namespace {

// "93.65 µH", "—".
std::string Shown(const CheckedNumber& number, const char* unit, char separator) {
  return FigureTextWithUnit(FigureCell{number}, unit, separator);
}
// "150 µH": as entered.
std::string Entered(double value, const char* unit, char separator) {
  return FigureTextWithUnit(FigureCell{value, FigureFormat::Entered}, unit, separator);
}

// "worst case (AL −8 %)"
std::string WorstCaseWords(const WorstCaseCheck& worst, char separator) {
  return "worst case (AL −" + Entered(worst.alTolerancePercent, "%", separator) + ")";
}

const char* WhichLines(bool low, bool high) {
  return low && high ? "both line voltages" : low ? "low line" : "high line";
}

// One figure of both line voltages against a limit: any value beyond it is a miss, and so is
// a missing value, as the check could not show the design keeps the limit there.
CheckVerdictText Judge(CheckVerdict code, const DesignLimits& limits, const CheckedNumber& low,
                       const CheckedNumber& high, const std::string& subject,
                       const char* beyondWords, const char* withinWords, const std::string& limit,
                       const std::string& lowText, const std::string& highText) {
  const bool lowBeyond = low && BeyondLimit(code, *low, limits);
  const bool highBeyond = high && BeyondLimit(code, *high, limits);
  const bool unknown = !low || !high;
  std::string text = subject + " ";
  if (lowBeyond || highBeyond)
    text += std::string(beyondWords) + " " + limit + " at " + WhichLines(lowBeyond, highBeyond);
  else if (unknown)
    text += "unknown at a line voltage (" + limit + ")";
  else
    text += std::string(withinWords) + " " + limit;
  text += ": " + lowText + " at low line, " + highText + " at high line.";
  return {code, text, !(lowBeyond || highBeyond || unknown), lowBeyond || !low,
          highBeyond || !high};
}

// The ripple is judged at the low line's crest only, where the method sizes it, and only
// against a limit the user set; without one the figure is still shown.
CheckVerdictText RippleVerdict(const OperatingCheck& check, const DesignLimits& limits,
                               char separator) {
  const LineCheck& low = check.lowLine;
  const CheckedNumber share = JudgedFigure(check, CheckVerdict::RippleAtCrest, LineVoltage::Low);
  std::string figures = ": " + Shown(low.rippleAtCrestPp, "A p-p", separator) + " (" +
                        Shown(low.rippleAtCrestPercentOfIpkLine, "%", separator) +
                        " of the line-peak current)";
  if (check.worstCase) {
    const LineCheck& worst = check.worstCase->lowLine;
    figures += ", " + WorstCaseWords(*check.worstCase, separator) + " " +
               Shown(worst.rippleAtCrestPp, "A p-p", separator) + " (" +
               Shown(worst.rippleAtCrestPercentOfIpkLine, "%", separator) + ")";
  }
  figures += ".";
  if (!limits.ripplePercent)
    return {CheckVerdict::RippleAtCrest,
            "Ripple at the low-line crest, not judged (no limit set)" + figures,
            true,
            false,
            false,
            false};
  const std::string limit = "the " + Entered(*limits.ripplePercent, "%", separator) + " limit";
  const bool beyond = share && BeyondLimit(CheckVerdict::RippleAtCrest, *share, limits);
  std::string text = "Ripple at the low-line crest ";
  text += !share ? "unknown (" + limit + ")" : (beyond ? "above " : "within ") + limit;
  return {CheckVerdict::RippleAtCrest, text + figures, share && !beyond, !share || beyond, false};
}

std::string UnsteadyReason(const LineCheck& line) {
  switch (line.thermal) {
    case ThermalEnding::Runaway:
      return "the losses run away above " + FormatGeneral(kRunawayTemperature) + " °C";
    case ThermalEnding::Unsettled:
      return "the temperature still moves after " + std::to_string(kMostThermalSteps) + " steps";
    case ThermalEnding::BelowCopperLaw:
      return "the copper law gives no positive resistance there";
    case ThermalEnding::NotComputed:
      return line.saturates ? "the core saturates, so no copper loss exists"
                            : "the line voltage is not usable";
    case ThermalEnding::Steady:
      break;
  }
  return {};
}

CheckVerdictText SteadyVerdict(const LineCheck& low, const LineCheck& high) {
  if (low.Steady() && high.Steady())
    return {CheckVerdict::Steady, "Steady winding temperature at both line voltages.", true};
  const LineCheck& unsteady = low.Steady() ? high : low;
  const std::string where = WhichLines(!low.Steady(), !high.Steady());
  return {CheckVerdict::Steady,
          "No steady temperature at " +
              (where == "both line voltages" ? "either line voltage" : where) + ": " +
              UnsteadyReason(unsteady) + ".",
          false, !low.Steady(), !high.Steady()};
}

CheckVerdictText SaturationVerdict(const LineCheck& low, const LineCheck& high) {
  if (!low.saturates && !high.saturates)
    return {CheckVerdict::Saturation, "The core carries every on-time at both line voltages.",
            true};
  return {CheckVerdict::Saturation,
          std::string("The core saturates at ") + WhichLines(low.saturates, high.saturates) +
              ": an on-time needs more flux than the core can carry.",
          false, low.saturates, high.saturates};
}

CheckVerdictText HeadroomVerdict(const DesignRecord& r, const LineCheck& high, char separator) {
  const std::string crest =
      Shown(high.vpeak, "V", separator) + " against Vout " + Entered(r.Vout, "V", separator);
  if (high.peakAboveVout)
    return {CheckVerdict::BoostHeadroom,
            "High-line crest at or above Vout (" + crest + "): the stage cannot boost there.",
            false, false, true};
  return {CheckVerdict::BoostHeadroom, "High-line crest below Vout (" + crest + ").", true};
}

// "93.65 µH (62.43 %)"
std::string WithShare(const InductanceAtCurrent& at, char separator) {
  std::string text = Shown(at.lUh, "µH", separator);
  if (at.lUh && at.lPercentOfTarget)
    text += " (" + Shown(at.lPercentOfTarget, "%", separator) + ")";
  return text;
}

// A winding whose losses run away has no temperature to show.
std::string WindingTemperature(const LineCheck& line, char separator) {
  if (line.thermal == ThermalEnding::Runaway)
    return "runaway";
  return Shown(line.windingTemperatureC, "°C", separator);
}

// "93.65 µH (62.43 %), worst case (AL −8 %) 86.16 µH (57.44 %)"
std::string LineInductance(const OperatingCheck& check, LineVoltage line, char separator) {
  const bool low = line == LineVoltage::Low;
  std::string text = WithShare((low ? check.lowLine : check.highLine).atIpk, separator);
  if (check.worstCase) {
    const LineCheck& worst = low ? check.worstCase->lowLine : check.worstCase->highLine;
    text += ", " + WorstCaseWords(*check.worstCase, separator) + " " +
            WithShare(worst.atIpk, separator);
  }
  return text;
}

}  // namespace

bool BeyondLimit(CheckVerdict code, double figure, const DesignLimits& limits) {
  switch (code) {
    case CheckVerdict::InductanceAtPeak:
      return figure < limits.inductancePercent;
    case CheckVerdict::RippleAtCrest:
      return limits.ripplePercent && figure > *limits.ripplePercent;
    case CheckVerdict::Temperature:
      return figure > limits.temperatureC;
    case CheckVerdict::Steady:
    case CheckVerdict::Saturation:
    case CheckVerdict::BoostHeadroom:
      break;
  }
  return false;
}

std::array<CheckVerdictText, kCheckVerdicts> CheckVerdictTexts(const DesignRecord& r,
                                                               const OperatingCheck& check,
                                                               const DesignLimits& limits,
                                                               char separator) {
  const LineCheck& low = check.lowLine;
  const LineCheck& high = check.highLine;
  std::array<CheckVerdictText, kCheckVerdicts> texts = {
      Judge(CheckVerdict::InductanceAtPeak, limits,
            JudgedFigure(check, CheckVerdict::InductanceAtPeak, LineVoltage::Low),
            JudgedFigure(check, CheckVerdict::InductanceAtPeak, LineVoltage::High),
            "Inductance at the peak current", "below", "meets",
            "the " + Entered(r.Inductance * 1e6, "µH", separator) + " target",
            LineInductance(check, LineVoltage::Low, separator),
            LineInductance(check, LineVoltage::High, separator)),
      RippleVerdict(check, limits, separator),
      Judge(CheckVerdict::Temperature, limits, low.windingTemperatureC, high.windingTemperatureC,
            "Winding temperature", "above", "within",
            "the " + Entered(limits.temperatureC, "°C", separator) + " limit",
            WindingTemperature(low, separator), WindingTemperature(high, separator)),
      SteadyVerdict(low, high),
      SaturationVerdict(low, high),
      HeadroomVerdict(r, high, separator),
  };
  // Whether a verdict passes is the engine's fact; the sentences only say it.
  const auto outcomes = JudgeCheck(check, limits);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    texts[i].passes = outcomes[i].Passes();
    texts[i].judged = outcomes[i].judged;
  }
  return texts;
}

}  // namespace pfc
