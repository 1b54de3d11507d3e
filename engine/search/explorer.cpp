#include "engine/search/explorer.h"

#include <algorithm>
#include <limits>

#include "engine/check/check_verdicts.h"
#include "engine/check/operating_check.h"
#include "engine/check/rolloff_grades.h"
#include "engine/method/calculator_run.h"
#include "engine/method/core_design.h"
#include "engine/method/core_selection.h"

namespace pfc {
namespace {

constexpr double kNotEvaluated = std::numeric_limits<double>::quiet_NaN();

}  // namespace

ExploredDesign DescribeDesign(const DesignRecord& r, const CoreCatalogue& catalogue,
                              bool completed) {
  ExploredDesign d;
  d.SelectedCoreSize = catalogue.PartNo[static_cast<std::size_t>(r.CoreIndex)];
  d.CoresToStack = r.CoresToStack;
  d.CoreIndex = r.CoreIndex;
  d.Turns = r.Turns;
  d.WireGauge = r.WireGauge;
  d.HMax = r.HMax;
  d.ActualFillFactor = r.ActualFillFactor;
  d.CopperLoss = r.CopperLoss;
  d.CoreLoss = completed ? r.CoreLoss : kNotEvaluated;
  d.TotalLoss = completed ? r.TotalLoss : kNotEvaluated;
  d.TempRise = completed ? r.TempRise : kNotEvaluated;
  d.TotalTemp = completed ? r.AmbientTemp + r.TempRise : kNotEvaluated;
  d.CoreOD = r.CoreOD;
  d.CoreHT = r.CoreHT;
  d.BoxedVolume = r.CoreOD * r.CoreOD * r.CoreHT;
  d.CoreMass = r.CoreMass;
  d.PassesFieldStrength = r.HMax <= kFieldStrengthLimit;
  d.PassesTemperature = d.TotalTemp < kTemperatureCeiling;  // false for NaN
  d.PassesFillFactor = r.ActualFillFactor <= r.FillFactorLimit;
  d.PassesVpeak = !(r.Vout - r.Vpeak < 0);  // the run's own line-peak test
  return d;
}

void AddOperatingCheck(ExploredDesign& design, const DesignRecord& record,
                       const DesignLimits& limits) {
  const RolloffGrade& grade = DefaultGradeFor(record);
  const OperatingCheck check = CheckOperation(record, grade, limits.alTolerancePercent);
  const LineCheck& low = check.lowLine;
  const auto figure = [&check](CheckVerdict verdict) {
    return JudgedFigure(check, verdict, LineVoltage::Low).value_or(kNotEvaluated);
  };
  design.Checked = true;
  design.CheckGrade = grade.permeability;
  design.CheckSteady = low.Steady();
  design.CheckSaturates = low.saturates;
  design.CheckLAtIpkPercent = figure(CheckVerdict::InductanceAtPeak);
  design.CheckRipplePercent = figure(CheckVerdict::RippleAtCrest);
  design.CheckWindingTemperature = low.Steady() ? figure(CheckVerdict::Temperature) : kNotEvaluated;
  design.CheckMeetsLimits = std::ranges::all_of(JudgeCheck(check, limits),
                                                [](const VerdictOutcome& v) { return v.Passes(); });
}

Exploration ExploreDesigns(const EntryTexts& entries, const DesignRecord& record,
                           const CoreCatalogue& catalogue, const WireTable& wires,
                           const DesignLimits& limits) {
  Exploration exploration;
  exploration.limits = limits;
  // The calculator's own run names the row it would publish.
  const CalculatorRun calculator = RunCalculator(entries, record, catalogue, wires);
  exploration.calculatorEnding = calculator.outcome.ending;
  if (calculator.Rejected()) {
    TakeRejection(calculator.outcome, exploration);
    return exploration;
  }

  DesignRecord scratch = CalculatorOperatingPoint(entries, record, catalogue);
  const std::int16_t rows = catalogue.RowCount();
  exploration.designs.reserve(static_cast<std::size_t>(rows) * kMostCoresToStack);
  for (std::int16_t row = 1; row <= rows; ++row) {
    for (std::int16_t stack = 1; stack <= kMostCoresToStack; ++stack) {
      scratch.CoresToStack = stack;
      scratch.CoreIndex = row;
      LoadCore(scratch, catalogue, row);
      const bool completed = EvaluateCore(scratch, wires) == Evaluation::Completed;
      ExploredDesign& design =
          exploration.designs.emplace_back(DescribeDesign(scratch, catalogue, completed));
      design.CalculatorChoice = calculator.outcome.ending == RunEnding::Published &&
                                row == calculator.record.CoreIndex &&
                                stack == calculator.record.CoresToStack;
      if (completed && design.PassesFieldStrength)
        AddOperatingCheck(design, scratch, limits);
    }
  }
  return exploration;
}

}  // namespace pfc
