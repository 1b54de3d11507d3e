#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "engine/search/explorer.h"
#include "tests/ui/compare_cores_fixture.h"
#include "ui/forms/compare_cores/compare_cores.h"
#include "ui/forms/input/input_form.h"

namespace pfc::ui::testing {
namespace {

bool SameNumber(double a, double b) {
  return a == b || (std::isnan(a) && std::isnan(b));
}

// Whether the window holds exactly the designs of the entries as they stand.
bool ShowsDesignsOf(const DesktopSession& session, const EntryTexts& entries) {
  const Exploration fresh =
      ExploreDesigns(entries, session.record, session.catalogue, session.wires);
  const auto& shown = session.compareCores.Designs();
  if (fresh.designs.size() != shown.size()) {
    return false;
  }
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (!SameNumber(fresh.designs[i].TotalLoss, shown[i].TotalLoss) ||
        fresh.designs[i].CalculatorChoice != shown[i].CalculatorChoice) {
      return false;
    }
  }
  return true;
}

class CompareCoresFollowTest : public CompareCoresFlowTest {
 protected:
  // Opens the window on the default entries, then changes one on the input form.
  void OpenAndChange(const char* control, const char* text) {
    kit.UserClick(kInputForm, "cmdCompareCores");
    ASSERT_TRUE(kit.IsVisible(kCompareCoresForm));
    kit.UserActivate(kInputForm);
    kit.SetText(kInputForm, control, text);
    kit.ClearRecord();
  }
};

TEST_F(CompareCoresFollowTest, ComingBackShowsTheDesignsOfTheChangedEntries) {
  OpenAndChange("txtOutputPower", "1000");
  ASSERT_FALSE(ShowsDesignsOf(session, ReadInputEntries(kit)));

  kit.UserActivate(kCompareCoresForm);

  EXPECT_TRUE(ShowsDesignsOf(session, ReadInputEntries(kit)));
  EXPECT_NE(kit.Text(kCompareCoresForm, "lblInputs").find(", 1000 Watts,"), std::string::npos)
      << kit.Text(kCompareCoresForm, "lblInputs");
  EXPECT_TRUE(kit.Messages().empty());
}

// "Use this design" runs the row's own numbers, whatever happened to the form meanwhile.
TEST_F(CompareCoresFollowTest, UseAfterComingBackRunsTheChosenRow) {
  OpenAndChange("txtOutputPower", "1000");
  kit.UserActivate(kCompareCoresForm);
  const std::size_t index = FindDesign([](const ExploredDesign& d) {
    return d.PassesAll() && d.CoresToStack == 2 && !d.CalculatorChoice;
  });
  const ExploredDesign row = session.compareCores.Designs()[index];
  session.compareCores.Pick(index);

  kit.UserClick(kCompareCoresForm, "cmdUseDesign");

  ASSERT_TRUE(kit.IsVisible(kSummaryForm));
  EXPECT_EQ(session.record.SelectedCoreSize, row.SelectedCoreSize);
  EXPECT_EQ(session.record.CoresToStack, row.CoresToStack);
  EXPECT_EQ(session.record.TotalLoss, row.TotalLoss);
  EXPECT_EQ(session.record.Turns, row.Turns);
  EXPECT_EQ(session.record.TempRise, row.TempRise);
}

TEST_F(CompareCoresFollowTest, UseOfAPickAmongOtherEntriesRunsNothing) {
  kit.UserClick(kInputForm, "cmdCompareCores");
  session.compareCores.Pick(FindDesign([](const ExploredDesign& d) { return d.PassesAll(); }));
  kit.SetText(kInputForm, "txtOutputPower", "1000");  // the window never came forward since

  kit.UserClick(kCompareCoresForm, "cmdUseDesign");

  EXPECT_FALSE(kit.IsLoaded(kSummaryForm));
  EXPECT_TRUE(ShowsDesignsOf(session, ReadInputEntries(kit)));
  EXPECT_FALSE(session.compareCores.Picked().has_value());
  EXPECT_FALSE(kit.IsEnabled(kCompareCoresForm, "cmdUseDesign"));
}

TEST_F(CompareCoresFollowTest, EntriesARunRefusesCloseTheWindowWithTheRunsCaution) {
  OpenAndChange("txtOutputPower", "");

  kit.UserActivate(kCompareCoresForm);

  EXPECT_FALSE(kit.IsLoaded(kCompareCoresForm));
  ASSERT_EQ(kit.Messages().size(), 1u);
  EXPECT_EQ(kit.Messages()[0].title, kCautionTitle);
  EXPECT_EQ(kit.Focus(), (std::pair<std::string, std::string>{kInputForm, "txtOutputPower"}));
}

TEST_F(CompareCoresFollowTest, ThePickedCoreAloneChangesNothing) {
  OpenAndChange("txtFill_Factor", ".4");
  kit.UserClick(kInputForm, "chkPickCore");
  kit.UserChoose(kInputForm, "txtCoreSize", 3);
  session.compareCores.Pick(0);

  kit.UserActivate(kCompareCoresForm);

  EXPECT_EQ(session.compareCores.Picked(), std::optional<std::size_t>(0));
}

// What the user does on the input form while the window is open.
struct EditCase {
  const char* name;
  std::function<void(RecordingToolkit&)> edit;
  bool published;  // whether a run would publish the entries it leaves
  friend void PrintTo(const EditCase& c, std::ostream* out) { *out << c.name; }
};

class KeptCurrentTest : public CompareCoresFollowTest,
                        public ::testing::WithParamInterface<EditCase> {};

// The window follows each change a run would publish at once, so that coming back to it
// moves nothing under the pointer: the row picked then stays the design it showed. Entries
// a run would refuse leave it alone, without a word, until it comes forward again.
TEST_P(KeptCurrentTest, FollowsThePublishableEntriesBeforeItIsClicked) {
  kit.UserClick(kInputForm, "cmdCompareCores");
  kit.UserActivate(kInputForm);
  const EntryTexts before = session.compareCores.Entries();

  GetParam().edit(kit);

  EXPECT_TRUE(kit.Messages().empty());
  if (!GetParam().published) {
    EXPECT_TRUE(SameComparison(session.compareCores.Entries(), before));
    return;
  }
  EXPECT_TRUE(ShowsDesignsOf(session, ReadInputEntries(kit)));
  const std::size_t index = FindDesign([](const ExploredDesign& d) { return d.PassesAll(); });
  const ExploredDesign shown = session.compareCores.Designs()[index];
  session.compareCores.Pick(index);  // the click that activates the window
  kit.UserActivate(kCompareCoresForm);
  ASSERT_EQ(session.compareCores.Picked(), std::optional<std::size_t>(index));
  EXPECT_EQ(session.compareCores.Designs()[index].SelectedCoreSize, shown.SelectedCoreSize);
  EXPECT_EQ(session.compareCores.Designs()[index].CoresToStack, shown.CoresToStack);
}

INSTANTIATE_TEST_SUITE_P(
    InputFormEdits, KeptCurrentTest,
    ::testing::Values(
        EditCase{"typing an output power",
                 [](RecordingToolkit& kit) { kit.UserType(kInputForm, "txtOutputPower", "1000"); },
                 true},
        EditCase{"choosing a unit",
                 [](RecordingToolkit& kit) {
                   kit.UserType(kInputForm, "txtOutputPower", "1.2");
                   kit.UserChoose(kInputForm, "cmboutputpower", 1);
                 },
                 true},
        EditCase{"typing the stack count",
                 [](RecordingToolkit& kit) { kit.UserType(kInputForm, "txtStack", "3"); }, true},
        EditCase{"typing a refused efficiency",
                 [](RecordingToolkit& kit) { kit.UserType(kInputForm, "txtEfficiency", "80"); },
                 false},
        EditCase{"clearing the entries",
                 [](RecordingToolkit& kit) { kit.UserClick(kInputForm, "cmdQuit"); }, false}));

// "Use this design" with another stack count than the form's: the window shows the designs
// of that stack count before it is clicked again.
TEST_F(CompareCoresFollowTest, UseOfAnotherStackCountShowsItsComparisonAtOnce) {
  kit.UserClick(kInputForm, "cmdCompareCores");
  session.compareCores.Pick(
      FindDesign([](const ExploredDesign& d) { return d.PassesAll() && d.CoresToStack == 2; }));

  kit.UserClick(kCompareCoresForm, "cmdUseDesign");

  ASSERT_EQ(kit.Text(kInputForm, "txtStack"), "2");
  EXPECT_EQ(session.compareCores.Entries()[Entry::Stack], "2");
  EXPECT_TRUE(ShowsDesignsOf(session, ReadInputEntries(kit)));
}

// The check columns are those of the session's limits: at a worst-case core once an AL
// tolerance is entered, in whichever window, while the pick stays.
TEST_F(CompareCoresFollowTest, TheCheckColumnsFollowTheSessionsLimits) {
  DesignLimits limits;
  limits.alTolerancePercent = 8;
  session.limits.Set(limits);
  kit.UserClick(kInputForm, "cmdCompareCores");
  const EntryTexts entries = ReadInputEntries(kit);
  const auto checkedAt = [&](const DesignLimits& limits) {
    return ExploreDesigns(entries, session.record, session.catalogue, session.wires, limits);
  };
  const std::size_t index = FindDesign([](const ExploredDesign& d) {
    return d.Checked && !d.CheckSaturates && d.CoresToStack == 3;
  });
  const double worst = session.compareCores.Designs()[index].CheckLAtIpkPercent;
  EXPECT_EQ(worst, checkedAt(limits).designs[index].CheckLAtIpkPercent);
  session.compareCores.Pick(index);

  const DesignLimits wider{
      .inductancePercent = 100, .ripplePercent = 40, .temperatureC = 155, .alTolerancePercent = 20};
  session.limits.Set(wider);

  const ExploredDesign& shown = session.compareCores.Designs()[index];
  const ExploredDesign expected = checkedAt(wider).designs[index];
  EXPECT_LT(shown.CheckLAtIpkPercent, worst);
  EXPECT_EQ(shown.CheckLAtIpkPercent, expected.CheckLAtIpkPercent);
  EXPECT_EQ(shown.CheckRipplePercent, expected.CheckRipplePercent);
  EXPECT_EQ(shown.CheckMeetsLimits, expected.CheckMeetsLimits);
  EXPECT_EQ(session.compareCores.Picked(), index);
}

}  // namespace
}  // namespace pfc::ui::testing
