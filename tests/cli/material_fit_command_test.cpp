#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "engine/check/rolloff_grades.h"
#include "reports/check/material_file.h"
#include "tests/cli/cli_run.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

// A supplier's curve as read off a datasheet, the field in Oe: about b = 1e-8, c = 1.6.
constexpr const char* kPoints = "h,percent\n10,95.8\n20,88.3\n40,71.3\n80,45.1\n160,21.3\n";
// Losses of 60·f^1.3·B^2.4 W/kg at a density of 7 g/cm³, as mW/cm³, to three digits.
constexpr const char* kLossPerVolume =
    "f_khz,b_mt,mw_per_cm3\n50,50,51.2\n50,100,270\n100,50,126\n100,200,3510\n200,100,1640\n"
    "200,200,8650\n";

class MaterialFit : public testing::Test {
 protected:
  MaterialFit() {
    test::WriteFile(folder_.File("points.csv"), kPoints);
    test::WriteFile(folder_.File("loss.csv"), kLossPerVolume);
  }
  std::string File(const std::string& name) const { return folder_.File(name); }

 private:
  test::ScratchFolder folder_;
};

TEST_F(MaterialFit, WritesAMaterialFileTheCheckUses) {
  const CliResult fit = RunCli({"material", "fit", File("points.csv"), "--permeability", "60",
                                "--name", "Supplier 60", "-o", File("mine.json")});
  ASSERT_EQ(fit.status, 0) << fit.err;
  EXPECT_EQ(fit.err, "");
  const MaterialFileRead read = ReadMaterialFile(File("mine.json"));
  ASSERT_TRUE(read.read) << read.reason;
  EXPECT_EQ(read.material.name, "Supplier 60");
  EXPECT_EQ(read.material.permeability, 60);
  EXPECT_NEAR(read.material.c, 1.6, 0.01);
  EXPECT_NEAR(read.material.b / 1e-8, 1, 0.1);
  // A row per point, each fitted within a percentage point.
  for (const char* line : {"95.80", "88.30", "71.30", "45.10", "21.30"})
    EXPECT_NE(fit.out.find(line), std::string::npos) << line << "\n" << fit.out;
  EXPECT_NE(fit.out.find("rms"), std::string::npos) << fit.out;

  const CliResult check = RunCli({"check", "--json", "--material", File("mine.json")});
  ASSERT_EQ(check.status, 0) << check.err;
  EXPECT_EQ(nlohmann::json::parse(check.out)["grade"], "Supplier 60");
}

TEST_F(MaterialFit, WithoutAFileTheMaterialTakesStandardOutputAndTheTableStandardError) {
  const CliResult written = RunCli({"material", "fit", File("points.csv"), "--permeability", "60",
                                    "--name", "M", "-o", File("m.json")});
  const CliResult printed =
      RunCli({"material", "fit", File("points.csv"), "--permeability", "60", "--name", "M"});
  ASSERT_EQ(printed.status, 0) << printed.err;
  EXPECT_EQ(printed.out, test::ReadFile(File("m.json")));
  EXPECT_EQ(written.out.find(printed.err), 0U) << written.out << "\n" << printed.err;
}

TEST_F(MaterialFit, TheFieldInAmperesPerMetreGivesTheSameMaterial) {
  std::string perMetre = "percent,h\n";
  for (const auto& [oe, percent] :
       {std::pair{10, "95.8"}, {20, "88.3"}, {40, "71.3"}, {80, "45.1"}, {160, "21.3"}})
    perMetre += std::string(percent) + "," + std::to_string(oe * kAmperesPerMetrePerOersted) + "\n";
  test::WriteFile(File("a-per-m.csv"), perMetre);
  const CliResult oersted =
      RunCli({"material", "fit", File("points.csv"), "--permeability", "60", "--name", "M"});
  const CliResult amperes = RunCli({"material", "fit", File("a-per-m.csv"), "--field-unit", "A/m",
                                    "--permeability", "60", "--name", "M"});
  ASSERT_EQ(amperes.status, 0) << amperes.err;
  const MaterialFileRead a = MaterialFromText(oersted.out);
  const MaterialFileRead b = MaterialFromText(amperes.out);
  EXPECT_NEAR(a.material.b / b.material.b, 1, 1e-9);
  EXPECT_NEAR(a.material.c / b.material.c, 1, 1e-9);
}

