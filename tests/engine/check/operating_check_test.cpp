#include "engine/check/operating_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/method/design_run.h"
#include "tests/engine/loaded_tables.h"

namespace pfc {
namespace {

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

void PickTd26(EntryTexts& e, DesignRecord& r) {
  r.CalcType = DesignerPicks;
  e.pickCore = true;
  e[Entry::CoreSize] = "TD-26 (OD 46.73mm, ID 21.69mm, HT 20.57mm)";
}

// The published reference of the default design (TD-26, 31 turns, AWG 12) at its default
// grade 90, each figure to the digits it is given with; two figures at grade 60.
struct Reference {
  const char* label;
  int grade;
  std::function<CheckedNumber(const OperatingCheck&)> figure;
  double value;
  double halfDigit;
};

class ReferenceTest : public testing::TestWithParam<Reference> {};

TEST_P(ReferenceTest, MatchesTheDefaultDesign) {
  static const DesignRecord published = Published();
  ASSERT_EQ(DefaultGradeFor(published).permeability, 90);
  const OperatingCheck check = CheckOperation(published, *FindRolloffGrade(GetParam().grade));
  const CheckedNumber figure = GetParam().figure(check);
  ASSERT_TRUE(figure.has_value());
  EXPECT_NEAR(*figure, GetParam().value, GetParam().halfDigit);
}

INSTANTIATE_TEST_SUITE_P(
    DefaultDesign, ReferenceTest,
    testing::Values(
        Reference{"CataloguePermeability", 90, [](auto& c) { return c.cataloguePermeability; },
                  100.031, 0.0005},
        Reference{"MaterialAl", 90, [](auto& c) { return c.alNh; }, 201.54, 0.005},
        Reference{"LowLineLAtIpkLine", 90, [](auto& c) { return c.lowLine.atIpkLine.lUh; }, 48.24,
                  0.005},
        Reference{"LowLineLAtIpkLinePercent", 90,
                  [](auto& c) { return c.lowLine.atIpkLine.lPercentOfTarget; }, 32.16, 0.005},
        Reference{"LowLineIpk", 90, [](auto& c) { return c.lowLine.ipk; }, 34.46, 0.005},
        Reference{"LowLineIpkAngle", 90, [](auto& c) { return c.lowLine.ipkAngleDeg; }, 90, 0},
        Reference{"LowLineWorstRipple", 90, [](auto& c) { return c.lowLine.rippleMaxPp; }, 16.39,
                  0.005},
        Reference{"LowLineWorstRippleAngle", 90,
                  [](auto& c) { return c.lowLine.rippleMaxAngleDeg; }, 90, 0},
        Reference{"LowLineWorstRipplePercent", 90,
                  [](auto& c) { return c.lowLine.rippleMaxPercentOfIpkLine; }, 62.39, 0.005},
        Reference{"LowLineCoreLoss", 90, [](auto& c) { return c.lowLine.coreLossW; }, 4.0600,
                  0.00005},
        Reference{"LowLineCopperDc", 90, [](auto& c) { return c.lowLine.copperDcLossW; }, 5.382,
                  0.0005},
        Reference{"LowLineCopperAc", 90, [](auto& c) { return c.lowLine.copperAcLossW; }, 1.129,
                  0.0005},
        Reference{"LowLineWoundSurface", 90, [](auto& c) { return c.lowLine.woundSurfaceCm2; },
                  89.70, 0.005},
        Reference{"LowLineWinding", 90, [](auto& c) { return c.lowLine.windingTemperatureC; },
                  103.13, 0.005},
        Reference{"HighLineIpk", 90, [](auto& c) { return c.highLine.ipk; }, 8.997, 0.0005},
        Reference{"HighLineIpkAngle", 90, [](auto& c) { return c.highLine.ipkAngleDeg; }, 61, 0},
        Reference{"HighLineWorstRipple", 90, [](auto& c) { return c.highLine.rippleMaxPp; }, 5.669,
                  0.0005},
        Reference{"HighLineWorstRippleAngle", 90,
                  [](auto& c) { return c.highLine.rippleMaxAngleDeg; }, 34, 0},
        Reference{"HighLineCoreLoss", 90, [](auto& c) { return c.highLine.coreLossW; }, 4.0839,
                  0.00005},
        Reference{"HighLineCopperDc", 90, [](auto& c) { return c.highLine.copperDcLossW; }, 0.5151,
                  0.00005},
        Reference{"HighLineCopperAc", 90, [](auto& c) { return c.highLine.copperAcLossW; }, 0.1455,
                  0.00005},
        Reference{"HighLineWoundSurface", 90, [](auto& c) { return c.highLine.woundSurfaceCm2; },
                  89.70, 0.005},
        Reference{"HighLineWinding", 90, [](auto& c) { return c.highLine.windingTemperatureC; },
                  77.26, 0.005},
        Reference{"Grade60LowLinePercent", 60,
                  [](auto& c) { return c.lowLine.atIpkLine.lPercentOfTarget; }, 37.45, 0.005},
        Reference{"Grade60LowLineIpk", 60, [](auto& c) { return c.lowLine.ipk; }, 33.48, 0.005}),
    [](const testing::TestParamInfo<Reference>& info) { return std::string(info.param.label); });

// The copper loss is the one at the temperature the check reports, and that temperature is the
// wound-surface law's for the total loss: the iteration stopped where it had settled.
TEST(OperatingCheck, ReportsTheLossesOfItsOwnWindingTemperature) {
  const DesignRecord record = Published();
  const OperatingCheck check = CheckOperation(record, DefaultGradeFor(record));
  for (const LineCheck* line : {&check.lowLine, &check.highLine}) {
    ASSERT_TRUE(line->Steady());
    const double t = *line->windingTemperatureC;
    const double dc =
        *line->iinRms * *line->iinRms * record.WindingResistance * (1 + 0.00393 * (t - 20));
    EXPECT_NEAR(*line->copperDcLossW, dc, 1e-10 * dc);
    const double rise = std::pow(1000 * *line->totalLossW / *line->woundSurfaceCm2, 0.833);
    EXPECT_NEAR(t, record.AmbientTemp + rise, 1e-8);
  }
}

// Against the sine law at half the swing, iGSE's triangular flux loses less at an even duty
// and more the more lopsided the duty.
TEST(TriangularLossDensity, RelatesToTheSineLawByTheDuty) {
  const struct {
    double duty;
    double factor;
  } cases[] = {{0.5, 0.95958}, {0.1, 1.13167}, {0.02, 1.47833}, {0.98, 1.47833}};
  const CoreLossFit fit = kMethodCoreLossFit;
  for (const auto& c : cases) {
    for (const double swing : {0.01, 0.3}) {
      const double sine = fit.k * std::pow(100.0, fit.alpha) * std::pow(swing / 2, fit.beta);
      EXPECT_NEAR(TriangularLossDensity(fit, swing, c.duty, 100e3) / sine, c.factor, 5e-6)
          << c.duty;
    }
  }
  EXPECT_EQ(TriangularLossDensity(fit, 0, 0.5, 100e3), 0);
  EXPECT_EQ(TriangularLossDensity(fit, 0.1, 0, 100e3), 0);
  EXPECT_EQ(TriangularLossDensity(fit, 0.1, 1, 100e3), 0);
}

TEST(NearestGrade, TakesTheLowerGradeOnATie) {
  const struct {
    double permeability;
    int grade;
  } cases[] = {{100.031, 90}, {82.5, 75}, {82.6, 90}, {0, 14}, {1000, 160}, {153.5, 147}};
  for (const auto& c : cases)
    EXPECT_EQ(NearestGrade(c.permeability).permeability, c.grade) << c.permeability;
}

// A stack scales AL and the section alike: the core's permeability, and the grade that matches
// it, stay those of one core.
TEST(CataloguePermeability, IsTheSameForEveryStack) {
  const DesignRecord one = Published();
  for (const char* stack : {"2", "5", "9"}) {
    const DesignRecord stacked = Published([&](EntryTexts& e, DesignRecord& r) {
      PickTd26(e, r);
      e[Entry::Stack] = stack;
    });
    EXPECT_NEAR(CataloguePermeability(stacked), CataloguePermeability(one),
                1e-12 * CataloguePermeability(one));
  }
}

// Without roll-off the inductance is L0 everywhere: every ripple is VS/L0, and at the low line
// (Vpk below Vout/2) VS and with it the ripple grow up to the crest.
TEST(OperatingCheck, ConstantInductanceGivesVoltSecondsOverL0) {
  const DesignRecord record = Published();
  const double l0 = record.Turns * record.Turns * record.AlValue * 1e-9;
  Material asCatalogued;  // keeps the catalogue's AL
  asCatalogued.permeability = CataloguePermeability(record);
  asCatalogued.c = 1.74;
  const OperatingCheck check = CheckOperation(record, asCatalogued);
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
  const OperatingCheck check = CheckOperation(record, DefaultGradeFor(record));
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

auto Set(Entry field, std::string text) {
  return [field, text](EntryTexts& e, DesignRecord&) { e[field] = text; };
}

INSTANTIATE_TEST_SUITE_P(
    Designs, EdgeTest,
    testing::Values(
        Edge{"OneTurn", Set(Entry::Inductance, "0.000000001"),
             [](DesignRecord& r) { ASSERT_EQ(r.Turns, 1); }, Expect::Saturated, Expect::Saturated},
        Edge{"ThirtyOneThousandTurnsAtFortyHertz",
             {},
             [](DesignRecord& r) {
               r.Turns = 31000;
               r.Frequency = 40;
             },
             Expect::Complete,
             Expect::Complete},
        Edge{"WindingFillsTheHole",
             {},
             [](DesignRecord& r) {
               r.Turns = 400;
               ASSERT_EQ(WindingOn(r).id, 0);
             },
             Expect::Complete,
             Expect::Complete},
        Edge{"DutyNearZeroAtTheHighLineCrest",
             {},
             [](DesignRecord& r) { r.VinMax = r.Vout / std::sqrt(2.0) * (1 - 1e-12); },
             Expect::Complete,
             Expect::Complete},
        Edge{"DutyNearOneAtHalfAVolt",
             {},
             [](DesignRecord& r) {
               r.VinMin = 0.5;
               r.InputPower = 1;
             },
             Expect::Complete,
             Expect::Complete},
        Edge{"OneMegahertz",
             Set(Entry::Frequency, "1000000"),
             {},
             Expect::Complete,
             Expect::Complete},
        Edge{"Awg44", Set(Entry::OutputPower, "0.01"),
             [](DesignRecord& r) { ASSERT_EQ(r.WireGauge, 44); }, Expect::Complete,
             Expect::Complete},
        Edge{"HighLineBelowTheLowLine",
             Set(Entry::VinMax, "80"),
             {},
             Expect::Complete,
             Expect::Complete},
        Edge{"HighLineCrestAboveVout",
             Set(Entry::VinMax, "300"),
             {},
             Expect::Complete,
             Expect::Complete,
             true},
        Edge{"EfficiencyOfAHundredPercent",
             Set(Entry::Efficiency, "100"),
             {},
             Expect::Complete,
             Expect::Complete},
        Edge{"HighLineZero", Set(Entry::VinMax, "0"), {}, Expect::Complete, Expect::NoLine},
        Edge{"HighLineNegative", Set(Entry::VinMax, "-264"), {}, Expect::Complete, Expect::NoLine},
        Edge{"HighLineOf1e308Volts",
             Set(Entry::VinMax, "1" + std::string(308, '0')),
             {},
             Expect::Complete,
             Expect::Complete,
             true},
        Edge{"HighLineCrestBeyondTheLargestDouble",
             Set(Entry::VinMax, "15" + std::string(307, '0')),
             {},
             Expect::Complete,
             Expect::NoLine,
             true},
        Edge{"OneMillihertz",
             [](EntryTexts& e, DesignRecord& r) {
               PickTd26(e, r);
               e[Entry::Frequency] = "0.001";
             },
             {},
             Expect::Saturated,
             Expect::Saturated},
        Edge{"AmbientFarBelowTheCopperLaw",
             Set(Entry::AmbientTemp, "-300"),
             {},
             Expect::BelowCopperLaw,
             Expect::BelowCopperLaw},
        Edge{"OneTurnAtAMegahertzCarryingFiveKilowatts",
             [](EntryTexts& e, DesignRecord&) {
               e[Entry::Frequency] = "1000000";
               e[Entry::Inductance] = "0.0000001";
               e[Entry::OutputPower] = "5000";
             },
             {},
             Expect::Runaway,
             Expect::Runaway}),
    [](const testing::TestParamInfo<Edge>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace pfc
