#include "ui/forms/viewer/viewer_flows.h"

#include <gtest/gtest.h>

#include "tests/support/recording_toolkit.h"
#include "tests/viewer/stand_in_forms.h"

namespace pfc {
namespace {

// The input form hidden behind the summary, as after a published run.
class ViewerFlows : public ::testing::Test {
 protected:
  ViewerFlows() : toolkit_(registry_) {
    toolkit_.Show("frmXls");
    toolkit_.Hide("frmXls");
    toolkit_.Show("frmResult");
    toolkit_.ClearRecord();
  }

  ui::FormRegistry registry_ = test::StandInForms();
  ui::RecordingToolkit toolkit_;
  DesignRecord record_;
};

TEST_F(ViewerFlows, ResetWhenTheCalculatorSelectsEmptiesTheCoreList) {
  record_.CalcType = CalcSelects;

  ResetDesignFromViewer(toolkit_, record_);

  EXPECT_EQ(toolkit_.ItemCount("frmXls", "txtCoreSize"), 0);
  EXPECT_TRUE(toolkit_.IsVisible("frmXls"));
  EXPECT_FALSE(toolkit_.IsLoaded("frmResult"));
  EXPECT_EQ(toolkit_.ActiveForm(), "frmXls");
}

TEST_F(ViewerFlows, ResetWhenTheDesignerPicksChoosesTheBlankEntry) {
  record_.CalcType = DesignerPicks;

  ResetDesignFromViewer(toolkit_, record_);

  EXPECT_EQ(toolkit_.ItemCount("frmXls", "txtCoreSize"), 3);
  EXPECT_EQ(toolkit_.ChosenPosition("frmXls", "txtCoreSize"), 0);
  EXPECT_EQ(toolkit_.ChosenText("frmXls", "txtCoreSize"), "");
  EXPECT_TRUE(toolkit_.IsVisible("frmXls"));
  EXPECT_FALSE(toolkit_.IsLoaded("frmResult"));
}

TEST_F(ViewerFlows, ResetPreparesAndShowsTheInputFormBeforeClosingTheSummary) {
  record_.CalcType = CalcSelects;

  ResetDesignFromViewer(toolkit_, record_);

  std::vector<std::string> order;
  for (const ui::RecordedCall& call : toolkit_.Calls()) {
    if (call.operation == "ClearItems" || call.operation == "Choose" || call.operation == "Show" ||
        call.operation == "Unload") {
      order.push_back(call.operation + " " + call.form);
    }
  }
  // The summary's own unloading shows the input form a second time; the recording toolkit
  // notes an unload once its handler has run.
  const std::vector<std::string> expected = {"ClearItems frmXls", "Show frmXls", "Show frmXls",
                                             "Unload frmResult"};
  EXPECT_EQ(order, expected);
}

TEST_F(ViewerFlows, BackLoadsTheSummaryAnewWhenItWasClosed) {
  toolkit_.UserClose("frmResult");
  ASSERT_FALSE(toolkit_.IsLoaded("frmResult"));

  ReturnToSummary(toolkit_);

  EXPECT_TRUE(toolkit_.IsLoaded("frmResult"));
  EXPECT_TRUE(toolkit_.IsVisible("frmResult"));
}

}  // namespace
}  // namespace pfc
