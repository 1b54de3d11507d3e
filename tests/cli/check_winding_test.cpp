#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "engine/check/rolloff_grades.h"
#include "engine/inputs/number_text.h"
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

struct Refusal {
  std::vector<std::string> args;
  const char* named;  // what stderr must name
};

TEST(CheckWinding, RefusesAWindingItCannotWindWithStatusTwo) {
  const std::vector<Refusal> refusals = {
      {{"--turns", "0"}, "0"},
      {{"--turns", "31001"}, "31001"},
      {{"--turns", "30.5", "--json"}, "30.5"},
      {{"--turns", "thirty"}, "--turns"},
      {{"--wire", "7"}, "AWG 7"},
      {{"--wire", "45", "--csv"}, "AWG 45"},
      {{"--turns", "60"}, "60 turns"},
      {{"--wire", "8", "--turns", "31"}, "AWG 8"},
  };
  for (const Refusal& refusal : refusals) {
    std::vector<std::string> args = refusal.args;
    args.insert(args.begin(), "check");
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.status, 2) << args[1] << " " << args[2];
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(refusal.named), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
  }
}

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

TEST_F(CheckMaterial, RefusesABadFileAndAGradeBesideIt) {
  const std::string good =
      Write("good.json", R"({"name": "G", "permeability": 60, "rolloff_b": 0.01, "rolloff_c": 2})");
  const std::string bad = Write("bad.json", R"({"name": "B", "permeability": 60})");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"check", "--material", bad},
        {"check", "--material", (folder_.Path() / "missing.json").string()},
        {"check", "--material", ""},
        {"check", "--material", good, "--grade", "60"}}) {
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.status, 2) << args.back();
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
  }
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
