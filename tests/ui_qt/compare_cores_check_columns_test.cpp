#include <gtest/gtest.h>

#include <QBrush>
#include <QColor>
#include <cmath>
#include <limits>

#include "ui/forms/session/compare_cores_designs.h"
#include "ui/qt/compare_cores/compare_cores_table_model.h"

namespace pfc::ui::testing {
namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
using Model = CompareCoresTableModel;

// What one design's check cells read: the text and whether it is red.
struct CheckCells {
  const char* name;
  bool checked;
  bool steady;
  bool saturates;
  double lAtIpkPercent;
  double ripplePercent;
  double windingC;
  int column;
  const char* shown;  // nullptr: a number
  bool red;
  const char* toolTipWords;  // in the tool tip; nullptr: none asked
};

void PrintTo(const CheckCells& c, std::ostream* out) {
  *out << c.name;
}

class CheckColumns : public ::testing::TestWithParam<CheckCells> {};

TEST_P(CheckColumns, ShowWhatTheCheckFoundAndRedWhereTheDesignMisses) {
  const CheckCells& c = GetParam();
  ExploredDesign design;
  design.SelectedCoreSize = "TD-31";
  design.CoresToStack = 3;
  design.TotalLoss = 12;
  design.Checked = c.checked;
  design.CheckSteady = c.steady;
  design.CheckSaturates = c.saturates;
  design.CheckLAtIpkPercent = c.lAtIpkPercent;
  design.CheckRipplePercent = c.ripplePercent;
  design.CheckWindingTemperature = c.windingC;
  Exploration exploration;
  exploration.designs = {design};
  CompareCoresDesigns designs;
  designs.Replace(exploration);
  Model model(designs, '.', nullptr);

  const QModelIndex cell = model.index(0, c.column);
  const QString text = model.data(cell, Qt::DisplayRole).toString();
  if (c.shown != nullptr) {
    EXPECT_EQ(text.toStdString(), c.shown);
  } else {
    bool number = false;
    text.toDouble(&number);
    EXPECT_TRUE(number) << text.toStdString();
  }
  const QVariant brush = model.data(cell, Qt::ForegroundRole);
  const bool red = brush.isValid() && brush.value<QBrush>().color() == QColor(255, 0, 0);
  EXPECT_EQ(red, c.red);
  if (c.toolTipWords != nullptr) {
    EXPECT_TRUE(model.data(cell, Qt::ToolTipRole).toString().contains(c.toolTipWords))
        << model.data(cell, Qt::ToolTipRole).toString().toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Designs, CheckColumns,
    ::testing::Values(CheckCells{"NotCheckedHasNoFigure", false, false, false, kNone, kNone, kNone,
                                 Model::kCheckLAtIpk, "n/a", false, "No operating check"},
                      CheckCells{"NotCheckedHasNoTemperature", false, false, false, kNone, kNone,
                                 kNone, Model::kCheckTemperature, "n/a", false,
                                 "No operating check"},
                      CheckCells{"UnsteadyIsSaidInRed", true, false, false, 80, 30, kNone,
                                 Model::kCheckTemperature, "no steady temperature", true,
                                 "no steady state"},
                      CheckCells{"UnsteadyKeepsItsOtherFigures", true, false, false, 80, 30, kNone,
                                 Model::kCheckLAtIpk, nullptr, true, nullptr},
                      CheckCells{"SaturatedHasNoFigure", true, false, true, kNone, kNone, kNone,
                                 Model::kCheckRipple, "n/a", false, "saturates"},
                      CheckCells{"SaturatedHasNoTemperatureToSettle", true, false, true, kNone,
                                 kNone, kNone, Model::kCheckTemperature, "n/a", false, "saturates"},
                      CheckCells{"HotIsRed", true, true, false, 120, 8, 160,
                                 Model::kCheckTemperature, nullptr, true, nullptr},
                      CheckCells{"CoolIsBlack", true, true, false, 120, 8, 120,
                                 Model::kCheckTemperature, nullptr, false, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// The check columns are red beyond the limits the session's windows enter: the ripple only
// where a limit is set.
struct LimitedCell {
  const char* name;
  DesignLimits limits;
  int column;
  bool red;
};

void PrintTo(const LimitedCell& c, std::ostream* out) {
  *out << c.name;
}

class CheckColumnLimits : public ::testing::TestWithParam<LimitedCell> {};

TEST_P(CheckColumnLimits, AreTheSessionsLimits) {
  ExploredDesign design;  // 60 % of the target, 15 % ripple, 130 °C
  design.TotalLoss = 12;
  design.Checked = true;
  design.CheckSteady = true;
  design.CheckLAtIpkPercent = 60;
  design.CheckRipplePercent = 15;
  design.CheckWindingTemperature = 130;
  Exploration exploration;
  exploration.designs = {design};
  CompareCoresDesigns designs;
  designs.Replace(exploration);
  Model model(designs, '.', nullptr);
  model.SetLimits(GetParam().limits);
  const QVariant brush = model.data(model.index(0, GetParam().column), Qt::ForegroundRole);
  EXPECT_EQ(brush.isValid() && brush.value<QBrush>().color() == QColor(255, 0, 0), GetParam().red);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, CheckColumnLimits,
    ::testing::Values(LimitedCell{"NoRippleLimit", DesignLimits{}, Model::kCheckRipple, false},
                      LimitedCell{"RippleAboveItsLimit", DesignLimits{.ripplePercent = 10},
                                  Model::kCheckRipple, true},
                      LimitedCell{"RippleWithinItsLimit", DesignLimits{.ripplePercent = 20},
                                  Model::kCheckRipple, false},
                      LimitedCell{"TheWholeTarget", DesignLimits{}, Model::kCheckLAtIpk, true},
                      LimitedCell{
                          "HalfTheTarget",
                          DesignLimits{.inductancePercent = 50, .ripplePercent = std::nullopt},
                          Model::kCheckLAtIpk, false},
                      LimitedCell{"ACoolerWinding",
                                  DesignLimits{.ripplePercent = std::nullopt, .temperatureC = 120},
                                  Model::kCheckTemperature, true}),
    [](const auto& info) { return std::string(info.param.name); });

// The check columns name the grade their figures are in, the one the Operating Check window
// opens at for these cores; designs without a check add none.
TEST(CheckColumnTitles, NameTheGradeOfTheirFigures) {
  Exploration exploration;
  exploration.designs.resize(3);
  exploration.designs[0].Checked = true;
  exploration.designs[0].CheckGrade = 90;
  exploration.designs[2].Checked = true;
  exploration.designs[2].CheckGrade = 90;
  exploration.designs[1].CheckGrade = 14;  // not checked: its grade is never used
  CompareCoresDesigns designs;
  designs.Replace(exploration);
  Model model(designs, '.', nullptr);
  for (const int column : {Model::kCheckLAtIpk, Model::kCheckRipple, Model::kCheckTemperature}) {
    const QString title = model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_TRUE(title.endsWith(QStringLiteral(", grade 90"))) << title.toStdString();
  }
}

}  // namespace
}  // namespace pfc::ui::testing
