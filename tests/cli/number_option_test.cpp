#include "cli/number_option.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "tests/cli/cli_run.h"

namespace pfc {
namespace {

constexpr NumberBounds kPercent{0, 200, false, false, "%"};
constexpr NumberBounds kCores{1, 9, true, true, "cores"};
constexpr NumberBounds kAny{};

struct ReadCase {
  const char* text;
  NumberBounds bounds;
  std::optional<double> value;
  const char* refusal;  // words the refusal holds; "" when read
};

TEST(NumberOption, ReadsAsAnEntryReadsAndRefusesInItsWords) {
  const std::string longNumeral = "1" + std::string(330, '0');
  const ReadCase cases[] = {
      {"12.5", kPercent, 12.5, ""},
      {" 200 ", kPercent, 200, ""},
      {"-.5", kAny, -0.5, ""},
      {"3.0", kCores, 3, ""},
      {"0", kPercent, std::nullopt, "0 is too small; enter a number above 0 up to 200 %"},
      {"200.001", kPercent, std::nullopt, "is too large"},
      {"0", kCores, std::nullopt, "enter a whole number from 1 to 9 cores"},
      {"2.5", kCores, std::nullopt, "2.5 is not a whole number"},
      {"1e1", kPercent, std::nullopt, "\"1e1\" is not a number"},
      {"abc", kAny, std::nullopt, "not a number"},
      {"", kAny, std::nullopt, "not a number"},
      {"nan", kAny, std::nullopt, "not a number"},
      {"inf", kAny, std::nullopt, "not a number"},
      {"1.2.3", kAny, std::nullopt, "not a number"},
      {longNumeral.c_str(), kAny, std::nullopt, "too large; enter a number of at most 308 digits"},
      {longNumeral.c_str(), kCores, std::nullopt, "too large; enter a whole number from 1 to 9"},
  };
  for (const ReadCase& c : cases) {
    const NumberReading reading = ReadNumber(c.text, c.bounds);
    EXPECT_EQ(reading.value, c.value) << c.text;
    if (*c.refusal == '\0')
      EXPECT_EQ(reading.refusal, "") << c.text;
    else
      EXPECT_NE(reading.refusal.find(c.refusal), std::string::npos) << reading.refusal;
    EXPECT_LT(reading.refusal.size(), 200u) << "a pasted page is not echoed whole";
  }
}

// An option that several commands take answers the same text the same way on each of them.
struct SharedOption {
  const char* option;
  std::vector<std::vector<std::string>> commands;
};

TEST(NumberOption, AnOptionAnswersTheSameOnEveryCommand) {
  const SharedOption shared[] = {
      {"--ripple-limit", {{"check"}, {"model"}, {"optimize"}}},
      {"--grade", {{"check"}, {"model"}, {"batch", "-", "--check"}}},
      {"--turns", {{"check"}, {"model"}}},
  };
  for (const SharedOption& option : shared) {
    for (const char* text : {"1e1", "0", "abc", "-3", "99999"}) {
      std::optional<CliResult> first;
      for (std::vector<std::string> args : option.commands) {
        args.insert(args.end(), {option.option, text});
        const CliResult result = RunCli(args);
        if (!first) {
          first = result;
          continue;
        }
        EXPECT_EQ(result.status, first->status) << args[0] << " " << option.option << " " << text;
        if (result.status == 2) {
          EXPECT_EQ(result.err, first->err) << args[0];
        }
      }
    }
  }
}

TEST(NumberOption, TheCountsOfOptimizeAreWholeNumbersInTheirOwnWords) {
  for (const char* option : {"--top", "--threads"}) {
    const CliResult zero = RunCli({"optimize", option, "0"});
    EXPECT_EQ(zero.status, 2);
    EXPECT_NE(zero.err.find(std::string(option) + ": 0 is too small; enter a whole number from 1"),
              std::string::npos)
        << zero.err;
  }
  const CliResult turns = RunCli({"check", "--turns", "abc"});
  EXPECT_NE(turns.err.find("--turns: \"abc\" is not a number"), std::string::npos) << turns.err;
}

TEST(NumberOption, TheCatalogueAndTheMaterialAreReadFromStandardInput) {
  std::string mine = RunCli({"cores", "--csv"}).out;
  mine.replace(mine.find("TD-26,"), 6, "MY-26,");
  const CliResult cores = RunCli({"design", "--pick", "MY-26", "--cores", "-"}, mine);
  EXPECT_EQ(cores.status, 0) << cores.err;

  const std::string material =
      R"({"name": "Mine", "permeability": 60, "rolloff_b": 2e-9, "rolloff_c": 1.74})";
  const CliResult check = RunCli({"check", "--json", "--material", "-"}, material);
  ASSERT_EQ(check.status, 0) << check.err;
  EXPECT_EQ(nlohmann::json::parse(check.out)["grade"], "Mine");
  const CliResult search = RunCli({"optimize", "--grades", "60", "--stacks", "1", "--fill-factor",
                                   ".05", "--json", "--material", "-"},
                                  material);
  EXPECT_LE(search.status, 1) << search.err;
  EXPECT_EQ(nlohmann::json::parse(search.out)["materials"].back(), "Mine");

  const CliResult both = RunCli({"check", "--material", "-", "--cores", "-"}, material);
  EXPECT_EQ(both.status, 2);
  EXPECT_NE(both.err.find("standard input"), std::string::npos) << both.err;
}

}  // namespace
}  // namespace pfc
