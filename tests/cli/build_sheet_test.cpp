#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "engine/method/version.h"
#include "reports/check/check_figures.h"
#include "tests/cli/cli_run.h"
#include "tests/support/expected_files.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

using Json = nlohmann::ordered_json;
using test::MatchesExpectedFile;

// The sheet with the program's version as a placeholder, so that a release does not change
// the expected files.
std::string Sheet(std::vector<std::string> args) {
  args.insert(args.begin(), {"check", "--build-sheet", "-"});
  const CliResult result = RunCli(args);
  EXPECT_EQ(result.status, 0) << result.err;
  std::string sheet = result.out;
  const std::string version(kVersion);
  for (std::size_t at = sheet.find(version); at != std::string::npos; at = sheet.find(version, at))
    sheet.replace(at, version.size(), "{version}");
  return sheet;
}

Json CheckJson(std::vector<std::string> args) {
  args.insert(args.begin(), {"check", "--json"});
  const CliResult result = RunCli(args);
  EXPECT_EQ(result.status, 0) << result.err;
  return Json::parse(result.out);
}

// The cells of the sheet's row with this caption.
std::vector<std::string> Cells(const std::string& sheet, const std::string& caption) {
  std::vector<std::string> cells;
  const std::size_t row = sheet.find("<tr><th>" + caption + "</th>");
  if (row == std::string::npos)
    return cells;
  const std::size_t end = sheet.find("</tr>", row);
  for (std::size_t at = sheet.find("<td>", row); at < end; at = sheet.find("<td>", at)) {
    at += 4;
    cells.push_back(sheet.substr(at, sheet.find("</td>", at) - at));
  }
  return cells;
}

std::string Figure(const Json& number) {
  return FigureText(FigureCell{number.get<double>()}, '.');
}

TEST(BuildSheet, OfTheDefaultDesign) {
  EXPECT_TRUE(MatchesExpectedFile("cli/expected/build_sheet_default.htm",
                                  Sheet({"--date", "8 December 2026"})));
}

TEST(BuildSheet, OfAPartOfOnesOwnFromADesignFile) {
  test::ScratchFolder folder;
  const std::string material = (folder.Path() / "mix.json").string();
  test::WriteFile(
      material, R"({"name": "Mix <60>", "permeability": 60, "rolloff_b": 0.01, "rolloff_c": 1.5})");
  const std::string design = (folder.Path() / "bench & co.pfcdesign").string();
  ASSERT_EQ(RunCli({"check", "--pick", "TD-30", "--stack", "2", "--material", material, "--turns",
                    "24", "--wire", "10", "--save-inputs", design})
                .status,
            0);
  EXPECT_TRUE(MatchesExpectedFile("cli/expected/build_sheet_given_part.htm",
                                  Sheet({"--inputs", design, "--lead-length", "120"})));
}

// The sheet writes the check's own figures, rounded as the check's table rounds them.
TEST(BuildSheet, ItsFiguresAreTheChecks) {
  const std::vector<std::string> part = {"--turns", "33", "--wire", "13", "--grade", "60"};
  const std::string sheet = Sheet(part);
  const Json check = CheckJson(part);
  const Json& low = check["low_line"];
  const Json& high = check["high_line"];
  struct Row {
    const char* caption;
    const char* figure;  // of both lines
  };
  const Row rows[] = {
      {"Line-peak current, A", "ipk_line"},
      {"Peak current, A", "ipk"},
      {"Core loss, W", "core_loss_w"},
      {"Copper loss, DC, W", "copper_dc_loss_w"},
      {"Copper loss, AC, W", "copper_ac_loss_w"},
      {"Total loss, W", "total_loss_w"},
      {"Winding temperature, °C", "winding_temperature_c"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Cells(sheet, row.caption),
              (std::vector<std::string>{Figure(low[row.figure]), Figure(high[row.figure])}))
        << row.caption;
  }
  EXPECT_EQ(
      Cells(sheet, "Inductance at the peak current, µH"),
      (std::vector<std::string>{Figure(low["at_ipk"]["l_uh"]), Figure(high["at_ipk"]["l_uh"])}));
  EXPECT_EQ(Cells(sheet, "Inductance at the line-peak current, µH"),
            (std::vector<std::string>{Figure(low["at_ipk_line"]["l_uh"]),
                                      Figure(high["at_ipk_line"]["l_uh"])}));
  EXPECT_EQ(Cells(sheet, "Zero-bias inductance, µH").front(), Figure(check["zero_bias_uh"]));
  EXPECT_EQ(Cells(sheet, "Turns").back(), "33");
}

