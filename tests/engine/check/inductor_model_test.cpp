#include "engine/check/inductor_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "engine/method/design_run.h"
#include "tests/engine/loaded_tables.h"

namespace pfc {
namespace {

// The default design's winding: 31 turns, 224 nH/turn², 10.55 cm path.
RolloffInductor Winding(int grade) {
  return RolloffInductor(31, 224, 10.55, *FindRolloffGrade(grade));
}

// λ read from the table by linear interpolation.
double Interpolated(const FluxLinkageTable& table, double current) {
  const auto& p = table.points;
  const auto above = std::upper_bound(p.begin(), p.end(), current,
                                      [](double i, const ModelPoint& q) { return i < q.current; });
  const auto& high = above == p.end() ? p.back() : *above;
  const auto& low = above == p.end() ? p[p.size() - 2] : *(above - 1);
  return low.fluxLinkage + (high.fluxLinkage - low.fluxLinkage) * (current - low.current) /
                               (high.current - low.current);
}

struct TableCase {
  const char* label;
  int grade;
  double peakCurrent;  // A
  bool saturates;      // the 95 % current lies below 1.5 × the peak
  bool curved = true;  // rolls off enough over the span that segments use their allowance
};

class TableTest : public testing::TestWithParam<TableCase> {};

TEST_P(TableTest, SpansTheRangeOddAndAscending) {
  const RolloffInductor winding = Winding(GetParam().grade);
  const FluxLinkageTable table = TabulateFluxLinkage(winding, GetParam().peakCurrent);
  const auto& p = table.points;
  ASSERT_GE(p.size(), 3u);
  EXPECT_EQ(table.endsAtSaturation, GetParam().saturates);
  const double span = 1.5 * GetParam().peakCurrent;
  if (GetParam().saturates) {
    EXPECT_LT(table.currentLimit, span);
    EXPECT_NEAR(winding.FluxLinkage(table.currentLimit), 0.95 * winding.FluxLinkageLimit(),
                1e-12 * winding.FluxLinkageLimit());
  } else {
    EXPECT_EQ(table.currentLimit, span);
    EXPECT_LE(winding.FluxLinkage(span), 0.95 * winding.FluxLinkageLimit());
  }
  EXPECT_EQ(p.back().current, table.currentLimit);
  EXPECT_EQ(p.size() % 2, 1u);
  for (std::size_t k = 0; k < p.size(); ++k) {
    const ModelPoint& mirror = p[p.size() - 1 - k];
    EXPECT_EQ(p[k].current, -mirror.current) << k;
    EXPECT_EQ(p[k].fluxLinkage, -mirror.fluxLinkage) << k;
    EXPECT_EQ(p[k].inductance, mirror.inductance) << k;
    EXPECT_EQ(p[k].fluxLinkage, winding.FluxLinkage(p[k].current)) << k;
    EXPECT_EQ(p[k].inductance, winding.Inductance(p[k].current)) << k;
    if (k > 0) {
      EXPECT_LT(p[k - 1].current, p[k].current) << k;
    }
  }
}

// The bound is tested against the exact λ: at every segment's midpoint and at points
// between, interpolation misses λ by no more than the bound the table states, and that bound
// keeps the promised accuracy.
TEST_P(TableTest, InterpolatesWithinTheAccuracy) {
  const RolloffInductor winding = Winding(GetParam().grade);
  const FluxLinkageTable table = TabulateFluxLinkage(winding, GetParam().peakCurrent);
  ASSERT_FALSE(table.points.empty());
  EXPECT_LE(table.errorBound, kModelAccuracy);
  double worst = 0;
  for (std::size_t k = 1; k < table.points.size(); ++k) {
    const double from = table.points[k - 1].current;
    const double to = table.points[k].current;
    for (int step = 1; step < 16; ++step) {
      const double current = from + (to - from) * step / 16;
      const double exact = winding.FluxLinkage(current);
      const double error = std::fabs(Interpolated(table, current) - exact) / std::fabs(exact);
      worst = std::max(worst, error);
      EXPECT_LE(error, table.errorBound * (1 + 1e-9) + 1e-15) << current;
    }
  }
  // The steps are not wasted: some segment uses much of the allowance.
  if (GetParam().curved) {
    EXPECT_GT(worst, kModelAccuracy / 8);
  }
}

INSTANTIATE_TEST_SUITE_P(Windings, TableTest,
                         testing::Values(TableCase{"DefaultDesign", 60, 30.63, false},
                                         TableCase{"SteepGrade", 125, 30.63, false},
                                         TableCase{"SaturatesBelowTheSpan", 60, 600, true},
                                         TableCase{"FlatGrade", 14, 30.63, false},
                                         TableCase{"Milliamperes", 60, 1e-3, false, false},
                                         TableCase{"FarIntoTheRollOff", 60, 5000, true}),
                         [](const testing::TestParamInfo<TableCase>& info) {
                           return info.param.label;
                         });

struct SegmentCase {
  const char* label;
  double from;  // A
  double to;
  double looseness;  // how far above the sampled error the bound may lie
};

class BoundTest : public testing::TestWithParam<SegmentCase> {};

// The bound holds whatever the segment and is close to the error it bounds.
TEST_P(BoundTest, BoundsTheSampledErrorClosely) {
  const RolloffInductor winding = Winding(60);
  const double from = GetParam().from;
  const double to = GetParam().to;
  const double bound = InterpolationErrorBound(winding, from, to);
  const double slope = winding.FluxLinkageBetween(from, to) / (to - from);
  double worst = 0;
  for (int step = 1; step < 1000; ++step) {
    const double current = from + (to - from) * step / 1000;
    const double exact = winding.FluxLinkage(current);
    const double chord = winding.FluxLinkage(from) + slope * (current - from);
    worst = std::max(worst, (exact - chord) / exact);
  }
  EXPECT_GE(bound, worst * (1 - 1e-9));
  EXPECT_LE(bound, GetParam().looseness * worst);
}

INSTANTIATE_TEST_SUITE_P(
    Segments, BoundTest,
    testing::Values(SegmentCase{"FromZero", 0, 8, 1.01}, SegmentCase{"Narrow", 30, 30.5, 1.01},
                    SegmentCase{"Wide", 5, 45, 4}, SegmentCase{"FarOut", 400, 900, 1.5}),
    [](const testing::TestParamInfo<SegmentCase>& info) { return info.param.label; });

TEST(FluxLinkageTable, NoPeakCurrentGivesNoPoints) {
  for (const double peak : {0.0, -1.0, std::nan(""), HUGE_VAL})
    EXPECT_TRUE(TabulateFluxLinkage(Winding(60), peak).points.empty()) << peak;
}

// A published run of the default entries, edited.
DesignRecord Published(const std::function<void(EntryTexts&, DesignRecord&)>& edit = {}) {
  LoadedTables tables;
  EntryTexts entries;
  if (edit)
    edit(entries, tables.record);
  EXPECT_EQ(RunDesign(entries, tables.record, tables.catalogue, tables.wires).ending,
            RunEnding::Published);
  return tables.record;
}

TEST(ModelCheckedWinding, TheSeriesResistanceIsTheCheckedCopperAtTheLowLine) {
  const DesignRecord record = Published();
  const OperatingCheck check = CheckOperation(record, *FindRolloffGrade(60));
  const InductorModel model = ModelCheckedWinding(record, check);
  ASSERT_EQ(model.refusal, "");
  EXPECT_TRUE(model.checkedTemperature);
  EXPECT_EQ(model.temperatureC, *check.lowLine.windingTemperatureC);
  // The check's DC copper loss is I²·R at that temperature (give or take the last step of
  // its iteration, which moved the temperature by less than kSteadyMove).
  const double current = *check.lowLine.iinRms;
  EXPECT_NEAR(model.resistance, *check.lowLine.copperDcLossW / (current * current),
              1e-10 * model.resistance);
  EXPECT_EQ(model.table.peakCurrent, std::max(*check.lowLine.ipk, *check.highLine.ipk));
}

TEST(ModelCheckedWinding, ALineThatSaturatesSpansItsLinePeakAtTheMethodsTemperature) {
  // A millihertz: the core cannot carry the on-time at either line.
  const DesignRecord record = Published([](EntryTexts& e, DesignRecord& r) {
    r.CalcType = DesignerPicks;
    e.pickCore = true;
    e[Entry::CoreSize] = "TD-26 (OD 46.73mm, ID 21.69mm, HT 20.57mm)";
    e[Entry::Frequency] = "0.001";
  });
  const OperatingCheck check = CheckOperation(record, *FindRolloffGrade(60));
  ASSERT_TRUE(check.lowLine.saturates);
  const InductorModel model = ModelCheckedWinding(record, check);
  ASSERT_EQ(model.refusal, "");
  EXPECT_FALSE(model.checkedTemperature);
  EXPECT_EQ(model.temperatureC, record.AmbientTemp + record.TempRise);
  EXPECT_EQ(model.table.peakCurrent, std::max(*check.lowLine.ipkLine, *check.highLine.ipkLine));
}

TEST(ModelCheckedWinding, RefusesWhatCannotBeTabulated) {
  const DesignRecord record = Published();
  const OperatingCheck check = CheckOperation(record, *FindRolloffGrade(60));
  struct Case {
    const char* label;
    std::function<void(DesignRecord&, OperatingCheck&)> edit;
  };
  for (const Case& c :
       {Case{"NoUsableLine",
             [](DesignRecord&, OperatingCheck&k) {
               k.lowLine.usable = false;
               k.highLine.usable = false;
             }},
        Case{"NoCopperAtTheTemperature",
             [](DesignRecord&, OperatingCheck&k) { k.lowLine.windingTemperatureC = -300; }},
        Case{"NoRepresentableFluxLinkage",
             [](DesignRecord&r, OperatingCheck&) { r.AlValue = 1e-320; }}}) {
    DesignRecord edited = record;
    OperatingCheck checked = check;
    c.edit(edited, checked);
    EXPECT_NE(ModelCheckedWinding(edited, checked).refusal, "") << c.label;
  }
}

}  // namespace
}  // namespace pfc
