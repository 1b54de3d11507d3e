#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/cli/cli_run.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

// A design file keeps the part as built, its material by value, and a winding the core no
// longer takes is set aside rather than refused.
namespace pfc {
namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kMaterial =
    R"({"name": "Mix 60", "permeability": 60, "rolloff_b": 0.01, "rolloff_c": 1.5})";

class DesignFilePart : public testing::Test {
 protected:
  std::string Path(const std::string& name) const { return (folder_.Path() / name).string(); }
  std::string Write(const std::string& name, const std::string& text) const {
    test::WriteFile(Path(name), text);
    return Path(name);
  }
  test::ScratchFolder folder_;
};

TEST_F(DesignFilePart, AMaterialOfOnesOwnTravelsInTheFile) {
  const std::string material = Write("mix60.json", kMaterial);
  const std::string design = Path("mix.pfcdesign");
  const std::vector<std::string> part = {"--material", material, "--turns", "25", "--wire", "12"};
  std::vector<std::string> saving = {"check", "--json", "--save-inputs", design};
  saving.insert(saving.end(), part.begin(), part.end());
  const CliResult saved = RunCli(saving);
  ASSERT_EQ(saved.status, 0) << saved.err;
  std::filesystem::remove(material);
  const CliResult opened = RunCli({"check", "--json", "--inputs", design});
  ASSERT_EQ(opened.status, 0) << opened.err;
  EXPECT_EQ(opened.out, saved.out);
  EXPECT_EQ(Json::parse(opened.out)["grade"], "Mix 60");
  EXPECT_EQ(Json::parse(opened.out)["winding"], "given");
  const Json graded =
      Json::parse(RunCli({"check", "--json", "--inputs", design, "--grade", "60"}).out);
  EXPECT_EQ(graded["grade"], 60) << "--grade overrides the file's material";
}

TEST_F(DesignFilePart, ARefusedMaterialRefusesTheFileNamingItsField) {
  const std::string design = Write(
      "bad.pfcdesign",
      R"({"format": "pfc-design", "version": "1.2", "material": {"name": "Mix", "permeability": 60, "rolloff_b": 0.01, "rolloff_c": 1}})");
  const CliResult result = RunCli({"check", "--inputs", design});
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.err.find("\"material.rolloff_c\""), std::string::npos) << result.err;
}

// 40 turns of AWG 10 fit the window of TD-30 but not that of TD-26, where the method publishes
// its own winding.
TEST_F(DesignFilePart, AStoredWindingThatNoLongerFitsIsSetAsideWithItsReason) {
  const std::string design = Path("big.pfcdesign");
  ASSERT_EQ(
      RunCli({"check", "--pick", "TD-30", "--turns", "40", "--wire", "10", "--save-inputs", design})
          .status,
      0);
  const CliResult json = RunCli({"check", "--json", "--inputs", design, "--pick", "TD-26"});
  ASSERT_EQ(json.status, 0) << json.err;
  const Json check = Json::parse(json.out);
  const Json method = Json::parse(RunCli({"check", "--json", "--pick", "TD-26"}).out);
  EXPECT_EQ(check["winding"], "method");
  EXPECT_EQ(check["winding_set_aside"]["turns"], 40);
  EXPECT_EQ(check["winding_set_aside"]["wire"], 10);
  EXPECT_NE(check["winding_set_aside"]["reason"].get<std::string>().find("fill"),
            std::string::npos);
  EXPECT_EQ(check["design"], method["design"]) << "the method's winding is checked";
  const CliResult text = RunCli({"check", "--inputs", design, "--pick", "TD-26"});
  EXPECT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("does not fit this core"), std::string::npos) << text.out;
  EXPECT_EQ(RunCli({"check", "--inputs", design, "--pick", "TD-26", "--turns", "40"}).status, 2)
      << "a winding given on the command line is still refused";
}

TEST_F(DesignFilePart, DesignSaysItsReportIsTheMethodsWhenTheFileHoldsAPart) {
  const std::string design = Path("given.pfcdesign");
  ASSERT_EQ(RunCli({"check", "--turns", "30", "--save-inputs", design}).status, 0);
  const CliResult plain = RunCli({"design"});
  const CliResult given = RunCli({"design", "--inputs", design});
  EXPECT_EQ(given.out, plain.out) << "the summary stays the method's";
  EXPECT_EQ(plain.err, "");
  EXPECT_NE(given.err.find("pfc-core check"), std::string::npos) << given.err;
  EXPECT_NE(given.err.find("30 turns"), std::string::npos) << given.err;
  EXPECT_EQ(std::count(given.err.begin(), given.err.end(), '\n'), 1) << given.err;
}

}  // namespace
}  // namespace pfc
