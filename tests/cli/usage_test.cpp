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
  const char* label;
  std::vector<std::string> args;  // "FOLDER/" starts a path in a scratch folder
  const char* named;              // what standard error must name; "" when nothing is
};

void PrintTo(const UsageCase& c, std::ostream* os) {
  *os << c.label;
}

class UsageError : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageError, IsOneLineOnStandardErrorAndStatusTwo) {
  test::ScratchFolder folder;
  test::WriteFile(folder.File("good.json"),
                  R"({"name": "G", "permeability": 60, "rolloff_b": 0.01, "rolloff_c": 2})");
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
    Check, UsageError,
    ::testing::ValuesIn(std::vector<UsageCase>{
        {"an unknown grade", {"check", "--grade", "61"}, "61"},
        {"a grade in words", {"check", "--grade", "sixty"}, "sixty"},
        {"a grade left out", {"check", "--grade"}, "--grade"},
        {"two formats", {"check", "--json", "--csv"}, ""},
        {"a pick not in the catalogue", {"check", "--pick", "TD-99"}, "TD-99"},
        {"no ripple limit", {"check", "--ripple-limit", "0"}, "--ripple-limit"},
        {"a negative ripple limit", {"check", "--ripple-limit", "-5"}, "--ripple-limit"},
        {"a ripple limit in words", {"check", "--ripple-limit", "ten"}, "--ripple-limit"},
        {"a ripple limit with an exponent", {"check", "--ripple-limit", "1e3"}, "--ripple-limit"},
        {"a ripple limit not a number", {"check", "--ripple-limit", "nan"}, "--ripple-limit"},
        {"an infinite ripple limit", {"check", "--ripple-limit", "inf"}, "--ripple-limit"},
        {"an empty ripple limit", {"check", "--ripple-limit", ""}, "--ripple-limit"},
    }));

// The default design winds 31 turns of AWG 12 on TD-26.
INSTANTIATE_TEST_SUITE_P(
    CheckWinding, UsageError,
    ::testing::ValuesIn(std::vector<UsageCase>{
        {"no turns", {"check", "--turns", "0"}, "0"},
        {"more turns than any core takes", {"check", "--turns", "31001"}, "31001"},
        {"half a turn", {"check", "--turns", "30.5", "--json"}, "30.5"},
        {"turns in words", {"check", "--turns", "thirty"}, "--turns"},
        {"a wire thicker than the table", {"check", "--wire", "7"}, "AWG 7"},
        {"a wire thinner than the table", {"check", "--wire", "45", "--csv"}, "AWG 45"},
        {"turns that overfill the window", {"check", "--turns", "60"}, "60 turns"},
        {"a wire that overfills the window", {"check", "--wire", "8", "--turns", "31"}, "AWG 8"},
    }));

INSTANTIATE_TEST_SUITE_P(CheckMaterial, UsageError,
                         ::testing::ValuesIn(std::vector<UsageCase>{
                             {"a material file without its roll-off",
                              {"check", "--material", "FOLDER/bad.json"},
                              "bad.json"},
                             {"a material file that is missing",
                              {"check", "--material", "FOLDER/missing.json"},
                              "missing.json"},
                             {"a material file without a name", {"check", "--material", ""}, ""},
                             {"a material file and a grade",
                              {"check", "--material", "FOLDER/good.json", "--grade", "60"},
                              ""},
                         }));

INSTANTIATE_TEST_SUITE_P(Explore, UsageError,
                         ::testing::ValuesIn(std::vector<UsageCase>{
                             {"no format", {"explore"}, ""},
                             {"two formats", {"explore", "--csv", "--json"}, ""},
                             {"a pick", {"explore", "--csv", "--pick", "TD-26"}, "--pick"},
                             {"a stack left out", {"explore", "--json", "--stack"}, "--stack"},
                         }));

INSTANTIATE_TEST_SUITE_P(
    Optimize, UsageError,
    ::testing::ValuesIn(std::vector<UsageCase>{
        {"an unknown grade", {"optimize", "--grades", "55"}, "--grades"},
        {"a grade list ending in a comma", {"optimize", "--grades", "60,"}, "--grades"},
        {"no grades", {"optimize", "--grades", ""}, "--grades"},
        {"a stack range from nothing", {"optimize", "--stacks", "0-2"}, "--stacks"},
        {"a stack range falling", {"optimize", "--stacks", "3-1"}, "--stacks"},
        {"a stack range too far", {"optimize", "--stacks", "1-10"}, "--stacks"},
        {"a stack range in letters", {"optimize", "--stacks", "a-b"}, "--stacks"},
        {"no ripple limit", {"optimize", "--ripple-limit", "0"}, "--ripple-limit"},
        {"a ripple limit not a number", {"optimize", "--ripple-limit", "nan"}, "--ripple-limit"},
        {"a negative inductance", {"optimize", "--min-inductance", "-5"}, "--min-inductance"},
        {"an infinite temperature", {"optimize", "--max-temperature", "inf"}, "--max-temperature"},
        {"an unknown objective", {"optimize", "--objective", "speed"}, "--objective"},
        {"no rows shown", {"optimize", "--top", "0"}, "--top"},
        {"two formats", {"optimize", "--json", "--csv"}, "--json"},
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

INSTANTIATE_TEST_SUITE_P(
    Commands, Help,
    ::testing::ValuesIn(std::vector<HelpCase>{
        {"check", {"--grade", RolloffGradeNames(), "--vin-max", "Exit status"}},
        {"explore",
         {"--csv", "--json", "--stack", "--fill-factor", "279", "RFC 4180", "Exit status"}},
    }));

}  // namespace
}  // namespace pfc
