#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "engine/check/material_fit.h"
#include "engine/check/material_points.h"
#include "engine/check/rolloff_grades.h"
#include "engine/record/number_text.h"
#include "reports/check/material_file.h"
#include "tests/ui/compare_cores_fixture.h"
#include "ui/forms/find_designs/find_designs_design.h"
#include "ui/forms/material_fit/material_fit_design.h"
#include "ui/forms/operating_check/operating_check_design.h"
#include "ui/forms/summary/summary_design.h"

namespace pfc::ui::testing {
namespace {

using namespace material_fit_controls;

// A grade's roll-off read off at a datasheet's fields, 20 to 200 Oe, a point a line with the
// field and the percent parted by `separator`.
std::string GradePoints(const RolloffGrade& grade, char separator, FieldUnit unit) {
  std::string text;
  for (int oersted = 20; oersted <= 200; oersted += 20) {
    const double field = oersted * kAmperesPerMetrePerOersted;
    const double shown = unit == FieldUnit::Oersted ? oersted : field;
    text += FormatShortest(shown) + separator +
            FormatShortest(100 * RolloffFraction(grade.b, grade.c, field)) + "\r\n";
  }
  return text;
}

// "Fit Material", opened from the Operating Check of the published default design.
class MaterialFitFlowTest : public CompareCoresFlowTest {
 protected:
  MaterialFitFlowTest() {
    kit.UserClick(kInputForm, "cmdProcess");
    kit.UserClick(kSummaryForm, kOpenOperatingCheckButton);
  }

  void OpenFromCheck() {
    kit.UserClick(kOperatingCheckForm, check_controls::kFitMaterial);
    ASSERT_TRUE(kit.IsVisible(kMaterialFitForm));
  }

  void Fit(const std::string& points, const std::string& permeability = "75",
           const std::string& name = "Supplier 75", int unit = kOerstedItem) {
    kit.SetText(kMaterialFitForm, kPoints, points);
    kit.UserChoose(kMaterialFitForm, kUnit, unit);
    kit.SetText(kMaterialFitForm, kPermeability, permeability);
    kit.SetText(kMaterialFitForm, kName, name);
    kit.UserClick(kMaterialFitForm, kFit);
  }

