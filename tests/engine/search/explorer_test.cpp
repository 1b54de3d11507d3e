#include "engine/search/explorer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/check/check_verdicts.h"
#include "engine/check/operating_check.h"
#include "engine/inputs/pick_list.h"
#include "engine/method/publication.h"
#include "tests/engine/loaded_tables.h"
#include "tests/engine/record_values.h"

namespace pfc {
namespace {

// An entry's text, or with `unit` the text of its unit list.
struct EntryEdit {
  Entry entry;
  const char* text;
  bool unit = false;
};

EntryTexts Entries(std::initializer_list<EntryEdit> set) {
  EntryTexts entries;
  for (const EntryEdit& edit : set)
    (edit.unit ? entries.Unit(edit.entry) : entries[edit.entry]) = edit.text;
  return entries;
}

// A check column holds the figure, or NaN where the figure does not exist.
void ExpectColumn(double column, const CheckedNumber& figure, const char* name) {
  if (figure)
    EXPECT_EQ(column, *figure) << name;
  else
    EXPECT_TRUE(std::isnan(column)) << name;
}

// Whether every verdict of the check passes.
bool MeetsLimits(const OperatingCheck& check, const DesignLimits& limits) {
  for (const VerdictOutcome& verdict : JudgeCheck(check, limits))
    if (!verdict.Passes())
      return false;
  return true;
}

class ExplorerTest : public testing::TestWithParam<EntryTexts> {};

void ExpectDesignersPicks(const EntryTexts& explored, const DesignLimits& limits);

// The defaults, and limits that some designs meet and others miss, at a worst-case core.
const DesignLimits kExploredLimits[] = {
    {},
    {.inductancePercent = 30, .ripplePercent = 40, .temperatureC = 130, .alTolerancePercent = 8},
};

TEST_P(ExplorerTest, EveryDesignEqualsTheDesignersPickOfThatCoreAndStack) {
  for (const DesignLimits& limits : kExploredLimits) {
    SCOPED_TRACE("AL tolerance " + std::to_string(limits.alTolerancePercent));
    ExpectDesignersPicks(GetParam(), limits);
  }
}

void ExpectDesignersPicks(const EntryTexts& explored, const DesignLimits& limits) {
  LoadedTables tables;
  const Exploration exploration =
      ExploreDesigns(explored, tables.record, tables.catalogue, tables.wires, limits);
  ASSERT_FALSE(exploration.rejected) << exploration.message.text;
  ASSERT_EQ(exploration.designs.size(), 279u);

  DesignRecord picked = tables.record;
  picked.CalcType = DesignerPicks;
  std::size_t i = 0;
  for (std::int16_t row = 1; row <= 31; ++row) {
    for (std::int16_t stack = 1; stack <= 9; ++stack, ++i) {
      const ExploredDesign& d = exploration.designs[i];
      SCOPED_TRACE(d.SelectedCoreSize + " * " + std::to_string(d.CoresToStack));
      EntryTexts entries = explored;
      entries[Entry::Stack] = std::to_string(stack);
      entries.pickCore = true;
      entries[Entry::CoreSize] = PickListEntry(tables.catalogue, row);
      const RunOutcome run = RunDesign(entries, picked, tables.catalogue, tables.wires);
      ASSERT_TRUE(run.ending == RunEnding::Published || run.ending == RunEnding::FieldStrength);

      EXPECT_EQ(d.SelectedCoreSize, picked.SelectedCoreSize);
      EXPECT_EQ(d.CoresToStack, picked.CoresToStack);
      EXPECT_EQ(d.CoreIndex, picked.CoreIndex);
      EXPECT_EQ(d.Turns, picked.Turns);
      EXPECT_EQ(d.WireGauge, picked.WireGauge);
      EXPECT_EQ(d.HMax, picked.HMax);
      EXPECT_EQ(d.ActualFillFactor, picked.ActualFillFactor);
      EXPECT_EQ(d.CoreLoss, picked.CoreLoss);
      EXPECT_EQ(d.CopperLoss, picked.CopperLoss);
      EXPECT_EQ(d.TotalLoss, picked.TotalLoss);
      EXPECT_EQ(d.TempRise, picked.TempRise);
      EXPECT_EQ(d.TotalTemp, picked.AmbientTemp + picked.TempRise);
      EXPECT_EQ(d.CoreOD, picked.CoreOD);
      EXPECT_EQ(d.CoreHT, picked.CoreHT);
      EXPECT_EQ(d.CoreMass, picked.CoreMass);
      EXPECT_DOUBLE_EQ(d.BoxedVolume, tables.catalogue.OD[static_cast<std::size_t>(row)] *
                                          tables.catalogue.OD[static_cast<std::size_t>(row)] *
                                          tables.catalogue.HT[static_cast<std::size_t>(row)] *
                                          stack / 1000);
      // The flags agree with what the designer's run shows.
      EXPECT_EQ(d.PassesFieldStrength, run.ending == RunEnding::Published);
      if (run.ending == RunEnding::Published) {
        EXPECT_EQ(d.PassesTemperature, !TotalTemperatureTooHigh(picked));
      }
      EXPECT_EQ(d.PassesFillFactor, picked.ActualFillFactor <= picked.FillFactorLimit);
      EXPECT_TRUE(d.PassesVpeak);

      // A pick that is not published has no operating check, so it has no check figures.
      EXPECT_EQ(d.Checked, run.ending == RunEnding::Published);
      if (run.ending != RunEnding::Published) {
        ExpectColumn(d.CheckLAtIpkPercent, std::nullopt, "L at Ipk");
        ExpectColumn(d.CheckRipplePercent, std::nullopt, "ripple");
        ExpectColumn(d.CheckWindingTemperature, std::nullopt, "temperature");
        EXPECT_FALSE(d.CheckMeetsLimits);
        continue;
      }
      // The figures and the verdict `check` gives the part at the same limits.
      const OperatingCheck check =
          CheckOperation(picked, DefaultGradeFor(picked), limits.alTolerancePercent);
      const LineCheck& low = check.lowLine;
      EXPECT_EQ(d.CheckGrade, DefaultGradeFor(picked).permeability);
      EXPECT_EQ(d.CheckSteady, low.Steady());
      EXPECT_EQ(d.CheckSaturates, low.saturates);
      ExpectColumn(d.CheckLAtIpkPercent,
                   JudgedFigure(check, CheckVerdict::InductanceAtPeak, LineVoltage::Low),
                   "L at Ipk");
      ExpectColumn(d.CheckRipplePercent,
                   JudgedFigure(check, CheckVerdict::RippleAtCrest, LineVoltage::Low), "ripple");
      ExpectColumn(d.CheckWindingTemperature, low.Steady() ? low.windingTemperatureC : std::nullopt,
                   "temperature");
      EXPECT_EQ(d.CheckMeetsLimits, MeetsLimits(check, limits));
    }
  }
}

TEST_P(ExplorerTest, MarksExactlyTheCalculatorsOwnChoice) {
  LoadedTables tables;
  const Exploration exploration =
      ExploreDesigns(GetParam(), tables.record, tables.catalogue, tables.wires);
  DesignRecord calculated = tables.record;
  const RunOutcome run = RunDesign(GetParam(), calculated, tables.catalogue, tables.wires);
  EXPECT_EQ(exploration.calculatorEnding, run.ending);
  int marked = 0;
  for (const ExploredDesign& d : exploration.designs) {
    if (!d.CalculatorChoice)
      continue;
    ++marked;
    EXPECT_EQ(d.CoreIndex, calculated.CoreIndex);
    EXPECT_EQ(d.CoresToStack, calculated.CoresToStack);
  }
  EXPECT_EQ(marked, run.ending == RunEnding::Published ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    OperatingPoints, ExplorerTest,
    testing::Values(EntryTexts{}, Entries({{Entry::Stack, "3"}}),
                    Entries({{Entry::OutputPower, "3000"}}),
                    Entries({{Entry::OutputPower, "3000"}, {Entry::Stack, "2"}}),
                    Entries({{Entry::OutputPower, "50"}, {Entry::AmbientTemp, "-10"}}),
                    Entries({{Entry::Frequency, "20"},
                             {Entry::Frequency, "kHz", true},
                             {Entry::Inductance, "50"},
                             {Entry::Inductance, "microhenry", true},
                             {Entry::OutputPower, "100"},
                             {Entry::FillFactor, ".05"}})));

TEST(Explorer, ListsRowsThenStacks) {
  LoadedTables tables;
  const Exploration exploration =
      ExploreDesigns(EntryTexts{}, tables.record, tables.catalogue, tables.wires);
  ASSERT_EQ(exploration.designs.size(), 279u);
  EXPECT_EQ(exploration.designs[0].SelectedCoreSize, "TD-01");
  EXPECT_EQ(exploration.designs[0].CoresToStack, 1);
  EXPECT_EQ(exploration.designs[8].CoresToStack, 9);
  EXPECT_EQ(exploration.designs[9].SelectedCoreSize, "TD-02");
  EXPECT_EQ(exploration.designs[278].SelectedCoreSize, "TD-31");
  EXPECT_EQ(exploration.designs[278].CoresToStack, 9);
  const ExploredDesign& chosen = exploration.designs[25 * 9];
  EXPECT_TRUE(chosen.CalculatorChoice);
  EXPECT_EQ(chosen.SelectedCoreSize, "TD-26");
  EXPECT_TRUE(chosen.PassesAll());
}

TEST(Explorer, ChecksTheEntriesFirstAndLeavesTheRecordAlone) {
  LoadedTables tables;
  tables.record.CalcType = DesignerPicks;
  tables.record.Turns = 77;
  const DesignRecord before = tables.record;
  EntryTexts entries;
  entries[Entry::Vout] = "500";
  const Exploration rejected =
      ExploreDesigns(entries, tables.record, tables.catalogue, tables.wires);
  EXPECT_TRUE(rejected.rejected);
  EXPECT_EQ(rejected.check, "7b");
  EXPECT_EQ(rejected.focus, Entry::Vout);
  EXPECT_EQ(rejected.message.text, "Enter the Out Voltage value below 420 volts");
  EXPECT_TRUE(rejected.designs.empty());

  entries[Entry::Vout] = "380";
  entries.pickCore = true;  // a pick with no core chosen is not the explorer's concern
  entries[Entry::Stack] = "";
  const Exploration explored =
      ExploreDesigns(entries, tables.record, tables.catalogue, tables.wires);
  EXPECT_FALSE(explored.rejected);
  EXPECT_EQ(explored.designs.size(), 279u);
  EXPECT_EQ(RecordValues(tables.record), RecordValues(before));
}

TEST(Explorer, AnOutputBelowTheLinePeakLeavesTheLaterQuantitiesEmpty) {
  LoadedTables tables;
  EntryTexts entries;
  entries[Entry::Vout] = "100";
  const Exploration exploration =
      ExploreDesigns(entries, tables.record, tables.catalogue, tables.wires);
  ASSERT_EQ(exploration.designs.size(), 279u);
  EXPECT_EQ(exploration.calculatorEnding, RunEnding::Vpeak);
  for (const ExploredDesign& d : exploration.designs) {
    EXPECT_FALSE(d.PassesVpeak);
    EXPECT_FALSE(d.PassesTemperature);
    EXPECT_FALSE(d.CalculatorChoice);
    EXPECT_TRUE(std::isnan(d.CoreLoss) && std::isnan(d.TotalLoss) && std::isnan(d.TempRise) &&
                std::isnan(d.TotalTemp));
    EXPECT_TRUE(std::isnan(d.CheckLAtIpkPercent) && std::isnan(d.CheckRipplePercent) &&
                std::isnan(d.CheckWindingTemperature));
    EXPECT_GT(d.CopperLoss, 0);
    EXPECT_GE(d.Turns, 1);
  }
}

// A record as EvaluateCore leaves it, with every limit met exactly.
DesignRecord AtEveryLimit() {
  DesignRecord r;
  r.CoreIndex = 26;
  r.CoresToStack = 1;
  r.HMax = 115;
  r.AmbientTemp = 50;
  r.TempRise = std::nextafter(155.0, 0.0) - 50;  // total just below 155
  r.ActualFillFactor = 0.4;
  r.FillFactorLimit = 0.4;
  r.Vout = 120.19;
  r.Vpeak = 120.19;
  return r;
}

TEST(DescribeDesign, FlagsEachLimitAtItsExactBoundary) {
  LoadedTables tables;
  const ExploredDesign atLimits = DescribeDesign(AtEveryLimit(), tables.catalogue, true);
  EXPECT_TRUE(atLimits.PassesFieldStrength);
  EXPECT_TRUE(atLimits.PassesTemperature);
  EXPECT_TRUE(atLimits.PassesFillFactor);
  EXPECT_TRUE(atLimits.PassesVpeak);
  EXPECT_TRUE(atLimits.PassesAll());
  EXPECT_EQ(atLimits.SelectedCoreSize, "TD-26");

  DesignRecord r = AtEveryLimit();
  r.HMax = std::nextafter(115.0, 200.0);
  EXPECT_FALSE(DescribeDesign(r, tables.catalogue, true).PassesFieldStrength);
  r = AtEveryLimit();
  r.TempRise = 105;  // total exactly 155
  EXPECT_FALSE(DescribeDesign(r, tables.catalogue, true).PassesTemperature);
  r = AtEveryLimit();
  r.ActualFillFactor = std::nextafter(0.4, 1.0);
  EXPECT_FALSE(DescribeDesign(r, tables.catalogue, true).PassesFillFactor);
  r = AtEveryLimit();
  r.Vpeak = std::nextafter(120.19, 200.0);
  const ExploredDesign belowPeak = DescribeDesign(r, tables.catalogue, true);
  EXPECT_FALSE(belowPeak.PassesVpeak);
  EXPECT_FALSE(belowPeak.PassesAll());
  EXPECT_TRUE(belowPeak.PassesFieldStrength && belowPeak.PassesTemperature &&
              belowPeak.PassesFillFactor);
}

}  // namespace
}  // namespace pfc
