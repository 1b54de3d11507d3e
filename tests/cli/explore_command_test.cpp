#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "engine/search/explorer.h"
#include "tests/cli/cli_run.h"
#include "tests/engine/loaded_tables.h"
#include "tests/support/expected_files.h"

namespace pfc {
namespace {

Exploration InProcess(const EntryTexts& entries, const DesignLimits& limits = {}) {
  const LoadedTables tables;
  return ExploreDesigns(entries, tables.record, tables.catalogue, tables.wires, limits);
}

TEST(ExploreCommand, JsonListsEveryDesignAtFullPrecision) {
  const CliResult result = RunCli({"explore", "--json", "--stack", "3"});
  ASSERT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  const nlohmann::ordered_json designs = nlohmann::ordered_json::parse(result.out);
  ASSERT_TRUE(designs.is_array());
  ASSERT_EQ(designs.size(), 279u);
  std::vector<std::string> keys;
  for (const auto& item : designs[0].items())
    keys.push_back(item.key());
  EXPECT_EQ(keys, (std::vector<std::string>{"SelectedCoreSize",
                                            "CoresToStack",
                                            "CoreIndex",
                                            "Turns",
                                            "WireGauge",
                                            "HMax",
                                            "ActualFillFactor",
                                            "CoreLoss",
                                            "CopperLoss",
                                            "TotalLoss",
                                            "TempRise",
                                            "TotalTemp",
                                            "CoreOD",
                                            "CoreHT",
                                            "BoxedVolume",
                                            "CoreMass",
                                            "PassesFieldStrength",
                                            "PassesTemperature",
                                            "PassesFillFactor",
                                            "PassesVpeak",
                                            "PassesAll",
                                            "CalculatorChoice",
                                            "check_l_at_ipk_percent",
                                            "check_ripple_percent",
                                            "check_winding_temperature_c",
                                            "check_meets_limits"}));

  EntryTexts entries;
  entries[Entry::Stack] = "3";
  const Exploration expected = InProcess(entries);
  int marked = 0;
  for (std::size_t i = 0; i < designs.size(); ++i) {
    const ExploredDesign& d = expected.designs[i];
    const nlohmann::ordered_json& json = designs[i];
    EXPECT_EQ(json["SelectedCoreSize"], d.SelectedCoreSize);
    EXPECT_EQ(json["CoresToStack"], d.CoresToStack);
    EXPECT_TRUE(json["CoresToStack"].is_number_integer() && json["CoreIndex"].is_number_integer());
    EXPECT_EQ(json["HMax"].get<double>(), d.HMax);
    EXPECT_EQ(json["TempRise"].get<double>(), d.TempRise);
    EXPECT_EQ(json["BoxedVolume"].get<double>(), d.BoxedVolume);
    EXPECT_EQ(json["PassesAll"], d.PassesAll());
    if (json["check_ripple_percent"].is_null())
      EXPECT_TRUE(std::isnan(d.CheckRipplePercent));
    else
      EXPECT_EQ(json["check_ripple_percent"].get<double>(), d.CheckRipplePercent);
    if (json["CalculatorChoice"] == true) {
      ++marked;
      EXPECT_EQ(json["SelectedCoreSize"], "TD-20");
      EXPECT_EQ(json["CoresToStack"], 3);
    }
  }
  EXPECT_EQ(marked, 1);
}

// The check columns are judged by the limit options, a worst-case core's figures included.
TEST(ExploreCommand, JudgesTheCheckColumnsByTheLimitOptions) {
  const CliResult result = RunCli({"explore", "--json", "--min-inductance", "30", "--ripple-limit",
                                   "40", "--max-temperature", "130", "--al-tolerance", "8"});
  ASSERT_EQ(result.status, 0) << result.err;
  const nlohmann::json designs = nlohmann::json::parse(result.out);
  const Exploration expected = InProcess(
      EntryTexts{},
      {.inductancePercent = 30, .ripplePercent = 40, .temperatureC = 130, .alTolerancePercent = 8});
  ASSERT_EQ(designs.size(), expected.designs.size());
  int meeting = 0;
  for (std::size_t i = 0; i < designs.size(); ++i) {
    const ExploredDesign& d = expected.designs[i];
    EXPECT_EQ(designs[i]["check_meets_limits"], d.CheckMeetsLimits) << i;
    if (!designs[i]["check_l_at_ipk_percent"].is_null()) {
      EXPECT_EQ(designs[i]["check_l_at_ipk_percent"].get<double>(), d.CheckLAtIpkPercent) << i;
    }
    meeting += d.CheckMeetsLimits ? 1 : 0;
  }
  EXPECT_GT(meeting, 0);
  EXPECT_LT(meeting, static_cast<int>(designs.size()));
}

TEST(ExploreCommand, JsonWritesMissingValuesAsNull) {
  const CliResult result = RunCli({"explore", "--json", "--vout", "100"});
  ASSERT_EQ(result.status, 0);
  const nlohmann::json designs = nlohmann::json::parse(result.out);
  for (const nlohmann::json& design : designs) {
    EXPECT_TRUE(design["CoreLoss"].is_null());
    EXPECT_TRUE(design["TotalTemp"].is_null());
    EXPECT_TRUE(design["check_winding_temperature_c"].is_null());
    EXPECT_TRUE(design["CopperLoss"].is_number());
    EXPECT_EQ(design["PassesVpeak"], false);
  }
}

TEST(ExploreCommand, CsvHasAHeaderAndOneLinePerDesign) {
  const CliResult result =
      RunCli({"explore", "--csv", "--output-power", "1.5", "--output-power-unit", "Kilo Watts"});
  ASSERT_EQ(result.status, 0);
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = result.out.find('\n', start)) != std::string::npos;
       start = end + 1) {
    lines.push_back(result.out.substr(start, end - start));
  }
  ASSERT_EQ(lines.size(), 280u);
  EXPECT_EQ(result.out.size(), result.out.rfind('\n') + 1) << "ends with a line break";
  EXPECT_EQ(result.out.find('\r'), std::string::npos) << "lines end in LF alone";
  EXPECT_TRUE(lines[0].starts_with("SelectedCoreSize,CoresToStack,CoreIndex,Turns,"));
  EXPECT_TRUE(lines[1].starts_with("TD-01,1,1,"));
  EXPECT_TRUE(lines[226].starts_with("TD-26,1,26,31,12,101.8526"));
  EXPECT_NE(lines[226].find(",true,true,true,true,true,true,"), std::string::npos);
}

TEST(ExploreCommand, ARejectedEntryExplainsOnStandardError) {
  const CliResult result = RunCli({"explore", "--csv", "--fill-factor", "0,4"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_TRUE(test::MatchesExpectedFile("cli/expected/explore_rejected.txt", result.err));
}

}  // namespace
}  // namespace pfc
