#include "reports/check/check_figures.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "engine/check/operating_check.h"
#include "engine/check/rolloff_grades.h"

namespace pfc {
namespace {

// Four significant digits with halves to even on the exact binary value, trailing zeros kept;
// numbers a column cannot hold as plain decimals in exponent form.
struct Rounding {
  FigureCell cell;
  char separator;
  const char* shown;
};

class FigureTextTest : public ::testing::TestWithParam<Rounding> {};

TEST_P(FigureTextTest, RoundsToFourSignificantDigits) {
  EXPECT_EQ(FigureTextWithUnit(GetParam().cell, "A", GetParam().separator), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FigureTextTest,
    ::testing::Values(Rounding{{1.0625}, '.', "1.062 A"}, Rounding{{1.1875}, '.', "1.188 A"},
                      Rounding{{1000.5}, '.', "1000 A"}, Rounding{{1001.5}, '.', "1002 A"},
                      Rounding{{123456.7}, '.', "123457 A"}, Rounding{{0.384}, '.', "0.3840 A"},
                      Rounding{{-0.03125}, ',', "-0,03125 A"}, Rounding{{0.0}, '.', "0 A"},
                      Rounding{{std::nullopt}, '.', "—"},
                      Rounding{{1.23456e20}, '.', "1.235E+20 A"},
                      Rounding{{9.99960e20}, ',', "1,000E+21 A"},
                      Rounding{{-4.5e-9}, '.', "-4.500E-09 A"},
                      Rounding{{89.5, FigureFormat::Degrees}, '.', "90 A"},
                      Rounding{{90.5, FigureFormat::Degrees}, '.', "90 A"},
                      Rounding{{0.7, FigureFormat::Entered}, ',', "0,7 A"},
                      Rounding{{150.00000000000003, FigureFormat::Entered}, '.', "150 A"},
                      Rounding{{{}, FigureFormat::Significant, "none"}, '.', "none"},
                      Rounding{{4.0, FigureFormat::Significant, "steady"}, '.', "steady"}));

// Every figure the check exports for a line is shown in its line's column, and nowhere else:
// each figure of the low line gets its own value, the high line's the same plus 500, and the
// row that shows one must show the other beside it.
TEST(CheckFigureRows, ShowEveryExportedFigureInItsLinesColumn) {
  OperatingCheck check;
  double next = 1;
  std::vector<std::string> names;
  const auto number = [&](const char* name, CheckedNumber& low, CheckedNumber& high) {
    low = next;
    high = next + 500;
    next += 1;
    names.emplace_back(name);
  };
  std::vector<std::pair<const char*, CheckedNumber*>> highs;
  VisitLineFigures(check.highLine, [&](const char* name, auto& figure) {
    if constexpr (std::is_same_v<std::decay_t<decltype(figure)>, InductanceAtCurrent>) {
      VisitInductanceFigures(
          figure, [&](const char*, CheckedNumber& part) { highs.emplace_back(name, &part); });
    } else {
      highs.emplace_back(name, &figure);
    }
  });
  std::size_t index = 0;
  VisitLineFigures(check.lowLine, [&](const char* name, auto& figure) {
    if constexpr (std::is_same_v<std::decay_t<decltype(figure)>, InductanceAtCurrent>) {
      VisitInductanceFigures(figure, [&](const char*, CheckedNumber& part) {
        number(name, part, *highs[index++].second);
      });
    } else {
      number(name, figure, *highs[index++].second);
    }
  });

  const std::vector<CheckFigureRow> rows = CheckFigureRows(DesignRecord{}, check);
  EXPECT_EQ(static_cast<int>(rows.size()), CheckFigureRowCount());
  for (std::size_t k = 0; k < names.size(); ++k) {
    const double low = static_cast<double>(k + 1);
    bool shown = false;
    for (const CheckFigureRow& row : rows) {
      if (row.low.number == low) {
        EXPECT_EQ(row.high.number, low + 500) << row.caption;
        shown = true;
      }
      EXPECT_NE(row.high.number, low) << row.caption << " shows a low-line figure";
    }
    EXPECT_TRUE(shown) << names[k] << " is in no row";
  }
}

// No discontinuous conduction reads as a word, not as an angle of 0°.
TEST(CheckFigureRows, SayNoneWhereTheCurrentIsNeverDiscontinuous) {
  OperatingCheck check;
  check.lowLine.dcmBelowAngleDeg = 0.0;
  check.highLine.dcmBelowAngleDeg = 34.0;
  bool found = false;
  for (const CheckFigureRow& row : CheckFigureRows(DesignRecord{}, check)) {
    if (row.high.number == 34.0) {
      EXPECT_EQ(FigureText(row.low, '.'), "none");
      EXPECT_EQ(FigureText(row.high, '.'), "34");
      found = true;
    }
  }
  EXPECT_TRUE(found);
}

// A grade is read as one; a material file keeps its own name, even one of digits alone.
TEST(MaterialName, NamesAGradeAsAGradeAndAFileByItsName) {
  Material file;
  for (const auto& [name, shown] : std::vector<std::pair<std::string, std::string>>{
           {"Supplier 60 µ", "Supplier 60 µ"}, {"7", "7"}, {"90x", "90x"}, {"", ""}}) {
    file.name = name;
    EXPECT_EQ(MaterialName(file), shown) << name;
  }
  EXPECT_EQ(MaterialName(Material(RolloffGrades().front())),
            "grade " + std::to_string(RolloffGrades().front().permeability));
}

// A winding whose losses ran away has no temperature: the steps' last number is no figure.
TEST(CheckFigureRows, ARunawayLineShowsNoTemperature) {
  OperatingCheck check;
  for (LineCheck* line : {&check.lowLine, &check.highLine}) {
    line->thermal = ThermalEnding::Runaway;
    line->temperatureRiseC = 529387.0;
    line->windingTemperatureC = 529437.0;
  }
  check.highLine.thermal = ThermalEnding::Steady;  // beside it, a line that settled
  int runawayCells = 0;
  bool steadyShown = false;
  for (const CheckFigureRow& row : CheckFigureRows(DesignRecord{}, check)) {
    EXPECT_EQ(FigureText(row.low, '.').find("529"), std::string::npos) << row.caption;
    runawayCells += FigureText(row.low, '.') == "runaway" ? 1 : 0;
    steadyShown = steadyShown || FigureText(row.high, '.') == "529437";
  }
  EXPECT_EQ(runawayCells, 3) << "the rise, the temperature and the thermal word";
  EXPECT_TRUE(steadyShown);
}

// The method's law cools the bare core, the check the wound part: the two surfaces are not
// one figure in two columns.
TEST(CheckFigureRows, TheBareCoresSurfaceStandsInARowOfItsOwn) {
  DesignRecord record;
  record.SurfaceArea = 71.13;
  OperatingCheck check;
  check.lowLine.woundSurfaceCm2 = 87.46;
  check.highLine.woundSurfaceCm2 = 87.46;
  int rows = 0;
  for (const CheckFigureRow& row : CheckFigureRows(record, check)) {
    if (row.method.number == 71.13) {
      EXPECT_FALSE(row.low.number || row.high.number) << row.caption;
      ++rows;
    }
    if (row.low.number == 87.46) {
      EXPECT_FALSE(row.method.number) << row.caption;
      ++rows;
    }
  }
  EXPECT_EQ(rows, 2);
}

// The worst-case core's rows read its own lines, each in its line's column, and there are
// none without one.
TEST(WorstCaseFigureRows, ShowTheWorstCaseCoresFiguresOnlyWhenThereIsOne) {
  OperatingCheck check;
  check.lowLine.atIpk.lUh = 90;
  EXPECT_TRUE(WorstCaseFigureRows(DesignRecord{}, check).empty());
  check.worstCase.emplace();
  check.worstCase->alTolerancePercent = 8;
  check.worstCase->lowLine.atIpk.lUh = 82.5;
  check.worstCase->highLine.atIpk.lUh = 120.25;
  check.worstCase->lowLine.ipk = 35.5;
  check.worstCase->lowLine.rippleAtCrestPercentOfIpkLine = 67.5;
  std::vector<double> low;
  std::vector<double> high;
  for (const CheckFigureRow& row : WorstCaseFigureRows(DesignRecord{}, check)) {
    if (row.low.number)
      low.push_back(*row.low.number);
    if (row.high.number)
      high.push_back(*row.high.number);
  }
  EXPECT_EQ(low, (std::vector<double>{8, 35.5, 82.5, 67.5}));
  EXPECT_EQ(high, (std::vector<double>{8, 120.25}));
}

}  // namespace
}  // namespace pfc

namespace pfc {
namespace {

// The header names the published design only for its own winding.
TEST(CheckedWindingOrigin, NamesTheGivenWindingBesideThePublishedOne) {
  DesignRecord published;
  published.Turns = 31;
  published.WireGauge = 13;
  DesignRecord checked = published;
  EXPECT_EQ(CheckedWindingOrigin(published, checked, "the published design", '.'),
            "the published design");
  checked.Turns = 22.5;
  checked.WireGauge = 8;
  const std::string given = CheckedWindingOrigin(published, checked, "the published design", ',');
  for (const char* named : {"22,5 turns of AWG 8", "31 turns of AWG 13"})
    EXPECT_NE(given.find(named), std::string::npos) << given;
  checked.Turns = 31;
  EXPECT_NE(
      CheckedWindingOrigin(published, checked, "found by Find Designs", '.').find("AWG 8 as given"),
      std::string::npos)
      << "a wire alone is a given winding too";
}

}  // namespace
}  // namespace pfc
