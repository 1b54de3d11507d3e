#include "engine/check/check_verdicts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "engine/method/design_run.h"
#include "tests/engine/loaded_tables.h"

namespace pfc {
namespace {

const OperatingCheck& DefaultCheck() {
  static const OperatingCheck check = [] {
    LoadedTables tables;
    RunDesign(EntryTexts{}, tables.record, tables.catalogue, tables.wires);
    return CheckOperation(tables.record, DefaultGradeFor(tables.record));
  }();
  return check;
}

const VerdictOutcome& Outcome(const std::array<VerdictOutcome, kCheckVerdicts>& all,
                              CheckVerdict code) {
  const auto found = std::find_if(all.begin(), all.end(),
                                  [code](const VerdictOutcome& o) { return o.code == code; });
  return *found;
}

// A limit set exactly at the worst judged figure is kept; one a hair tighter is missed, by the
// line whose figure is the worst and by no line that is not judged.
struct Boundary {
  const char* label;
  CheckVerdict code;
  std::function<void(CheckLimits&, double)> setLimit;
  std::function<CheckedNumber(const LineCheck&)> figure;
  bool highJudged;  // the ripple is judged at the low-line crest only
  double inward;    // the sign that tightens the limit
};

class BoundaryTest : public testing::TestWithParam<Boundary> {};

TEST_P(BoundaryTest, KeepsALimitAtTheWorstFigureAndMissesATighterOne) {
  const Boundary& b = GetParam();
  const OperatingCheck& check = DefaultCheck();
  const double low = *b.figure(check.lowLine);
  const double high = b.highJudged ? *b.figure(check.highLine) : low;
  const double worst = b.inward > 0 ? std::min(low, high) : std::max(low, high);
  CheckLimits limits;
  b.setLimit(limits, worst);
  EXPECT_TRUE(Outcome(JudgeCheck(check, limits), b.code).Passes());
  b.setLimit(limits, worst + b.inward * 1e-9 * std::fabs(worst));
  const VerdictOutcome tight = Outcome(JudgeCheck(check, limits), b.code);
  EXPECT_FALSE(tight.Passes());
  EXPECT_FALSE(tight.unknown);
  EXPECT_EQ(tight.lowMisses, low == worst);
  EXPECT_EQ(tight.highMisses, b.highJudged && high == worst);
}

INSTANTIATE_TEST_SUITE_P(
    DefaultDesign, BoundaryTest,
    testing::Values(Boundary{"Inductance", CheckVerdict::InductanceAtPeak,
                             [](CheckLimits& l, double v) { l.inductancePercent = v; },
                             [](const LineCheck& l) { return l.atIpk.lPercentOfTarget; }, true, +1},
                    Boundary{"Ripple", CheckVerdict::RippleAtCrest,
                             [](CheckLimits& l, double v) { l.ripplePercent = v; },
                             [](const LineCheck& l) { return l.rippleAtCrestPercentOfIpkLine; },
                             false, -1},
                    Boundary{"Temperature", CheckVerdict::Temperature,
                             [](CheckLimits& l, double v) { l.temperatureC = v; },
                             [](const LineCheck& l) { return l.windingTemperatureC; }, true, -1}),
    [](const testing::TestParamInfo<Boundary>& info) { return std::string(info.param.label); });

// A line without the figure a verdict needs cannot show that it keeps the limit.
TEST(JudgeCheck, MissesWhereTheFigureDoesNotExist) {
  OperatingCheck check = DefaultCheck();
  check.highLine.windingTemperatureC.reset();
  check.lowLine.rippleAtCrestPercentOfIpkLine.reset();
  const auto all = JudgeCheck(check, CheckLimits{});
  EXPECT_TRUE(Outcome(all, CheckVerdict::Temperature).unknown);
  EXPECT_FALSE(Outcome(all, CheckVerdict::Temperature).Passes());
  EXPECT_FALSE(Outcome(all, CheckVerdict::RippleAtCrest).Passes());
  check.highLine.saturates = true;
  check.highLine.thermal = ThermalEnding::NotComputed;
  check.highLine.peakAboveVout = true;
  const auto flagged = JudgeCheck(check, CheckLimits{});
  for (const CheckVerdict code :
       {CheckVerdict::Saturation, CheckVerdict::Steady, CheckVerdict::BoostHeadroom}) {
    EXPECT_TRUE(Outcome(flagged, code).highMisses);
    EXPECT_FALSE(Outcome(flagged, code).lowMisses);
  }
}

}  // namespace
}  // namespace pfc
