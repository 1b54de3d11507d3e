#include "engine/check/check_verdicts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "engine/method/design_run.h"
#include "tests/engine/loaded_tables.h"

namespace pfc {
namespace {

OperatingCheck CheckDefaultDesign(double alTolerancePercent) {
  LoadedTables tables;
  RunDesign(EntryTexts{}, tables.record, tables.catalogue, tables.wires);
  return CheckOperation(tables.record, DefaultGradeFor(tables.record), alTolerancePercent);
}

const OperatingCheck& DefaultCheck() {
  static const OperatingCheck check = CheckDefaultDesign(0);
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
  std::function<void(DesignLimits&, double)> setLimit;
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
  DesignLimits limits;
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
                             [](DesignLimits& l, double v) { l.inductancePercent = v; },
                             [](const LineCheck& l) { return l.atIpk.lPercentOfTarget; }, true, +1},
                    Boundary{"Ripple", CheckVerdict::RippleAtCrest,
                             [](DesignLimits& l, double v) { l.ripplePercent = v; },
                             [](const LineCheck& l) { return l.rippleAtCrestPercentOfIpkLine; },
                             false, -1},
                    Boundary{"Temperature", CheckVerdict::Temperature,
                             [](DesignLimits& l, double v) { l.temperatureC = v; },
                             [](const LineCheck& l) { return l.windingTemperatureC; }, true, -1}),
    [](const testing::TestParamInfo<Boundary>& info) { return std::string(info.param.label); });

// A line without the figure a verdict needs cannot show that it keeps the limit.
TEST(JudgeCheck, MissesWhereTheFigureDoesNotExist) {
  OperatingCheck check = DefaultCheck();
  check.highLine.windingTemperatureC.reset();
  check.lowLine.rippleAtCrestPercentOfIpkLine.reset();
  const auto all = JudgeCheck(check, DesignLimits{.ripplePercent = 10});
  EXPECT_TRUE(Outcome(all, CheckVerdict::Temperature).unknown);
  EXPECT_FALSE(Outcome(all, CheckVerdict::Temperature).Passes());
  EXPECT_FALSE(Outcome(all, CheckVerdict::RippleAtCrest).Passes());
  check.highLine.saturates = true;
  check.highLine.thermal = ThermalEnding::NotComputed;
  check.highLine.peakAboveVout = true;
  const auto flagged = JudgeCheck(check, DesignLimits{.ripplePercent = 10});
  for (const CheckVerdict code :
       {CheckVerdict::Saturation, CheckVerdict::Steady, CheckVerdict::BoostHeadroom}) {
    EXPECT_TRUE(Outcome(flagged, code).highMisses);
    EXPECT_FALSE(Outcome(flagged, code).lowMisses);
  }
}

// Without a limit the ripple is shown but neither passes nor misses, however large it is.
TEST(JudgeCheck, JudgesTheRippleOnlyAgainstALimitSet) {
  OperatingCheck check = DefaultCheck();
  check.lowLine.rippleAtCrestPercentOfIpkLine = 1e9;
  const VerdictOutcome none =
      Outcome(JudgeCheck(check, DesignLimits{}), CheckVerdict::RippleAtCrest);
  EXPECT_FALSE(none.judged);
  EXPECT_TRUE(none.Passes());
  const VerdictOutcome set =
      Outcome(JudgeCheck(check, DesignLimits{.ripplePercent = 10}), CheckVerdict::RippleAtCrest);
  EXPECT_TRUE(set.judged);
  EXPECT_FALSE(set.Passes());
}

// A core at the low end of its AL tolerance keeps less inductance and ripples more; the
// verdicts judge the worse of it and the nominal core, and a tolerance of 0 runs no second core.
struct ToleranceCase {
  const char* label;
  double tolerance;
};

class WorstCaseTest : public testing::TestWithParam<ToleranceCase> {};

TEST_P(WorstCaseTest, LowersTheInductanceRaisesTheRippleAndIsJudged) {
  const double tolerance = GetParam().tolerance;
  const OperatingCheck check = CheckDefaultDesign(tolerance);
  const OperatingCheck& nominal = DefaultCheck();
  ASSERT_EQ(check.worstCase.has_value(), tolerance > 0);
  EXPECT_EQ(*check.lowLine.atIpk.lPercentOfTarget, *nominal.lowLine.atIpk.lPercentOfTarget)
      << "the nominal core is checked as without a tolerance";
  if (!check.worstCase)
    return;
  for (const auto& [line, worst] : {std::pair{&check.lowLine, &check.worstCase->lowLine},
                                    std::pair{&check.highLine, &check.worstCase->highLine}}) {
    EXPECT_LT(*worst->atIpkLine.lUh, *line->atIpkLine.lUh);
    EXPECT_LT(*worst->atIpk.lPercentOfTarget, *line->atIpk.lPercentOfTarget);
    EXPECT_GT(*worst->rippleAtCrestPercentOfIpkLine, *line->rippleAtCrestPercentOfIpkLine);
    EXPECT_GE(*worst->ipk, *line->ipk);
  }
  // A limit between the two cores' figures passes the nominal core and misses the worst case.
  const double lowL = *check.lowLine.atIpk.lPercentOfTarget;
  const double worstL = *check.worstCase->lowLine.atIpk.lPercentOfTarget;
  const double lowRipple = *check.lowLine.rippleAtCrestPercentOfIpkLine;
  const double worstRipple = *check.worstCase->lowLine.rippleAtCrestPercentOfIpkLine;
  const DesignLimits between{(lowL + worstL) / 2, (lowRipple + worstRipple) / 2};
  EXPECT_TRUE(Outcome(JudgeCheck(nominal, between), CheckVerdict::InductanceAtPeak).Passes() ||
              *nominal.highLine.atIpk.lPercentOfTarget < between.inductancePercent);
  EXPECT_TRUE(Outcome(JudgeCheck(nominal, between), CheckVerdict::RippleAtCrest).Passes());
  EXPECT_TRUE(Outcome(JudgeCheck(check, between), CheckVerdict::InductanceAtPeak).lowMisses);
  EXPECT_TRUE(Outcome(JudgeCheck(check, between), CheckVerdict::RippleAtCrest).lowMisses);
}

INSTANTIATE_TEST_SUITE_P(Tolerances, WorstCaseTest,
                         testing::Values(ToleranceCase{"None", 0}, ToleranceCase{"Usual", 8},
                                         ToleranceCase{"Widest", kAlToleranceRange.high}),
                         [](const testing::TestParamInfo<ToleranceCase>& info) {
                           return std::string(info.param.label);
                         });

}  // namespace
}  // namespace pfc
