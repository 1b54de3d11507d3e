#include "ui/forms/operating_check/operating_check_figures.h"

#include <cctype>
#include <vector>

#include "engine/record/number_text.h"
#include "reports/check/check_figures.h"

namespace pfc::ui {

namespace {

std::string MissedLimit(CheckVerdict code, const DesignLimits& limits, char separator) {
  const auto general = [separator](double value) { return FormatGeneral(value, separator); };
  switch (code) {
    case CheckVerdict::InductanceAtPeak:
      return "the least inductance at peak (" + general(limits.inductancePercent) +
             " % of the target)";
    case CheckVerdict::RippleAtCrest:
      return "the ripple limit (" + general(limits.ripplePercent.value_or(0)) + " %)";
    case CheckVerdict::Temperature:
      return "the highest winding temperature (" + general(limits.temperatureC) + " °C)";
    case CheckVerdict::Steady:
      return "a steady winding temperature";
    case CheckVerdict::Saturation:
      return "a core that carries every on-time";
    case CheckVerdict::BoostHeadroom:
      return "a line crest below the output voltage";
  }
  return {};
}

}  // namespace

std::string CheckedDesignName(const DesignRecord& r, char separator) {
  const auto general = [separator](double value) { return FormatGeneral(value, separator); };
  std::string name = CheckedCoreName(r.SelectedCoreSize, r.CoresToStack);
  const std::string frequency =
      r.Frequency >= 1000 ? general(r.Frequency / 1000) + " kHz" : general(r.Frequency) + " Hz";
  name += ", " + general(r.Turns) + " turns, AWG " + general(r.WireGauge) + ": " +
          general(r.OutputPower) + " W, " + general(r.VinMin) + " to " + general(r.VinMax) +
          " V in, " + general(r.Vout) + " V out, " + frequency + ", " +
          general(r.Inductance * 1e6) + " µH";
  return name;
}

std::string WorstCaseText(const DesignRecord& record, const OperatingCheck& check, char separator) {
  const std::vector<CheckFigureRow> rows = WorstCaseFigureRows(record, check);
  if (rows.empty()) {
    return {};
  }
  std::string text = "Worst case, AL " + FigureText(rows.front().low, separator) +
                     " % below the catalogue's (low line / high line): ";
  for (std::size_t i = 1; i < rows.size(); ++i) {
    std::string caption(TrimBlanks(rows[i].caption));
    caption[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(caption[0])));
    text += (i == 1 ? "" : ", ") + caption + " " +
            FigureTextWithUnit(rows[i].low, rows[i].unit, separator) + " / " +
            FigureTextWithUnit(rows[i].high, rows[i].unit, separator);
  }
  return text + ".";
}

std::string NextStepText(const std::array<CheckVerdictText, kCheckVerdicts>& verdicts,
                         const DesignLimits& limits, char separator) {
  std::vector<std::string> missed;
  for (const CheckVerdictText& verdict : verdicts) {
    if (verdict.judged && !verdict.passes) {
      missed.push_back(MissedLimit(verdict.code, limits, separator));
    }
  }
  if (missed.empty()) {
    return {};
  }
  std::string text = "Next step: the design misses ";
  for (std::size_t i = 0; i < missed.size(); ++i) {
    text += (i == 0 ? "" : i + 1 == missed.size() ? " and " : ", ") + missed[i];
  }
  return text +
         "; Find Designs searches the same operating point for designs that meet the limits.";
}

}  // namespace pfc::ui
