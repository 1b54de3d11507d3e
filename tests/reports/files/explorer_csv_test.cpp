#include "reports/files/explorer_csv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/engine/loaded_tables.h"
#include "tests/support/expected_files.h"

namespace pfc {
namespace {

constexpr const char* kThreeDesignsCsv = "reports/expected/explore_three_designs.csv";

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
  a.CheckMeetsLimits = true;
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
  for (std::size_t at = 0; (at = csv.find('\n', at)) != std::string::npos; ++at)
    ++lines;
  EXPECT_EQ(lines, 280u);
  const std::string header = test::ExpectedFile(kThreeDesignsCsv);
  EXPECT_EQ(csv.substr(0, header.find('\n')), header.substr(0, header.find('\n')));
}

}  // namespace
}  // namespace pfc
