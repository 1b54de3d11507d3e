#include <gtest/gtest.h>

#include <string>

#include "engine/operating_check.h"
#include "ui/forms/operating_check_figures.h"

namespace pfc::ui {
namespace {

// A verdict that one line misses names that line alone: the other line's figure stands beside
// it and must not read as missing too.
struct LineCase {
  const char* name;
  CheckedNumber lowPercent;
  CheckedNumber highPercent;
  bool missed;
  const char* where;  // the words after the limit; nullptr when the target is met
};

void PrintTo(const LineCase& c, std::ostream* out) {
  *out << c.name;
}

class InductanceVerdict : public ::testing::TestWithParam<LineCase> {};

TEST_P(InductanceVerdict, NamesTheLinesThatMissTheTarget) {
  DesignRecord record;
  record.Inductance = 150e-6;
  OperatingCheck check;
  check.lowLine.atIpk.lPercentOfTarget = GetParam().lowPercent;
  check.highLine.atIpk.lPercentOfTarget = GetParam().highPercent;

  const Verdict verdict = CheckVerdicts(record, check, '.')[0];

  EXPECT_EQ(verdict.missed, GetParam().missed);
  const std::string target = "150 µH target";
  const std::size_t after = verdict.text.find(target);
  ASSERT_NE(after, std::string::npos) << verdict.text;
  const std::string rest = verdict.text.substr(after + target.size());
  if (GetParam().where) {
    EXPECT_EQ(rest.rfind(std::string(" at ") + GetParam().where + ":", 0), 0u) << verdict.text;
  } else {
    EXPECT_EQ(rest.rfind(":", 0), 0u) << verdict.text;
  }
}

INSTANTIATE_TEST_SUITE_P(Lines, InductanceVerdict,
                         ::testing::Values(LineCase{"LowOnly", 58.5, 121.9, true, "low line"},
                                           LineCase{"HighOnly", 121.9, 58.5, true, "high line"},
                                           LineCase{"Both", 58.5, 99.9, true, "both line voltages"},
                                           LineCase{"Neither", 100, 121.9, false, nullptr},
                                           LineCase{"UnknownHighOnlyLowMisses", 58.5, std::nullopt,
                                                    true, "low line"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pfc::ui
