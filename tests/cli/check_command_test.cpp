#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/check/operating_check.h"
#include "engine/check/rolloff_grades.h"
#include "engine/method/design_run.h"
#include "engine/record/number_text.h"
#include "reports/files/design_file.h"
#include "tests/cli/cli_run.h"
#include "tests/engine/loaded_tables.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

using Json = nlohmann::ordered_json;

std::vector<std::string> Keys(const Json& object) {
  std::vector<std::string> keys;
  for (const auto& item : object.items())
    keys.push_back(item.key());
  return keys;
}

// The check the engine makes of the design the same options publish.
OperatingCheck InProcess(const EntryTexts& entries, int grade) {
  LoadedTables tables;
  RunDesign(entries, tables.record, tables.catalogue, tables.wires);
  return CheckOperation(tables.record, *FindRolloffGrade(grade));
}

double Number(const Json& json) {
  return json.get<double>();
}

TEST(CheckCommand, JsonHasTheFixedNamesAndTheDesignOfDesignJson) {
  const CliResult result = RunCli({"check", "--json", "--grade", "90", "--vin-max", "250"});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  const Json json = Json::parse(result.out);
  EXPECT_EQ(Keys(json), (std::vector<std::string>{
                            "status", "grade", "ripple_limit_percent", "min_inductance_percent",
                            "max_temperature_c", "al_tolerance_percent", "catalogue_permeability",
                            "al_nh", "zero_bias_uh", "design", "low_line", "high_line", "verdicts",
                            "winding", "strands", "method_limits", "winding_set_aside"}));
  EXPECT_EQ(Keys(json["verdicts"]),
            (std::vector<std::string>{"inductance_at_peak", "ripple_at_crest", "temperature",
                                      "steady", "saturation", "boost_headroom"}));
  for (const auto& verdict : json["verdicts"].items()) {
    // Without a ripple limit the ripple is not judged.
    if (verdict.key() == "ripple_at_crest")
      EXPECT_TRUE(verdict.value().is_null());
    else
      EXPECT_TRUE(verdict.value().is_boolean()) << verdict.key();
  }
  EXPECT_TRUE(json["ripple_limit_percent"].is_null());
  EXPECT_EQ(json["status"], "checked");
  EXPECT_EQ(json["grade"], 90);
  EXPECT_EQ(json["design"], Json::parse(RunCli({"design", "--json", "--vin-max", "250"}).out));

  const std::vector<std::string> lineKeys = {"vrms",
                                             "vpeak",
                                             "iin_rms",
                                             "ipk_line",
                                             "at_ipk_line",
                                             "at_ipk",
                                             "ipk",
                                             "ipk_angle_deg",
                                             "ripple_max_pp",
                                             "ripple_max_angle_deg",
                                             "ripple_max_percent_of_ipk_line",
                                             "ripple_at_crest_pp",
                                             "ripple_at_crest_percent_of_ipk_line",
                                             "dcm_below_angle_deg",
                                             "flux_swing_max_mt",
                                             "b_at_ipk_t",
                                             "core_loss_w",
                                             "copper_dc_loss_w",
                                             "copper_ac_loss_w",
                                             "total_loss_w",
                                             "temperature_rise_c",
                                             "winding_temperature_c",
                                             "wound_surface_cm2",
                                             "steady",
                                             "peak_above_vout",
                                             "saturates",
                                             "angles",
                                             "worst_case"};
  const std::vector<std::string> atKeys = {"h_oe", "permeability_percent", "l_uh",
                                           "l_percent_of_target"};
  const std::vector<std::string> angleKeys = {"deg",       "vin",   "i_avg",       "duty",
                                              "ripple_pp", "i_max", "flux_swing_t"};
  EntryTexts entries;
  entries[Entry::VinMax] = "250";
  const OperatingCheck expected = InProcess(entries, 90);
  for (const auto& [name, line] :
       {std::pair{"low_line", &expected.lowLine}, std::pair{"high_line", &expected.highLine}}) {
    SCOPED_TRACE(name);
    const Json& out = json[name];
    EXPECT_EQ(Keys(out), lineKeys);
    EXPECT_EQ(Keys(out["at_ipk_line"]), atKeys);
    EXPECT_EQ(Keys(out["at_ipk"]), atKeys);
    ASSERT_EQ(out["angles"].size(), 91u);
    EXPECT_EQ(Keys(out["angles"][45]), angleKeys);
    // Unrounded: the numbers read back as the engine's own.
    EXPECT_EQ(Number(out["winding_temperature_c"]), *line->windingTemperatureC);
    EXPECT_EQ(Number(out["at_ipk"]["l_uh"]), *line->atIpk.lUh);
    EXPECT_EQ(Number(out["angles"][17]["ripple_pp"]), *line->angles[17].ripplePp);
    EXPECT_EQ(out["steady"], line->Steady());
  }
}

