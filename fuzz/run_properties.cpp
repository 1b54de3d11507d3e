#include "fuzz/run_properties.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <set>
#include <type_traits>

#include "engine/method/core_design.h"
#include "engine/method/core_selection.h"
#include "engine/method/engine_messages.h"
#include "engine/record/design_record.h"
#include "reports/check/inductor_model_text.h"
#include "reports/summary/windows1252.h"

namespace pfc {
namespace {

constexpr std::string_view kPrintHook =
    "<input type=hidden name=print value=prt onclick='window.print()'>";
constexpr std::string_view kHotTotal = " > 155°C";
constexpr std::string_view kFieldStrengthLead = "Field at max current is too high, ";

class Problems {
 public:
  void Expect(bool holds, std::string what) {
    if (!holds)
      list_.push_back(std::move(what));
  }
  std::vector<std::string> Take() { return std::move(list_); }

 private:
  std::vector<std::string> list_;
};

bool SameMessage(const Message& a, const Message& b) {
  return a.title == b.title && a.icon == b.icon && a.text == b.text;
}

// A message quotes what the user typed between double quotes, which the typed text may itself
// contain; only the text outside the outermost quotes is the program's own.
std::string WithoutQuotedText(std::string_view text) {
  const std::size_t open = text.find('"');
  const std::size_t close = text.rfind('"');
  if (open == std::string_view::npos || open == close)
    return std::string(text);
  return std::string(text.substr(0, open)).append(text.substr(close + 1));
}

bool IsWholeNumber(double value) {
  return std::isfinite(value) && std::floor(value) == value;
}

bool Accepted(const DesignRecord& r) {
  return r.TempRise <= kTemperatureCeiling - r.AmbientTemp && r.HMax <= kFieldStrengthLimit;
}

// The calculator stops on the first acceptable row from its first candidate upwards: redo
// the selection on a copy and evaluate every row it passed over.
void CheckNoSmallerRowWasAcceptable(const DesignRecord& record, const CoreCatalogue& catalogue,
                                    const WireTable& wires, Problems& problems) {
  DesignRecord copy = record;
  ComputeOperatingPoint(copy);
  const std::int16_t last = catalogue.RowCount();
  std::int16_t first = last;
  for (std::int16_t row = last; row >= 1; --row) {
    if (copy.CoresToStack * catalogue.WaAc[static_cast<std::size_t>(row)] > copy.AreaProduct) {
      first = row;
    }
  }
  problems.Expect(record.CoreIndex >= first,
                  "the chosen row lies below the first candidate " + std::to_string(first));
  for (std::int16_t row = first; row < record.CoreIndex; ++row) {
    LoadCore(copy, catalogue, row);
    const bool evaluated = EvaluateCore(copy, wires) == Evaluation::Completed;
    problems.Expect(evaluated && !Accepted(copy),
                    "row " + std::to_string(row) + " was acceptable but row " +
                        std::to_string(record.CoreIndex) + " was published");
  }
}

void CheckPublished(const RunOutcome& outcome, const ResultSummary& s, const DesignRecord& r,
                    const CoreCatalogue& catalogue, const WireTable& wires, bool sawTempRise,
                    bool sawTotalTemp, Problems& problems) {
  const std::int16_t last = catalogue.RowCount();
  const bool rowValid = r.CoreIndex >= 1 && r.CoreIndex <= last;
  problems.Expect(rowValid, "CoreIndex " + std::to_string(r.CoreIndex) + " is not a row");
  if (rowValid) {
    problems.Expect(r.SelectedCoreSize == catalogue.PartNo[static_cast<std::size_t>(r.CoreIndex)],
                    "SelectedCoreSize \"" + r.SelectedCoreSize +
                        "\" is not the part number of row " + std::to_string(r.CoreIndex));
  }
  problems.Expect(s.txtOutCoreSize == r.SelectedCoreSize, "txtOutCoreSize differs from the record");
  problems.Expect(IsWholeNumber(r.Turns) && r.Turns >= 1 && r.Turns <= 32000,
                  "Turns " + std::to_string(r.Turns) + " is not a whole number from 1 to 32000");
  problems.Expect(r.CoresToStack >= 1 && r.CoresToStack <= 9, "CoresToStack out of 1 to 9");
  problems.Expect(r.HMax <= kFieldStrengthLimit, "published with HMax above 115 Oe");
  problems.Expect(r.Vout >= r.Vpeak, "published with Vout below Vpeak");
  VisitRecordFields(r, [&problems](const char* name, const auto& field) {
    if constexpr (std::is_floating_point_v<std::decay_t<decltype(field)>>) {
      problems.Expect(std::isfinite(field), std::string("record field ") + name + " is not finite");
    }
  });

  VisitSummaryTexts(s, [&problems](const char* name, const std::string& text) {
    problems.Expect(!ShowsNonFiniteNumber(text),
                    std::string("summary text ") + name + " reads \"" + text + "\"");
  });
  for (const std::string* text : {&s.txtNoOfTurns, &s.txtWireGuage, &s.txtFillFactor,
                                  &s.txtZeroInductance, &s.txtFullInductance, &s.txtCoreLoss,
                                  &s.txtCopperLoss, &s.txtTotalLosses, &s.txtTotalTemp}) {
    problems.Expect(!text->empty(), "an output text of the summary is empty");
  }
  problems.Expect(s.txtStackout.empty() == (r.CoresToStack == 1),
                  "txtStackout does not follow the stack count");

  const bool hot = r.AmbientTemp + r.TempRise >= kTemperatureCeiling;
  problems.Expect(sawTotalTemp == hot, "total-temperature warning does not follow the total");
  problems.Expect((s.txtTotalTemp == kHotTotal) == sawTotalTemp,
                  "txtTotalTemp \"" + s.txtTotalTemp + "\" does not follow the warning");
  problems.Expect((s.txtTotalTempStyle == TotalTempStyle::BoldRed) == sawTotalTemp,
                  "total-temperature emphasis does not follow the warning");
  problems.Expect(s.totaltemp.empty() == sawTotalTemp, "unit label does not follow the warning");

  problems.Expect(outcome.entriesPassedChecks, "published without passing the checks");
  problems.Expect(!outcome.focus, "published with a focus change");

  if (r.CalcType != DesignerPicks && rowValid) {
    const bool lastTooHot = r.CoreIndex == last && r.TempRise > kTemperatureCeiling - r.AmbientTemp;
    problems.Expect(sawTempRise == lastTooHot,
                    "temperature-rise warning does not follow the last row's rise");
    if (!sawTempRise)
      problems.Expect(Accepted(r), "the calculator published a rejected core");
    CheckNoSmallerRowWasAcceptable(r, catalogue, wires, problems);
  }
}

void CheckStopped(const RunOutcome& outcome, const DesignRecord& r, Problems& problems) {
  if (outcome.messages.empty())
    return;  // reported by the caller
  const Message& ending = outcome.messages.back();
  switch (outcome.ending) {
    case RunEnding::Published:
      break;
    case RunEnding::Rejected:
      problems.Expect(outcome.focus.has_value(), "rejected without a focus");
      problems.Expect(!outcome.check.empty(), "rejected without naming the check");
      problems.Expect(ending.title == kCautionTitle && ending.icon == MessageIcon::Information,
                      "a rejection is not a caution");
      // Only the refusals of a design too small to calculate ("1r", "5r") come after the checks.
      problems.Expect(outcome.entriesPassedChecks == outcome.check.ends_with('r'),
                      "a rejection disagrees with the checks on whether they passed");
      break;
    case RunEnding::AreaProduct:
      problems.Expect(SameMessage(ending, AreaProductMessage()), "not the area-product message");
      problems.Expect(r.CalcType != DesignerPicks, "area-product stop for a picked core");
      problems.Expect(outcome.entriesPassedChecks,
                      "stopped by the method before the checks passed");
      break;
    case RunEnding::Vpeak:
      problems.Expect(SameMessage(ending, VpeakMessage()), "not the Vpeak message");
      problems.Expect(r.Vout < r.Vpeak, "Vpeak stop with Vout at or above Vpeak");
      problems.Expect(outcome.entriesPassedChecks,
                      "stopped by the method before the checks passed");
      break;
    case RunEnding::FieldStrength:
      problems.Expect(ending.text.rfind(kFieldStrengthLead, 0) == 0,
                      "not the field-strength message");
      problems.Expect(ending.title == kApplicationTitle && ending.icon == MessageIcon::None,
                      "the field-strength message is not a plain box");
      problems.Expect(r.HMax > kFieldStrengthLimit, "field-strength stop within 115 Oe");
      break;
    case RunEnding::UnknownCore:
      problems.Expect(r.CalcType == DesignerPicks, "unknown core while the calculator selects");
      problems.Expect(outcome.focus == Entry::CoreSize, "unknown core without focus on the list");
      break;
  }
}

// Relative agreement to a few units in the last place of the larger.
bool Agrees(double a, double b) {
  return std::fabs(a - b) <= 1e-12 * std::max(std::fabs(a), std::fabs(b));
}

void CheckLineFigures(const LineCheck& line, double vrms, const DesignRecord& r,
                      const std::string& name, Problems& problems) {
  std::vector<std::string> present;
  std::vector<std::string> missing;
  const auto sort = [&](const std::string& figure, const CheckedNumber& number) {
    (number ? present : missing).push_back(figure);
    problems.Expect(!number || std::isfinite(*number), name + " " + figure + " is not finite");
  };
  VisitLineFigures(line, [&](const char* figure, const auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, InductanceAtCurrent>) {
      VisitInductanceFigures(value, [&](const char* part, const CheckedNumber& number) {
        sort(std::string(figure) + "." + part, number);
      });
    } else {
      sort(figure, value);
    }
  });
  const auto has = [&](const char* figure) {
    return std::find(present.begin(), present.end(), figure) != present.end();
  };
  bool rowsInOrder = true;
  bool rippleOnEveryRow = true;
  bool rowsComplete = true;
  double largestRipple = 0;
  for (std::size_t k = 0; k < line.angles.size(); ++k) {
    const CheckedAngle& row = line.angles[k];
    rowsInOrder = rowsInOrder && row.deg == static_cast<int>(k);
    VisitAngleFigures(row, [&](const char* figure, const CheckedNumber& number) {
      problems.Expect(!number || std::isfinite(*number),
                      name + " row " + std::to_string(k) + " " + figure + " is not finite");
    });
    rippleOnEveryRow = rippleOnEveryRow && row.ripplePp && row.iMax;
    rowsComplete = rowsComplete && row.vin && row.iAvg && row.duty;
    largestRipple = std::max(largestRipple, row.ripplePp.value_or(0));
  }
  problems.Expect(rowsInOrder, name + " rows do not run from 0 to 90 degrees");
  problems.Expect(line.vrms == vrms, name + " vrms is not the record's line voltage");
  if (line.vpeak)
    problems.Expect(line.peakAboveVout == (*line.vpeak >= r.Vout), name + " crest flag is wrong");
  if (!line.usable) {
    problems.Expect(
        present.size() <= 2 && !line.saturates && line.thermal == ThermalEnding::NotComputed,
        name + " has figures without a usable line voltage");
    return;
  }
  problems.Expect(rowsComplete, name + " has a row without voltage, current or duty");
  for (const char* figure : {"iin_rms", "ipk_line", "at_ipk_line.h_oe", "at_ipk_line.l_uh",
                             "at_ipk_line.permeability_percent"})
    problems.Expect(has(figure), name + " lacks " + figure);
  // A target of a few 1e-317 H (one turn gives far more) puts the share past any double.
  const bool shareRepresentable =
      line.atIpkLine.lUh && std::isfinite(*line.atIpkLine.lUh / (r.Inductance * 1e6) * 100);
  problems.Expect(has("at_ipk_line.l_percent_of_target") || !shareRepresentable,
                  name + " lacks at_ipk_line.l_percent_of_target");
  problems.Expect(line.saturates == !rippleOnEveryRow,
                  name + " saturation flag does not follow the rows' ripple");
  if (line.saturates) {
    problems.Expect(!line.ipk && !line.atIpk.lUh && !line.rippleMaxPp && !line.dcmBelowAngleDeg &&
                        !line.bAtIpkT && !line.copperDcLossW && !line.windingTemperatureC &&
                        line.thermal == ThermalEnding::NotComputed,
                    name + " saturates but has ripple figures or a temperature");
    return;
  }
  for (const char* figure : {"core_loss_w", "flux_swing_max_mt", "ipk", "ipk_angle_deg",
                             "ripple_max_pp", "ripple_max_angle_deg", "ripple_at_crest_pp",
                             "dcm_below_angle_deg", "at_ipk.l_uh", "wound_surface_cm2"})
    problems.Expect(has(figure), name + " lacks " + figure);
  if (line.ipk && line.ipkLine)
    problems.Expect(*line.ipk >= *line.ipkLine, name + " peak current below the line peak");
  if (line.rippleAtCrestPp && line.ipkLine && std::isfinite(*line.rippleAtCrestPp / *line.ipkLine))
    problems.Expect(has("ripple_at_crest_percent_of_ipk_line"),
                    name + " lacks ripple_at_crest_percent_of_ipk_line");
  if (line.rippleMaxPp)
    problems.Expect(*line.rippleMaxPp == largestRipple, name + " worst ripple is not the largest");
  problems.Expect(line.thermal != ThermalEnding::NotComputed,
                  name + " has no temperature iteration");
  if (line.thermal == ThermalEnding::Steady || line.thermal == ThermalEnding::Unsettled) {
    const bool all = line.coreLossW && line.copperDcLossW && line.copperAcLossW &&
                     line.totalLossW && line.temperatureRiseC && line.windingTemperatureC;
    problems.Expect(all, name + " lacks a loss or temperature");
    if (all) {
      problems.Expect(
          Agrees(*line.totalLossW, *line.coreLossW + *line.copperDcLossW + *line.copperAcLossW),
          name + " total loss is not core + DC + AC");
      problems.Expect(Agrees(*line.windingTemperatureC, r.AmbientTemp + *line.temperatureRiseC),
                      name + " winding temperature is not ambient + rise");
    }
  }
}

}  // namespace

