#include "reports/check/next_step_texts.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "engine/record/number_text.h"

namespace pfc {
namespace {

const char* LineWords(bool low) {
  return low ? "low" : "high";
}

// The line a verdict misses worst at: the low line where both miss, but for the inductance
// whichever keeps less of the target.
bool WorseIsLow(const OperatingCheck& check, const VerdictOutcome& verdict) {
  if (!(verdict.lowMisses && verdict.highMisses))
    return verdict.lowMisses || !verdict.highMisses;
  const CheckedNumber low = JudgedFigure(check, verdict.code, LineVoltage::Low);
  const CheckedNumber high = JudgedFigure(check, verdict.code, LineVoltage::High);
  if (!low || !high)
    return !low;
  return verdict.code == CheckVerdict::InductanceAtPeak ? *low <= *high : *low >= *high;
}

std::string Percent(double value, char separator) {
  return FormatFixed(value, 0, separator) + " %";
}

// A text a shell passes as one word, as it stands or in single quotes.
std::string ShellWord(const std::string& text) {
  const bool plain = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '-' || c == '_';
  });
  if (plain)
    return text;
  std::string quoted = "'";
  for (const char c : text)
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

std::string MissedVerdictText(const OperatingCheck& check, const VerdictOutcome& verdict,
                              const DesignLimits& limits, char separator) {
  if (!verdict.judged || verdict.Passes())
    return {};
  const bool low = WorseIsLow(check, verdict);
  const CheckedNumber figure =
      JudgedFigure(check, verdict.code, low ? LineVoltage::Low : LineVoltage::High);
  const std::string line = LineWords(low);
  switch (verdict.code) {
    case CheckVerdict::InductanceAtPeak:
      if (!figure)
        return "no inductance at the " + line + "-line peak current";
      return Percent(*figure, separator) + " of the target inductance at the " + line +
             "-line peak";
    case CheckVerdict::RippleAtCrest:
      if (!figure)
        return "no ripple figure at the low-line crest";
      return "ripple " + Percent(*figure, separator) +
             " of the line-peak current at the low-line crest, above the " +
             FormatGeneral(limits.ripplePercent.value_or(0), separator) + " % limit";
    case CheckVerdict::Temperature:
      if (!figure)
        return "no winding temperature at the " + line + " line";
      return "winding " + FormatFixed(*figure, 0, separator) + " °C at the " + line +
             " line, above the " + FormatGeneral(limits.temperatureC, separator) + " °C limit";
    case CheckVerdict::Steady:
      return "no steady winding temperature at the " + line + " line";
    case CheckVerdict::Saturation:
      return "the core saturates at the " + line + " line";
    case CheckVerdict::BoostHeadroom:
      return "the high-line crest reaches Vout";
  }
  return {};
}

std::string OperatingCheckSummaryLine(const OperatingCheck& check, const DesignLimits& limits,
                                      char separator) {
  std::string first;
  int more = 0;
  for (const VerdictOutcome& verdict : JudgeCheck(check, limits)) {
    const std::string missed = MissedVerdictText(check, verdict, limits, separator);
    if (missed.empty())
      continue;
    if (first.empty())
      first = missed;
    else
      ++more;
  }
  if (first.empty())
    return "Operating check: pass: every limit met at both line voltages";
  std::string line = "Operating check: MISS: " + first;
  if (more > 0)
    line += " (and " + std::to_string(more) + " more)";
  return line;
}

std::string OptimizeCommandLine(const EntryTexts& entries, const DesignLimits& limits) {
  std::string line = "pfc-core optimize";
  const EntryTexts defaults;
  for (const NamedEntryText& entry : NamedEntryTexts()) {
    const Entry which = entry.entry->entry;
    if (which == Entry::Stack || which == Entry::CoreSize)
      continue;
    const std::string& text = entry.TextIn(entries);
    if (text != entry.TextIn(defaults))
      line += " --" + entry.name + " " + ShellWord(text);
  }
  const DesignLimits standard;
  if (limits.inductancePercent != standard.inductancePercent)
    line += std::string(" --") + kMinInductanceName + " " + FormatGeneral(limits.inductancePercent);
  if (limits.ripplePercent)
    line += std::string(" --") + kRippleLimitName + " " + FormatGeneral(*limits.ripplePercent);
  if (limits.temperatureC != standard.temperatureC)
    line += std::string(" --") + kMaxTemperatureName + " " + FormatGeneral(limits.temperatureC);
  if (limits.alTolerancePercent != standard.alTolerancePercent)
    line += std::string(" --") + kAlToleranceName + " " + FormatGeneral(limits.alTolerancePercent);
  return line;
}

std::string CheckNextStepText(const OperatingCheck& check, const DesignLimits& limits,
                              const EntryTexts& entries, char separator) {
  std::string missed;
  for (const VerdictOutcome& verdict : JudgeCheck(check, limits)) {
    const std::string text = MissedVerdictText(check, verdict, limits, separator);
    if (!text.empty())
      missed.append(missed.empty() ? "" : "; ").append(text);
  }
  if (missed.empty())
    return {};
  return "\nNext step\n  The design misses: " + missed +
         ".\n  Designs that meet the same limits at this operating point:\n    " +
         OptimizeCommandLine(entries, limits) + "\n";
}

}  // namespace pfc
