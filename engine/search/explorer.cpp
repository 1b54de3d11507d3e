#include "engine/search/explorer.h"

#include <limits>

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

void AddOperatingCheck(ExploredDesign& design, const DesignRecord& record) {
  const RolloffGrade& grade = DefaultGradeFor(record);
  const LineCheck low = CheckLine(record, grade, LineVoltage::Low);
  design.Checked = true;
  design.CheckGrade = grade.permeability;
  design.CheckSteady = low.Steady();
  design.CheckSaturates = low.saturates;
  design.CheckLAtIpkPercent = low.atIpk.lPercentOfTarget.value_or(kNotEvaluated);
  design.CheckRipplePercent = low.rippleAtCrestPercentOfIpkLine.value_or(kNotEvaluated);
  design.CheckWindingTemperature =
      low.Steady() ? low.windingTemperatureC.value_or(kNotEvaluated) : kNotEvaluated;
}

Exploration ExploreDesigns(const EntryTexts& entries, const DesignRecord& record,
                           const CoreCatalogue& catalogue, const WireTable& wires) {
  Exploration exploration;
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
        AddOperatingCheck(design, scratch);
    }
  }
  return exploration;
}

}  // namespace pfc