bool ShowsNonFiniteNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    if (!std::isalpha(static_cast<unsigned char>(text[i]))) {
      ++i;
      continue;
    }
    std::string word;
    for (; i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])); ++i) {
      word.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(text[i]))));
    }
    if (word == "nan" || word == "inf" || word == "infinity")
      return true;
  }
  return false;
}

std::vector<std::string> RunOutcomeProblems(const RunOutcome& outcome, const ResultSummary& summary,
                                            const DesignRecord& record,
                                            const CoreCatalogue& catalogue,
                                            const WireTable& wires) {
  Problems problems;
  const std::vector<Message>& messages = outcome.messages;
  std::size_t next = 0;
  bool sawTempRise = false;
  bool sawTotalTemp = false;
  if (next < messages.size() && SameMessage(messages[next], TemperatureRiseMessage())) {
    sawTempRise = true;
    ++next;
  }
  if (next < messages.size() && SameMessage(messages[next], TotalTemperatureMessage())) {
    sawTotalTemp = true;
    ++next;
  }
  const std::size_t endingMessages = messages.size() - next;
  const std::string ending = RunEndingName(outcome.ending);
  if (outcome.ending == RunEnding::Published) {
    problems.Expect(endingMessages == 0,
                    "published after a message other than the two warnings in their order");
  } else {
    problems.Expect(endingMessages == 1, "the " + ending + " ending shows " +
                                             std::to_string(endingMessages) +
                                             " messages after the warnings, not one");
    problems.Expect(!sawTotalTemp, "total-temperature warning before a " + ending + " stop");
    problems.Expect(!sawTempRise || outcome.ending == RunEnding::FieldStrength,
                    "temperature-rise warning before a " + ending + " stop");
  }
  problems.Expect(!sawTempRise || record.CalcType != DesignerPicks,
                  "temperature-rise warning for a picked core");
  for (const Message& message : messages) {
    problems.Expect(!message.text.empty(), "an empty message");
    problems.Expect(!ShowsNonFiniteNumber(WithoutQuotedText(message.text)),
                    "a message shows a number that is not finite: " + message.text);
  }
  if (outcome.ending == RunEnding::Published) {
    CheckPublished(outcome, summary, record, catalogue, wires, sawTempRise, sawTotalTemp, problems);
  } else {
    CheckStopped(outcome, record, problems);
  }
  return problems.Take();
}

