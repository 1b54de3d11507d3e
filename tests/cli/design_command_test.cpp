#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/design/design_entry_names.h"
#include "engine/inputs/entries.h"
#include "engine/inputs/pick_list.h"
#include "engine/method/design_run.h"
#include "engine/method/version.h"
#include "tests/cli/cli_run.h"
#include "tests/engine/loaded_tables.h"
#include "tests/support/expected_files.h"

namespace pfc {
namespace {

using test::MatchesExpectedFile;

nlohmann::json JsonOf(const CliResult& result) {
  return nlohmann::json::parse(result.out);
}

TEST(DesignCommand, PrintsTheDefaultSummaryAsTheEngineerSeesIt) {
  const CliResult result = RunCli({"design"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_TRUE(MatchesExpectedFile("cli/expected/design_default.txt", result.out));
}

TEST(DesignCommand, PrintsMessagesBeforeTheSummary) {
  const CliResult result =
      RunCli({"design", "--frequency", "20", "--frequency-unit", "kHz", "--inductance", "50",
              "--inductance-unit", "microhenry", "--output-power", "100"});
  EXPECT_EQ(result.status, 0) << "warnings still publish";
  // The messages, up to the summary that follows them.
  const std::string messages = result.out.substr(0, result.out.find("PFC Summary Core Design"));
  EXPECT_TRUE(MatchesExpectedFile("cli/expected/hot_design_messages.txt", messages));
  EXPECT_NE(result.out.find("  Total Temperature       > 155°C\n"), std::string::npos);
}

TEST(DesignCommand, ARejectedEntryShowsItsMessageAndFocusOnStandardError) {
  const CliResult result = RunCli({"design", "--efficiency", "89.9"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_TRUE(MatchesExpectedFile("cli/expected/design_rejected.txt", result.err));
}

TEST(DesignCommand, JsonHoldsThePublishedDefaultOutcome) {
  const CliResult result = RunCli({"design", "--json"});
  ASSERT_EQ(result.status, 0);
  const nlohmann::json json = JsonOf(result);
  EXPECT_EQ(json["version"], 2) << "the focus is a public name";
  EXPECT_EQ(json["status"], "published");
  EXPECT_EQ(json["messages"], nlohmann::json::array());
  EXPECT_TRUE(json["focus"].is_null());
  EXPECT_EQ(json["record"]["CoreIndex"], 26);
  EXPECT_EQ(json["record"]["SelectedCoreSize"], "TD-26");
  EXPECT_EQ(json["record"]["Turns"], 31.0);
  EXPECT_EQ(json["record"]["CalcType"], 1);
  const nlohmann::json& summary = json["summary"];
  EXPECT_EQ(summary["txtFrequency"], "100000");
  EXPECT_EQ(summary["txtInductance"], "0.00015");
  EXPECT_EQ(summary["txtEfficiency"], "95");
  EXPECT_EQ(summary["txtFillFactor"], "0.4");
  EXPECT_EQ(summary["txtcore"], "Calculated");
  EXPECT_EQ(summary["txtOutCoreSize"], "TD-26");
  EXPECT_EQ(summary["txtStackout"], "");
  EXPECT_EQ(summary["txtNoOfTurns"], "31");
  EXPECT_EQ(summary["txtWireGuage"], "12");
  EXPECT_EQ(summary["txtZeroInductance"], "215");
  EXPECT_EQ(summary["txtFullInductance"], "150");
  EXPECT_EQ(summary["txtCoreLoss"], "3.56");
  EXPECT_EQ(summary["txtCopperLoss"], "4.06");
  EXPECT_EQ(summary["txtTotalLosses"], "7.62");
  EXPECT_EQ(summary["txtTotalTemp"], "120");
  EXPECT_EQ(summary["totaltemp"], "°C");
  EXPECT_EQ(summary["txtTotalTempStyle"], "normal-black");
  EXPECT_EQ(summary.size(), 22u);
}

TEST(DesignCommand, JsonRecordHoldsEveryFieldAtFullPrecision) {
  const char* const kFieldNames[] = {"Frequency",
                                     "Inductance",
                                     "OutputPower",
                                     "Efficiency",
                                     "VinMin",
                                     "VinMax",
                                     "Vout",
                                     "AmbientTemp",
                                     "CalcType",
                                     "CoresToStack",
                                     "SelectedCoreSize",
                                     "CoreIndex",
                                     "MaxAreaProduct",
                                     "FillFactorLimit",
                                     "InputPower",
                                     "IinRms",
                                     "IinPeakLine",
                                     "Iripple",
                                     "IinPeak",
                                     "Energy",
                                     "AreaProduct",
                                     "CoreOD",
                                     "CoreID",
                                     "CoreHT",
                                     "CoreArea",
                                     "WindowArea",
                                     "PathLength",
                                     "AlValue",
                                     "CoreMass",
                                     "SurfaceArea",
                                     "Tstep",
                                     "Turns",
                                     "HMax",
                                     "ZeroBiasL",
                                     "ConductorArea",
                                     "WireGauge",
                                     "WireArea",
                                     "WireDia",
                                     "WireResistance",
                                     "MLT",
                                     "ActualFillFactor",
                                     "ConductorLength",
                                     "MarginLength",
                                     "WindingResistance",
                                     "CopperLoss",
                                     "Vpeak",
                                     "Dmax",
                                     "DeltaB",
                                     "DeltaBavg",
                                     "Bac",
                                     "CoreLossDensity",
                                     "CoreLoss",
                                     "TotalLoss",
                                     "TempRise",
                                     "TempFolder"};
  const nlohmann::ordered_json record =
      nlohmann::ordered_json::parse(RunCli({"design", "--json", "--stack", "3"}).out)["record"];
  std::vector<std::string> keys;
  for (const auto& item : record.items())
    keys.push_back(item.key());
  EXPECT_EQ(keys, std::vector<std::string>(std::begin(kFieldNames), std::end(kFieldNames)));

  // The same run in-process: every number reads back bit for bit.
  LoadedTables tables;
  const DesignRecord& expected = tables.record;
  EntryTexts entries;
  entries[Entry::Stack] = "3";
  RunDesign(entries, tables.record, tables.catalogue, tables.wires);
  EXPECT_EQ(record["HMax"].get<double>(), expected.HMax);
  EXPECT_EQ(record["TempRise"].get<double>(), expected.TempRise);
  EXPECT_EQ(record["CoreLossDensity"].get<double>(), expected.CoreLossDensity);
  EXPECT_EQ(record["Energy"].get<double>(), expected.Energy);
  EXPECT_EQ(record["CoresToStack"], 3);
  EXPECT_EQ(record["CoreIndex"], 20);
}

TEST(DesignCommand, ConvertsTheUnitOptionsLikeTheForm) {
  const nlohmann::json json =
      JsonOf(RunCli({"design", "--json", "--frequency", "100", "--frequency-unit", "kHz",
                     "--inductance", "150", "--inductance-unit", "microhenry", "--output-power",
                     "1.5", "--output-power-unit", "Kilo Watts"}));
  EXPECT_EQ(json["record"]["Frequency"], 100000.0);
  EXPECT_EQ(json["record"]["Inductance"], 0.00015);
  EXPECT_EQ(json["record"]["OutputPower"], 1500.0);
  EXPECT_EQ(json["summary"]["txtNoOfTurns"], "31");
  const nlohmann::json milli = JsonOf(
      RunCli({"design", "--json", "--inductance", "101", "--inductance-unit", "millihenry"}));
  EXPECT_EQ(milli["status"], "rejected");
  EXPECT_EQ(milli["check"], "2c");
}

struct StatusCase {
  std::vector<std::string> args;
  int exitStatus;
  const char* status;
  const char* ending;
  const char* focus;  // nullptr: null
};

class DesignStatusTest : public testing::TestWithParam<StatusCase> {};

TEST_P(DesignStatusTest, ReportsHowTheRunEnded) {
  std::vector<std::string> args = {"design", "--json"};
  args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
  const CliResult result = RunCli(args);
  EXPECT_EQ(result.status, GetParam().exitStatus);
  const nlohmann::json json = JsonOf(result);
  EXPECT_EQ(json["status"], GetParam().status);
  EXPECT_EQ(json["ending"], GetParam().ending);
  if (GetParam().focus == nullptr) {
    EXPECT_TRUE(json["focus"].is_null());
  } else {
    EXPECT_EQ(json["focus"], GetParam().focus);
  }
  EXPECT_EQ(json.contains("summary"), GetParam().exitStatus == 0);
  for (const nlohmann::json& message : json["messages"]) {
    EXPECT_TRUE(message["icon"] == "information" || message["icon"] == "none");
    EXPECT_TRUE(message["title"] == "Caution" || message["title"] == "PFC Core Designer");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Endings, DesignStatusTest,
    testing::Values(StatusCase{{"--vout", "500"}, 1, "rejected", "rejected", "vout"},
                    StatusCase{{"--frequency", "1.2.3"}, 1, "rejected", "rejected", "frequency"},
                    StatusCase{{"--stack", "10"}, 1, "rejected", "rejected", "stack"},
                    StatusCase{{"--output-power", "0"}, 1, "rejected", "rejected", "output-power"},
                    StatusCase{{"--ambient", "-20"}, 0, "published", "published", nullptr},
                    StatusCase{{"--stack", ""}, 0, "published", "published", nullptr},
                    StatusCase{{"--output-power", "3000"}, 1, "stopped", "area-product", nullptr},
                    StatusCase{{"--vout", "100"}, 1, "stopped", "vpeak", nullptr},
                    StatusCase{{"--pick", "TD-31"}, 1, "stopped", "field-strength", nullptr},
                    StatusCase{{"--pick", "TD-26"}, 0, "published", "published", nullptr},
                    StatusCase{{"--output-power", "2000", "--frequency", "1000000"},
                               1,
                               "stopped",
                               "field-strength",
                               nullptr}));

// A script that reads the focus can give the same name back to design as an option.
TEST(DesignCommand, EveryFocusIsANameTheCommandLineTakes) {
  for (const EntryDescription& entry : Entries()) {
    const std::string_view name = PublicEntryName(entry.entry);
    EXPECT_NE(FindDesignEntryName(name), nullptr) << name;
    EXPECT_NE(name, entry.control);
  }
}

TEST(DesignCommand, APickDesignsAsTheListEntryWould) {
  const nlohmann::json json = JsonOf(RunCli({"design", "--json", "--pick", "TD-31"}));
  EXPECT_EQ(json["record"]["CalcType"], 2);
  EXPECT_EQ(json["record"]["SelectedCoreSize"], "TD-31");
  ASSERT_EQ(json["messages"].size(), 1u);
  EXPECT_EQ(json["messages"][0]["icon"], "none");
  EXPECT_EQ(json["messages"][0]["text"].get<std::string>().substr(0, 52),
            "Field at max current is too high, 116 is > 115 Oe.\r\n");
}

struct UsageCase {
  std::vector<std::string> args;
  const char* explanation;
};

class UsageErrorTest : public testing::TestWithParam<UsageCase> {};

TEST_P(UsageErrorTest, ExplainsInOneLineOnStandardError) {
  const CliResult result = RunCli(GetParam().args);
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.out, "");
  ASSERT_FALSE(result.err.empty());
  EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
  EXPECT_NE(result.err.find(GetParam().explanation), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, UsageErrorTest,
    testing::Values(UsageCase{{}, "subcommand"},
                    UsageCase{{"design", "--frequency-unit", "MHz"}, "MHz"},
                    UsageCase{{"design", "--inductance-unit", "henry"}, "henry"},
                    UsageCase{{"design", "--output-power-unit", "kW"}, "kW"},
                    UsageCase{{"design", "--pick", "TD-99"}, "TD-99"},
                    UsageCase{{"design", "--pick", "TD26"}, "TD26"},
                    UsageCase{{"design", "--frequency"}, "--frequency"},
                    UsageCase{{"design", "--colour", "red"}, "--colour"},
                    UsageCase{{"draw"}, "draw"}, UsageCase{{"Design", "--json"}, "Design"}));

TEST(DesignCommand, HelpDescribesEveryOptionAndTheOutput) {
  const CliResult result = RunCli({"design", "--help"});
  EXPECT_EQ(result.status, 0);
  for (const char* option :
       {"--frequency", "--frequency-unit", "--inductance", "--inductance-unit", "--output-power",
        "--output-power-unit", "--efficiency", "--vin-min", "--vin-max", "--vout", "--ambient",
        "--stack", "--fill-factor", "--pick", "--json", "Exit status", "\"status\"", "Kilo Watts",
        "microhenry"}) {
    EXPECT_NE(result.out.find(option), std::string::npos) << option;
  }
}

TEST(DesignCommand, VersionNamesTheProgramAndItsRelease) {
  for (const char* option : {"--version", "-V"}) {
    const CliResult result = RunCli({option});
    EXPECT_EQ(result.status, 0) << option;
    EXPECT_EQ(result.out, "pfc-core (PFC Core Designer) " + std::string(kVersion) + "\n") << option;
    EXPECT_EQ(result.err, "") << option;
  }
}

// The catalogue's part numbers are upper case; a script's may not be. The designer's list
// offers the catalogue's texts only.
TEST(DesignCommand, APickInAnyCaseIsTheCataloguePart) {
  const CliResult exact = RunCli({"design", "--json", "--pick", "TD-26"});
  ASSERT_EQ(exact.status, 0) << exact.err;
  for (const char* typed : {"td-26", "Td-26", "tD-26"}) {
    const CliResult result = RunCli({"design", "--json", "--pick", typed});
    EXPECT_EQ(result.status, 0) << typed << ": " << result.err;
    EXPECT_EQ(result.out, exact.out) << typed << ": the catalogue's part number throughout";
  }
}

TEST(PfcCoreBinary, DesignJsonOnTheDefaultsPublishes) {
  const std::string command = std::string(PFC_CORE_PATH) + " design --json";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    out.append(buffer, n);
  const int status = pclose(pipe);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  const nlohmann::json json = nlohmann::json::parse(out);
  EXPECT_EQ(json["status"], "published");
  EXPECT_EQ(json["summary"]["txtOutCoreSize"], "TD-26");
}

}  // namespace
}  // namespace pfc