  const RolloffGrade& grade = RolloffGrades().front();
};

struct PastedCase {
  const char* label;
  std::string points;
  int unit;
  std::string csv;   // the same points as a points file
  double strongest;  // the strongest field as typed
};

void PrintTo(const PastedCase& c, std::ostream* os) {
  *os << c.label;
}

class PastedPoints : public MaterialFitFlowTest,
                     public ::testing::WithParamInterface<PastedCase> {};

// The window fits exactly the points `pfc-core material fit` would read from the file, and
// charts them in the unit they were given in.
TEST_P(PastedPoints, AreFittedAsTheFileWouldBe) {
  OpenFromCheck();
  Fit(GetParam().points, "75", "Supplier 75", GetParam().unit);
  const FieldUnit unit =
      GetParam().unit == kOerstedItem ? FieldUnit::Oersted : FieldUnit::AmperesPerMetre;
  const PointsRead<RolloffPoint> file = RolloffPointsFromText(GetParam().csv, "points.csv", unit);
  ASSERT_TRUE(file.read) << file.problem;
  const RolloffFit expected = FitRolloff(file.points);
  ASSERT_TRUE(session.materialFit.HasFit()) << kit.Text(kMaterialFitForm, kProblem);
  const MaterialFitting::Fitted& fitted = session.materialFit.Fit();
  EXPECT_EQ(fitted.material.b, expected.b);
  EXPECT_EQ(fitted.material.c, expected.c);
  EXPECT_EQ(fitted.material.permeability, 75);
  EXPECT_EQ(kit.Text(kMaterialFitForm, kProblem), "");
  EXPECT_NE(
      kit.Text(kMaterialFitForm, kDeviations).find("rms " + FormatFixed(expected.rmsDeviation, 2)),
      std::string::npos);
  EXPECT_TRUE(kit.IsEnabled(kMaterialFitForm, kSave));
  EXPECT_TRUE(kit.IsEnabled(kMaterialFitForm, kUse));

  const std::vector<FitChartPoint> given = session.materialFit.GivenPoints();
  ASSERT_EQ(given.size(), file.points.size());
  EXPECT_NEAR(given.back().field, GetParam().strongest, 1e-9 * GetParam().strongest);
  const std::vector<FitChartPoint> curve = session.materialFit.FittedCurve();
  ASSERT_FALSE(curve.empty());
  EXPECT_EQ(curve.front().percent, 100);
  EXPECT_NEAR(curve.back().field, given.back().field, 1e-9 * given.back().field);
  EXPECT_NEAR(curve.back().percent, expected.percent.back(), 1e-9);
}

std::string AsCsv(std::string points) {
  for (char& c : points) {
    if (c == '\t')
      c = ',';
  }
  return "h,percent\n" + points;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PastedPoints,
    ::testing::Values(
        PastedCase{
            "TabsUnderHeadings",
            "H (Oe)\t% of µi\r\n" + GradePoints(RolloffGrades().front(), '\t', FieldUnit::Oersted),
            kOerstedItem, AsCsv(GradePoints(RolloffGrades().front(), '\t', FieldUnit::Oersted)),
            200},
        PastedCase{"CommasInAmperesPerMetre",
                   GradePoints(RolloffGrades().back(), ',', FieldUnit::AmperesPerMetre),
                   kAmperesPerMetreItem,
                   AsCsv(GradePoints(RolloffGrades().back(), ',', FieldUnit::AmperesPerMetre)),
                   200 * kAmperesPerMetrePerOersted}),
    [](const ::testing::TestParamInfo<PastedCase>& info) { return info.param.label; });

struct RefusedCase {
  const char* label;
  std::string points;
  std::string permeability;
  std::string name;
  const char* control;  // where the focus goes to correct it
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
  *os << c.label;
}

class RefusedFit : public MaterialFitFlowTest, public ::testing::WithParamInterface<RefusedCase> {};

// A refusal takes the fit shown before away, says why in the window and leaves nothing to
// save or use.
TEST_P(RefusedFit, IsShownAtTheEntryToCorrect) {
  OpenFromCheck();
  Fit(GradePoints(grade, '\t', FieldUnit::Oersted));
  ASSERT_TRUE(session.materialFit.HasFit());
  Fit(GetParam().points, GetParam().permeability, GetParam().name);
  EXPECT_FALSE(session.materialFit.HasFit());
  EXPECT_FALSE(kit.Text(kMaterialFitForm, kProblem).empty());
  EXPECT_EQ(kit.Text(kMaterialFitForm, kDeviations), "");
  EXPECT_FALSE(kit.IsEnabled(kMaterialFitForm, kSave));
  EXPECT_FALSE(kit.IsEnabled(kMaterialFitForm, kUse));
  EXPECT_EQ(kit.Focus().second, GetParam().control);
  EXPECT_TRUE(kit.Messages().empty());
}

// The points' refusals are the engine's own words.
TEST_F(MaterialFitFlowTest, RefusedPointsAreToldInTheEnginesWords) {
  OpenFromCheck();
  const std::string twoPoints = "20\t97\n40\t91\n";
  Fit(twoPoints);
  EXPECT_EQ(kit.Text(kMaterialFitForm, kProblem),
            RolloffPointsFromTable(twoPoints, "Points", FieldUnit::Oersted).problem);
}

// Points whose best c is below 1: 1/(1 + 100·b·H^0.8).
std::string ShallowPoints() {
  std::string text;
  for (int oersted = 20; oersted <= 200; oersted += 20) {
    const double field = oersted * kAmperesPerMetrePerOersted;
    text += std::to_string(oersted) + "\t" +
            FormatShortest(100 / (1 + 100 * 1e-4 * std::pow(field, 0.8))) + "\n";
  }
  return text;
}

INSTANTIATE_TEST_SUITE_P(
    Entries, RefusedFit,
    ::testing::Values(
        RefusedCase{"TooFewPoints", "20\t97\n40\t91\n", "75", "Supplier", kPoints},
        RefusedCase{"APercentAbove100", "20\t97\n40\t101\n60\t80\n", "75", "Supplier", kPoints},
        RefusedCase{"NoBoundOnTheFlux", ShallowPoints(), "75", "Supplier", kPoints},
        RefusedCase{"APermeabilityOfWords",
                    GradePoints(RolloffGrades().front(), '\t', FieldUnit::Oersted), "sixty",
                    "Supplier", kPermeability},
        RefusedCase{"APermeabilityBeyondAnyPowder",
                    GradePoints(RolloffGrades().front(), '\t', FieldUnit::Oersted), "1e9",
                    "Supplier", kPermeability},
        RefusedCase{"NoName", GradePoints(RolloffGrades().front(), '\t', FieldUnit::Oersted), "75",
                    " ", kName},
        RefusedCase{"AGradesName", GradePoints(RolloffGrades().front(), '\t', FieldUnit::Oersted),
                    "75", "60", kName}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return info.param.label; });

TEST_F(MaterialFitFlowTest, UseChecksWithTheFittedMaterialAtOnce) {
  OpenFromCheck();
  Fit(GradePoints(grade, '\t', FieldUnit::Oersted), "75", "Supplier 75");
  ASSERT_TRUE(session.materialFit.HasFit());
  ASSERT_NE(session.checked.Result().material.name, "Supplier 75");
  kit.UserClick(kMaterialFitForm, kUse);
  EXPECT_EQ(session.checked.Result().material, session.materialFit.Fit().material);
  EXPECT_EQ(kit.ChosenText(kOperatingCheckForm, check_controls::kGrade), "Supplier 75");
  EXPECT_TRUE(saveRequests.empty());
}

TEST_F(MaterialFitFlowTest, SaveWritesAFileThatReadsBackAsTheFittedMaterial) {
  OpenFromCheck();
  Fit(GradePoints(grade, ',', FieldUnit::Oersted), "75.5", "Supplier 75");
  savePath = (folder / "supplier.json").string();
  kit.UserClick(kMaterialFitForm, kSave);
  ASSERT_EQ(saveRequests.size(), 1u);
  const MaterialFileRead read = ReadMaterialFile(*savePath);
  ASSERT_TRUE(read.read) << read.reason;
  EXPECT_EQ(read.material, session.materialFit.Fit().material);
  EXPECT_TRUE(kit.Messages().empty());
}

// Find Designs lists materials by their files: Use saves the material first, and a cancelled
// dialog lists nothing.
TEST_F(MaterialFitFlowTest, UseInFindDesignsListsTheSavedFile) {
  using namespace find_designs_controls;
  kit.UserClick(kInputForm, kCmdFindDesigns);
  kit.UserClick(kFindDesignsForm, kCmdFitMaterial);
  ASSERT_TRUE(kit.IsVisible(kMaterialFitForm));
  Fit(GradePoints(grade, '\t', FieldUnit::Oersted));
  const std::string before = kit.Text(kFindDesignsForm, kTxtGrades);
  kit.UserClick(kMaterialFitForm, kUse);
  EXPECT_EQ(kit.Text(kFindDesignsForm, kTxtGrades), before);
  savePath = (folder / "supplier.json").string();
  kit.UserClick(kMaterialFitForm, kUse);
  EXPECT_EQ(saveRequests.size(), 2u);
  EXPECT_EQ(kit.Text(kFindDesignsForm, kTxtGrades), before + ", " + *savePath);
  EXPECT_TRUE(ReadMaterialFile(*savePath).read);
}

// The window that opened Fit Material may close before Use: the check's design takes the
// material all the same, and a closed Find Designs is not opened again to list it.
TEST_F(MaterialFitFlowTest, UseAfterItsWindowClosedLeavesThatWindowClosed) {
  OpenFromCheck();
  Fit(GradePoints(grade, '\t', FieldUnit::Oersted));
  kit.UserClick(kOperatingCheckForm, check_controls::kClose);
  kit.UserClick(kMaterialFitForm, kUse);
  EXPECT_FALSE(kit.IsLoaded(kOperatingCheckForm));
  EXPECT_EQ(session.checked.Result().material, session.materialFit.Fit().material);

  using namespace find_designs_controls;
  kit.UserClick(kInputForm, kCmdFindDesigns);
  kit.UserClick(kFindDesignsForm, kCmdFitMaterial);
  kit.UserClick(kFindDesignsForm, kCmdClose);
  savePath = (folder / "supplier.json").string();
  kit.UserClick(kMaterialFitForm, kUse);
  EXPECT_FALSE(kit.IsLoaded(kFindDesignsForm));
  EXPECT_TRUE(ReadMaterialFile(*savePath).read);
}

}  // namespace
}  // namespace pfc::ui::testing