std::vector<std::string> ReportProblems(std::string_view reportBytes,
                                        const ResultSummary& summary) {
  Problems problems;
  for (const unsigned char byte : reportBytes) {
    const bool undefined =
        byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
    if (undefined || byte == 0) {
      problems.Expect(false, "byte " + std::to_string(byte) + " has no Windows-1252 character");
      break;
    }
  }
  problems.Expect(reportBytes.find_first_of("\r\n") == std::string_view::npos,
                  "the report is more than one line");
  const std::size_t hook = reportBytes.find(kPrintHook);
  problems.Expect(hook != std::string_view::npos &&
                      reportBytes.find(kPrintHook, hook + 1) == std::string_view::npos,
                  "the print hook is not there exactly once");
  problems.Expect(!ShowsNonFiniteNumber(reportBytes), "the report shows NaN or Infinity");
  problems.Expect(reportBytes.find("&#65533;") == std::string_view::npos,
                  "the report carries a replacement character");
  for (const std::string* text : {&summary.txtOutCoreSize, &summary.txtNoOfTurns,
                                  &summary.txtTotalTemp, &summary.txtFrequency}) {
    problems.Expect(reportBytes.find(EncodeWindows1252(*text)) != std::string_view::npos,
                    "the report lacks the summary text \"" + *text + "\"");
  }
  return problems.Take();
}