TEST(CheckCommand, JsonWritesWhatDoesNotExistAsNull) {
  // A millihertz: both line voltages saturate the picked core.
  const CliResult result =
      RunCli({"check", "--json", "--pick", "TD-26", "--frequency", "0.001", "--vin-max", "0"});
  ASSERT_EQ(result.status, 0);
  const Json json = Json::parse(result.out);
  const Json& low = json["low_line"];
  EXPECT_EQ(low["saturates"], true);
  EXPECT_EQ(low["steady"], false);
  for (const char* name : {"ipk", "at_ipk", "ripple_max_pp", "dcm_below_angle_deg", "b_at_ipk_t",
                           "copper_dc_loss_w", "total_loss_w", "winding_temperature_c"})
    EXPECT_TRUE(low[name].is_null()) << name;
  EXPECT_TRUE(low["core_loss_w"].is_number());
  EXPECT_TRUE(low["at_ipk_line"]["l_uh"].is_number());
  EXPECT_TRUE(low["angles"][90]["ripple_pp"].is_null());
  EXPECT_TRUE(low["angles"][0]["ripple_pp"].is_number()) << "no volt-seconds at 0°";
  // No high line to check at 0 V.
  EXPECT_TRUE(json["high_line"]["iin_rms"].is_null());
  EXPECT_TRUE(json["high_line"]["at_ipk_line"].is_null());
}

TEST(CheckCommand, ANotPublishedDesignPrintsItsMessagesAsDesignDoes) {
  const std::vector<std::string> options = {"--efficiency", "89.9"};
  std::vector<std::string> check = {"check"};
  std::vector<std::string> design = {"design"};
  check.insert(check.end(), options.begin(), options.end());
  design.insert(design.end(), options.begin(), options.end());
  const CliResult text = RunCli(check);
  EXPECT_EQ(text.status, 1);
  EXPECT_EQ(text.out, "");
  EXPECT_EQ(text.err, RunCli(design).err);

  check.push_back("--json");
  design.push_back("--json");
  const CliResult json = RunCli(check);
  EXPECT_EQ(json.status, 1);
  const Json object = Json::parse(json.out);
  EXPECT_EQ(object["status"], "not-published");
  EXPECT_EQ(object["design"], Json::parse(RunCli(design).out));
  EXPECT_TRUE(object["low_line"].is_null() && object["high_line"].is_null());

  check.back() = "--csv";
  const CliResult csv = RunCli(check);
  EXPECT_EQ(csv.status, 1);
  EXPECT_EQ(csv.out, "");
  EXPECT_EQ(csv.err, text.err);
}

TEST(CheckCommand, CsvHoldsTheAngleRowsOfBothLines) {
  const CliResult result = RunCli({"check", "--csv", "--grade", "26"});
  ASSERT_EQ(result.status, 0);
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; (end = result.out.find('\n', start)) != std::string::npos;
       start = end + 1) {
    lines.push_back(result.out.substr(start, end - start));
  }
  ASSERT_EQ(lines.size(), 1u + 2 * 91);
  EXPECT_EQ(lines[0], "line,deg,vin,i_avg,duty,ripple_pp,i_max,flux_swing_t,strands");
  const OperatingCheck expected = InProcess(EntryTexts{}, 26);
  for (int k = 0; k < 91; ++k) {
    for (const auto& [lead, line, offset] :
         {std::tuple{"low,", &expected.lowLine, 1}, std::tuple{"high,", &expected.highLine, 92}}) {
      const CheckedAngle& row = line->angles[static_cast<std::size_t>(k)];
      const std::string wanted = lead + std::to_string(k) + "," + FormatShortest(*row.vin) + "," +
                                 FormatShortest(*row.iAvg) + "," + FormatShortest(*row.duty) + "," +
                                 FormatShortest(*row.ripplePp) + "," + FormatShortest(*row.iMax) +
                                 "," + FormatShortest(*row.fluxSwingT) + ",1";
      EXPECT_EQ(lines[static_cast<std::size_t>(offset + k)], wanted);
    }
  }
}

