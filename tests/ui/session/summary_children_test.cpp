#include <gtest/gtest.h>

#include <functional>

#include "tests/ui/flow_fixture.h"
#include "ui/forms/viewer/viewer_flows.h"

namespace pfc::ui::testing {
namespace {

class SummaryChildrenTest : public FlowTest {
 protected:
  SummaryChildrenTest() {
    services.closeReport = [this] { ++closedReports; };
  }

  // A published design with every window that works from it open.
  void PublishAndOpenEverything() {
    StartAndAccept();
    ScriptPublished();
    kit.UserClick(kInputForm, "cmdProcess");
    kit.UserClick(kSummaryForm, "cmdReport");
    kit.UserClick(kSummaryForm, "cmdIinterOutput");
    kit.UserActivate(kSummaryForm);
    kit.UserClick(kSummaryForm, "cmdCompareCores");
    kit.Show(kOperatingCheckForm);  // as its button opens it (the scripted design has no wire)
    ASSERT_EQ(shownReports.size(), 1u);
    ASSERT_TRUE(kit.IsVisible(kOperatingCheckForm));
    ASSERT_TRUE(kit.IsVisible(kListingForm));
    ASSERT_TRUE(kit.IsVisible(kCompareCoresForm));
  }

  int closedReports = 0;
};

struct WayBack {
  const char* name;
  std::function<void(RecordingToolkit&, const DesktopSession&)> go;
};

void PrintTo(const WayBack& way, std::ostream* out) {
  *out << way.name;
}

class GoingBackToTheInputForm : public SummaryChildrenTest,
                                public ::testing::WithParamInterface<WayBack> {};

TEST_P(GoingBackToTheInputForm, ClosesEveryWindowOfTheSummary) {
  PublishAndOpenEverything();

  GetParam().go(kit, session);

  EXPECT_TRUE(kit.IsVisible(kInputForm));
  EXPECT_FALSE(kit.IsLoaded(kSummaryForm));
  EXPECT_FALSE(kit.IsLoaded(kListingForm));
  EXPECT_FALSE(kit.IsLoaded(kCompareCoresForm));
  EXPECT_FALSE(kit.IsLoaded(kOperatingCheckForm));
  EXPECT_GE(closedReports, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, GoingBackToTheInputForm,
    ::testing::Values(WayBack{"ResetDesignInputs",
                              [](RecordingToolkit& kit, const DesktopSession&) {
                                kit.UserClick(kSummaryForm, "cmdExit");
                              }},
                      WayBack{"SummaryClosed",
                              [](RecordingToolkit& kit, const DesktopSession&) {
                                kit.UserClose(kSummaryForm);
                              }},
                      WayBack{"ViewersResetDesign",
                              [](RecordingToolkit& kit, const DesktopSession& session) {
                                ResetDesignFromViewer(kit, session.record);
                              }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SummaryChildrenTest, ASummaryWithoutADesignWritesNoReport) {
  StartAndAccept();
  kit.Show(kSummaryForm);  // as the viewer's "Back" would load it anew

  kit.UserClick(kSummaryForm, "cmdReport");

  EXPECT_TRUE(reportedSummaries.empty());
  EXPECT_TRUE(shownReports.empty());
  ASSERT_EQ(kit.Messages().size(), 1u);
  EXPECT_EQ(kit.Messages()[0].title, kCautionTitle);
}

TEST_F(SummaryChildrenTest, ClosingTheInputFormEndsTheProgramWithNothingOpen) {
  StartAndAccept();
  kit.UserClick(kInputForm, "cmdHelp");
  kit.UserActivate(kInputForm);
  kit.UserClick(kInputForm, "cmdCompareCores");
  kit.Show(kOperatingCheckForm);  // as Compare Cores' "Operating Check…" opens it
  kit.UserActivate(kInputForm);
  scripted = RunOutcome{};
  scripted.ending = RunEnding::FieldStrength;  // a stopped run leaves the summary hidden
  kit.UserClick(kInputForm, "cmdProcess");
  ASSERT_TRUE(kit.IsLoaded(kSummaryForm));

  kit.UserClose(kInputForm);

  EXPECT_TRUE(kit.Ended());
}

}  // namespace
}  // namespace pfc::ui::testing
