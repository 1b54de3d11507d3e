#include <gtest/gtest.h>

#include "tests/ui/compare_cores_fixture.h"

namespace pfc::ui::testing {
namespace {

using Focus = std::pair<std::string, std::string>;

// The highlighted design is the one the calculator publishes, reached from either window.
class CalculatorChoiceTest : public CompareCoresFlowTest,
                             public ::testing::WithParamInterface<std::tuple<int, bool>> {};

TEST_P(CalculatorChoiceTest, IsTheCoreTheSummaryShows) {
  const auto [stack, fromSummary] = GetParam();
  kit.SetText(kInputForm, "txtStack", std::to_string(stack));
  kit.UserClick(kInputForm, "cmdProcess");
  ASSERT_TRUE(kit.IsVisible(kSummaryForm));
  const std::string published = kit.Text(kSummaryForm, "txtOutCoreSize");
  if (!fromSummary) {
    kit.UserClick(kSummaryForm, "cmdExit");
  }
  const DesignRecord before = session.record;

  kit.UserClick(fromSummary ? kSummaryForm : kInputForm, "cmdCompareCores");

  ASSERT_TRUE(kit.IsVisible(kCompareCoresForm));
  EXPECT_TRUE(kit.Messages().empty());
  const auto& designs = session.compareCores.Designs();
  EXPECT_EQ(designs.size(), std::size_t(session.catalogue.RowCount()) * 9);
  const auto choice = session.compareCores.CalculatorChoice();
  ASSERT_TRUE(choice.has_value());
  EXPECT_EQ(designs[*choice].SelectedCoreSize, published);
  EXPECT_EQ(designs[*choice].CoresToStack, stack);
  EXPECT_NE(kit.Text(kCompareCoresForm, "lblChoice").find(published), std::string::npos);
  EXPECT_EQ(kit.Text(kCompareCoresForm, "lblCount"),
            std::to_string(session.compareCores.PassingCount()) + " of " +
                std::to_string(designs.size()) + " designs pass every limit.");
  // Exploring leaves the design of the summary alone.
  EXPECT_EQ(session.record.SelectedCoreSize, before.SelectedCoreSize);
  EXPECT_EQ(session.record.TotalLoss, before.TotalLoss);
  EXPECT_EQ(kit.IsVisible(kSummaryForm), fromSummary);
}

INSTANTIATE_TEST_SUITE_P(Stacks, CalculatorChoiceTest,
                         ::testing::Combine(::testing::Values(1, 2, 4), ::testing::Bool()));

// Entries that "&Show Results" refuses are refused with the same caution and focus.
struct RefusedEntry {
  const char* control;
  const char* text;
  friend void PrintTo(const RefusedEntry& e, std::ostream* out) {
    *out << e.control << " \"" << e.text << '"';
  }
};

class RefusedEntriesTest : public CompareCoresFlowTest,
                           public ::testing::WithParamInterface<RefusedEntry> {};

TEST_P(RefusedEntriesTest, GetTheRunsCautionAndOpenNothing) {
  kit.SetText(kInputForm, GetParam().control, GetParam().text);
  kit.UserClick(kInputForm, "cmdProcess");
  ASSERT_EQ(kit.Messages().size(), 1u);
  const Message refused = kit.Messages()[0];
  const Focus focus = kit.Focus();
  ASSERT_EQ(focus.first, kInputForm);
  kit.UserFocus(kInputForm, "txtFill_Factor");
  kit.ClearRecord();

  kit.UserClick(kInputForm, "cmdCompareCores");

  ASSERT_EQ(kit.Messages().size(), 1u);
  EXPECT_EQ(kit.Messages()[0].title, kCautionTitle);
  EXPECT_EQ(kit.Messages()[0].text, refused.text);
  EXPECT_EQ(kit.Focus(), focus);
  EXPECT_FALSE(kit.IsLoaded(kCompareCoresForm));
  EXPECT_TRUE(session.compareCores.Designs().empty());
}

INSTANTIATE_TEST_SUITE_P(Entries, RefusedEntriesTest,
                         ::testing::Values(RefusedEntry{"txtFrequency", ""},
                                           RefusedEntry{"txtEfficiency", "50"},
                                           RefusedEntry{"txtVout", "500"},
                                           RefusedEntry{"txtStack", "12"},
                                           RefusedEntry{"txtFill_Factor", "x"}));

TEST_F(CompareCoresFlowTest, LoadsWithNothingPickedOrFilteredAndGoesWithTheInputForm) {
  kit.UserClick(kInputForm, "cmdCompareCores");
  EXPECT_FALSE(kit.IsEnabled(kCompareCoresForm, "cmdUseDesign"));
  kit.UserClick(kCompareCoresForm, "cmdUseDesign");  // disabled: nothing runs
  EXPECT_FALSE(kit.IsLoaded(kSummaryForm));
  session.compareCores.Pick(0);
  EXPECT_TRUE(kit.IsEnabled(kCompareCoresForm, "cmdUseDesign"));
  kit.UserClick(kInputForm, "cmdCompareCores");  // a new exploration drops the pick
  EXPECT_FALSE(kit.IsEnabled(kCompareCoresForm, "cmdUseDesign"));

  kit.UserClick(kCompareCoresForm, "chkPassingOnly");
  kit.UserClick(kCompareCoresForm, "cmdClose");
  kit.UserClick(kInputForm, "cmdCompareCores");
  EXPECT_FALSE(kit.IsTicked(kCompareCoresForm, "chkPassingOnly"));
  EXPECT_FALSE(session.compareCores.PassingOnly());

  kit.UserClick(kInputForm, "cmdExit");
  EXPECT_FALSE(kit.IsLoaded(kCompareCoresForm));
}

TEST_F(CompareCoresFlowTest, UsingADesignAfterARunEmptiedTheCoreListFindsItsCoreAgain) {
  kit.SetText(kInputForm, "txtVout", "100");
  kit.UserClick(kInputForm, "cmdCompareCores");
  session.compareCores.Pick(
      FindDesign([](const ExploredDesign& d) { return d.CoresToStack == 1; }));
  kit.UserClick(kCompareCoresForm, "cmdUseDesign");
  ASSERT_EQ(kit.ItemCount(kInputForm, "txtCoreSize"), 0);  // the line-peak stop emptied it
  ASSERT_TRUE(kit.IsTicked(kInputForm, "chkPickCore"));
  kit.SetText(kInputForm, "txtVout", "380");
  kit.UserActivate(kCompareCoresForm);  // back in the window, which follows the form
  kit.ClearRecord();

  // The last core passes every limit at the default operating point.
  const std::size_t index =
      FindDesign([](const ExploredDesign& d) { return d.CoreIndex == 31 && d.CoresToStack == 2; });
  session.compareCores.Pick(index);
  kit.UserClick(kCompareCoresForm, "cmdUseDesign");

  EXPECT_TRUE(kit.IsEnabled(kInputForm, "txtCoreSize"));
  EXPECT_EQ(kit.ChosenPosition(kInputForm, "txtCoreSize"),
            session.compareCores.Designs()[index].CoreIndex);
  EXPECT_TRUE(kit.IsVisible(kSummaryForm))
      << (kit.Messages().empty() ? "" : kit.Messages()[0].text);
}

// "Use this design" does what the user would do by hand: pick the core from the list, type
// the stack count and press "&Show Results". Both ways must end the same.
struct UseCase {
  const char* name;
  bool (*fits)(const ExploredDesign&);
  bool fromSummary;
  const char* vout = "380";
  friend void PrintTo(const UseCase& c, std::ostream* out) { *out << c.name; }
};

class UseThisDesignTest : public CompareCoresFlowTest,
                          public ::testing::WithParamInterface<UseCase> {};

TEST_P(UseThisDesignTest, EndsAsPickingItByHand) {
  const UseCase& c = GetParam();
  kit.SetText(kInputForm, "txtVout", c.vout);
  if (c.fromSummary) {
    kit.UserClick(kInputForm, "cmdProcess");
    ASSERT_TRUE(kit.IsVisible(kSummaryForm));
    kit.UserClick(kSummaryForm, "cmdCompareCores");
  } else {
    kit.UserClick(kInputForm, "cmdCompareCores");
  }
  const std::size_t index = FindDesign(c.fits);
  const ExploredDesign design = session.compareCores.Designs()[index];
  session.compareCores.Pick(index);
  kit.ClearRecord();

  kit.UserClick(kCompareCoresForm, "cmdUseDesign");

  EXPECT_TRUE(kit.IsTicked(kInputForm, "chkPickCore"));
  EXPECT_FALSE(kit.IsTicked(kInputForm, "chkCalcCore"));
  EXPECT_EQ(session.record.CalcType, DesignerPicks);
  EXPECT_EQ(kit.Text(kInputForm, "txtStack"), std::to_string(design.CoresToStack));
  EXPECT_EQ(session.record.CoresToStack, design.CoresToStack);
  EXPECT_EQ(session.record.SelectedCoreSize, design.SelectedCoreSize);
  const std::vector<Message> used = kit.Messages();
  const bool published = kit.IsVisible(kSummaryForm);
  EXPECT_EQ(kit.IsVisible(kInputForm), !published);
  if (published) {
    EXPECT_EQ(kit.Text(kSummaryForm, "txtOutCoreSize"), design.SelectedCoreSize);
    EXPECT_EQ(kit.Text(kSummaryForm, "txtStackout"),
              design.CoresToStack == 1 ? "" : "* " + std::to_string(design.CoresToStack));
  }
  const ResultSummary shown = published ? session.summary : ResultSummary{};
  EXPECT_TRUE(kit.IsLoaded(kCompareCoresForm));

  // The same choice by hand, on a fresh start.
  DesktopSession handSession;
  FormRegistry handRegistry;
  RegisterStandardForms(handRegistry, handSession, services);
  RecordingToolkit hand{handRegistry};
  hand.Show(kInputForm);
  hand.SetText(kInputForm, "txtVout", c.vout);
  hand.UserClick(kInputForm, "chkPickCore");
  hand.UserChoose(kInputForm, "txtCoreSize", design.CoreIndex);
  hand.SetText(kInputForm, "txtStack", std::to_string(design.CoresToStack));
  hand.UserClick(kInputForm, "cmdProcess");
  ASSERT_EQ(hand.Messages().size(), used.size());
  for (std::size_t i = 0; i < used.size(); ++i) {
    EXPECT_EQ(hand.Messages()[i].text, used[i].text) << i;
  }
  EXPECT_EQ(hand.IsVisible(kSummaryForm), published);
  if (published) {
    EXPECT_EQ(handSession.summary.txtTotalLosses, shown.txtTotalLosses);
    EXPECT_EQ(handSession.summary.txtNoOfTurns, shown.txtNoOfTurns);
  }
  EXPECT_EQ(handSession.record.TotalLoss, session.record.TotalLoss);
}

INSTANTIATE_TEST_SUITE_P(
    Designs, UseThisDesignTest,
    ::testing::Values(
        UseCase{"PassingStackOfThree",
                [](const ExploredDesign& d) { return d.PassesAll() && d.CoresToStack == 3; },
                false},
        UseCase{"PassingFromTheSummary",
                [](const ExploredDesign& d) {
                  return d.PassesAll() && d.CoresToStack == 2 && !d.CalculatorChoice;
                },
                true},
        UseCase{"BelowTheLinePeak", [](const ExploredDesign& d) { return d.CoresToStack == 2; },
                false, "100"},
        UseCase{"FieldTooStrongFromTheSummary",
                [](const ExploredDesign& d) { return !d.PassesFieldStrength; }, true}),
    [](const ::testing::TestParamInfo<UseCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pfc::ui::testing
