#include "engine/check/given_winding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "engine/check/check_verdicts.h"
#include "engine/check/operating_check.h"
#include "engine/method/core_design.h"
#include "engine/method/design_run.h"
#include "tests/engine/check_values.h"
#include "tests/engine/loaded_tables.h"
#include "tests/engine/record_values.h"

namespace pfc {
namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

std::string Exact(const CheckedNumber& number) {
  return number ? FormatShortest(*number) : "none";
}

struct Published {
  LoadedTables tables;
  RunOutcome run;
  explicit Published(const std::function<void(EntryTexts&, DesignRecord&)>& edit = {}) {
    EntryTexts entries;
    if (edit)
      edit(entries, tables.record);
    run = RunDesign(entries, tables.record, tables.catalogue, tables.wires);
  }
};

TEST(ApplyWinding, TheMethodsOwnWindingGivenReproducesThePublishedDesignAndCheck) {
  const Published published;
  ASSERT_EQ(published.run.ending, RunEnding::Published);
  const DesignRecord& method = published.tables.record;
  DesignRecord given = method;
  const WindingApplied applied =
      ApplyWinding(given, published.tables.wires, {method.Turns, method.WireGauge});
  ASSERT_TRUE(applied.Wound()) << applied.message;
  EXPECT_EQ(RecordValues(given), RecordValues(method));
  const Material material = GradeMaterialFor(method, kDefaultRolloffGrade);
  EXPECT_EQ(CheckValues(CheckOperation(given, material)),
            CheckValues(CheckOperation(method, material)));
}

// What one more turn changes, and by how much: the field and the flux swing follow N, the
// inductance N², the copper's length N; the core, the wire and the operating point stay.
TEST(ApplyWinding, OneMoreTurnChangesOnlyWhatFollowsTheTurns) {
  const Published published;
  const DesignRecord& method = published.tables.record;
  DesignRecord more = method;
  const double n = method.Turns;
  ASSERT_TRUE(ApplyWinding(more, published.tables.wires, {n + 1, std::nullopt}).Wound());
  const double ratio = (n + 1) / n;
  struct Scaled {
    const char* name;
    double DesignRecord::*field;
    double factor;
  };
  using R = DesignRecord;
  const std::vector<Scaled> scaled = {
      {"Turns", &R::Turns, ratio},
      {"HMax", &R::HMax, ratio},
      {"ZeroBiasL", &R::ZeroBiasL, ratio * ratio},
      {"ActualFillFactor", &R::ActualFillFactor, ratio},
      {"ConductorLength", &R::ConductorLength, ratio},
      {"MarginLength", &R::MarginLength, ratio},
      {"WindingResistance", &R::WindingResistance, ratio},
      {"CopperLoss", &R::CopperLoss, ratio},
      {"DeltaB", &R::DeltaB, 1 / ratio},
      {"DeltaBavg", &R::DeltaBavg, 1 / ratio},
      {"Bac", &R::Bac, 1 / ratio},
      {"CoreLossDensity", &R::CoreLossDensity, std::pow(1 / ratio, kCoreLossFluxExponent)},
      {"CoreLoss", &R::CoreLoss, std::pow(1 / ratio, kCoreLossFluxExponent)},
  };
  std::set<std::string> changes = {"TotalLoss", "TempRise"};
  for (const Scaled& s : scaled) {
    EXPECT_NEAR(more.*s.field / (method.*s.field), s.factor, 1e-12) << s.name;
    changes.insert(s.name);
  }
  EXPECT_DOUBLE_EQ(more.TotalLoss, more.CoreLoss + more.CopperLoss);
  const Values before = RecordValues(method);
  const Values after = RecordValues(more);
  ASSERT_EQ(before.size(), after.size());
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (changes.count(before[i].first) == 0)
      EXPECT_EQ(after[i], before[i]);
    else
      EXPECT_NE(after[i], before[i]);
  }

  // In the check, the inductance follows N² and nothing about the core moves.
  const Material material = GradeMaterialFor(method, kDefaultRolloffGrade);
  const OperatingCheck one = CheckOperation(method, material);
  const OperatingCheck other = CheckOperation(more, material);
  EXPECT_EQ(Exact(other.alNh), Exact(one.alNh));
  EXPECT_NEAR(*other.zeroBiasUh / *one.zeroBiasUh, ratio * ratio, 1e-12);
  EXPECT_NEAR(*other.lowLine.atIpkLine.hOe / *one.lowLine.atIpkLine.hOe, ratio, 1e-12);
}

