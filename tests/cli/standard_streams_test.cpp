#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/files/design_file.h"
#include "tests/cli/cli_run.h"
#include "tests/support/file_bytes.h"
#include "tests/support/scratch_folder.h"

namespace pfc {
namespace {

// A design file away from the defaults, so that reading it shows in the output.
std::string DesignFileAwayFromDefaults() {
  DesignFile design;
  design.entries[Entry::Vout] = "400";
  design.entries[Entry::Stack] = "2";
  return DesignFileText(design);
}

constexpr const char* kFile = "@";  // the file, or "-" for the standard stream

struct DashCase {
  const char* label;
  std::vector<std::string> args;  // kFile where the file is named
  std::string input;              // standard input, or what the file read holds
  bool writes;                    // kFile is written, not read
};

void PrintTo(const DashCase& c, std::ostream* os) {
  *os << c.label;
}

std::vector<std::string> Naming(std::vector<std::string> args, const std::string& file) {
  for (std::string& arg : args) {
    if (arg == kFile)
      arg = file;
  }
  return args;
}

class DashNamesTheStandardStream : public ::testing::TestWithParam<DashCase> {};

// "-" gives the same bytes, status and messages as a file of those bytes.
TEST_P(DashNamesTheStandardStream, AsAFileOfTheSameBytes) {
  const DashCase& c = GetParam();
  test::ScratchFolder folder;
  const std::string path = folder.File("named");
  if (!c.writes)
    test::WriteFile(path, c.input);
  const CliResult named = RunCli(Naming(c.args, path), c.writes ? c.input : "");
  const std::string expected = c.writes ? test::ReadFile(path) : named.out;
  ASSERT_FALSE(expected.empty()) << named.err;

  const CliResult streamed = RunCli(Naming(c.args, "-"), c.input);
  EXPECT_EQ(streamed.status, named.status);
  EXPECT_EQ(streamed.err, named.err);
  EXPECT_EQ(streamed.out, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DashNamesTheStandardStream,
    ::testing::ValuesIn(std::vector<DashCase>{
        {"design reads its inputs",
         {"design", "--inputs", kFile},
         DesignFileAwayFromDefaults(),
         false},
        {"explore reads its inputs",
         {"explore", "--json", "--inputs", kFile},
         DesignFileAwayFromDefaults(),
         false},
        {"check reads its inputs",
         {"check", "--csv", "--inputs", kFile, "--vin-min", "100"},
         DesignFileAwayFromDefaults(),
         false},
        {"batch reads its rows", {"batch", kFile}, "vout,pick\r\n400,\r\n390,td-22\r\n", false},
        {"batch writes its rows", {"batch", "-", "-o", kFile}, "stack\r\n2\r\n", true},
        {"design writes its report", {"design", "--stack", "3", "--report", kFile}, "", true},
        {"design saves its inputs",
         {"design", "--pick", "td-20", "--save-inputs", kFile},
         "",
         true},
        {"explore saves its inputs",
         {"explore", "--csv", "--vout", "390", "--save-inputs", kFile},
         "",
         true},
        {"check saves its inputs", {"check", "--json", "--save-inputs", kFile}, "", true},
        {"inputs read and saved",
         {"design", "--inputs", "-", "--ambient", "40", "--save-inputs", kFile},
         DesignFileAwayFromDefaults(),
         true},
    }));

struct RefusalCase {
  const char* label;
  std::vector<std::string> args;
  std::string input;
  int status;
};

void PrintTo(const RefusalCase& c, std::ostream* os) {
  *os << c.label;
}

class Refusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, GoesToStandardErrorAlone) {
  const CliResult result = RunCli(GetParam().args, GetParam().input);
  EXPECT_EQ(result.status, GetParam().status) << result.err;
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    EveryCommand, Refusal,
    ::testing::ValuesIn(std::vector<RefusalCase>{
        {"design, a rejected entry", {"design", "--efficiency", "89.9"}, "", 1},
        {"design, a stopped design", {"design", "--output-power", "3000"}, "", 1},
        {"design, a report of a rejected entry",
         {"design", "--efficiency", "80", "--report", "-"},
         "",
         1},
        {"design, two writers of standard output",
         {"design", "--save-inputs", "-", "--report", "-"},
         "",
         2},
        {"check, a rejected entry", {"check", "--efficiency", "89.9"}, "", 1},
        {"check, a stopped design", {"check", "--vout", "100"}, "", 1},
        {"explore, a rejected entry", {"explore", "--csv", "--vout", "500"}, "", 1},
        {"design, unreadable inputs", {"design", "--inputs", "-"}, "frequency=1\n", 2},
        {"check, empty inputs", {"check", "--inputs", "-"}, "", 2},
        {"explore, inputs too long",
         {"explore", "--json", "--inputs", "-"},
         std::string(kDesignFileMaxBytes + 1, ' '),
         2},
        {"batch, no header", {"batch", "-"}, "", 2},
        {"batch, an unknown column", {"batch", "-"}, "colour\r\nred\r\n", 2},
    }));

}  // namespace
}  // namespace pfc
