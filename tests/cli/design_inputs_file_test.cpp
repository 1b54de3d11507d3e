#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/design/design_entry_names.h"
#include "cli/design/design_options.h"
#include "reports/files/design_file.h"
#include "tests/cli/cli_run.h"
#include "tests/engine/loaded_tables.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

using test::ReadFile;
using test::ScratchFolder;
using test::WriteFile;

nlohmann::json Json(const CliResult& result) {
  return nlohmann::json::parse(result.out);
}

// Every entry option away from its default: the texts a file must carry.
const std::vector<std::string> kEveryOption = {"--frequency",
                                               "80",
                                               "--frequency-unit",
                                               "kHz",
                                               "--inductance",
                                               "200",
                                               "--inductance-unit",
                                               "microhenry",
                                               "--output-power",
                                               "0.9",
                                               "--output-power-unit",
                                               "Kilo Watts",
                                               "--efficiency",
                                               "96",
                                               "--vin-min",
                                               "90",
                                               "--vin-max",
                                               "250",
                                               "--vout",
                                               "390",
                                               "--ambient",
                                               "40",
                                               "--stack",
                                               "2",
                                               "--fill-factor",
                                               ".35"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// kEveryOption with one option's text changed.
std::vector<std::string> Changed(const std::string& option, const std::string& text) {
  std::vector<std::string> args = kEveryOption;
  for (std::size_t i = 0; i + 1 < args.size(); i += 2) {
    if (args[i] == option)
      args[i + 1] = text;
  }
  return args;
}

class InputsFile : public ::testing::Test {
 protected:
  std::string Path(const char* name) const { return (folder.Path() / name).string(); }

  ScratchFolder folder;
};

TEST_F(InputsFile, ASavedRunReopensToTheSameResult) {
  const std::string path = Path("saved.pfcdesign");
  const CliResult direct = RunCli(With({"design", "--json", "--pick", "TD-20"}, kEveryOption));
  ASSERT_EQ(direct.status, 0) << direct.out;
  const CliResult saving =
      RunCli(With({"design", "--json", "--pick", "TD-20", "--save-inputs", path}, kEveryOption));
  EXPECT_EQ(saving.out, direct.out);
  const CliResult reopened = RunCli({"design", "--json", "--inputs", path});
  EXPECT_EQ(reopened.status, 0) << reopened.err;
  EXPECT_EQ(reopened.out, direct.out);

  const DesignFileRead read = ReadDesignFile(path);
  ASSERT_TRUE(read.read) << read.Message();
  EXPECT_TRUE(read.design.entries.pickCore);
  EXPECT_EQ(read.design.entries[Entry::CoreSize].rfind("TD-20 (", 0), 0u) << "the pick-list entry";
  EXPECT_EQ(read.design.part.material.grade, kDefaultRolloffGrade);
}

TEST_F(InputsFile, OptionsGivenOverrideTheFilesEntries) {
  const std::string path = Path("base.pfcdesign");
  ASSERT_EQ(RunCli(With({"design", "--pick", "TD-20", "--save-inputs", path}, kEveryOption)).status,
            0);
  const nlohmann::json merged =
      Json(RunCli({"design", "--json", "--inputs", path, "--vout", "400", "--pick", "TD-22"}));
  const nlohmann::json direct =
      Json(RunCli(With({"design", "--json", "--pick", "TD-22"}, Changed("--vout", "400"))));
  EXPECT_EQ(merged["record"]["Vout"], 400.0);
  EXPECT_EQ(merged["record"]["SelectedCoreSize"], "TD-22");
  EXPECT_EQ(merged, direct);
}

TEST_F(InputsFile, ExploreStartsFromTheFileToo) {
  const std::string path = Path("base.pfcdesign");
  ASSERT_EQ(RunCli(With({"design", "--save-inputs", path}, kEveryOption)).status, 0);
  const CliResult fromFile = RunCli({"explore", "--csv", "--inputs", path, "--stack", "3"});
  const CliResult direct = RunCli(With({"explore", "--csv"}, Changed("--stack", "3")));
  EXPECT_EQ(fromFile.status, 0) << fromFile.err;
  EXPECT_EQ(fromFile.out, direct.out);
}

TEST_F(InputsFile, ARejectedRunSavesTheEntriesAsTyped) {
  const std::string path = Path("rejected.pfcdesign");
  const CliResult run =
      RunCli({"design", "--efficiency", "89.9", "--stack", "", "--save-inputs", path});
  EXPECT_EQ(run.status, 1);
  const DesignFileRead read = ReadDesignFile(path);
  ASSERT_TRUE(read.read) << read.Message();
  EXPECT_EQ(read.design.entries[Entry::Efficiency], "89.9");
  EXPECT_EQ(read.design.entries[Entry::Stack], "");
  EXPECT_FALSE(read.design.entries.pickCore);
}

TEST_F(InputsFile, AFilesPickThatIsNoListEntryIsJudgedByTheRunAsTheFormWould) {
  const std::string path = Path("odd-pick.pfcdesign");
  DesignFile design;
  design.entries.pickCore = true;
  design.entries[Entry::CoreSize] = "TD-99 (OD 1mm)";
  ASSERT_TRUE(WriteDesignFile(path, design).written);
  const CliResult run = RunCli({"design", "--json", "--inputs", path});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(Json(run)["check"], "10c");
}

struct BadInputsCase {
  const char* label;
  std::string text;  // the file's bytes
  const char* named;
};

void PrintTo(const BadInputsCase& c, std::ostream* os) {
  *os << c.label;
}

class BadInputsFile : public InputsFile, public ::testing::WithParamInterface<BadInputsCase> {};

TEST_P(BadInputsFile, IsAUsageErrorNamingTheFileAndNothingRuns) {
  const std::string path = Path("bad.pfcdesign");
  WriteFile(path, GetParam().text);
  const std::string saved = Path("saved.pfcdesign");
  const CliResult run = RunCli({"design", "--inputs", path, "--save-inputs", saved});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
  EXPECT_NE(run.err.find(GetParam().named), std::string::npos) << run.err;
  EXPECT_FALSE(std::filesystem::exists(saved));
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadInputsFile,
    ::testing::ValuesIn(std::vector<BadInputsCase>{
        {"not JSON", "frequency=1", "JSON"},
        {"a newer version", R"({"format":"pfc-design","version":"3.1"})", "3.1"},
        {"an entry of the wrong type",
         R"({"format":"pfc-design","version":"1.0","entries":{"vout":380}})", "entries.vout"},
        {"a unit the option refuses",
         R"({"format":"pfc-design","version":"1.0","entries":{"frequency-unit":"MHz"}})", "MHz"},
    }));

TEST_F(InputsFile, ASaveThatFailsEndsWithStatusOneBeforeTheRun) {
  const std::string path = Path("kept.pfcdesign");
  ASSERT_EQ(RunCli({"design", "--save-inputs", path}).status, 0);
  const std::string kept = ReadFile(path);
  const std::string nowhere = (folder.Path() / "missing" / "x.pfcdesign").string();
  const CliResult run = RunCli({"design", "--inputs", path, "--save-inputs", nowhere});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(nowhere), std::string::npos) << run.err;
  EXPECT_EQ(ReadFile(path), kept);
}

