#include "cli/check/model_command.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/design/design_inputs_file.h"
#include "cli/standard_streams.h"
#include "engine/method/design_session.h"
#include "tests/cli/cli_run.h"
#include "tests/engine/loaded_tables.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

std::set<std::string> OptionNames(const CLI::App& command) {
  std::set<std::string> names;
  for (const CLI::Option* option : command.get_options())
    names.insert(option->get_name());
  return names;
}

// Whatever option says what "check" checks, "model" takes too.
TEST(ModelCommand, TakesEveryOptionOfCheckButItsOutputs) {
  LoadedTables session;
  CLI::App app;
  std::istringstream in;
  std::ostringstream out;
  const StandardStreams streams{in, out};
  CheckOptions checkOptions;
  ModelOptions modelOptions;
  CLI::App* check = AddCheckCommand(app, checkOptions, session.catalogue, in);
  AddInputsFileOptions(*check, checkOptions.design, session, streams, &checkOptions.part,
                       &checkOptions.limits, &checkOptions.windingStored);
  CLI::App* model = AddModelCommand(app, modelOptions, session.catalogue, in);
  AddInputsFileOptions(*model, modelOptions.check.design, session, streams,
                       &modelOptions.check.part, &modelOptions.check.limits,
                       &modelOptions.check.windingStored);
  const std::set<std::string> modelNames = OptionNames(*model);
  for (const std::string& name : OptionNames(*check)) {
    // The build sheet is the check's own output, as --json, --csv and --strict are.
    if (name != "--json" && name != "--csv" && name != "--strict" && name != "--build-sheet" &&
        name != "--lead-length" && name != "--date") {
      EXPECT_TRUE(modelNames.count(name)) << name;
    }
  }
}

struct Refusal {
  const char* label;
  std::vector<std::string> args;
  int status;
};

class RefusalTest : public testing::TestWithParam<Refusal> {};

TEST_P(RefusalTest, WritesNoModelAndSaysWhy) {
  test::ScratchFolder folder;
  std::vector<std::string> args = {"model"};
  for (const std::string& arg : GetParam().args)
    args.push_back(arg == "FOLDER" ? folder.Path().string() : arg);
  const CliResult result = RunCli(args);
  EXPECT_EQ(result.status, GetParam().status);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err, "");
  EXPECT_TRUE(test::FolderEntries(folder.Path()).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Options, RefusalTest,
    testing::Values(Refusal{"NotPublished", {"--efficiency", "89.9"}, 1},
                    Refusal{"UnknownFormat", {"--format", "spice"}, 2},
                    Refusal{"UnknownGrade", {"--grade", "61"}, 2},
                    Refusal{"MissingMaterialFile", {"--material", "FOLDER/missing.json"}, 2},
                    Refusal{"WindingThatCannotBeWound", {"--turns", "0.5"}, 2},
                    Refusal{"EmptyFileName", {"-o", ""}, 1},
                    Refusal{"FileInAMissingFolder", {"-o", "FOLDER/missing/model.cir"}, 1},
                    Refusal{"FileIsAFolder", {"-o", "FOLDER"}, 1}),
    [](const testing::TestParamInfo<Refusal>& info) { return info.param.label; });

// The model is of the winding the check checks, so a given one changes it.
TEST(ModelCommand, ModelsTheGivenWindingAsCheckChecksIt) {
  const CliResult published = RunCli({"model"});
  const CliResult given = RunCli({"model", "--turns", "40", "--wire", "14"});
  ASSERT_EQ(given.status, 0) << given.err;
  EXPECT_NE(given.out, published.out);
  EXPECT_NE(given.out.find("40T"), std::string::npos);
}

TEST(ModelCommand, ModelsStrandsInParallelWithTheirResistance) {
  const CliResult one = RunCli({"model", "--fill-factor", ".9", "--wire", "15"});
  const CliResult two = RunCli({"model", "--fill-factor", ".9", "--wire", "15", "--strands", "2"});
  ASSERT_EQ(two.status, 0) << two.err;
  EXPECT_NE(two.out.find("wire: 2 strands of AWG 15, "), std::string::npos) << two.out;
  // The resistance at 20 °C, as the model's header gives it.
  const auto ohms = [](const std::string& model) {
    const std::size_t end = model.find(" ohm at 20 degC");
    const std::size_t start = model.rfind(", ", end) + 2;
    return std::stod(model.substr(start, end - start));
  };
  EXPECT_NEAR(ohms(two.out), ohms(one.out) / 2, ohms(one.out) * 1e-3);
}

TEST(ModelCommand, ANotPublishedDesignTellsTheRunsMessagesAsDesignDoes) {
  const CliResult model = RunCli({"model", "--efficiency", "89.9"});
  EXPECT_EQ(model.err, RunCli({"design", "--efficiency", "89.9"}).err);
}

TEST(ModelCommand, TheFileGetsWhatStandardOutputWouldAndReplacesAnOldOne) {
  test::ScratchFolder folder;
  const std::string path = folder.File("model.lib");
  test::WriteFile(path, "an older model");
  const CliResult written = RunCli({"model", "--format", "ltspice", "-o", path});
  ASSERT_EQ(written.status, 0) << written.err;
  EXPECT_EQ(written.out, "");
  EXPECT_EQ(test::ReadFile(path), RunCli({"model", "--format", "ltspice"}).out);
  EXPECT_EQ(test::FolderEntries(folder.Path()), std::vector<std::string>{"model.lib"});
}

// The grade shapes the table, and a design file's grade counts as check counts it.
TEST(ModelCommand, TheGradeAndTheDesignFileReachTheModel) {
  test::ScratchFolder folder;
  const std::string file = folder.File("design.pfcdesign");
  ASSERT_EQ(RunCli({"check", "--grade", "26", "--save-inputs", file}).status, 0);
  const std::string grade26 = RunCli({"model", "--format", "csv", "--grade", "26"}).out;
  EXPECT_NE(grade26, RunCli({"model", "--format", "csv"}).out);
  EXPECT_EQ(RunCli({"model", "--format", "csv", "--inputs", file}).out, grade26);
}

}  // namespace
}  // namespace pfc
