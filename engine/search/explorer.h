#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "engine/catalogue/catalogue.h"
#include "engine/check/design_limits.h"
#include "engine/method/design_run.h"
#include "engine/record/design_record.h"

// The design space of one operating point: every catalogue core with every stack count, each
// evaluated exactly as a designer's pick of that core and stack would be.
namespace pfc {

inline constexpr std::int16_t kMostCoresToStack = 9;
inline constexpr double kNoCheck = std::numeric_limits<double>::quiet_NaN();

struct ExploredDesign {
  std::string SelectedCoreSize;  // part number
  std::int16_t CoresToStack = 0;
  std::int16_t CoreIndex = 0;  // catalogue row
  double Turns = 0;
  double WireGauge = 0;         // AWG
  double HMax = 0;              // Oe
  double ActualFillFactor = 0;  // fraction of one core's window
  double CoreLoss = 0;          // W
  double CopperLoss = 0;        // W
  double TotalLoss = 0;         // W
  double TempRise = 0;          // °C
  double TotalTemp = 0;         // °C, ambient plus rise
  double CoreOD = 0;            // cm, one core
  double CoreHT = 0;            // cm, stack height
  double BoxedVolume = 0;       // cm³, OD² × stack height
  double CoreMass = 0;          // g, stack
  // A design whose output voltage is below the line peak is not evaluated past the copper
  // loss: its core loss, total loss and temperatures are NaN, as no value exists for them.
  bool PassesFieldStrength = false;  // HMax ≤ 115 Oe
  bool PassesTemperature = false;    // total temperature below 155 °C
  bool PassesFillFactor = false;     // ActualFillFactor ≤ the entered fill factor
  bool PassesVpeak = false;          // Vout ≥ Vpeak
  bool CalculatorChoice = false;     // the core and stack the calculator itself publishes

  // The operating check at the low line with the default roll-off grade; with an AL tolerance
  // above 0, the inductance and the ripple are the worse of the nominal and the worst-case
  // core, as the check judges them. NaN where it has no number: the evaluation stopped at the
  // line-peak check; the core saturates at some angle (no ripple, so none of the three); the
  // temperature has no steady state (runaway above 2000 °C, unsettled, or below the copper law's
  // range: the temperature only).
  double CheckLAtIpkPercent = kNoCheck;       // L at the peak current Ipk, % of the entered L
  double CheckRipplePercent = kNoCheck;       // low-line crest ripple, % of the line-peak current
  double CheckWindingTemperature = kNoCheck;  // °C, steady
  // The check ran: only a design that a designer's pick publishes has one (its field strength
  // keeps the limit), as the Operating Check window refuses the others.
  bool Checked = false;
  int CheckGrade = 0;           // the roll-off grade of the check, the one that matches the core
  bool CheckSteady = false;     // the low line's temperature settles
  bool CheckSaturates = false;  // the low line saturates the core: no copper loss, no temperature
  // The check ran and every verdict it judges, at both lines, keeps the limits explored by.
  bool CheckMeetsLimits = false;

  bool PassesAll() const {
    return PassesFieldStrength && PassesTemperature && PassesFillFactor && PassesVpeak;
  }
};

// Every column of an explored design, in the order of its CSV and JSON: the column's name (the
// JSON key, and the CSV header with the unit in brackets after it), its unit ("" for none)
// and its value, a std::string, std::int16_t, double or bool. A new column is one line here.
template <typename Visitor>
void VisitExploredColumns(const ExploredDesign& d, Visitor&& visit) {
  visit("SelectedCoreSize", "", d.SelectedCoreSize);
  visit("CoresToStack", "", d.CoresToStack);
  visit("CoreIndex", "", d.CoreIndex);
  visit("Turns", "", d.Turns);
  visit("WireGauge", "AWG", d.WireGauge);
  visit("HMax", "Oe", d.HMax);
  visit("ActualFillFactor", "", d.ActualFillFactor);
  visit("CoreLoss", "W", d.CoreLoss);
  visit("CopperLoss", "W", d.CopperLoss);
  visit("TotalLoss", "W", d.TotalLoss);
  visit("TempRise", "°C", d.TempRise);
  visit("TotalTemp", "°C", d.TotalTemp);
  visit("CoreOD", "cm", d.CoreOD);
  visit("CoreHT", "cm", d.CoreHT);
  visit("BoxedVolume", "cm³", d.BoxedVolume);
  visit("CoreMass", "g", d.CoreMass);
  visit("PassesFieldStrength", "", d.PassesFieldStrength);
  visit("PassesTemperature", "", d.PassesTemperature);
  visit("PassesFillFactor", "", d.PassesFillFactor);
  visit("PassesVpeak", "", d.PassesVpeak);
  visit("PassesAll", "", d.PassesAll());
  visit("CalculatorChoice", "", d.CalculatorChoice);
  visit("check_l_at_ipk_percent", "", d.CheckLAtIpkPercent);
  visit("check_ripple_percent", "", d.CheckRipplePercent);
  visit("check_winding_temperature_c", "", d.CheckWindingTemperature);
  visit("check_meets_limits", "", d.CheckMeetsLimits);
}

struct Exploration {
  bool rejected = false;       // an input check failed: no design was evaluated
  std::string check;           // the failed check
  Message message;             // its caution
  std::optional<Entry> focus;  // its entry
  // How the calculator's own run for the entered stack count ends; a row is marked only when
  // that run publishes.
  RunEnding calculatorEnding = RunEnding::Rejected;
  std::vector<ExploredDesign> designs;  // rows 1 to the last, stacks 1 to 9 within each row
  DesignLimits limits;                  // what the check columns are judged by
};

// The design summary of a record that LoadCore and EvaluateCore have just filled; `completed`
// is false when the evaluation stopped at the line-peak check. The check columns stay NaN.
ExploredDesign DescribeDesign(const DesignRecord& record, const CoreCatalogue& catalogue,
                              bool completed);

// Fills the check columns from the operating check of a completed evaluation, judged by the
// limits (at the worst-case core with an AL tolerance above 0).
void AddOperatingCheck(ExploredDesign& design, const DesignRecord& record,
                       const DesignLimits& limits = {});

// Checks the entries as a run would (with the calculator selecting, whatever the form's
// calculator type), then evaluates every row with every stack count on a copy of the record.
// The record itself is not changed.
Exploration ExploreDesigns(const EntryTexts& entries, const DesignRecord& record,
                           const CoreCatalogue& catalogue, const WireTable& wires,
                           const DesignLimits& limits = {});

}  // namespace pfc
