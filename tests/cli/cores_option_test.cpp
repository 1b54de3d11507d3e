#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/cli/cli_run.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

using test::ReadFile;
using test::ScratchFolder;
using test::WriteFile;

// The built-in catalogue as pfc-core writes it, with one core renamed: a catalogue only a
// command that reads the file knows.
class CoresOption : public ::testing::Test {
 protected:
  CoresOption() {
    builtIn = RunCli({"cores", "--csv"}).out;
    mine = builtIn;
    mine.replace(mine.find("TD-26,"), 6, "MY-26,");
    WriteFile(folder.File("builtin.csv"), builtIn);
    WriteFile(folder.File("mine.csv"), mine);
  }

  ScratchFolder folder;
  std::string builtIn;
  std::string mine;
};

TEST_F(CoresOption, TheBuiltInCatalogueWrittenOutAndReadBackExploresByteForByteTheSame) {
  const CliResult own = RunCli({"explore", "--csv"});
  const CliResult read = RunCli({"explore", "--csv", "--cores", folder.File("builtin.csv")});
  ASSERT_EQ(read.status, 0) << read.err;
  EXPECT_EQ(read.out, own.out);
  const CliResult json = RunCli({"explore", "--json", "--cores", folder.File("builtin.csv")});
  EXPECT_EQ(json.out, RunCli({"explore", "--json"}).out);
}

TEST_F(CoresOption, ACoreOfTheFileIsDesignedOnAsTheSameCoreOfTheBuiltInOne) {
  const nlohmann::json builtInRun =
      nlohmann::json::parse(RunCli({"design", "--json", "--pick", "TD-26"}).out);
  // --cores is read when met, so --pick is judged against it on either side.
  for (const bool coresFirst : {true, false}) {
    std::vector<std::string> args = {"design", "--json", "--pick", "MY-26"};
    const std::vector<std::string> cores = {"--cores", folder.File("mine.csv")};
    args.insert(coresFirst ? args.begin() + 2 : args.end(), cores.begin(), cores.end());
    const CliResult run = RunCli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["record"]["SelectedCoreSize"], "MY-26");
    for (const auto& [key, value] : builtInRun["record"].items()) {
      if (value.is_number()) {
        EXPECT_EQ(json["record"][key], value) << key;
      }
    }
  }
  EXPECT_EQ(RunCli({"design", "--pick", "MY-26"}).status, 2) << "not a built-in core";
}

// Every command that designs takes --cores, and so does cores itself.
const std::vector<std::vector<std::string>> kCommands = {
    {"design", "--pick", "MY-26"},
    {"explore", "--csv"},
    {"check", "--pick", "MY-26", "--json"},
    {"cores"},
};

TEST_F(CoresOption, EveryCommandRunsOnTheFilesCores) {
  for (std::vector<std::string> args : kCommands) {
    args.insert(args.end(), {"--cores", folder.File("mine.csv")});
    const CliResult run = RunCli(args);
    EXPECT_EQ(run.status, 0) << args[0] << ": " << run.err;
    EXPECT_NE(run.out.find("MY-26"), std::string::npos) << args[0];
  }
  WriteFile(folder.File("rows.csv"), "output-power,pick\n800,MY-26\n");
  const CliResult batch =
      RunCli({"batch", folder.File("rows.csv"), "--cores", folder.File("mine.csv")});
  ASSERT_EQ(batch.status, 0) << batch.err;
  EXPECT_NE(batch.out.find(",published,"), std::string::npos) << batch.out;
}

TEST_F(CoresOption, ARefusedFileIsAUsageErrorNamingItsLineAndNothingRuns) {
  std::string bad = mine;
  bad.replace(bad.find("MY-26,"), 6, "TD-25,");  // a second TD-25
  WriteFile(folder.File("bad.csv"), bad);
  const int line =
      1 + static_cast<int>(std::count(
              bad.begin(), bad.begin() + bad.find("TD-25,", bad.find("TD-25,") + 1), '\n'));
  std::vector<std::vector<std::string>> commands = kCommands;
  commands.push_back({"batch", folder.File("rows.csv")});
  WriteFile(folder.File("rows.csv"), "output-power\n800\n");
  for (std::vector<std::string> args : commands) {
    args.insert(args.end(), {"--cores", folder.File("bad.csv")});
    const CliResult run = RunCli(args);
    EXPECT_EQ(run.status, 2) << args[0];
    EXPECT_EQ(run.out, "") << args[0];
    EXPECT_NE(run.err.find(folder.File("bad.csv")), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("line " + std::to_string(line) + ","), std::string::npos) << run.err;
  }
}

TEST_F(CoresOption, ADesignFileRunsAgainOnlyOnTheCataloguesBytesItWasSavedWith) {
  const std::string design = folder.File("d.pfcdesign");
  const CliResult saved = RunCli(
      {"design", "--pick", "MY-26", "--cores", folder.File("mine.csv"), "--save-inputs", design});
  ASSERT_EQ(saved.status, 0) << saved.err;
  EXPECT_EQ(RunCli({"design", "--inputs", design}).status, 0) << "its own catalogue again";

  // Another file holding the core may be given instead.
  WriteFile(folder.File("other.csv"), mine + "\n");
  EXPECT_EQ(RunCli({"design", "--inputs", design, "--cores", folder.File("other.csv")}).status, 0);

  WriteFile(folder.File("mine.csv"), mine + "\n");
  const CliResult changed = RunCli({"design", "--inputs", design});
  EXPECT_EQ(changed.status, 2);
  EXPECT_NE(changed.err.find("changed"), std::string::npos) << changed.err;

  std::filesystem::remove(folder.File("mine.csv"));
  const CliResult missing = RunCli({"explore", "--csv", "--inputs", design});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("missing"), std::string::npos) << missing.err;
  EXPECT_EQ(missing.out, "");
}

}  // namespace
}  // namespace pfc