// The batch columns and the design file's entries are the options of `design`: every option
// AddDesignOptions adds has its entry, and setting it sets the same text as the option.
TEST(DesignEntryNames, NameEveryDesignOptionAndSetWhatTheOptionSets) {
  const LoadedTables tables;
  CLI::App command;
  DesignOptions parsed;
  AddDesignOptions(command, parsed, tables.catalogue, true);
  std::vector<std::string> args;
  for (const CLI::Option* option : command.get_options()) {
    const std::string name = option->get_lnames().empty() ? "" : option->get_lnames().front();
    if (name == "help")
      continue;
    const DesignEntryName* entry = FindDesignEntryName(name);
    ASSERT_NE(entry, nullptr) << "--" << name << " has no entry";
    // A text each option takes, different for every option.
    const std::string text = name == "frequency-unit"      ? "kHz"
                             : name == "inductance-unit"   ? "microhenry"
                             : name == "output-power-unit" ? "Kilo Watts"
                             : name == "pick"              ? "TD-07"
                                                           : std::to_string(args.size());
    DesignOptions set;
    SetDesignEntry(*entry, text, set);
    EXPECT_EQ(EntryOptionChecks(command, *entry).Refusal(text), "") << name;
    args.push_back("--" + name);
    args.push_back(text);
    parsed = DesignOptions{};
    command.parse(std::vector<std::string>{args.rbegin(), args.rbegin() + 2});
    EXPECT_EQ(parsed.pick, set.pick) << name;
    DesignFile parsedFile;
    parsedFile.entries = parsed.entries;
    DesignFile setFile;
    setFile.entries = set.entries;
    EXPECT_EQ(DesignFileText(parsedFile), DesignFileText(setFile)) << name;
  }
  EXPECT_EQ(args.size(), 2 * DesignEntryNames().size()) << "an entry without its option";
}

}  // namespace
}  // namespace pfc
