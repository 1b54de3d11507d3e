#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "engine/check/built_part.h"
#include "engine/check/given_winding.h"
#include "engine/check/operating_check.h"
#include "engine/method/design_run.h"
#include "engine/method/method_constants.h"
#include "tests/engine/loaded_tables.h"

namespace pfc {
namespace {

constexpr double kPi = std::numbers::pi;

// The default design (TD-26, 31 turns of AWG 12) with room in the window for thick windings.
struct RoomyDesign {
  LoadedTables tables;
  RoomyDesign() {
    EntryTexts entries;
    entries[Entry::FillFactor] = ".9";
    const RunOutcome run = RunDesign(entries, tables.record, tables.catalogue, tables.wires);
    EXPECT_EQ(run.ending, RunEnding::Published);
  }

  DesignRecord Wound(double turns, double gauge, double strands) const {
    DesignRecord record = tables.record;
    const WindingApplied applied =
        ApplyWinding(record, tables.wires, WindingRequest{turns, gauge, strands});
    EXPECT_TRUE(applied.Wound()) << applied.message;
    return record;
  }

  std::size_t Row(double gauge) const {
    return static_cast<std::size_t>(WireRowOfGauge(gauge, tables.wires));
  }
};

struct Winding {
  double turns;
  double gauge;
  double strands;
};

class StrandFormulaTest : public testing::TestWithParam<Winding> {};

TEST_P(StrandFormulaTest, HoldsTheWindingToTheStrandFormulas) {
  const RoomyDesign design;
  const Winding w = GetParam();
  const DesignRecord r = design.Wound(w.turns, w.gauge, w.strands);
  const std::size_t row = design.Row(w.gauge);
  const double d = design.tables.wires.Diameter[row];              // cm
  const double perCm = design.tables.wires.Resistance[row] / 1e6;  // Ω/cm
  const double conductors = w.strands * w.turns;
  constexpr double kClose = 1e-12;

  EXPECT_EQ(r.Strands, w.strands);
  EXPECT_NEAR(r.WindingResistance, perCm * r.MarginLength / w.strands,
              r.WindingResistance * kClose);
  // The method's fill, with its own π to ten figures.
  EXPECT_NEAR(r.ActualFillFactor, conductors * kMethodPi * d * d / (4 * r.WindowArea),
              r.ActualFillFactor * kClose);

  const double perLayer = kPi * (r.CoreID - d) / d;
  const double layers = std::max(1.0, conductors / perLayer);
  EXPECT_NEAR(LayersOf(r), layers, layers * kClose);
  const double inner = layers * d;
  const double outer = std::max(1.0, conductors * d / (kPi * (r.CoreOD + d))) * d;
  const WoundDimensions wound = WindingOn(r);
  EXPECT_NEAR(wound.od, r.CoreOD + 2 * outer, kClose);
  EXPECT_NEAR(wound.id, std::max(0.0, r.CoreID - 2 * inner), kClose);
  EXPECT_NEAR(wound.ht, r.CoreHT + inner + outer, kClose);

  const double lead = 10;  // cm
  const WindingInstructions instructions = InstructionsFor(r, lead);
  EXPECT_EQ(instructions.strands, static_cast<int>(w.strands));
  EXPECT_EQ(instructions.layers,
            static_cast<int>(std::ceil(conductors / std::max(1.0, std::floor(perLayer)))));
  EXPECT_NEAR(instructions.totalWireLength, w.strands * (r.MarginLength + 2 * lead), kClose);
}

// Every strand count; AWG 12 (3.3 mm) to 30 on TD-26, whose hole takes about 30 turns of
// AWG 12 a layer.
INSTANTIATE_TEST_SUITE_P(Windings, StrandFormulaTest,
                         testing::Values(Winding{31, 12, 1}, Winding{31, 15, 2}, Winding{25, 16, 3},
                                         Winding{20, 18, 4}, Winding{12, 20, 5}, Winding{40, 24, 6},
                                         Winding{9, 22, 7}, Winding{1, 30, 8}),
                         [](const auto& info) {
                           const Winding w = info.param;
                           return std::to_string(static_cast<int>(w.turns)) + "TurnsOf" +
                                  std::to_string(static_cast<int>(w.strands)) + "StrandsOfAwg" +
                                  std::to_string(static_cast<int>(w.gauge));
                         });

// Two strands three gauges thinner carry about the copper of the one thick wire (a little
// less: three gauges halve the area a little more than exactly), so the DC loss is a little
// higher. On TD-26 the 31 thick turns lie in one layer inside the hole and the 62 thin
// strands in about one and a half: Dowell's proximity term grows with the layers faster
// than the thinner copper lowers it, so the AC loss rises. Outside, both windings take one
// layer of the rim, the thinner one a thinner layer, so the part is built smaller.
TEST(Strands, TwoThinnerStrandsInMoreLayersTradeLossForASmallerBuild) {
  const RoomyDesign design;
  const DesignRecord one = design.Wound(31, 12, 1);
  const DesignRecord two = design.Wound(31, 15, 2);
  ASSERT_LT(LayersOf(one), 1.1);
  ASSERT_GT(LayersOf(two), 1.4);
  const Material material = GradeMaterialFor(one, kDefaultRolloffGrade);
  const OperatingCheck thick = CheckOperation(one, material);
  const OperatingCheck thin = CheckOperation(two, material);
  for (const auto line : {&OperatingCheck::lowLine, &OperatingCheck::highLine}) {
    const LineCheck& a = thick.*line;
    const LineCheck& b = thin.*line;
    EXPECT_GT(*b.copperDcLossW, *a.copperDcLossW);
    EXPECT_LT(*b.copperDcLossW, *a.copperDcLossW * 1.05);
    EXPECT_GT(*b.copperAcLossW, *a.copperAcLossW);
  }
  EXPECT_LT(WindingOn(two).od, WindingOn(one).od);
  EXPECT_LT(WindingOn(two).ht, WindingOn(one).ht);
}

// Where the layers stay the same, thinner strands lower the AC loss: 8 turns of AWG 12 and
// of two strands of AWG 15 each lie in less than one layer.
TEST(Strands, InTheSameSingleLayerThinnerStrandsLowerTheAcLoss) {
  const RoomyDesign design;
  const DesignRecord one = design.Wound(8, 12, 1);
  const DesignRecord two = design.Wound(8, 15, 2);
  ASSERT_EQ(LayersOf(one), 1);
  ASSERT_EQ(LayersOf(two), 1);
  const Material material = GradeMaterialFor(one, kDefaultRolloffGrade);
  const LineCheck thick = CheckLine(one, material, LineVoltage::Low);
  const LineCheck thin = CheckLine(two, material, LineVoltage::Low);
  ASSERT_TRUE(thick.copperAcLossW && thin.copperAcLossW);
  EXPECT_LT(*thin.copperAcLossW, *thick.copperAcLossW);
}

TEST(Strands, AreCountedInTheFillThatRefusesAWinding) {
  LoadedTables tables;
  EntryTexts entries;
  entries[Entry::FillFactor] = ".4";
  ASSERT_EQ(RunDesign(entries, tables.record, tables.catalogue, tables.wires).ending,
            RunEnding::Published);
  DesignRecord record = tables.record;
  // 31 turns of AWG 12 fill 29.9 %; a second strand doubles it.
  const WindingApplied applied =
      ApplyWinding(record, tables.wires, WindingRequest{std::nullopt, std::nullopt, 2.0});
  EXPECT_EQ(applied.refusal, WindingRefusal::Fill);
  EXPECT_NE(applied.message.find("31 turns of 2 strands of AWG 12 fill 59.9 %"), std::string::npos)
      << applied.message;
}

}  // namespace
}  // namespace pfc
