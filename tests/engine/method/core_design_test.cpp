#include "engine/method/core_design.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/inputs/inputs.h"
#include "engine/method/core_selection.h"
#include "tests/engine/loaded_tables.h"
#include "tests/engine/record_values.h"

namespace pfc {
namespace {

// The record of a run on the form's default entries, up to the operating point.
DesignRecord DefaultOperatingPoint(const LoadedTables& tables) {
  DesignRecord record = tables.record;
  initValues(ReadEntries(EntryTexts{}), record);
  ComputeOperatingPoint(record);
  return record;
}

struct Expected {
  const char* name;
  double DesignRecord::*field;
  double value;
  double tolerance;
};

TEST(EvaluateCore, ReproducesTheWorkedDefaultDesignOnRow26) {
  LoadedTables tables;
  DesignRecord record = DefaultOperatingPoint(tables);
  LoadCore(record, tables.catalogue, 26);
  ASSERT_EQ(EvaluateCore(record, tables.wires), Evaluation::Completed);
  using R = DesignRecord;
  const std::vector<Expected> expected = {
      {"InputPower", &R::InputPower, 1578.947, 5e-4},
      {"IinRms", &R::IinRms, 18.5759, 5e-5},
      {"IinPeakLine", &R::IinPeakLine, 26.2702, 5e-5},
      {"Iripple", &R::Iripple, 2.6270, 5e-5},
      {"IinPeak", &R::IinPeak, 27.5837, 5e-5},
      {"Energy", &R::Energy, 0.0570647, 5e-8},
      {"AreaProduct", &R::AreaProduct, 6.94, 1e-12},
      {"SurfaceArea", &R::SurfaceArea, 71.1262, 5e-5},
      {"Tstep", &R::Tstep, 10, 1e-12},
      {"Turns", &R::Turns, 31, 0},
      {"HMax", &R::HMax, 101.853, 5e-4},
      {"ZeroBiasL", &R::ZeroBiasL, 215.264, 1e-9},
      {"ConductorArea", &R::ConductorArea, 0.0371517, 5e-8},
      {"WireGauge", &R::WireGauge, 12, 0},
      {"WireArea", &R::WireArea, 0.03564, 1e-15},
      {"WireDia", &R::WireDia, 0.213, 0},
      {"WireResistance", &R::WireResistance, 52.09e-6, 1e-18},
      {"ActualFillFactor", &R::ActualFillFactor, 0.29935, 5e-6},
      {"MLT", &R::MLT, 6.618, 1e-12},
      {"ConductorLength", &R::ConductorLength, 205.158, 5e-4},
      {"MarginLength", &R::MarginLength, 225.674, 5e-4},
      {"WindingResistance", &R::WindingResistance, 0.0117553, 5e-8},
      {"CopperLoss", &R::CopperLoss, 4.0563, 5e-5},
      {"Vpeak", &R::Vpeak, 120.19, 1e-12},
      {"Dmax", &R::Dmax, 0.683711, 5e-7},
      {"DeltaB", &R::DeltaB, 1410.006, 5e-4},
      {"DeltaBavg", &R::DeltaBavg, 1019.435, 5e-4},
      {"Bac", &R::Bac, 509.717, 5e-4},
      {"CoreLossDensity", &R::CoreLossDensity, 25.0147, 5e-5},
      {"CoreLoss", &R::CoreLoss, 3.5596, 5e-5},
      {"TotalLoss", &R::TotalLoss, 7.6159, 5e-5},
      {"TempRise", &R::TempRise, 69.976, 5e-4},
  };
  for (const Expected& e : expected) {
    EXPECT_NEAR(record.*e.field, e.value, e.tolerance) << e.name;
  }
  EXPECT_NEAR(record.AmbientTemp + record.TempRise, 120, 0.5);
}

TEST(LoadCore, ScalesTheStackButNotTheWindowOrPath) {
  LoadedTables tables;
  DesignRecord one = tables.record;
  one.CoresToStack = 1;
  LoadCore(one, tables.catalogue, 20);
  DesignRecord three = tables.record;
  three.CoresToStack = 3;
  LoadCore(three, tables.catalogue, 20);

  EXPECT_DOUBLE_EQ(three.CoreHT, 3.315);  // 11.05 mm × 3 in cm
  EXPECT_DOUBLE_EQ(three.CoreArea, 3 * 0.658);
  EXPECT_DOUBLE_EQ(three.AlValue, 291);
  EXPECT_DOUBLE_EQ(three.CoreMass, 3 * 40.041);
  EXPECT_DOUBLE_EQ(three.AreaProduct, 5.31);
  EXPECT_EQ(three.WindowArea, 2.69);
  EXPECT_EQ(three.PathLength, 8.478);
  EXPECT_DOUBLE_EQ(three.CoreOD, 3.652);
  EXPECT_DOUBLE_EQ(three.CoreID, 1.851);
  EXPECT_EQ(three.CoreOD, one.CoreOD);
  // The end faces stay; the outer and inner walls grow with the height.
  const double walls =
      one.CoreOD * 3.141592654 * one.CoreHT + one.CoreID * 3.141592654 * one.CoreHT;
  EXPECT_NEAR(three.SurfaceArea - one.SurfaceArea, 2 * walls, 1e-9);
}

// Finds an inductance, within a few steps of the guess, for which the turns formula meets
// the root exactly, so that ties can be set up.
double InductanceForRoot(double root, double alValue) {
  double inductance = root * root * (alValue * 0.7) / 1e9;
  for (int step = 0; step < 64; ++step) {
    const double x = (inductance * 1e9) / (alValue * 0.7);
    if (x == root * root)
      return inductance;
    inductance = std::nextafter(inductance, x < root * root ? 1.0 : 0.0);
  }
  return std::nan("");
}

TEST(EvaluateCore, RoundsTurnsHalfToEvenAndClampsThem) {
  LoadedTables tables;
  DesignRecord record = DefaultOperatingPoint(tables);
  LoadCore(record, tables.catalogue, 26);
  struct Case {
    double root;
    double turns;
  };
  for (const Case c : {Case{30.5, 30}, Case{31.5, 32}, Case{2.5, 2}}) {
    record.Inductance = InductanceForRoot(c.root, record.AlValue);
    ASSERT_FALSE(std::isnan(record.Inductance)) << c.root;
    EvaluateCore(record, tables.wires);
    EXPECT_EQ(record.Turns, c.turns) << c.root;
  }
  record.Inductance = 0.1;
  record.AlValue = 1e-6;  // root far above 32000
  EvaluateCore(record, tables.wires);
  EXPECT_EQ(record.Turns, 31000);
  record.Inductance = 1e-12;
  record.AlValue = 224;  // root rounds to 0
  EvaluateCore(record, tables.wires);
  EXPECT_EQ(record.Turns, 1);
}

TEST(SelectWire, ChoosesTheThickestWireNotAboveTheRequiredArea) {
  LoadedTables tables;
  const WireTable& wires = tables.wires;
  EXPECT_EQ(SelectWire(0.0371517, wires), 5);  // AWG 12
  EXPECT_EQ(SelectWire(1.0, wires), 1);        // AWG 8 and thicker needs
  EXPECT_EQ(SelectWire(0.0356, wires), 6);     // just below AWG 12's 35.64
  EXPECT_EQ(SelectWire(0.00003, wires), 0);    // below AWG 44's 0.031685
  int exactRows = 0;
  for (std::int16_t k = 1; k <= wires.RowCount(); ++k) {
    const double area = wires.Area[static_cast<std::size_t>(k)] / 1000;
    if (area * 1000 == wires.Area[static_cast<std::size_t>(k)]) {
      ++exactRows;
      EXPECT_EQ(SelectWire(area, wires), k) << "equal area chooses row " << k;
    }
  }
  EXPECT_GT(exactRows, 10);
}

TEST(EvaluateCore, TakesTheThinnestWireForATinyCurrent) {
  LoadedTables tables;
  DesignRecord record = DefaultOperatingPoint(tables);
  LoadCore(record, tables.catalogue, 26);
  record.WireGauge = 12;  // the previous design's wire
  record.IinRms = 0.01;   // 0.00002 cm², below every tabulated wire
  ASSERT_EQ(EvaluateCore(record, tables.wires), Evaluation::Completed);
  EXPECT_EQ(record.WireGauge, 44);
  EXPECT_EQ(record.WireDia, 0.00635);
  EXPECT_DOUBLE_EQ(record.WireResistance, 0.085072);
  EXPECT_DOUBLE_EQ(record.WireArea, 0.000031685);
}

TEST(EvaluateCore, AVpeakStopKeepsTheFieldsItDidNotReach) {
  LoadedTables tables;
  DesignRecord record = DefaultOperatingPoint(tables);
  LoadCore(record, tables.catalogue, 26);
  record.Vout = 100;
  for (double DesignRecord::*field :
       {&DesignRecord::Dmax, &DesignRecord::DeltaB, &DesignRecord::DeltaBavg, &DesignRecord::Bac,
        &DesignRecord::CoreLossDensity, &DesignRecord::CoreLoss, &DesignRecord::TotalLoss,
        &DesignRecord::TempRise}) {
    record.*field = -7;
  }
  EXPECT_EQ(EvaluateCore(record, tables.wires), Evaluation::VpeakStop);
  EXPECT_EQ(record.Turns, 31);
  EXPECT_NEAR(record.CopperLoss, 4.0563, 5e-5);
  EXPECT_DOUBLE_EQ(record.Vpeak, 120.19);
  EXPECT_EQ(record.Dmax, -7);
  EXPECT_EQ(record.CoreLoss, -7);
  EXPECT_EQ(record.TempRise, -7);
}

TEST(EvaluateCore, AnOutputEqualToTheLinePeakHasNoCoreLoss) {
  LoadedTables tables;
  DesignRecord record = DefaultOperatingPoint(tables);
  LoadCore(record, tables.catalogue, 26);
  record.Vout = record.VinMin * 1.414;
  ASSERT_EQ(EvaluateCore(record, tables.wires), Evaluation::Completed);
  EXPECT_EQ(record.Dmax, 0);
  EXPECT_EQ(record.DeltaB, 0);
  EXPECT_EQ(record.CoreLoss, 0);
  EXPECT_EQ(record.TotalLoss, record.CopperLoss);
}

TEST(EvaluateCore, NothingOfAnEarlierCandidateLeaksIntoTheNext) {
  LoadedTables tables;
  DesignRecord fresh = DefaultOperatingPoint(tables);
  DesignRecord reused = fresh;
  LoadCore(fresh, tables.catalogue, 26);
  EvaluateCore(fresh, tables.wires);
  reused.CoresToStack = 1;
  LoadCore(reused, tables.catalogue, 1);
  EvaluateCore(reused, tables.wires);
  LoadCore(reused, tables.catalogue, 26);
  EvaluateCore(reused, tables.wires);
  EXPECT_EQ(RecordValues(fresh), RecordValues(reused));
}

}  // namespace
}  // namespace pfc
