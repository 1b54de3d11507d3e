#include "engine/explorer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/explorer_csv.h"
#include "engine/operating_check.h"
#include "engine/pick_list.h"
#include "engine/publication.h"
#include "tests/engine/loaded_tables.h"
#include "tests/engine/record_values.h"
#include "tests/support/expected_files.h"

namespace pfc {
namespace {

EntryTexts Entries(std::initializer_list<std::pair<std::string EntryTexts::*, const char*>> set) {
  EntryTexts entries;
  for (const auto& [field, text] : set)
    entries.*field = text;
  return entries;
}

using E = EntryTexts;

// A check column holds the figure, or NaN where the figure does not exist.
void ExpectColumn(double column, const CheckedNumber& figure, const char* name) {
  if (figure)
    EXPECT_EQ(column, *figure) << name;
  else
    EXPECT_TRUE(std::isnan(column)) << name;
}

class ExplorerTest : public testing::TestWithParam<EntryTexts> {};

TEST_P(ExplorerTest, EveryDesignEqualsTheDesignersPickOfThatCoreAndStack) {
  LoadedTables tables;
  const Exploration exploration =
      ExploreDesigns(GetParam(), tables.record, tables.catalogue, tables.wires);
  ASSERT_FALSE(exploration.rejected) << exploration.message.text;
  ASSERT_EQ(exploration.designs.size(), 279u);

  DesignRecord picked = tables.record;
  picked.CalcType = DesignerPicks;
  std::size_t i = 0;
  for (std::int16_t row = 1; row <= 31; ++row) {
    for (std::int16_t stack = 1; stack <= 9; ++stack, ++i) {
      const ExploredDesign& d = exploration.designs[i];
      SCOPED_TRACE(d.SelectedCoreSize + " * " + std::to_string(d.CoresToStack));
      EntryTexts entries = GetParam();
      entries.txtStack = std::to_string(stack);
      entries.chkPickCore = true;
      entries.txtCoreSize = PickListEntry(tables.catalogue, row);
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
        continue;
      }
      const LineCheck low = CheckLine(picked, DefaultGradeFor(picked), LineVoltage::Low);
      EXPECT_EQ(d.CheckGrade, DefaultGradeFor(picked).permeability);
      EXPECT_EQ(d.CheckSteady, low.Steady());
      EXPECT_EQ(d.CheckSaturates, low.saturates);
      ExpectColumn(d.CheckLAtIpkPercent, low.atIpk.lPercentOfTarget, "L at Ipk");
      ExpectColumn(d.CheckRipplePercent, low.rippleAtCrestPercentOfIpkLine, "ripple");
      ExpectColumn(d.CheckWindingTemperature, low.Steady() ? low.windingTemperatureC : std::nullopt,
                   "temperature");
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
    testing::Values(EntryTexts{}, Entries({{&E::txtStack, "3"}}),
                    Entries({{&E::txtOutputPower, "3000"}}),
                    Entries({{&E::txtOutputPower, "3000"}, {&E::txtStack, "2"}}),
                    Entries({{&E::txtOutputPower, "50"}, {&E::txtAmbientTemp, "-10"}}),
                    Entries({{&E::txtFrequency, "20"},
                             {&E::cmbfrequency, "kHz"},
                             {&E::txtInductance, "50"},
                             {&E::cmbinductance, "microhenry"},
                             {&E::txtOutputPower, "100"},
                             {&E::txtFill_Factor, ".05"}})));

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
  entries.txtVout = "500";
  const Exploration rejected =
      ExploreDesigns(entries, tables.record, tables.catalogue, tables.wires);
  EXPECT_TRUE(rejected.rejected);
  EXPECT_EQ(rejected.check, "7b");
  EXPECT_EQ(rejected.focus, Entry::Vout);
  EXPECT_EQ(rejected.message.text, "Enter the Out Voltage value below 420 volts");
  EXPECT_TRUE(rejected.designs.empty());

  entries.txtVout = "380";
  entries.chkPickCore = true;  // a pick with no core chosen is not the explorer's concern
  entries.txtStack = "";
  const Exploration explored =
      ExploreDesigns(entries, tables.record, tables.catalogue, tables.wires);
  EXPECT_FALSE(explored.rejected);
  EXPECT_EQ(explored.designs.size(), 279u);
  EXPECT_EQ(RecordValues(tables.record), RecordValues(before));
}

TEST(Explorer, AnOutputBelowTheLinePeakLeavesTheLaterQuantitiesEmpty) {
  LoadedTables tables;
  EntryTexts entries;
  entries.txtVout = "100";
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

constexpr const char* kThreeDesignsCsv = "engine/expected/explore_three_designs.csv";

TEST(ExplorationCsv, WritesHeaderUnitsAndShortestNumbers) {
  Exploration exploration;
  ExploredDesign a;
  a.SelectedCoreSize = "TD-26";
  a.CoresToStack = 1;
  a.CoreIndex = 26;
  a.Turns = 31;
  a.WireGauge = 12;
  a.HMax = 101.5;
  a.ActualFillFactor = 0.1 + 0.2;
  a.CoreLoss = 3.5;
  a.CopperLoss = 4;
  a.TotalLoss = 7.5;
  a.TempRise = 70.25;
  a.TotalTemp = 120.25;
  a.CoreOD = 4.673;
  a.CoreHT = 2.057;
  a.BoxedVolume = 44.918562953;
  a.CoreMass = 142.3;
  a.PassesFieldStrength = a.PassesTemperature = a.PassesFillFactor = a.PassesVpeak = true;
  a.CalculatorChoice = true;
  a.CheckLAtIpkPercent = 62.5;
  a.CheckRipplePercent = 0.1 + 0.2;
  a.CheckWindingTemperature = 140.75;
  ExploredDesign b;
  b.SelectedCoreSize = "TD-31";
  b.CoresToStack = 9;
  b.CoreIndex = 31;
  b.Turns = 16;
  b.WireGauge = 8;
  b.HMax = std::nextafter(115.0, 200.0);
  b.ActualFillFactor = 1e-6;
  b.CoreLoss = 0.125;
  b.CopperLoss = 100000;
  b.TotalLoss = 100000.125;
  b.TempRise = std::nextafter(155.0, 0.0);
  b.TotalTemp = std::nextafter(205.0, 0.0);
  b.CoreOD = 5.721;
  b.CoreHT = 13.788;
  b.BoxedVolume = 451.2;
  b.CoreMass = 997.029;
  b.PassesFillFactor = b.PassesVpeak = true;
  ExploredDesign c;
  c.SelectedCoreSize = "TD,\"X\"";
  c.CoresToStack = 2;
  c.CoreIndex = 3;
  c.Turns = 1;
  c.WireGauge = 44;
  c.HMax = 0.5;
  c.ActualFillFactor = 0.9;
  c.CoreLoss = c.TotalLoss = c.TempRise = c.TotalTemp = std::nan("");
  c.CopperLoss = 0.25;
  c.CoreOD = 1.703;
  c.CoreHT = 0.94;
  c.BoxedVolume = 2.7262;
  c.CoreMass = 4.95;
  c.PassesFieldStrength = c.PassesFillFactor = true;
  c.CheckLAtIpkPercent = 150.5;
  c.CheckRipplePercent = 1e-6;
  exploration.designs = {a, b, c};
  EXPECT_TRUE(test::MatchesExpectedFile(kThreeDesignsCsv, ExplorationCsv(exploration)));
}

TEST(ExplorationCsv, HasOneLinePerDesign) {
  LoadedTables tables;
  const std::string csv =
      ExplorationCsv(ExploreDesigns(EntryTexts{}, tables.record, tables.catalogue, tables.wires));
  std::size_t lines = 0;
  for (std::size_t at = 0; (at = csv.find("\r\n", at)) != std::string::npos; at += 2)
    ++lines;
  EXPECT_EQ(lines, 280u);
  const std::string header = test::ExpectedFile(kThreeDesignsCsv);
  EXPECT_EQ(csv.substr(0, header.find("\r\n")), header.substr(0, header.find("\r\n")));
}

TEST(CsvField, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(CsvField("TD-26"), "TD-26");
  EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
  EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(CsvField("two\r\nlines"), "\"two\r\nlines\"");
  EXPECT_EQ(CsvField("line\nfeed"), "\"line\nfeed\"");
  EXPECT_EQ(CsvField(""), "");
}

}  // namespace
}  // namespace pfc