TEST_F(MaterialFit, TakesTheLossFitOfALossPerVolumeOverTheDensity) {
  const CliResult fit = RunCli({"material", "fit", File("points.csv"), "--permeability", "60",
                                "--name", "M", "--loss", File("loss.csv"), "--density", "7"});
  ASSERT_EQ(fit.status, 0) << fit.err;
  const MaterialFileRead read = MaterialFromText(fit.out);
  ASSERT_TRUE(read.read) << read.reason;
  EXPECT_NEAR(read.material.loss.k, 60, 0.5);
  EXPECT_NEAR(read.material.loss.alpha, 1.3, 0.01);
  EXPECT_NEAR(read.material.loss.beta, 2.4, 0.01);
  const nlohmann::json json = nlohmann::json::parse(fit.out);
  EXPECT_TRUE(json.contains("loss_k"));
  EXPECT_FALSE(nlohmann::json::parse(RunCli({"material", "fit", File("points.csv"),
                                             "--permeability", "60", "--name", "M"})
                                         .out)
                   .contains("loss_k"));
}

// Points or a fit that give no material: status 1, one line on standard error naming what is
// wrong, and no file.
struct Refusal {
  const char* label;
  std::vector<std::string> args;  // after "material fit"; FOLDER/ starts a scratch path
  std::string points;             // the content of FOLDER/p.csv
  const char* named;
};

void PrintTo(const Refusal& c, std::ostream* os) {
  *os << c.label;
}

class MaterialFitRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(MaterialFitRefusal, IsOneLineAndWritesNothing) {
  test::ScratchFolder folder;
  test::WriteFile(folder.File("p.csv"), GetParam().points);
  test::WriteFile(folder.File("loss.csv"), kLossPerVolume);
  std::vector<std::string> args = {"material", "fit", folder.File("p.csv")};
  for (const std::string& arg : GetParam().args)
    args.push_back(arg.starts_with("FOLDER/") ? folder.File(arg.substr(7)) : arg);
  args.insert(args.end(), {"-o", folder.File("out.json")});
  const CliResult result = RunCli(args);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find(GetParam().named), std::string::npos) << result.err;
  EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
  EXPECT_FALSE(std::filesystem::exists(folder.File("out.json")));
}

const std::vector<std::string> kMaterial = {"--permeability", "60", "--name", "M"};

std::vector<std::string> With(std::vector<std::string> more) {
  more.insert(more.begin(), kMaterial.begin(), kMaterial.end());
  return more;
}

INSTANTIATE_TEST_SUITE_P(
    Points, MaterialFitRefusal,
    testing::ValuesIn(std::vector<Refusal>{
        {"points refused", kMaterial, "h,percent\n20,97\n40,0\n", "p.csv, line 3, column 2"},
        {"no loss file",
         {"--permeability", "60", "--name", "M", "--loss", "FOLDER/none.csv"},
         kPoints,
         "none.csv"},
        {"c below 1", kMaterial, "h,percent\n10,90\n100,50\n1000,10\n", "no bound"},
        {"loss per volume without density", With({"--loss", "FOLDER/loss.csv"}), kPoints,
         "column 3 (mw_per_cm3)"},
        {"a grade's name", {"--permeability", "60", "--name", "60"}, kPoints, "built-in"},
        {"a name too long",
         {"--permeability", "60", "--name", std::string(61, 'n')},
         kPoints,
         "longer"},
        {"a name that is not UTF-8", {"--permeability", "60", "--name", "M\xFF"}, kPoints, "UTF-8"},
    }));

TEST_F(MaterialFit, SaysWhyTheFileCannotBeWritten) {
  const CliResult result = RunCli({"material", "fit", File("points.csv"), "--permeability", "60",
                                   "--name", "M", "-o", File("no-folder/m.json")});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("no-folder/m.json"), std::string::npos) << result.err;
}

class MaterialFitUsage : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(MaterialFitUsage, IsStatusTwo) {
  const CliResult result = RunCli(GetParam());
  EXPECT_EQ(result.status, 2) << result.err;
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, MaterialFitUsage,
    testing::Values(
        std::vector<std::string>{"material"},
        std::vector<std::string>{"material", "fit", "p.csv", "--name", "M"},
        std::vector<std::string>{"material", "fit", "p.csv", "--permeability", "60"},
        std::vector<std::string>{"material", "fit", "--permeability", "60", "--name", "M"},
        std::vector<std::string>{"material", "fit", "p.csv", "--permeability", "0", "--name", "M"},
        std::vector<std::string>{"material", "fit", "p.csv", "--permeability", "sixty", "--name",
                                 "M"},
        std::vector<std::string>{"material", "fit", "p.csv", "--permeability", "60", "--name", "M",
                                 "--field-unit", "gauss"},
        std::vector<std::string>{"material", "fit", "p.csv", "--permeability", "60", "--name", "M",
                                 "--density", "-7"}));

}  // namespace
}  // namespace pfc
