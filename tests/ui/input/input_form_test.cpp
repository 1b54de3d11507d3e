#include <gtest/gtest.h>

#include <set>

#include "engine/check/rolloff_grades.h"
#include "tests/ui/flow_fixture.h"
#include "ui/forms/directions/directions_texts.h"
#include "ui/forms/input/input_design.h"

namespace pfc::ui::testing {
namespace {

using Focus = std::pair<std::string, std::string>;

TEST_F(FlowTest, ExitAtStartEndsTheProgramWithNoOtherWindow) {
  kit.Show(kEnterForm);
  EXPECT_TRUE(kit.IsCentred(kEnterForm));
  EXPECT_EQ(session.tempFolder, "/home/user/tmp");
  kit.UserClick(kEnterForm, "cmdExit");
  EXPECT_TRUE(kit.Ended());
  EXPECT_EQ(kit.CallsOf("Load").size(), 1u);
}

TEST_F(FlowTest, AcceptShowsTheInputFormBeforeClosingTheDisclaimer) {
  StartAndAccept();
  EXPECT_FALSE(kit.IsLoaded(kEnterForm));
  EXPECT_TRUE(kit.IsVisible(kInputForm));
  const auto shows = kit.CallsOf("Show");
  const auto unloads = kit.CallsOf("Unload");
  ASSERT_EQ(unloads.size(), 1u);
  const auto order = std::find(kit.Calls().begin(), kit.Calls().end(), shows.back()) <
                     std::find(kit.Calls().begin(), kit.Calls().end(), unloads.front());
  EXPECT_TRUE(order);
  EXPECT_FALSE(kit.Ended());
}

TEST_F(FlowTest, InputFormOpensWithItsDefaults) {
  StartAndAccept();
  const std::vector<std::pair<const char*, const char*>> defaults{
      {"txtFrequency", "100000"}, {"txtInductance", "0.00015"}, {"txtOutputPower", "1500"},
      {"txtEfficiency", "95"},    {"txtVinMin", "85"},          {"txtVinMax", "264"},
      {"txtVout", "380"},         {"txtAmbientTemp", "50"},     {"txtStack", "1"},
      {"txtFill_Factor", ".4"}};
  for (const auto& [control, text] : defaults) {
    EXPECT_EQ(Text(kInputForm, control), text) << control;
  }
  EXPECT_EQ(kit.ChosenText(kInputForm, "cmbfrequency"), "Hz");
  EXPECT_EQ(kit.ChosenText(kInputForm, "cmbinductance"), "Henry");
  EXPECT_EQ(kit.ChosenText(kInputForm, "cmboutputpower"), "Watts");
  EXPECT_TRUE(kit.IsTicked(kInputForm, "chkCalcCore"));
  EXPECT_FALSE(kit.IsTicked(kInputForm, "chkPickCore"));
  EXPECT_EQ(kit.ItemCount(kInputForm, "txtCoreSize"), 0);
  EXPECT_FALSE(kit.IsEnabled(kInputForm, "txtCoreSize"));
  EXPECT_EQ(kit.ForeColor(kInputForm, "txtCoreSize"), (Rgb{192, 192, 192}));
  EXPECT_EQ(session.record.CalcType, CalcSelects);
  EXPECT_EQ(session.catalogue.RowCount(), 31);
  EXPECT_EQ(session.wires.RowCount(), 37);
  EXPECT_TRUE(kit.IsCentred(kInputForm));
  EXPECT_EQ(kit.ToolTip(kInputForm, "txtStack"), "Number of Cores to Stack In Calculations");
}

struct TypingCase {
  const char* control;
  const char* typed;
  const char* expected;
};

class KeyFilterTest : public FlowTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(KeyFilterTest, KeepsOnlyDigitsFullStopAndBackspace) {
  StartAndAccept();
  const TypingCase& c = GetParam();
  kit.UserType(kInputForm, c.control, c.typed);
  EXPECT_EQ(Text(kInputForm, c.control), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    EntryBoxes, KeyFilterTest,
    ::testing::Values(TypingCase{"txtFrequency", "1e3", "13"},
                      TypingCase{"txtAmbientTemp", "-5", "5"}, TypingCase{"txtVout", "3, 0", "30"},
                      TypingCase{"txtInductance", "1.2.3", "1.2.3"},
                      TypingCase{"txtStack",
                                 "\x03\x16\x18"
                                 "2",
                                 "2"},
                      TypingCase{"txtEfficiency", "9\b8", "8"},
                      TypingCase{"txtVinMax", "2µ6", "26"},
                      // The fill factor has no filter and no select-all: typing appends.
                      TypingCase{"txtFill_Factor", "x,5", "x,5.4"}));

TEST_F(FlowTest, FocusSelectsTheWholeTextOfTheNineBoxesOnly) {
  StartAndAccept();
  kit.UserFocus(kInputForm, "txtVout");
  EXPECT_EQ(kit.SelectedText(kInputForm, "txtVout"), "380");
  kit.UserType(kInputForm, "txtVout", "4");
  EXPECT_EQ(Text(kInputForm, "txtVout"), "4");
  kit.UserFocus(kInputForm, "txtFill_Factor");
  EXPECT_EQ(kit.SelectedText(kInputForm, "txtFill_Factor"), "");
}

TEST_F(FlowTest, PickFromListFillsThirtyTwoEntriesEveryTime) {
  StartAndAccept();
  kit.UserClick(kInputForm, "chkPickCore");
  kit.UserClick(kInputForm, "chkCalcCore");
  EXPECT_EQ(kit.ItemCount(kInputForm, "txtCoreSize"), 0);
  EXPECT_FALSE(kit.IsTicked(kInputForm, "chkPickCore"));
  kit.UserClick(kInputForm, "chkPickCore");
  ASSERT_EQ(kit.ItemCount(kInputForm, "txtCoreSize"), 32);
  EXPECT_EQ(kit.ItemText(kInputForm, "txtCoreSize", 0), "");
  EXPECT_EQ(kit.ItemText(kInputForm, "txtCoreSize", 1).substr(0, 10), "TD-01 (OD ");
  EXPECT_EQ(kit.ItemText(kInputForm, "txtCoreSize", 31).substr(0, 6), "TD-31 ");
  EXPECT_EQ(kit.ChosenPosition(kInputForm, "txtCoreSize"), -1);
  EXPECT_TRUE(kit.IsEnabled(kInputForm, "txtCoreSize"));
  EXPECT_EQ(kit.ForeColor(kInputForm, "txtCoreSize"), kBlack);
  EXPECT_FALSE(kit.IsTicked(kInputForm, "chkCalcCore"));
  EXPECT_EQ(session.record.CalcType, DesignerPicks);
  // Clearing the ticked box changes nothing else.
  kit.UserClick(kInputForm, "chkPickCore");
  EXPECT_FALSE(kit.IsTicked(kInputForm, "chkPickCore"));
  EXPECT_EQ(kit.ItemCount(kInputForm, "txtCoreSize"), 32);
  EXPECT_TRUE(kit.IsEnabled(kInputForm, "txtCoreSize"));
  EXPECT_EQ(session.record.CalcType, DesignerPicks);
}

TEST_F(FlowTest, ClearResultsEmptiesTheNineBoxesOnly) {
  StartAndAccept();
  kit.UserClick(kInputForm, "chkPickCore");
  kit.UserChoose(kInputForm, "txtCoreSize", 3);
  kit.UserChoose(kInputForm, "cmbinductance", 2);
  kit.UserClick(kInputForm, "cmdQuit");
  for (const char* box : {"txtFrequency", "txtInductance", "txtOutputPower", "txtEfficiency",
                          "txtVinMin", "txtVinMax", "txtVout", "txtAmbientTemp", "txtStack"}) {
    EXPECT_EQ(Text(kInputForm, box), "") << box;
  }
  EXPECT_EQ(Text(kInputForm, "txtFill_Factor"), ".4");
  EXPECT_EQ(kit.ChosenText(kInputForm, "cmbinductance"), "microhenry");
  EXPECT_EQ(kit.ChosenPosition(kInputForm, "txtCoreSize"), 3);
  EXPECT_TRUE(kit.IsTicked(kInputForm, "chkPickCore"));
  EXPECT_EQ(session.record.CalcType, DesignerPicks);
}

TEST_F(FlowTest, CancelLeadsBackToAFreshDisclaimerAndAFreshForm) {
  StartAndAccept();
  kit.UserType(kInputForm, "txtVout", "400");
  kit.UserClick(kInputForm, "chkPickCore");
  tempVariable = "/other";
  kit.UserClick(kInputForm, "cmdExit");
  EXPECT_FALSE(kit.IsLoaded(kInputForm));
  EXPECT_TRUE(kit.IsVisible(kEnterForm));
  EXPECT_EQ(session.tempFolder, "/other");
  EXPECT_FALSE(kit.Ended());
  kit.UserClick(kEnterForm, "cmdProcess");
  EXPECT_EQ(Text(kInputForm, "txtVout"), "380");
  EXPECT_TRUE(kit.IsTicked(kInputForm, "chkCalcCore"));
  EXPECT_EQ(session.record.CalcType, CalcSelects);
  EXPECT_EQ(session.catalogue.RowCount(), 31);  // rebuilt, not grown
}

// Tab reaches every control once, as the form is read: each next one lies below the last or
// beside it to the right; after the last it comes back to the frequency box.
TEST_F(FlowTest, TabVisitsEveryControlOnceInReadingOrder) {
  StartAndAccept();
  kit.UserClick(kInputForm, "chkPickCore");  // the core list takes the focus only when enabled
  session.checked.SetGrade(*FindRolloffGrade(125));  // and "Clear Part" with a part to clear
  const FormDescription design = InputFormDesign();
  std::set<std::string> focusable;
  for (const ControlDescription& control : design.controls) {
    if (control.tabIndex >= 0) {
      focusable.insert(control.name);
    }
  }
  kit.UserFocus(kInputForm, "txtFrequency");
  std::vector<std::string> visited{"txtFrequency"};
  for (std::size_t i = 0; i < focusable.size(); ++i) {
    kit.UserTab();
    visited.push_back(kit.Focus().second);
  }
  EXPECT_EQ(visited.back(), "txtFrequency");
  visited.pop_back();
  EXPECT_EQ(std::set<std::string>(visited.begin(), visited.end()), focusable);
  for (std::size_t i = 1; i < visited.size(); ++i) {
    const TwipRect& a = design.Find(visited[i - 1])->rect;
    const TwipRect& b = design.Find(visited[i])->rect;
    const bool below = b.y >= a.y + a.height;
    const bool sameLine = b.y < a.y + a.height && a.y < b.y + b.height;
    EXPECT_TRUE(below || (sameLine && b.x > a.x)) << visited[i - 1] << " then " << visited[i];
  }
}

TEST_F(FlowTest, TitleBarCloseOfTheInputFormEndsWithoutTheDisclaimer) {
  StartAndAccept();
  kit.UserClose(kInputForm);
  EXPECT_FALSE(kit.IsLoaded(kEnterForm));
  EXPECT_TRUE(kit.Ended());
}

// F1 opens the directions whatever window has the keyboard, the directions' own included.
TEST_F(FlowTest, FOneOpensTheDirectionsFromEveryWindow) {
  for (const char* form : {kEnterForm, kInputForm, kSummaryForm, kListingForm, kDirectionsForm}) {
    SCOPED_TRACE(form);
    kit.Show(kEnterForm);
    if (std::string(form) != kEnterForm) {
      kit.UserClick(kEnterForm, "cmdProcess");
      ScriptPublished();
      kit.UserClick(kInputForm, "cmdProcess");
      kit.Show(form);
    }
    kit.UserShortcut(form, "F1");
    EXPECT_TRUE(kit.IsVisible(kDirectionsForm));
    EXPECT_EQ(Text(kDirectionsForm, "txtHelp"), HelpText());
    for (const char* loaded : {kDirectionsForm, kListingForm, kSummaryForm, kInputForm}) {
      kit.Unload(loaded);
    }
  }
}

TEST_F(FlowTest, HelpTwiceShowsOneWindowWithTheFullTexts) {
  StartAndAccept();
  kit.UserClick(kInputForm, "cmdHelp");
  kit.SetText(kDirectionsForm, "txtHelp", "scribbled over");
  kit.UserClick(kInputForm, "cmdHelp");
  EXPECT_TRUE(kit.IsVisible(kDirectionsForm));
  EXPECT_EQ(kit.CallsOf("Load").size(), 3u);  // disclaimer, input form, directions once
  const std::string help = Text(kDirectionsForm, "txtHelp");
  std::size_t lines = 0;
  for (std::size_t at = help.find("\r\n"); at != std::string::npos;
       at = help.find("\r\n", at + 2)) {
    ++lines;
  }
  EXPECT_EQ(lines, 19u);
  EXPECT_TRUE(help.ends_with("design outputs.\r\n"));
  EXPECT_TRUE(help.find("\r\n3.  If outputs") != std::string::npos);
  const std::string contact = Text(kDirectionsForm, "TxtHelp2");
  EXPECT_TRUE(contact.starts_with("To contact us send an e-mail to "));
  EXPECT_EQ(std::count(contact.begin(), contact.end(), '\n'), 1);
  EXPECT_FALSE(contact.ends_with("\r\n"));
  EXPECT_EQ(kit.Pointer(kInputForm), MousePointer::Normal);
  kit.UserClick(kDirectionsForm, "cmdExit");
  EXPECT_FALSE(kit.IsLoaded(kDirectionsForm));
  kit.UserClick(kInputForm, "cmdHelp");
  EXPECT_EQ(Text(kDirectionsForm, "txtHelp"), help);
  EXPECT_TRUE(kit.IsVisible(kInputForm));  // both stay usable
}

}  // namespace
}  // namespace pfc::ui::testing
