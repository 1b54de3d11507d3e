#include "reports/check/next_step_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pfc {
namespace {

// A check whose figures pass the default limits at both line voltages.
OperatingCheck PassingCheck() {
  OperatingCheck check;
  for (LineCheck* line : {&check.lowLine, &check.highLine}) {
    line->atIpk.lPercentOfTarget = 104;
    line->rippleAtCrestPercentOfIpkLine = 15;
    line->windingTemperatureC = 90;
    line->thermal = ThermalEnding::Steady;
  }
  return check;
}

// The search's command line names what differs from the form and from the default limits,
// and nothing the search varies itself.
struct CommandCase {
  const char* label;
  Entry entry;
  const char* text;  // nullptr: the form's default
  const char* unit;  // nullptr: the form's default
  DesignLimits limits;
  std::vector<std::string> named;
  std::vector<std::string> absent;
};

void PrintTo(const CommandCase& c, std::ostream* out) {
  *out << c.label;
}

class OptimizeCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(OptimizeCommand, NamesTheOperatingPointAndLimitsThatDiffer) {
  const CommandCase& c = GetParam();
  EntryTexts entries;
  if (c.text != nullptr)
    entries[c.entry] = c.text;
  if (c.unit != nullptr)
    entries.Unit(c.entry) = c.unit;
  const std::string line = OptimizeCommandLine(entries, c.limits);
  EXPECT_EQ(line.rfind("pfc-core optimize", 0), 0u) << line;
  for (const std::string& part : c.named)
    EXPECT_NE(line.find(part), std::string::npos) << line;
  for (const std::string& part : c.absent)
    EXPECT_EQ(line.find(part), std::string::npos) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, OptimizeCommand,
    ::testing::Values(
        CommandCase{"Defaults", Entry::VinMin, nullptr, nullptr, DesignLimits{}, {}, {"--"}},
        CommandCase{"OneEntry",
                    Entry::VinMin,
                    "100",
                    nullptr,
                    DesignLimits{},
                    {" --vin-min 100"},
                    {"--vout", "--ripple-limit"}},
        CommandCase{"AUnitWithABlankIsQuoted",
                    Entry::OutputPower,
                    nullptr,
                    "Kilo Watts",
                    DesignLimits{},
                    {" --output-power-unit 'Kilo Watts'"},
                    {}},
        CommandCase{
            "TheStackIsTheSearchs", Entry::Stack, "3", nullptr, DesignLimits{}, {}, {"--stack"}},
        CommandCase{"LimitsSet",
                    Entry::VinMin,
                    nullptr,
                    nullptr,
                    DesignLimits{80, 20.0, 155, 8},
                    {" --min-inductance 80", " --ripple-limit 20", " --al-tolerance 8"},
                    {"--max-temperature"}}),
    [](const auto& info) { return std::string(info.param.label); });

// The summary's line and the next step say what misses, with the figure of the worse line,
// and nothing where every limit is met.
TEST(NextStep, SaysWhatMissesWithTheWorseLinesFigure) {
  OperatingCheck check = PassingCheck();
  const DesignLimits limits;
  EXPECT_EQ(OperatingCheckSummaryLine(check, limits, '.').rfind("Operating check: pass", 0), 0u);
  EXPECT_EQ(CheckNextStepText(check, limits, EntryTexts{}, '.'), "");

  check.lowLine.atIpk.lPercentOfTarget = 22.4;
  check.highLine.atIpk.lPercentOfTarget = 64;
  const std::string line = OperatingCheckSummaryLine(check, limits, '.');
  EXPECT_EQ(line.rfind("Operating check: MISS: 22 %", 0), 0u) << line;
  EXPECT_NE(line.find("low-line"), std::string::npos) << line;
  EXPECT_EQ(line.find("more"), std::string::npos) << line;

  check.highLine.saturates = true;
  EXPECT_NE(OperatingCheckSummaryLine(check, limits, '.').find("(and 1 more)"), std::string::npos);
  const std::string next = CheckNextStepText(check, limits, EntryTexts{}, '.');
  EXPECT_NE(next.find("22 %"), std::string::npos) << next;
  EXPECT_NE(next.find("saturates at the high line"), std::string::npos) << next;
  EXPECT_NE(next.find(OptimizeCommandLine(EntryTexts{}, limits)), std::string::npos) << next;
}

// Without a ripple limit no ripple misses, however large; with one, it is named.
TEST(NextStep, NamesTheRippleOnlyUnderALimit) {
  OperatingCheck check = PassingCheck();
  check.lowLine.rippleAtCrestPercentOfIpkLine = 400;
  EXPECT_EQ(CheckNextStepText(check, DesignLimits{}, EntryTexts{}, '.'), "");
  const std::string next =
      CheckNextStepText(check, DesignLimits{.ripplePercent = 20}, EntryTexts{}, '.');
  EXPECT_NE(next.find("ripple 400 %"), std::string::npos) << next;
  EXPECT_NE(next.find("--ripple-limit 20"), std::string::npos) << next;
}

}  // namespace
}  // namespace pfc