std::vector<std::string> ListingProblems(const std::array<ListingLine, kListingLineCount>& lines,
                                         const DesignRecord& record) {
  Problems problems;
  std::set<std::string> names;
  for (const ListingLine& line : lines) {
    names.insert(line.line);
    problems.Expect(!line.caption.empty() && !line.value.empty(),
                    "listing line " + line.line + " is blank");
    problems.Expect(!ShowsNonFiniteNumber(line.value),
                    "listing line " + line.line + " reads \"" + line.value + "\"");
  }
  problems.Expect(names.size() == kListingLineCount, "listing lines are not 38 distinct lines");
  const bool red = lines[1].colour == ListingColour::Red;
  problems.Expect(red == (record.ActualFillFactor > record.FillFactorLimit),
                  "the fill factor's colour does not follow the limit");
  return problems.Take();
}

std::vector<std::string> OperatingCheckProblems(const OperatingCheck& check,
                                                const DesignRecord& record) {
  Problems problems;
  problems.Expect(check.zeroBiasUh.has_value(), "no zero-bias inductance");
  problems.Expect(check.cataloguePermeability && check.alNh,
                  "no catalogue permeability or inductance factor in the material");
  CheckLineFigures(check.lowLine, record.VinMin, record, "low line", problems);
  CheckLineFigures(check.highLine, record.VinMax, record, "high line", problems);
  return problems.Take();
}