TEST(BuildSheet, ItsColdResistanceIsTheMethodsAndItsWireLengthGivesIt) {
  const std::string sheet = Sheet({"--lead-length", "0"});
  const Json record = CheckJson({})["design"]["record"];
  const double ohms = record["WindingResistance"].get<double>();
  EXPECT_EQ(Cells(sheet, "DCR at 20 °C, mΩ").front(), Figure(Json(ohms * 1e3)));
  // Without leads, the wire to cut at the table's resistance per length is the resistance.
  const double metres = std::stod(Cells(sheet, "Wire to cut, m").front());
  EXPECT_NEAR(metres * 100 * record["WireResistance"].get<double>(), ohms, ohms * 1e-3);
  const double withLeads = std::stod(Cells(Sheet({}), "Wire to cut, m").front());
  EXPECT_NEAR(withLeads - metres, 0.1, 1e-3) << "two leads of 50 mm by default";
}

// Strands are cut alike: each as long as one wire, K of them in all; together they give the
// winding's resistance.
TEST(BuildSheet, TellsTheStrandsAndTheWireToCutForThemAll) {
  const std::vector<std::string> part = {"--fill-factor", ".9", "--wire",        "15",
                                         "--strands",     "3",  "--lead-length", "0"};
  const std::string sheet = Sheet(part);
  const Json record = CheckJson(part)["design"]["record"];
  EXPECT_EQ(Cells(sheet, "Strands"), std::vector<std::string>{"3"});
  const double each = std::stod(Cells(sheet, "Wire to cut, each strand, m").front());
  const double all = std::stod(Cells(sheet, "Wire to cut, 3 strands, m").front());
  EXPECT_NEAR(all, 3 * each, 0.01);
  const double ohms = record["WindingResistance"].get<double>();
  EXPECT_NEAR(each * 100 * record["WireResistance"].get<double>() / 3, ohms, ohms * 1e-3);
  EXPECT_NE(sheet.find("31 turns of 3 strands of AWG 15"), std::string::npos);
}

TEST(BuildSheet, IsTheSameForTheSameInputs) {
  EXPECT_EQ(Sheet({"--turns", "30"}), Sheet({"--turns", "30"}));
  EXPECT_EQ(Sheet({}).find("8 December"), std::string::npos);
}

TEST(BuildSheet, NoneIsWrittenForAPartThatCannotBeBuiltAsAsked) {
  test::ScratchFolder folder;
  const std::string stored = (folder.Path() / "big.pfcdesign").string();
  ASSERT_EQ(
      RunCli({"check", "--pick", "TD-30", "--turns", "40", "--wire", "10", "--save-inputs", stored})
          .status,
      0);
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* named;
  };
  const Case cases[] = {
      {{"--pick", "TD-24"}, 1, "not published"},
      {{"--inputs", stored, "--pick", "TD-26"}, 1, "does not fit this core"},
      {{"--lead-length", "1001"}, 2, "--lead-length"},
      {{"--lead-length", "-1"}, 2, "--lead-length"},
      {{"--lead-length", "ten"}, 2, "--lead-length"},
  };
  const std::string sheet = (folder.Path() / "sheet.htm").string();
  for (const Case& c : cases) {
    std::vector<std::string> args = {"check", "--build-sheet", sheet};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.status, c.status) << c.named;
    EXPECT_NE(result.err.find(c.named), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(sheet)) << c.named;
  }
  const CliResult written = RunCli({"check", "--build-sheet", sheet, "--lead-length", "1000"});
  EXPECT_EQ(written.status, 0) << written.err;
  EXPECT_EQ(test::ReadFile(sheet).rfind("<!DOCTYPE html>", 0), 0u);
}

}  // namespace
}  // namespace pfc
