#include "reports/check/check_verdict_texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/check/operating_check.h"

namespace pfc {
namespace {

// A verdict that one line misses names that line alone: the other line's figure stands beside
// it and must not read as missing too.
struct LineCase {
  const char* name;
  CheckedNumber lowPercent;
  CheckedNumber highPercent;
  bool missed;
  const char* where;  // the words after the limit; nullptr when the target is met
  bool low;           // the lines the verdict is about
  bool high;
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

  const CheckVerdictText verdict =
      CheckVerdictTexts(record, check, DesignLimits{.ripplePercent = 10}, '.')[0];

  EXPECT_EQ(verdict.code, CheckVerdict::InductanceAtPeak);
  EXPECT_EQ(!verdict.passes, GetParam().missed);
  EXPECT_EQ(verdict.low, GetParam().low);
  EXPECT_EQ(verdict.high, GetParam().high);
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

INSTANTIATE_TEST_SUITE_P(
    Lines, InductanceVerdict,
    ::testing::Values(LineCase{"LowOnly", 58.5, 121.9, true, "low line", true, false},
                      LineCase{"HighOnly", 121.9, 58.5, true, "high line", false, true},
                      LineCase{"Both", 58.5, 99.9, true, "both line voltages", true, true},
                      LineCase{"Neither", 100, 121.9, false, nullptr, false, false},
                      LineCase{"UnknownHighOnlyLowMisses", 58.5, std::nullopt, true, "low line",
                               true, true}),
    [](const auto& info) { return std::string(info.param.name); });

// The temperature verdict names the line that does not settle, with why, and only that line.
struct ThermalCase {
  const char* name;
  ThermalEnding low;
  ThermalEnding high;
  const char* words;  // in the sentence; nullptr when both settle
};

void PrintTo(const ThermalCase& c, std::ostream* out) {
  *out << c.name;
}

class SteadyVerdict : public ::testing::TestWithParam<ThermalCase> {};

TEST_P(SteadyVerdict, SaysWhichLineDoesNotSettleAndWhy) {
  OperatingCheck check;
  check.lowLine.thermal = GetParam().low;
  check.highLine.thermal = GetParam().high;

  const CheckVerdictText verdict =
      CheckVerdictTexts(DesignRecord{}, check, DesignLimits{.ripplePercent = 10}, '.')[3];

  EXPECT_EQ(verdict.code, CheckVerdict::Steady);
  EXPECT_EQ(verdict.low, GetParam().low != ThermalEnding::Steady);
  EXPECT_EQ(verdict.high, GetParam().high != ThermalEnding::Steady);
  EXPECT_EQ(verdict.passes, GetParam().words == nullptr);
  if (GetParam().words) {
    EXPECT_NE(verdict.text.find(GetParam().words), std::string::npos) << verdict.text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Endings, SteadyVerdict,
    ::testing::Values(ThermalCase{"Both", ThermalEnding::Steady, ThermalEnding::Steady, nullptr},
                      ThermalCase{"HighRunsAway", ThermalEnding::Steady, ThermalEnding::Runaway,
                                  "at high line: the losses run away"},
                      ThermalCase{"LowUnsettled", ThermalEnding::Unsettled, ThermalEnding::Steady,
                                  "at low line: the temperature still moves"},
                      ThermalCase{"NeitherLine", ThermalEnding::BelowCopperLaw,
                                  ThermalEnding::NotComputed,
                                  "at either line voltage: the copper law"}),
    [](const auto& info) { return std::string(info.param.name); });

// At each limit itself the design keeps it; a figure that is not a number misses nothing, as
// Compare Cores shows it as "n/a", not in red.
struct LimitCase {
  CheckVerdict code;
  double figure;
  bool beyond;
};

class Limits : public ::testing::TestWithParam<LimitCase> {};

TEST_P(Limits, HoldAtTheLimitItself) {
  EXPECT_EQ(BeyondLimit(GetParam().code, GetParam().figure, DesignLimits{.ripplePercent = 10}),
            GetParam().beyond)
      << GetParam().figure;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Figures, Limits,
    ::testing::Values(LimitCase{CheckVerdict::InductanceAtPeak, 100, false},
                      LimitCase{CheckVerdict::InductanceAtPeak, std::nextafter(100.0, 0.0), true},
                      LimitCase{CheckVerdict::InductanceAtPeak, kNaN, false},
                      LimitCase{CheckVerdict::RippleAtCrest, 10, false},
                      LimitCase{CheckVerdict::RippleAtCrest, std::nextafter(10.0, 11.0), true},
                      LimitCase{CheckVerdict::RippleAtCrest, kNaN, false},
                      LimitCase{CheckVerdict::Temperature, 155, false},
                      LimitCase{CheckVerdict::Temperature, std::nextafter(155.0, 156.0), true},
                      LimitCase{CheckVerdict::Temperature, kNaN, false},
                      LimitCase{CheckVerdict::Saturation, 1e9, false}));

// Without a ripple limit the ripple is shown, with its figure, and judged neither way.
TEST(RippleVerdict, ShowsTheFigureButJudgesOnlyUnderALimit) {
  OperatingCheck check;
  check.lowLine.rippleAtCrestPp = 19.2;
  check.lowLine.rippleAtCrestPercentOfIpkLine = 77.39;
  const std::size_t ripple = static_cast<std::size_t>(CheckVerdict::RippleAtCrest);
  const CheckVerdictText none =
      CheckVerdictTexts(DesignRecord{}, check, DesignLimits{}, '.')[ripple];
  EXPECT_FALSE(none.judged);
  EXPECT_TRUE(none.passes);
  EXPECT_FALSE(none.low);
  EXPECT_NE(none.text.find("77.39 %"), std::string::npos) << none.text;
  EXPECT_FALSE(BeyondLimit(CheckVerdict::RippleAtCrest, 1e9, DesignLimits{}));
  const CheckVerdictText set =
      CheckVerdictTexts(DesignRecord{}, check, DesignLimits{.ripplePercent = 10}, '.')[ripple];
  EXPECT_TRUE(set.judged);
  EXPECT_FALSE(set.passes);
  EXPECT_TRUE(set.low);
  EXPECT_NE(set.text.find("77.39 %"), std::string::npos) << set.text;
}

}  // namespace
}  // namespace pfc