namespace {

void CheckModelTable(const FluxLinkageTable& table, Problems& problems) {
  const auto& p = table.points;
  problems.Expect(
      p.size() % 2 == 1 && p.size() >= 3 && p.size() <= static_cast<std::size_t>(kMostModelPoints),
      "the model's table has " + std::to_string(p.size()) + " points");
  for (std::size_t k = 0; k < p.size(); ++k) {
    const ModelPoint& mirror = p[p.size() - 1 - k];
    problems.Expect(std::isfinite(p[k].current) && std::isfinite(p[k].fluxLinkage) &&
                        std::isfinite(p[k].inductance) && p[k].inductance > 0,
                    "a model point is not finite or has no inductance");
    problems.Expect(p[k].current == -mirror.current && p[k].fluxLinkage == -mirror.fluxLinkage,
                    "the model's table is not odd in the current");
    problems.Expect(
        k == 0 || (p[k - 1].current < p[k].current && p[k - 1].fluxLinkage < p[k].fluxLinkage),
        "the model's table does not ascend");
  }
  problems.Expect(p.empty() || p.back().current == table.currentLimit,
                  "the model's table does not end at Imax");
  problems.Expect(table.errorBound <= kModelAccuracy, "the model's table misses its accuracy");
}

}  // namespace

std::vector<std::string> InductorModelProblems(const InductorModel& model,
                                               const DesignRecord& record) {
  Problems problems;
  if (!model.refusal.empty()) {
    problems.Expect(model.table.points.empty(), "a refused model has points");
    return problems.Take();
  }
  problems.Expect(std::isfinite(model.resistance) && model.resistance >= 0,
                  "the model's series resistance is not a resistance");
  CheckModelTable(model.table, problems);
  if (model.table.points.empty())
    return problems.Take();
  for (const ModelFormatInfo& info : ModelFormats()) {
    const std::string text = ModelFileText(record, model, info.format, "model");
    for (const char* bad : {"nan", "inf,", "inf)", "inf\n"}) {
      problems.Expect(text.find(bad) == std::string::npos,
                      std::string("the ") + info.name + " model holds " + bad);
    }
  }
  return problems.Take();
}

std::string JoinProblems(const std::vector<std::string>& problems) {
  std::string joined;
  for (const std::string& problem : problems)
    joined.append(problem).append("\n");
  return joined;
}

}  // namespace pfc
