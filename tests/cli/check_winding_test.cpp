#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "engine/check/rolloff_grades.h"
#include "engine/record/number_text.h"
#include "tests/cli/cli_run.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

using Json = nlohmann::ordered_json;

Json CheckJson(std::vector<std::string> args) {
  args.insert(args.begin(), {"check", "--json"});
  const CliResult result = RunCli(args);
  EXPECT_EQ(result.status, 0) << result.err;
  return Json::parse(result.out);
}

// The default design winds 31 turns of AWG 12 on TD-26.
TEST(CheckWinding, TheMethodsOwnWindingGivenChecksAsTheMethodsButSaysItWasGiven) {
  Json method = CheckJson({});
  Json given = CheckJson({"--turns", "31", "--wire", "12"});
  EXPECT_EQ(method["winding"], "method");
  EXPECT_EQ(given["winding"], "given");
  method.erase("winding");
  given.erase("winding");
  EXPECT_EQ(given, method);
}

TEST(CheckWinding, OneOptionReplacesOnlyItsOwnPart) {
  const Json turns = CheckJson({"--turns", "33"});
  EXPECT_EQ(turns["design"]["record"]["Turns"], 33);
  EXPECT_EQ(turns["design"]["record"]["WireGauge"], 12);
  const Json wire = CheckJson({"--wire", "14"});
  EXPECT_EQ(wire["design"]["record"]["Turns"], 31);
  EXPECT_EQ(wire["design"]["record"]["WireGauge"], 14);
}

// TD-24 is too small for the default design: the method's 47 turns stop the run at 164 Oe.
TEST(CheckWinding, AWholeWindingOnAPickedCoreIsCheckedWhereTheMethodWouldNotPublish) {
  EXPECT_EQ(RunCli({"check", "--pick", "TD-24"}).status, 1);
  EXPECT_EQ(RunCli({"check", "--pick", "TD-24", "--turns", "32"}).status, 1)
      << "turns alone need the method's design";
  const Json json = CheckJson({"--pick", "TD-24", "--turns", "32", "--wire", "12"});
  EXPECT_EQ(json["status"], "checked");
  EXPECT_EQ(json["design"]["messages"], Json::array());
  EXPECT_EQ(json["method_limits"]["field_strength"], true);
  EXPECT_EQ(json["method_limits"]["area_product"], false);
  EXPECT_EQ(RunCli({"check", "--pick", "TD-24", "--turns", "40", "--wire", "12"}).status, 0)
      << "a winding over the method's field limit is judged, not refused";
  const CliResult text = RunCli({"check", "--pick", "TD-24", "--turns", "40", "--wire", "12"});
  EXPECT_NE(text.out.find("misses"), std::string::npos) << text.out;
}

// Two strands halve the winding's resistance and double its fill; JSON names the strands.
TEST(CheckWinding, StrandsInParallelShareTheCurrentAndTheWindow) {
  const Json one = CheckJson({"--fill-factor", ".9", "--wire", "15"});
  const Json two = CheckJson({"--fill-factor", ".9", "--wire", "15", "--strands", "2"});
  EXPECT_EQ(one["strands"], 1);
  EXPECT_EQ(two["strands"], 2);
  EXPECT_EQ(two["winding"], "given");
  const auto& a = one["design"]["record"];
  const auto& b = two["design"]["record"];
  EXPECT_DOUBLE_EQ(b["WindingResistance"].get<double>(), a["WindingResistance"].get<double>() / 2);
  EXPECT_DOUBLE_EQ(b["ActualFillFactor"].get<double>(), a["ActualFillFactor"].get<double>() * 2);
  EXPECT_LT(two["low_line"]["copper_dc_loss_w"], one["low_line"]["copper_dc_loss_w"]);
}

struct StrandsRefusal {
  const char* label;
  std::vector<std::string> args;
  const char* named;  // what standard error must name
};

class CheckStrandsRefusal : public testing::TestWithParam<StrandsRefusal> {};

TEST_P(CheckStrandsRefusal, IsAUsageErrorThatSaysWhy) {
  std::vector<std::string> args = GetParam().args;
  args.insert(args.begin(), "check");
  const CliResult result = RunCli(args);
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find(GetParam().named), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, CheckStrandsRefusal,
    testing::Values(StrandsRefusal{"None", {"--strands", "0"}, "--strands"},
                    StrandsRefusal{"TooMany", {"--strands", "9"}, "--strands"},
                    StrandsRefusal{"NotWhole", {"--strands", "2.5"}, "--strands"},
                    StrandsRefusal{"Overfill",
                                   {"--strands", "2"},
                                   "31 turns of 2 strands of AWG 12 fill 59.9 %"}),
    [](const auto& info) { return std::string(info.param.label); });

class CheckMaterial : public testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = (folder_.Path() / name).string();
    test::WriteFile(path, text);
    return path;
  }
  test::ScratchFolder folder_;
};

TEST_F(CheckMaterial, AFileOfAGradesNumbersChecksAsTheGradeUnderItsOwnName) {
  const RolloffGrade& grade = *FindRolloffGrade(60);
  const std::string path =
      Write("mine.json", R"({"name": "My 60", "permeability": 60, "rolloff_b": )" +
                             FormatShortest(grade.b) + R"(, "rolloff_c": )" +
                             FormatShortest(grade.c) + "}");
  Json own = CheckJson({"--material", path});
  Json builtIn = CheckJson({"--grade", "60"});
  EXPECT_EQ(own["grade"], "My 60");
  EXPECT_EQ(builtIn["grade"], 60);
  own.erase("grade");
  builtIn.erase("grade");
  EXPECT_EQ(own, builtIn);
}

TEST_F(CheckMaterial, ADesignFileKeepsTheWindingAndAnOptionOverridesIt) {
  const std::string path = (folder_.Path() / "wound.pfcdesign").string();
  ASSERT_EQ(RunCli({"check", "--turns", "33", "--wire", "13", "--save-inputs", path}).status, 0);
  const Json kept = CheckJson({"--inputs", path});
  EXPECT_EQ(kept["winding"], "given");
  EXPECT_EQ(kept["design"]["record"]["Turns"], 33);
  EXPECT_EQ(kept["design"]["record"]["WireGauge"], 13);
  const Json overridden = CheckJson({"--inputs", path, "--turns", "32"});
  EXPECT_EQ(overridden["design"]["record"]["Turns"], 32);
  EXPECT_EQ(overridden["design"]["record"]["WireGauge"], 13);
}

}  // namespace
}  // namespace pfc
