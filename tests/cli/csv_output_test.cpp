#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/cli_run.h"

namespace pfc {
namespace {

std::string WithCrLf(const std::string& text) {
  std::string crlf;
  for (const char c : text)
    crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return crlf;
}

struct CsvCommand {
  std::vector<std::string> args;
  std::string input;
};

// The same line ends whatever the command and the system: a file diffs and greps alike.
TEST(CsvOutput, EveryCsvEndsItsLinesWithLfAlone) {
  const CsvCommand commands[] = {
      {{"cores", "--csv"}, ""},
      {{"explore", "--csv"}, ""},
      {{"check", "--csv"}, ""},
      {{"model", "--format", "csv"}, ""},
      {{"batch", "-"}, "output-power\n800\n"},
      {{"batch", "-", "--check"}, "output-power\n800\n"},
      {{"optimize", "--grades", "60", "--stacks", "1", "--fill-factor", ".05", "--csv"}, ""},
  };
  for (const CsvCommand& command : commands) {
    const CliResult result = RunCli(command.args, command.input);
    EXPECT_LE(result.status, 1) << command.args[0] << ": " << result.err;
    EXPECT_GT(result.out.size(), 1u) << command.args[0];
    EXPECT_TRUE(result.out.ends_with("\n")) << command.args[0];
    EXPECT_EQ(result.out.find('\r'), std::string::npos) << command.args[0];
  }
}

TEST(CsvOutput, TheReadersStillTakeCrLf) {
  const std::string cores = WithCrLf(RunCli({"cores", "--csv"}).out);
  const CliResult design = RunCli({"design", "--json", "--cores", "-"}, cores);
  ASSERT_EQ(design.status, 0) << design.err;
  EXPECT_EQ(design.out, RunCli({"design", "--json"}).out);
  const CliResult batch = RunCli({"batch", "-"}, WithCrLf("output-power\n800\n"));
  EXPECT_EQ(batch.status, 0) << batch.err;
}

// A header refused for a stray CR names it, where a bare CR would send the terminal's cursor
// back over the message.
TEST(CsvOutput, ARefusedHeaderShowsItsCrAsBackslashR) {
  std::string cores = RunCli({"cores", "--csv"}).out;
  cores.insert(cores.find('\n'), "\r\r");  // a stray CR before the line end CR LF
  const CsvCommand refused[] = {
      {{"design", "--cores", "-"}, cores},
      {{"batch", "-"}, "output-power\r\r\n800\r\n"},
  };
  for (const CsvCommand& command : refused) {
    const CliResult result = RunCli(command.args, command.input);
    EXPECT_EQ(result.status, 2) << command.args[0];
    EXPECT_NE(result.err.find("\\r\""), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find('\r'), std::string::npos) << command.args[0];
  }
}

}  // namespace
}  // namespace pfc
