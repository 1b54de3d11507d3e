#include "cli/limit_options.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <string>

#include "reports/files/design_file.h"

namespace pfc {
namespace {

bool CommandLineTakes(const char* name, const std::string& value) {
  CLI::App command;
  DesignLimits limits;
  AddLimitOptions(command, limits);
  try {
    command.parse(std::string("--") + name + "=" + value, false);
  } catch (const CLI::ParseError&) {
    return false;
  }
  return true;
}

// A limit has one range wherever it is entered: a design file admits exactly the values the
// command line admits, and refuses the others naming the limit and the range.
TEST(LimitOptions, ADesignFileAdmitsExactlyWhatTheCommandLineAdmits) {
  const char* const names[] = {kMinInductanceName, kRippleLimitName, kMaxTemperatureName,
                               kAlToleranceName};
  const char* const values[] = {"-1",  "0",     "0.001", "8",      "30",     "30.5",
                                "155", "999.5", "1000",  "1000.5", "1000000"};
  int refused = 0;
  for (const char* name : names) {
    for (const char* value : values) {
      SCOPED_TRACE(std::string(name) + " " + value);
      const DesignFileRead read = DesignFileFromText(R"({"format":"pfc-design","version":"1.0",")" +
                                                     std::string(name) + "\":" + value + "}");
      EXPECT_EQ(read.read, CommandLineTakes(name, value)) << read.reason;
      if (read.read)
        continue;
      ++refused;
      EXPECT_NE(read.reason.find(name), std::string::npos) << read.reason;
      EXPECT_NE(read.reason.find(LimitRangeText(*LimitRangeOf(name))), std::string::npos)
          << read.reason;
    }
  }
  EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace pfc