TEST(CheckCommand, TableShowsTheGradeAndRoundedFigures) {
  const CliResult result = RunCli({"check", "--grade", "125"});
  ASSERT_EQ(result.status, 0);
  EXPECT_EQ(result.err, "");
  EXPECT_NE(result.out.find("grade 125"), std::string::npos);
  const OperatingCheck expected = InProcess(EntryTexts{}, 125);
  // Four significant digits, halves to even, trailing zeros kept.
  for (const CheckedNumber& figure :
       {expected.lowLine.windingTemperatureC, expected.highLine.windingTemperatureC,
        expected.lowLine.atIpkLine.lUh, expected.highLine.coreLossW}) {
    const int places = 3 - static_cast<int>(std::floor(std::log10(*figure)));
    EXPECT_NE(result.out.find(" " + FormatFixed(*figure, places) + " "), std::string::npos)
        << *figure;
  }
}

// The ripple limit decides the ripple verdict alone, from the option or a design file, and
// none is judged when neither gives one; the option wins over the file.
struct RippleLimitCase {
  const char* name;
  std::vector<std::string> options;
  double fileLimit;  // written to a design file given with --inputs; 0: no file
  std::optional<double> used;
};

void PrintTo(const RippleLimitCase& c, std::ostream* out) {
  *out << c.name;
}

class RippleLimit : public ::testing::TestWithParam<RippleLimitCase> {};

