#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/check/known_rolloff_grades.h"
#include "tests/cli/cli_run.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

// A command line no command can run: pfc-core says why in one line of standard error,
// prints nothing and ends with status 2, so that a script tells a mistyped option from a
// design that did not work (status 1).
struct UsageCase {
  std::vector<std::string> args;  // "FOLDER/" starts a path in a scratch folder
  const char* named;              // what standard error must name; "" when nothing is
};

void PrintTo(const UsageCase& c, std::ostream* os) {
  for (const std::string& arg : c.args)
    *os << " \"" << arg << "\"";
}

class UsageError : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageError, IsOneLineOnStandardErrorAndStatusTwo) {
  test::ScratchFolder folder;
  test::WriteFile(folder.File("good.json"),
                  R"({"name": "G", "permeability": 60, "rolloff_b": 2e-9, "rolloff_c": 1.74})");
  test::WriteFile(folder.File("bad.json"), R"({"name": "B", "permeability": 60})");
  std::vector<std::string> args;
  for (const std::string& arg : GetParam().args)
    args.push_back(arg.starts_with("FOLDER/") ? folder.File(arg.substr(7)) : arg);
  const CliResult result = RunCli(args);
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find(GetParam().named), std::string::npos) << result.err;
  EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, UsageError,
    ::testing::ValuesIn(std::vector<UsageCase>{
        {{"check", "--grade", "61"}, "61"},
        {{"check", "--grade", "sixty"}, "sixty"},
        {{"check", "--grade"}, "--grade"},
        {{"check", "--json", "--csv"}, ""},
        {{"check", "--pick", "TD-99"}, "TD-99"},
        {{"check", "--ripple-limit", "0"}, "--ripple-limit"},
        {{"check", "--ripple-limit", "-5"}, "--ripple-limit"},
        {{"check", "--ripple-limit", "ten"}, "--ripple-limit"},
        {{"check", "--ripple-limit", "nan"}, "--ripple-limit"},
        {{"check", "--ripple-limit", "inf"}, "--ripple-limit"},
        {{"check", "--ripple-limit", ""}, "--ripple-limit"},
        // The default design winds 31 turns of AWG 12 on TD-26.
        {{"check", "--turns", "0"}, "0"},
        {{"check", "--turns", "31001"}, "31001"},
        {{"check", "--turns", "30.5", "--json"}, "30.5"},
        {{"check", "--turns", "thirty"}, "--turns"},
        {{"check", "--wire", "7"}, "AWG 7"},
        {{"check", "--wire", "45", "--csv"}, "AWG 45"},
        {{"check", "--turns", "60"}, "60 turns"},
        {{"check", "--wire", "8", "--turns", "31"}, "AWG 8"},
        {{"check", "--material", "FOLDER/bad.json"}, "bad.json"},
        {{"check", "--material", "FOLDER/missing.json"}, "missing.json"},
        {{"check", "--material", ""}, ""},
        {{"check", "--material", "FOLDER/good.json", "--grade", "60"}, ""},
        {{"explore"}, ""},
        {{"explore", "--csv", "--json"}, ""},
        {{"explore", "--csv", "--pick", "TD-26"}, "--pick"},
        {{"explore", "--json", "--stack"}, "--stack"},
        {{"optimize", "--grades", "55"}, "--grades"},
        {{"optimize", "--grades", "60,"}, "--grades"},
        {{"optimize", "--grades", ""}, "--grades"},
        {{"optimize", "--stacks", "0-2"}, "--stacks"},
        {{"optimize", "--stacks", "3-1"}, "--stacks"},
        {{"optimize", "--stacks", "1-10"}, "--stacks"},
        {{"optimize", "--stacks", "a-b"}, "--stacks"},
        {{"optimize", "--ripple-limit", "0"}, "--ripple-limit"},
        {{"optimize", "--ripple-limit", "nan"}, "--ripple-limit"},
        {{"optimize", "--min-inductance", "-5"}, "--min-inductance"},
        {{"optimize", "--max-temperature", "inf"}, "--max-temperature"},
        {{"optimize", "--objective", "speed"}, "--objective"},
        {{"optimize", "--top", "0"}, "--top"},
        {{"optimize", "--json", "--csv"}, "--json"},
        // The limits are the same options, with the same ranges, on
        // every command that judges.
        {{"check", "--al-tolerance", "31"}, "--al-tolerance"},
        {{"optimize", "--al-tolerance", "-1"}, "--al-tolerance"},
        {{"batch", "in.csv", "--check", "--al-tolerance", "30.5"}, "--al-tolerance"},
        {{"check", "--min-inductance", "0"}, "--min-inductance"},
        {{"batch", "in.csv", "--check", "--ripple-limit", "0"}, "--ripple-limit"},
        {{"check", "--max-temperature", "hot"}, "--max-temperature"},
        {{"batch", "in.csv", "--max-temperature", "120"}, "--check"},
    }));

// A command's help names what a user looks for in it.
struct HelpCase {
  const char* command;
  std::vector<std::string> texts;
};

void PrintTo(const HelpCase& c, std::ostream* os) {
  *os << c.command;
}

class Help : public ::testing::TestWithParam<HelpCase> {};

TEST_P(Help, NamesTheOptionsAndTheExitStatus) {
  const CliResult result = RunCli({GetParam().command, "--help"});
  EXPECT_EQ(result.status, 0);
  for (const std::string& text : GetParam().texts)
    EXPECT_NE(result.out.find(text), std::string::npos) << text;
}

// The commands that read a catalogue file are the ones cores' help sends its file to.
TEST(CoresHelp, NamesEveryCommandThatTakesACatalogueFile) {
  const std::string cores = RunCli({"cores", "--help"}).out;
  for (const char* command : {"design", "explore", "batch", "check", "model", "optimize"}) {
    const bool takesCores = RunCli({command, "--help"}).out.find("--cores") != std::string::npos;
    const bool named = cores.find(std::string(command) + ",") != std::string::npos ||
                       cores.find(std::string(command) + " or") != std::string::npos ||
                       cores.find(std::string(command) + ".") != std::string::npos;
    EXPECT_EQ(named, takesCores) << command;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Help,
    ::testing::ValuesIn(std::vector<HelpCase>{
        {"check",
         {"--grade", RolloffGradeNames(), "--vin-max", "--min-inductance", "--ripple-limit",
          "--max-temperature", "--al-tolerance", "--strict", "Exit status"}},
        {"optimize", {"--min-inductance", "--ripple-limit", "--max-temperature", "--al-tolerance"}},
        {"batch", {"--min-inductance", "--ripple-limit", "--max-temperature", "--al-tolerance"}},
        {"explore",
         {"--csv", "--json", "--stack", "--fill-factor", "279", "RFC 4180", "Exit status"}},
    }));

}  // namespace
}  // namespace pfc