TEST(ApplyWinding, AWireAloneKeepsTheMethodsTurnsAndTakesTheWiresRow) {
  const Published published;
  const DesignRecord& method = published.tables.record;
  DesignRecord thinner = method;
  ASSERT_TRUE(ApplyWinding(thinner, published.tables.wires, {std::nullopt, 14.0}).Wound());
  EXPECT_EQ(thinner.Turns, method.Turns);
  EXPECT_EQ(thinner.WireGauge, 14);
  EXPECT_GT(thinner.WireResistance, method.WireResistance);
  EXPECT_LT(thinner.ActualFillFactor, method.ActualFillFactor);
  EXPECT_NEAR(thinner.CopperLoss / method.CopperLoss,
              thinner.WireResistance / method.WireResistance, 1e-12);
  EXPECT_EQ(thinner.CoreLoss, method.CoreLoss);
}

struct Refused {
  const char* label;
  WindingRequest request;
  WindingRefusal refusal;
  const char* named;  // what the message must name
};

class RefusedWindingTest : public testing::TestWithParam<Refused> {};

TEST_P(RefusedWindingTest, NamesWhatIsWrongAndLeavesTheRecord) {
  const Published published([](EntryTexts& e, DesignRecord&) { e[Entry::FillFactor] = ".4"; });
  ASSERT_EQ(published.run.ending, RunEnding::Published);
  DesignRecord record = published.tables.record;
  const WindingApplied applied = ApplyWinding(record, published.tables.wires, GetParam().request);
  EXPECT_EQ(applied.refusal, GetParam().refusal);
  EXPECT_NE(applied.message.find(GetParam().named), std::string::npos) << applied.message;
  EXPECT_EQ(RecordValues(record), RecordValues(published.tables.record));
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// The default design winds 31 turns of AWG 12 on TD-26 and fills 29.9 % of its window.
INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusedWindingTest,
    testing::Values(
        Refused{"NoTurns", {0.0, std::nullopt}, WindingRefusal::Turns, "not 0."},
        Refused{"NegativeTurns", {-3.0, 12.0}, WindingRefusal::Turns, "not -3."},
        Refused{"HalfATurn", {30.5, std::nullopt}, WindingRefusal::Turns, "not 30.5."},
        Refused{"OneTurnTooMany", {kMostTurns + 1, 44.0}, WindingRefusal::Turns, "not 31001."},
        Refused{"TurnsNotANumber", {kNaN, std::nullopt}, WindingRefusal::Turns, "not "},
        Refused{"InfiniteTurns", {kInfinity, std::nullopt}, WindingRefusal::Turns, "not "},
        Refused{"ThickerThanTheTable", {std::nullopt, 7.0}, WindingRefusal::Gauge, "AWG 7 "},
        Refused{"ThinnerThanTheTable", {std::nullopt, 45.0}, WindingRefusal::Gauge, "AWG 45 "},
        Refused{"BetweenSizes", {31.0, 12.5}, WindingRefusal::Gauge, "AWG 12.5 "},
        Refused{"GaugeNotANumber", {31.0, kNaN}, WindingRefusal::Gauge, "AWG "},
        Refused{"NoStrands", {31.0, 12.0, 0.0}, WindingRefusal::Strands, "not 0."},
        Refused{"HalfAStrand", {31.0, 12.0, 1.5}, WindingRefusal::Strands, "not 1.5."},
        Refused{
            "OneStrandTooMany", {3.0, 30.0, kMostStrands + 1}, WindingRefusal::Strands, "not 9."},
        Refused{"StrandsNotANumber", {31.0, 12.0, kNaN}, WindingRefusal::Strands, "not "},
        Refused{"ThickerWireOverfills", {31.0, 9.0}, WindingRefusal::Fill, "31 turns of AWG 9"},
        Refused{"MoreTurnsOverfill",
                {42.0, std::nullopt},
                WindingRefusal::Fill,
                "42 turns of AWG 12 fill 40.6 %"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ApplyWinding, AWindingThatFillsTheWindowExactlyIsWound) {
  const Published published([](EntryTexts& e, DesignRecord&) { e[Entry::FillFactor] = ".4"; });
  DesignRecord record = published.tables.record;
  // 41 turns of AWG 12 fill 39.6 %, under the 40 % entered.
  const WindingApplied applied = ApplyWinding(record, published.tables.wires, {41.0, 12.0});
  EXPECT_TRUE(applied.Wound()) << applied.message;
  EXPECT_LE(record.ActualFillFactor, record.FillFactorLimit);
}

// The ends of what can be wound are wound as asked and check soundly: every figure exists
// and is finite, or the check says why it does not (the core saturates), and the temperature
// ends one way or another.
class RangeEndTest : public testing::TestWithParam<WindingRequest> {};

TEST_P(RangeEndTest, IsWoundAsAskedAndChecksSoundly) {
  const Published published([](EntryTexts& e, DesignRecord&) { e[Entry::FillFactor] = ".9"; });
  ASSERT_EQ(published.run.ending, RunEnding::Published);
  const WindingRequest request = GetParam();
  DesignRecord record = published.tables.record;
  const WindingApplied applied = ApplyWinding(record, published.tables.wires, request);
  ASSERT_TRUE(applied.Wound()) << applied.message;
  EXPECT_EQ(record.Turns, *request.turns);
  EXPECT_EQ(record.WireGauge, *request.gauge);
  EXPECT_TRUE(std::isfinite(record.TempRise));
  const OperatingCheck check =
      CheckOperation(record, GradeMaterialFor(record, kDefaultRolloffGrade));
  for (const LineCheck* line : {&check.lowLine, &check.highLine}) {
    EXPECT_TRUE(line->usable);
    EXPECT_TRUE(line->saturates || line->thermal != ThermalEnding::NotComputed);
    EXPECT_EQ(line->saturates, !line->windingTemperatureC.has_value() &&
                                   line->thermal == ThermalEnding::NotComputed);
  }
  EXPECT_NEAR(*check.zeroBiasUh, *request.turns * *request.turns * *check.alNh / 1000,
              *check.zeroBiasUh * 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Ranges, RangeEndTest,
                         testing::Values(WindingRequest{1.0, 8.0}, WindingRequest{1.0, 44.0},
                                         WindingRequest{kMostTurns, 44.0},
                                         WindingRequest{2000.0, 30.0}),
                         [](const auto& info) {
                           return std::to_string(static_cast<int>(*info.param.turns)) +
                                  "TurnsOfAwg" +
                                  std::to_string(static_cast<int>(*info.param.gauge));
                         });

struct LimitCase {
  const char* label;
  std::function<void(EntryTexts&, DesignRecord&)> edit;  // of the default entries
  WindingRequest request;
  std::array<bool, kMethodLimits> misses;  // field strength, temperature, area product
};

class MethodLimitsTest : public testing::TestWithParam<LimitCase> {};

TEST_P(MethodLimitsTest, JudgesTheWoundRecord) {
  Published published(GetParam().edit);
  ASSERT_TRUE(published.run.ending == RunEnding::Published ||
              published.run.ending == RunEnding::FieldStrength)
      << published.run.check;
  DesignRecord& record = published.tables.record;
  ASSERT_TRUE(ApplyWinding(record, published.tables.wires, GetParam().request).Wound());
  const auto limits = JudgeMethodLimits(record);
  for (std::size_t i = 0; i < kMethodLimits; ++i) {
    EXPECT_EQ(limits[i].misses, GetParam().misses[i]) << MethodLimitName(limits[i].code);
  }
}

// The default design needs 4.39 cm⁴; TD-24 has 3.66 cm⁴. It runs 148 °C above a cold ambient.
void PickSmallerCore(EntryTexts& e, DesignRecord& r) {
  e[Entry::AmbientTemp] = "5";
  r.CalcType = DesignerPicks;
  e.pickCore = true;
  e[Entry::CoreSize] = "TD-24 (its size is not read)";
}

INSTANTIATE_TEST_SUITE_P(
    Limits, MethodLimitsTest,
    testing::Values(
        LimitCase{"MethodsDesign", {}, {}, {false, false, false}},
        // 31 turns give 101.85 Oe, so 36 give 118.3 Oe.
        LimitCase{"MoreTurnsThanTheFieldAllows", {}, {36.0, std::nullopt}, {true, false, false}},
        LimitCase{"ThinWireRunsHot", {}, {std::nullopt, 20.0}, {false, true, false}},
        // The method's 47 turns give 164 Oe on it and stop the run; 32 give 112 Oe.
        LimitCase{"SmallerPickedCore", PickSmallerCore, {32.0, 12.0}, {false, false, true}}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace pfc
