#include "engine/method/core_selection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/inputs/inputs.h"
#include "engine/method/core_design.h"
#include "tests/engine/loaded_tables.h"

namespace pfc {
namespace {

DesignRecord OperatingPoint(const LoadedTables& tables, const EntryTexts& entries) {
  DesignRecord record = tables.record;
  initValues(ReadEntries(entries), record);
  ComputeOperatingPoint(record);
  return record;
}

EntryTexts WithStack(const char* stack) {
  EntryTexts entries;
  entries[Entry::Stack] = stack;
  return entries;
}

TEST(SelectCore, ScansDownToTheSmallestRowAboveTheRequirement) {
  LoadedTables tables;
  DesignRecord record = OperatingPoint(tables, EntryTexts{});
  EXPECT_NEAR(record.AreaProduct, 4.38959, 5e-6);
  ASSERT_EQ(SelectCore(record, tables.catalogue), Selection::Selected);
  EXPECT_EQ(record.CoreIndex, 25);

  DesignRecord stacked = OperatingPoint(tables, WithStack("3"));
  ASSERT_EQ(SelectCore(stacked, tables.catalogue), Selection::Selected);
  EXPECT_EQ(stacked.CoreIndex, 19) << "3 × 1.52 exceeds 4.39, 3 × 1.45 does not";
}

struct ScanCase {
  const char* label;
  std::int16_t stack;
  double areaProduct;
  Selection selection;
  std::int16_t row;  // CoreIndex afterwards (7 = untouched)
};

void PrintTo(const ScanCase& c, std::ostream* os) {
  *os << c.label;
}

class SelectCoreBoundaryTest : public testing::TestWithParam<ScanCase> {};

TEST_P(SelectCoreBoundaryTest, HandlesTiesAndTheCatalogueEnds) {
  LoadedTables tables;
  DesignRecord record = tables.record;
  record.CoreIndex = 7;
  record.CoresToStack = GetParam().stack;
  record.AreaProduct = GetParam().areaProduct;
  EXPECT_EQ(SelectCore(record, tables.catalogue), GetParam().selection);
  EXPECT_EQ(record.CoreIndex, GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(
    Requirements, SelectCoreBoundaryTest,
    testing::Values(
        ScanCase{"equal to a row takes the next", 1, 6.17, Selection::Selected, 26},
        ScanCase{"just below a row takes it", 1, std::nextafter(6.17, 0.0), Selection::Selected,
                 25},
        ScanCase{"equal to the last row passes and takes it", 1, 11.38, Selection::Selected, 31},
        ScanCase{"beyond the last row stops", 1, std::nextafter(11.38, 100.0),
                 Selection::AreaProductStop, 7},
        ScanCase{"3000 W worth stops for one core", 1, 17.56, Selection::AreaProductStop, 7},
        ScanCase{"two cores hold 22.76", 2, 17.56, Selection::Selected, 30},
        ScanCase{"every row exceeds a tiny need", 1, 0.0049, Selection::Selected, 1},
        ScanCase{"an infinite need stops", 9, std::numeric_limits<double>::infinity(),
                 Selection::AreaProductStop, 7}));

TEST(SelectCore, TakesThePickedPartWithoutComparingItsArea) {
  LoadedTables tables;
  DesignRecord record = tables.record;
  record.CalcType = DesignerPicks;
  record.CoresToStack = 1;
  record.AreaProduct = 1000;
  record.SelectedCoreSize = "TD-07";
  EXPECT_EQ(SelectCore(record, tables.catalogue), Selection::Selected);
  EXPECT_EQ(record.CoreIndex, 7);

  record.SelectedCoreSize = "TD-99";
  EXPECT_EQ(SelectCore(record, tables.catalogue), Selection::UnknownCore);
  EXPECT_EQ(record.CoreIndex, 7);
  record.SelectedCoreSize = "";
  EXPECT_EQ(SelectCore(record, tables.catalogue), Selection::UnknownCore);
}

TEST(CoreAccepted, LimitsAreInclusive) {
  DesignRecord record;
  record.AmbientTemp = 50;
  record.TempRise = 105;
  record.HMax = 115;
  EXPECT_TRUE(CoreAccepted(record));
  record.HMax = std::nextafter(115.0, 200.0);
  EXPECT_FALSE(CoreAccepted(record));
  record.HMax = 100;
  record.TempRise = std::nextafter(105.0, 200.0);
  EXPECT_FALSE(CoreAccepted(record));
  record.TempRise = std::nan("");
  EXPECT_FALSE(CoreAccepted(record));
}

// Evaluates one row for the record's stack on a copy.
DesignRecord Evaluated(DesignRecord record, const LoadedTables& tables, std::int16_t row) {
  LoadCore(record, tables.catalogue, row);
  EvaluateCore(record, tables.wires);
  return record;
}

TEST(RefineCore, StepsToTheFirstAcceptedLargerRow) {
  LoadedTables tables;
  struct Case {
    EntryTexts entries;
    std::int16_t first;
    std::int16_t accepted;
  };
  EntryTexts fiftyWatts;
  fiftyWatts[Entry::OutputPower] = "50";
  for (const Case& c :
       {Case{EntryTexts{}, 25, 26}, Case{WithStack("3"), 19, 20}, Case{fiftyWatts, 1, 0}}) {
    DesignRecord record = OperatingPoint(tables, c.entries);
    const DesignRecord start = record;
    ASSERT_EQ(SelectCore(record, tables.catalogue), Selection::Selected);
    EXPECT_EQ(record.CoreIndex, c.first);
    EXPECT_EQ(RefineCore(record, tables.catalogue, tables.wires), Refinement::Completed);
    if (c.accepted != 0) {
      EXPECT_EQ(record.CoreIndex, c.accepted);
    }
    EXPECT_TRUE(CoreAccepted(record));
    for (std::int16_t row = c.first; row < record.CoreIndex; ++row) {
      EXPECT_FALSE(CoreAccepted(Evaluated(start, tables, row))) << "row " << row;
    }
  }
}

TEST(RefineCore, EvaluatesAPickedCoreOnceWhateverItGives) {
  LoadedTables tables;
  DesignRecord record = OperatingPoint(tables, EntryTexts{});
  record.CalcType = DesignerPicks;
  record.CoreIndex = 3;  // far too small
  EXPECT_EQ(RefineCore(record, tables.catalogue, tables.wires), Refinement::Completed);
  EXPECT_EQ(record.CoreIndex, 3);
  EXPECT_FALSE(CoreAccepted(record));
}

}  // namespace
}  // namespace pfc