TEST_P(RippleLimit, JudgesTheRippleVerdictOnly) {
  test::ScratchFolder folder;
  std::vector<std::string> common = {"check", "--json"};
  if (GetParam().fileLimit > 0) {
    const std::string path = (folder.Path() / "limit.pfcdesign").string();
    DesignFile file;
    file.limits.ripplePercent = GetParam().fileLimit;
    ASSERT_TRUE(WriteDesignFile(path, file).written);
    common.insert(common.end(), {"--inputs", path});
  }
  std::vector<std::string> args = common;
  args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
  const CliResult result = RunCli(args);
  ASSERT_EQ(result.status, 0) << result.err;
  const Json json = Json::parse(result.out);
  if (GetParam().used) {
    EXPECT_EQ(Number(json["ripple_limit_percent"]), *GetParam().used);
  } else {
    EXPECT_TRUE(json["ripple_limit_percent"].is_null());
    EXPECT_TRUE(json["verdicts"]["ripple_at_crest"].is_null());
  }

  // The default design's ripple is somewhere between 1 % and 1000 % of its line peak.
  for (const auto& [limit, passes] : {std::pair{"1", false}, std::pair{"1000", true}}) {
    std::vector<std::string> judged = common;
    judged.insert(judged.end(), {"--ripple-limit", limit});
    const Json other = Json::parse(RunCli(judged).out);
    EXPECT_EQ(other["verdicts"]["ripple_at_crest"], passes) << limit;
    Json rest = other["verdicts"];
    Json base = json["verdicts"];
    rest.erase("ripple_at_crest");
    base.erase("ripple_at_crest");
    EXPECT_EQ(rest, base) << "another limit changed another verdict";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, RippleLimit,
    ::testing::Values(RippleLimitCase{"None", {}, 0, std::nullopt},
                      RippleLimitCase{"Option", {"--ripple-limit", "12.5"}, 0, 12.5},
                      RippleLimitCase{"File", {}, 40, 40},
                      RippleLimitCase{"OptionOverFile", {"--ripple-limit", "7"}, 40, 7}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckCommand, SavesTheRippleLimitItRunsWith) {
  test::ScratchFolder folder;
  const std::string path = (folder.Path() / "saved.pfcdesign").string();
  ASSERT_EQ(RunCli({"check", "--ripple-limit", "33", "--save-inputs", path}).status, 0);
  const DesignFileRead read = ReadDesignFile(path);
  ASSERT_TRUE(read.read) << read.Message();
  EXPECT_EQ(read.design.limits.ripplePercent, 33);
}

// --strict turns a missed verdict into status 3; without it a checked design is status 0
// whatever its verdicts. The default design keeps too little of its target at the peak.
struct StrictCase {
  const char* name;
  std::vector<std::string> options;
  int status;
};

void PrintTo(const StrictCase& c, std::ostream* out) {
  *out << c.name;
}

class Strict : public ::testing::TestWithParam<StrictCase> {};

TEST_P(Strict, ExitsThreeOnlyWhenAskedAndAVerdictMisses) {
  std::vector<std::string> args = {"check"};
  args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
  const CliResult result = RunCli(args);
  EXPECT_EQ(result.status, GetParam().status) << result.err;
  const bool misses = result.out.find("  MISS  ") != std::string::npos;
  EXPECT_EQ(misses, result.out.find("pfc-core optimize") != std::string::npos) << result.out;
}

INSTANTIATE_TEST_SUITE_P(
    Verdicts, Strict,
    ::testing::Values(StrictCase{"MissesWithout", {}, 0}, StrictCase{"MissesWith", {"--strict"}, 3},
                      StrictCase{"MissesAsJson", {"--strict", "--json"}, 3},
                      StrictCase{"PassesWith",
                                 {"--strict", "--min-inductance", "1", "--max-temperature", "1000"},
                                 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The next step's command searches at the same operating point under the same limits.
TEST(CheckCommand, TheNextStepSearchesUnderTheSameLimits) {
  const CliResult result = RunCli({"check", "--vin-min", "100", "--ripple-limit", "15",
                                   "--al-tolerance", "8", "--min-inductance", "90"});
  ASSERT_EQ(result.status, 0) << result.err;
  const std::size_t at = result.out.find("pfc-core optimize");
  ASSERT_NE(at, std::string::npos) << result.out;
  std::istringstream words(result.out.substr(at, result.out.find('\n', at) - at));
  std::vector<std::string> args;
  for (std::string word; words >> word;)
    args.push_back(word);
  args.erase(args.begin());  // the program
  args.insert(args.end(), {"--grades", "60", "--stacks", "1", "--fill-factor", ".05", "--json"});
  const CliResult search = RunCli(args);
  ASSERT_LE(search.status, 1) << search.err;
  const Json json = Json::parse(search.out);
  EXPECT_EQ(Number(json["ripple_limit_percent"]), 15);
  EXPECT_EQ(Number(json["al_tolerance_percent"]), 8);
  EXPECT_EQ(Number(json["min_inductance_percent"]), 90);
  EXPECT_EQ(Number(json["max_temperature_c"]), 155);
}

// With an AL tolerance each line carries its worst-case core, whose inductance is lower and
// ripple higher; the verdicts judge it. Without one there is none.
TEST(CheckCommand, AnAlToleranceAddsTheWorstCaseCoreOfEachLine) {
  const Json nominal = Json::parse(RunCli({"check", "--json"}).out);
  const Json worst = Json::parse(RunCli({"check", "--json", "--al-tolerance", "8"}).out);
  EXPECT_EQ(Number(worst["al_tolerance_percent"]), 8);
  for (const char* line : {"low_line", "high_line"}) {
    SCOPED_TRACE(line);
    EXPECT_TRUE(nominal[line]["worst_case"].is_null());
    const Json& w = worst[line]["worst_case"];
    ASSERT_TRUE(w.is_object());
    EXPECT_EQ(worst[line]["at_ipk"], nominal[line]["at_ipk"]) << "the nominal core is as before";
    EXPECT_LT(Number(w["at_ipk"]["l_uh"]), Number(nominal[line]["at_ipk"]["l_uh"]));
    EXPECT_LT(Number(w["at_ipk_line"]["l_uh"]), Number(nominal[line]["at_ipk_line"]["l_uh"]));
    EXPECT_GT(Number(w["ripple_at_crest_pp"]), Number(nominal[line]["ripple_at_crest_pp"]));
    EXPECT_TRUE(w["ipk"].is_number());
  }
  const CliResult csv = RunCli({"check", "--csv", "--al-tolerance", "8"});
  EXPECT_NE(csv.out.find("\nlow-worst-case,90,"), std::string::npos);
  EXPECT_NE(csv.out.find("\nhigh-worst-case,0,"), std::string::npos);
}

}  // namespace
}  // namespace pfc
