#include "engine/operating_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/design_run.h"
#include "tests/engine/loaded_tables.h"

namespace pfc {
namespace {

const RolloffGrade& Grade60() {
  return *FindRolloffGrade(60);
}

// The record of a published run on the given entries, then the given edits of the record.
DesignRecord Published(const std::function<void(EntryTexts&, DesignRecord&)>& entriesEdit = {},
                       const std::function<void(DesignRecord&)>& recordEdit = {}) {
  LoadedTables tables;
  EntryTexts entries;
  if (entriesEdit)
    entriesEdit(entries, tables.record);
  const RunOutcome run = RunDesign(entries, tables.record, tables.catalogue, tables.wires);
  EXPECT_EQ(run.ending, RunEnding::Published) << run.check;
  if (recordEdit)
    recordEdit(tables.record);
  return tables.record;
}

// The published reference of the default design (TD-26, 31 turns, AWG 12) at grade 60, each
// figure to the digits it is given with.
struct Reference {
  const char* label;
  std::function<CheckedNumber(const OperatingCheck&)> figure;
  double value;
  double halfDigit;
};

class ReferenceTest : public testing::TestWithParam<Reference> {};

TEST_P(ReferenceTest, MatchesTheDefaultDesign) {
  static const OperatingCheck check = CheckOperation(Published(), Grade60());
  const CheckedNumber figure = GetParam().figure(check);
  ASSERT_TRUE(figure.has_value());
  EXPECT_NEAR(*figure, GetParam().value, GetParam().halfDigit);
}

INSTANTIATE_TEST_SUITE_P(
    Grade60, ReferenceTest,
    testing::Values(
        Reference{"LowLineLAtIpkLine", [](auto& c) { return c.lowLine.atIpkLine.lUh; }, 93.65,
                  0.005},
        Reference{"LowLineLAtIpkLinePercent",
                  [](auto& c) { return c.lowLine.atIpkLine.lPercentOfTarget; }, 62.43, 0.005},
        Reference{"LowLineIpk", [](auto& c) { return c.lowLine.ipk; }, 30.63, 0.005},
        Reference{"LowLineIpkAngle", [](auto& c) { return c.lowLine.ipkAngleDeg; }, 90, 0},
        Reference{"LowLineWorstRipple", [](auto& c) { return c.lowLine.rippleMaxPp; }, 8.727,
                  0.0005},
        Reference{"LowLineCoreLoss", [](auto& c) { return c.lowLine.coreLossW; }, 4.035, 0.0005},
        Reference{"LowLineCopperDc", [](auto& c) { return c.lowLine.copperDcLossW; }, 5.981,
                  0.0005},
        Reference{"LowLineCopperAc", [](auto& c) { return c.lowLine.copperAcLossW; }, 0.3840,
                  0.00005},
        Reference{"LowLineWinding", [](auto& c) { return c.lowLine.windingTemperatureC; }, 140.7,
                  0.05},
        Reference{"HighLineIpk", [](auto& c) { return c.highLine.ipk; }, 8.675, 0.0005},
        Reference{"HighLineIpkAngle", [](auto& c) { return c.highLine.ipkAngleDeg; }, 71, 0},
        Reference{"HighLineWorstRipple", [](auto& c) { return c.highLine.rippleMaxPp; }, 4.680,
                  0.0005},
        Reference{"HighLineWorstRippleAngle", [](auto& c) { return c.highLine.rippleMaxAngleDeg; },
                  32, 0},
        Reference{"HighLineCoreLoss", [](auto& c) { return c.highLine.coreLossW; }, 4.119, 0.0005},
        Reference{"HighLineWinding", [](auto& c) { return c.highLine.windingTemperatureC; }, 97.42,
                  0.005}),
    [](const testing::TestParamInfo<Reference>& info) { return std::string(info.param.label); });

// Without roll-off the inductance is L0 everywhere: every ripple is VS/L0, and at the low line
// (Vpk below Vout/2) VS and with it the ripple grow up to the crest.
TEST(OperatingCheck, ConstantInductanceGivesVoltSecondsOverL0) {
  const DesignRecord record = Published();
  const double l0 = record.Turns * record.Turns * record.AlValue * 1e-9;
  const OperatingCheck check = CheckOperation(record, {0, 0, 1.74});
  for (const LineCheck* line : {&check.lowLine, &check.highLine}) {
    ASSERT_TRUE(line->Steady());
    EXPECT_NEAR(*line->atIpkLine.permeabilityPercent, 100, 1e-12);
    EXPECT_NEAR(*line->atIpk.lUh, l0 * 1e6, 1e-9);
    for (const CheckedAngle& row : line->angles) {
      const double voltSeconds = *row.vin * *row.duty / record.Frequency;
      EXPECT_NEAR(*row.ripplePp, voltSeconds / l0, 1e-13 * voltSeconds / l0) << row.deg;
      EXPECT_NEAR(*row.iMax, *row.iAvg + *row.ripplePp / 2, 1e-12) << row.deg;
    }
  }
  EXPECT_EQ(check.lowLine.rippleMaxAngleDeg, 90);
  EXPECT_EQ(check.lowLine.rippleMaxPp, check.lowLine.rippleAtCrestPp);
  EXPECT_EQ(check.lowLine.ipkAngleDeg, 90);
}

TEST(LineCycleMean, IsExactForConstantsAndRamps) {
  std::array<double, kCheckedAngles> values;
  values.fill(4.035);
  EXPECT_DOUBLE_EQ(LineCycleMean(values), 4.035);
  for (int k = 0; k < kCheckedAngles; ++k)
    values[static_cast<std::size_t>(k)] = k;
  EXPECT_DOUBLE_EQ(LineCycleMean(values), 45);
  values.fill(0);
  values.front() = values.back() = 1;  // the ends weigh half
  EXPECT_DOUBLE_EQ(LineCycleMean(values), 1.0 / 90);
}

// Which figures of a line exist.
struct Presence {
  int present = 0;
  int missing = 0;
};

Presence FiguresOf(const LineCheck& line) {
  Presence presence;
  const auto count = [&presence](const CheckedNumber& number) {
    if (number) {
      EXPECT_TRUE(std::isfinite(*number));
      ++presence.present;
    } else {
      ++presence.missing;
    }
  };
  VisitLineFigures(line, [&](const char*, const auto& figure) {
    if constexpr (std::is_same_v<std::decay_t<decltype(figure)>, InductanceAtCurrent>) {
      VisitInductanceFigures(figure, [&](const char*, const CheckedNumber& n) { count(n); });
    } else {
      count(figure);
    }
  });
  for (const CheckedAngle& row : line.angles)
    VisitAngleFigures(row, [&](const char*, const CheckedNumber& n) { count(n); });
  return presence;
}

enum class Expect { Complete, Saturated, NoLine, BelowCopperLaw, Runaway };

struct Edge {
  const char* label;
  std::function<void(EntryTexts&, DesignRecord&)> entries;
  std::function<void(DesignRecord&)> record;
  Expect low;
  Expect high;
  bool highCrestAboveVout = false;
};

void ExpectLine(const LineCheck& line, Expect expected) {
  const Presence presence = FiguresOf(line);
  switch (expected) {
    case Expect::Complete:
      EXPECT_TRUE(line.usable && line.Steady() && !line.saturates);
      EXPECT_EQ(presence.missing, 0);
      break;
    case Expect::Saturated:
      EXPECT_TRUE(line.usable && line.saturates);
      EXPECT_EQ(line.thermal, ThermalEnding::NotComputed);
      EXPECT_TRUE(line.coreLossW && line.atIpkLine.lUh && !line.ipk && !line.windingTemperatureC);
      break;
    case Expect::NoLine:
      EXPECT_FALSE(line.usable);
      EXPECT_LE(presence.present, 2);  // vrms and vpeak
      break;
    case Expect::BelowCopperLaw:
      EXPECT_EQ(line.thermal, ThermalEnding::BelowCopperLaw);
      EXPECT_TRUE(line.ipk && line.coreLossW && !line.copperDcLossW && !line.windingTemperatureC);
      break;
    case Expect::Runaway:
      EXPECT_EQ(line.thermal, ThermalEnding::Runaway);
      EXPECT_GT(*line.windingTemperatureC, kRunawayTemperature);
      break;
  }
}

class EdgeTest : public testing::TestWithParam<Edge> {};

TEST_P(EdgeTest, GivesFiniteFiguresOrFlagsWhatIsMissing) {
  const DesignRecord record = Published(GetParam().entries, GetParam().record);
  const OperatingCheck check = CheckOperation(record, Grade60());
  {
    SCOPED_TRACE("low line");
    ExpectLine(check.lowLine, GetParam().low);
  }
  {
    SCOPED_TRACE("high line");
    ExpectLine(check.highLine, GetParam().high);
  }
  EXPECT_FALSE(check.lowLine.peakAboveVout);
  EXPECT_EQ(check.highLine.peakAboveVout, GetParam().highCrestAboveVout);
}

auto Set(std::string EntryTexts::*field, std::string text) {
  return [field, text](EntryTexts& e, DesignRecord&) { e.*field = text; };
}

void PickTd26(EntryTexts& e, DesignRecord& r) {
  r.CalcType = DesignerPicks;
  e.chkPickCore = true;
  e.txtCoreSize = "TD-26 (OD 46.73mm, ID 21.69mm, HT 20.57mm)";
}

using E = EntryTexts;

INSTANTIATE_TEST_SUITE_P(
    Designs, EdgeTest,
    testing::Values(
        Edge{"OneTurn", Set(&E::txtInductance, "0.000000001"),
             [](DesignRecord& r) { ASSERT_EQ(r.Turns, 1); }, Expect::Saturated, Expect::Saturated},
        Edge{"ThirtyOneThousandTurnsAtFortyHertz",
             {},
             [](DesignRecord& r) {
               r.Turns = 31000;
               r.Frequency = 40;
             },
             Expect::Complete,
             Expect::Complete},
        Edge{"OneMegahertz",
             Set(&E::txtFrequency, "1000000"),
             {},
             Expect::Complete,
             Expect::Complete},
        Edge{"Awg44", Set(&E::txtOutputPower, "0.01"),
             [](DesignRecord& r) { ASSERT_EQ(r.WireGauge, 44); }, Expect::Complete,
             Expect::Complete},
        Edge{"HighLineBelowTheLowLine",
             Set(&E::txtVinMax, "80"),
             {},
             Expect::Complete,
             Expect::Complete},
        Edge{"HighLineCrestAboveVout",
             Set(&E::txtVinMax, "300"),
             {},
             Expect::Complete,
             Expect::Complete,
             true},
        Edge{"EfficiencyOfAHundredPercent",
             Set(&E::txtEfficiency, "100"),
             {},
             Expect::Complete,
             Expect::Complete},
        Edge{"HighLineZero", Set(&E::txtVinMax, "0"), {}, Expect::Complete, Expect::NoLine},
        Edge{"HighLineNegative", Set(&E::txtVinMax, "-264"), {}, Expect::Complete, Expect::NoLine},
        Edge{"HighLineOf1e308Volts",
             Set(&E::txtVinMax, "1" + std::string(308, '0')),
             {},
             Expect::Complete,
             Expect::Complete,
             true},
        Edge{"HighLineCrestBeyondTheLargestDouble",
             Set(&E::txtVinMax, "15" + std::string(307, '0')),
             {},
             Expect::Complete,
             Expect::NoLine,
             true},
        Edge{"OneMillihertz",
             [](EntryTexts& e, DesignRecord& r) {
               PickTd26(e, r);
               e.txtFrequency = "0.001";
             },
             {},
             Expect::Saturated,
             Expect::Saturated},
        Edge{"AmbientFarBelowTheCopperLaw",
             Set(&E::txtAmbientTemp, "-300"),
             {},
             Expect::BelowCopperLaw,
             Expect::BelowCopperLaw},
        Edge{"OneTurnAtAMegahertzCarryingFiveKilowatts",
             [](EntryTexts& e, DesignRecord&) {
               e.txtFrequency = "1000000";
               e.txtInductance = "0.0000001";
               e.txtOutputPower = "5000";
             },
             {},
             Expect::Runaway,
             Expect::Runaway}),
    [](const testing::TestParamInfo<Edge>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace pfc
