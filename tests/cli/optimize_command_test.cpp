#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/cli_run.h"

namespace pfc {
namespace {

// A small search: one grade, two stack counts.
std::vector<std::string> Small(std::vector<std::string> more) {
  std::vector<std::string> args{"optimize", "--grades", "60", "--stacks", "1-2"};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

nlohmann::ordered_json Json(const std::vector<std::string>& args) {
  const CliResult result = RunCli(args);
  EXPECT_LE(result.status, 1) << result.err;
  return nlohmann::ordered_json::parse(result.out);
}

struct SettingCase {
  std::vector<std::string> args;
  const char* key;
  nlohmann::json expected;
};

TEST(OptimizeCommand, TheOptionsSetTheSearch) {
  const SettingCase cases[] = {
      {{"optimize", "--grades", "147,14", "--stacks", "1"}, "materials", {"14", "147"}},
      {{"optimize", "--grades", "all", "--stacks", "9"},
       "materials",
       {"14", "26", "40", "60", "75", "90", "125", "147", "160"}},
      {{"optimize", "--grades", "90", "--stacks", "3-4"}, "stacks", {3, 4}},
      {{"optimize", "--grades", "90", "--stacks", "7"}, "stacks", {7, 7}},
      {Small({}), "ripple_limit_percent", nullptr},
      {Small({"--ripple-limit", "20.5"}), "ripple_limit_percent", 20.5},
      {Small({}), "max_temperature_c", 155},
      {Small({"--max-temperature", "120"}), "max_temperature_c", 120},
      {Small({"--min-inductance", "80"}), "min_inductance_percent", 80},
      {Small({}), "al_tolerance_percent", 0},
      {Small({"--al-tolerance", "8"}), "al_tolerance_percent", 8},
      {Small({"--objective", "volume"}), "objective", "volume"},
  };
  for (const SettingCase& c : cases) {
    std::vector<std::string> args = c.args;
    // Few turns fit a thin window: a quick search that still reports its settings.
    args.insert(args.end(), {"--json", "--fill-factor", ".05"});
    EXPECT_EQ(Json(args)[c.key], c.expected) << c.args.back();
  }
}

TEST(OptimizeCommand, CsvAndJsonGiveTheSameRowsToTheLastDigit) {
  const nlohmann::ordered_json json = Json(Small({"--json", "--ripple-limit", "25"}));
  const CliResult csv = RunCli(Small({"--csv", "--ripple-limit", "25"}));
  ASSERT_EQ(csv.status, 0);
  std::istringstream lines(csv.out);
  std::string line;
  std::getline(lines, line);
  std::vector<std::string> names;
  for (const auto& [key, value] : json["candidates"][0].items())
    names.push_back(key);
  std::size_t row = 0;
  while (std::getline(lines, line)) {
    ASSERT_LT(row, json["candidates"].size());
    if (!line.empty() && line.back() == '\r')
      line.pop_back();
    std::istringstream fields(line);
    std::string field;
    for (const std::string& name : names) {
      std::getline(fields, field, ',');
      const nlohmann::ordered_json& value = json["candidates"][row][name];
      if (value.is_number()) {
        EXPECT_EQ(std::stod(field), value.get<double>()) << name;
      } else if (value.is_string()) {
        EXPECT_EQ(field, value.get<std::string>()) << name;
      }
    }
    ++row;
  }
  EXPECT_EQ(row, json["candidates"].size());
}

// What the manual promises: check --pick --stack --grade --turns --wire --strands gives the
// row's numbers.
TEST(OptimizeCommand, CheckReproducesEveryRowExactly) {
  const nlohmann::ordered_json rows =
      Json({"optimize", "--grades", "40,147", "--stacks", "2-3", "--json"})["candidates"];
  ASSERT_GT(rows.size(), 10u);
  for (std::size_t i = 0; i < rows.size(); i += rows.size() / 7) {
    const auto& row = rows[i];
    const CliResult check =
        RunCli({"check", "--pick", row["core"], "--stack", std::to_string(row["stack"].get<int>()),
                "--grade", row["material"], "--turns", row["turns"].dump(), "--wire",
                row["gauge"].dump(), "--strands", row["strands"].dump(), "--json"});
    ASSERT_EQ(check.status, 0) << check.err;
    const nlohmann::ordered_json checked = nlohmann::ordered_json::parse(check.out);
    const auto& low = checked["low_line"];
    const auto& high = checked["high_line"];
    EXPECT_EQ(row["total_loss_w"], low["total_loss_w"]) << i;
    EXPECT_EQ(row["l_at_ipk_percent"], low["at_ipk"]["l_percent_of_target"]) << i;
    EXPECT_EQ(row["ripple_at_crest_percent"], low["ripple_at_crest_percent_of_ipk_line"]) << i;
    EXPECT_EQ(row["winding_temperature_c"], std::max(low["winding_temperature_c"].get<double>(),
                                                     high["winding_temperature_c"].get<double>()))
        << i;
  }
}

TEST(OptimizeCommand, TheVolumeObjectiveSortsByVolume) {
  const nlohmann::ordered_json rows =
      Json(Small({"--json", "--objective", "volume"}))["candidates"];
  ASSERT_GT(rows.size(), 1u);
  for (std::size_t i = 1; i < rows.size(); ++i)
    EXPECT_LE(rows[i - 1]["wound_volume_cm3"].get<double>(),
              rows[i]["wound_volume_cm3"].get<double>());
}

TEST(OptimizeCommand, TheTableShowsTheTopRowsAndNoMore) {
  for (int top : {1, 3, 7}) {
    const CliResult result = RunCli(Small({"--top", std::to_string(top)}));
    ASSERT_EQ(result.status, 0);
    std::size_t rows = 0;
    std::istringstream lines(result.out);
    std::string line;
    while (std::getline(lines, line))
      rows += line.rfind("TD-", 0) == 0 ? 1 : 0;
    EXPECT_EQ(rows, static_cast<std::size_t>(top));
  }
}

TEST(OptimizeCommand, NothingFeasibleNamesTheNearestMissesAndFails) {
  const CliResult text = RunCli(Small({"--max-temperature", "45"}));
  EXPECT_EQ(text.status, 1);
  std::size_t misses = 0;
  std::istringstream lines(text.out);
  std::string line;
  while (std::getline(lines, line))
    misses += line.find("°C (limit 45 °C)") != std::string::npos ? 1 : 0;
  EXPECT_EQ(misses, 5u);

  const nlohmann::ordered_json json = Json(Small({"--json", "--max-temperature", "45"}));
  EXPECT_EQ(json["status"], "none-feasible");
  ASSERT_EQ(json["near_misses"].size(), 5u);
  // Every winding that gets a temperature is above the 50 °C ambient.
  for (const auto& miss : json["near_misses"]) {
    const auto& breaks = miss["breaks"];
    EXPECT_NE(std::find(breaks.begin(), breaks.end(), "temperature"), breaks.end()) << breaks;
  }

  const CliResult csv = RunCli(Small({"--csv", "--max-temperature", "45"}));
  EXPECT_EQ(csv.status, 1);
  EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 1);  // the header alone
  EXPECT_NE(csv.err, "");
}

TEST(OptimizeCommand, ARejectedEntrySaysWhyOnStandardError) {
  const CliResult result = RunCli(Small({"--efficiency", "150"}));
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err, "");
}

}  // namespace
}  // namespace pfc
