#include <gtest/gtest.h>

#include <vector>

#include "engine/method/version.h"
#include "tests/ui/flow_fixture.h"
#include "ui/forms/viewer/viewer_flows.h"

namespace pfc::ui::testing {
namespace {

Message Caution(const char* text) {
  return Message{kCautionTitle, MessageIcon::Information, text};
}
Message Plain(const char* text) {
  return Message{kApplicationTitle, MessageIcon::None, text};
}

// The pointer changes and messages of the run, in order: "Busy", "Normal", or the text of
// a message.
std::vector<std::string> PointerAndMessages(const RecordingToolkit& kit) {
  std::vector<std::string> sequence;
  for (const RecordedCall& call : kit.Calls()) {
    if (call.operation == "Pointer" || call.operation == "Message") {
      sequence.push_back(call.value);
    }
  }
  return sequence;
}

TEST_F(FlowTest, PublishedRunShowsTheSummaryAndHidesTheInputForm) {
  StartAndAccept();
  kit.UserChoose(kInputForm, "cmbfrequency", 1);
  ScriptPublished();
  kit.ClearRecord();
  kit.UserClick(kInputForm, "cmdProcess");

  ASSERT_EQ(runEntries.size(), 1u);
  EXPECT_EQ(runEntries[0][Entry::Frequency], "100000");
  EXPECT_EQ(runEntries[0].Unit(Entry::Frequency), "kHz");
  EXPECT_EQ(runEntries[0][Entry::FillFactor], ".4");
  EXPECT_FALSE(runEntries[0].pickCore);
  EXPECT_EQ(catalogueRowsSeen, 31);

  EXPECT_FALSE(kit.IsVisible(kInputForm));
  EXPECT_TRUE(kit.IsLoaded(kInputForm));
  EXPECT_TRUE(kit.IsVisible(kSummaryForm));
  EXPECT_TRUE(kit.IsCentred(kSummaryForm));
  EXPECT_EQ(PointerAndMessages(kit), (std::vector<std::string>{"Busy", "Normal"}));
  EXPECT_EQ(kit.Pointer(kInputForm), MousePointer::Normal);
  const std::vector<std::pair<const char*, const char*>> shown{
      {"txtOutCoreSize", "TD-26"},  {"txtStackout", ""},          {"txtNoOfTurns", "31"},
      {"txtWireGuage", "12"},       {"txtFillFactor", "0.4"},     {"txtZeroInductance", "215"},
      {"txtFullInductance", "150"}, {"txtCoreLoss", "3.56"},      {"txtCopperLoss", "4.06"},
      {"txtTotalLosses", "7.62"},   {"txtTotalTemp", "120"},      {"totaltemp", "°C"},
      {"txtFrequency", "100000"},   {"txtInductance", "0.00015"}, {"txtEfficiency", "95"},
      {"txtVinMax", "264"},         {"txtAmbientTemp", "50"},     {"txtcore", "Calculated"}};
  for (const auto& [control, text] : shown) {
    EXPECT_EQ(Text(kSummaryForm, control), text) << control;
  }
  EXPECT_FALSE(kit.IsBold(kSummaryForm, "txtTotalTemp"));
  EXPECT_EQ(kit.ForeColor(kSummaryForm, "txtTotalTemp"), kBlack);
}

TEST_F(FlowTest, HotDesignIsEmphasisedUntilTheNextRunAfterReset) {
  StartAndAccept();
  ScriptPublished(200);
  kit.UserClick(kInputForm, "cmdProcess");
  EXPECT_EQ(Text(kSummaryForm, "txtTotalTemp"), " > 155°C");
  EXPECT_TRUE(kit.IsBold(kSummaryForm, "txtTotalTemp"));
  EXPECT_EQ(kit.ForeColor(kSummaryForm, "txtTotalTemp"), kRed);
  EXPECT_EQ(Text(kSummaryForm, "totaltemp"), "");
  ASSERT_EQ(kit.Messages().size(), 1u);

  kit.UserClick(kSummaryForm, "cmdExit");
  ScriptPublished(46);
  kit.UserClick(kInputForm, "cmdProcess");
  EXPECT_EQ(Text(kSummaryForm, "txtTotalTemp"), "96");
  EXPECT_FALSE(kit.IsBold(kSummaryForm, "txtTotalTemp"));
  EXPECT_EQ(kit.ForeColor(kSummaryForm, "txtTotalTemp"), kBlack);
  EXPECT_EQ(Text(kSummaryForm, "totaltemp"), "°C");
}

TEST_F(FlowTest, RejectedInputShowsItsMessageAndFocusesTheBox) {
  StartAndAccept();
  scripted.ending = RunEnding::Rejected;
  scripted.messages = {Caution("Enter the Out Voltage value below 420 volts")};
  scripted.focus = Entry::Vout;
  kit.ClearRecord();
  kit.UserClick(kInputForm, "cmdProcess");
  EXPECT_EQ(PointerAndMessages(kit),
            (std::vector<std::string>{"Enter the Out Voltage value below 420 volts"}));
  EXPECT_EQ(kit.Focus(), (std::pair<std::string, std::string>{kInputForm, "txtVout"}));
  EXPECT_EQ(kit.SelectedText(kInputForm, "txtVout"), "380");
  EXPECT_TRUE(kit.IsVisible(kInputForm));
  EXPECT_TRUE(kit.IsLoaded(kSummaryForm));
  EXPECT_FALSE(kit.IsVisible(kSummaryForm));
}

struct EndingCase {
  const char* name;
  RunEnding ending;
  std::vector<Message> messages;
  bool listEmptied;  // what the window makes of the ending
  std::vector<std::string> expectedSequence;
};

class RunEndingTest : public FlowTest, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(RunEndingTest, RestoresThePointerAndLeavesTheInputFormUp) {
  StartAndAccept();
  kit.UserClick(kInputForm, "chkPickCore");
  const EndingCase& c = GetParam();
  scripted.ending = c.ending;
  scripted.messages = c.messages;
  scripted.entriesPassedChecks = true;
  kit.ClearRecord();
  kit.UserClick(kInputForm, "cmdProcess");
  EXPECT_EQ(PointerAndMessages(kit), c.expectedSequence);
  EXPECT_EQ(kit.Pointer(kInputForm), MousePointer::Normal);
  EXPECT_EQ(kit.ItemCount(kInputForm, "txtCoreSize"), c.listEmptied ? 0 : 32);
  EXPECT_EQ(kit.IsEnabled(kInputForm, "txtCoreSize"), !c.listEmptied);
  EXPECT_TRUE(kit.IsVisible(kInputForm));
  EXPECT_FALSE(kit.IsVisible(kSummaryForm));
}

INSTANTIATE_TEST_SUITE_P(Endings, RunEndingTest,
                         ::testing::Values(EndingCase{"AreaProduct",
                                                      RunEnding::AreaProduct,
                                                      {Caution("area")},
                                                      true,
                                                      {"Busy", "area", "Normal"}},
                                           EndingCase{"Vpeak",
                                                      RunEnding::Vpeak,
                                                      {Caution("vpeak")},
                                                      true,
                                                      {"Busy", "vpeak", "Normal"}},
                                           EndingCase{"FieldStrength",
                                                      RunEnding::FieldStrength,
                                                      {Plain("hot"), Plain("field")},
                                                      false,
                                                      {"Busy", "hot", "Normal", "field"}},
                                           EndingCase{"UnknownCore",
                                                      RunEnding::UnknownCore,
                                                      {Caution("unknown")},
                                                      false,
                                                      {"Busy", "unknown", "Normal"}},
                                           // Passed the checks, then too small to calculate.
                                           EndingCase{"Uncomputable",
                                                      RunEnding::Rejected,
                                                      {Caution("too small")},
                                                      false,
                                                      {"Busy", "too small", "Normal"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FlowTest, EmptyStackCountIsFilledInBeforeTheRunGoesOn) {
  StartAndAccept();
  kit.UserClick(kInputForm, "cmdQuit");
  ScriptPublished();
  scripted.emptyStackTakenAsOne = true;
  kit.UserClick(kInputForm, "cmdProcess");
  EXPECT_EQ(runEntries.back()[Entry::Stack], "");
  EXPECT_EQ(Text(kInputForm, "txtStack"), "1");
}

TEST_F(FlowTest, ResetDesignInputsEmptiesOrRewindsTheCoreList) {
  StartAndAccept();
  ScriptPublished();
  kit.UserClick(kInputForm, "cmdProcess");
  kit.UserClick(kSummaryForm, "cmdExit");
  EXPECT_FALSE(kit.IsLoaded(kSummaryForm));
  EXPECT_TRUE(kit.IsVisible(kInputForm));
  EXPECT_FALSE(kit.IsEnabled(kInputForm, "txtCoreSize"));

  kit.UserClick(kInputForm, "chkPickCore");
  kit.UserChoose(kInputForm, "txtCoreSize", 7);
  kit.UserType(kInputForm, "txtVinMin", "90");
  kit.UserClick(kInputForm, "cmdProcess");
  EXPECT_EQ(runEntries.back()[Entry::CoreSize].substr(0, 6), "TD-07 ");
  EXPECT_TRUE(runEntries.back().pickCore);
  kit.UserClick(kSummaryForm, "cmdExit");
  EXPECT_EQ(kit.ChosenPosition(kInputForm, "txtCoreSize"), 0);
  EXPECT_EQ(kit.ItemCount(kInputForm, "txtCoreSize"), 32);
  EXPECT_EQ(Text(kInputForm, "txtVinMin"), "90");
}

TEST_F(FlowTest, SummaryCloseBoxReturnsWithoutResettingTheCoreList) {
  StartAndAccept();
  kit.UserClick(kInputForm, "chkPickCore");
  kit.UserChoose(kInputForm, "txtCoreSize", 5);
  ScriptPublished();
  kit.UserClick(kInputForm, "cmdProcess");
  kit.UserClose(kSummaryForm);
  EXPECT_TRUE(kit.IsVisible(kInputForm));
  EXPECT_EQ(kit.ChosenPosition(kInputForm, "txtCoreSize"), 5);
}

TEST_F(FlowTest, CalculationsOpenOnceAndReopenWithTheLatestDesign) {
  StartAndAccept();
  ScriptPublished();
  scriptedRecord->InputPower = 1578.947;
  scriptedRecord->ActualFillFactor = 0.45;
  scriptedRecord->FillFactorLimit = 0.4;
  kit.UserClick(kInputForm, "cmdProcess");
  kit.UserClick(kSummaryForm, "cmdIinterOutput");
  kit.UserClick(kSummaryForm, "cmdIinterOutput");
  EXPECT_EQ(kit.CallsOf("Load").size(), 4u);  // disclaimer, input, summary, listing once
  EXPECT_TRUE(kit.IsCentred(kListingForm));
  EXPECT_EQ(Text(kListingForm, "lblCaptionA1"), "Input power");
  EXPECT_EQ(Text(kListingForm, "lblValueA1"), "1578.95 Watt");
  EXPECT_EQ(Text(kListingForm, "lblCaptionA2"), "Actual Fill Factor");
  EXPECT_EQ(Text(kListingForm, "lblValueA2"), "0.45");
  EXPECT_EQ(kit.ForeColor(kListingForm, "lblValueA2"), kRed);
  EXPECT_EQ(Text(kListingForm, "lblCaptionC12"), "Core Loss");
  EXPECT_FALSE(kit.IsBold(kListingForm, "lblCaptionA1"));
  EXPECT_TRUE(kit.IsBold(kListingForm, "lblCaptionA2"));

  kit.UserClick(kListingForm, "cmdExit");
  EXPECT_FALSE(kit.IsLoaded(kListingForm));
  session.record.ActualFillFactor = 0.4;  // equal to the limit counts as within it
  kit.UserClick(kSummaryForm, "cmdIinterOutput");
  EXPECT_EQ(Text(kListingForm, "lblValueA2"), "0.4");
  EXPECT_EQ(kit.ForeColor(kListingForm, "lblValueA2"), kBlack);
}

TEST_F(FlowTest, ReturningToTheSummaryEchoesTheInputsAgain) {
  StartAndAccept();
  ScriptPublished();
  kit.UserClick(kInputForm, "cmdProcess");
  kit.UserClick(kSummaryForm, "cmdIinterOutput");
  session.record.VinMin = 90.456;
  session.record.TotalLoss = 99;
  kit.UserClick(kListingForm, "cmdExit");
  EXPECT_EQ(kit.ActiveForm(), kSummaryForm);
  EXPECT_EQ(Text(kSummaryForm, "txtVinMin"), "90.46");
  EXPECT_EQ(Text(kSummaryForm, "txtTotalLosses"), "7.62");  // outputs are not recomputed
}

TEST_F(FlowTest, ViewReportWritesTheWindowTextsAndShowsTheFile) {
  StartAndAccept();
  ScriptPublished();
  kit.UserClick(kInputForm, "cmdProcess");
  kit.UserClick(kSummaryForm, "cmdReport");
  ASSERT_EQ(reportedSummaries.size(), 1u);
  EXPECT_EQ(reportedSummaries[0].txtNoOfTurns, "31");
  EXPECT_EQ(reportedSummaries[0].txtFrequency, "100000");
  EXPECT_EQ(shownReports, (std::vector<std::string>{"/home/user/tmp/temp.htm"}));
  EXPECT_TRUE(kit.Messages().empty());
}

TEST_F(FlowTest, ReportWriteFailureIsReportedAndTheSummaryStays) {
  StartAndAccept();
  ScriptPublished();
  kit.UserClick(kInputForm, "cmdProcess");
  reportResult = FileWriteResult{false, "", "Permission denied"};
  kit.UserClick(kSummaryForm, "cmdReport");
  ASSERT_EQ(kit.Messages().size(), 1u);
  EXPECT_EQ(kit.Messages()[0].title, kCautionTitle);
  EXPECT_NE(kit.Messages()[0].text.find("/home/user/tmp/temp.htm"), std::string::npos);
  EXPECT_NE(kit.Messages()[0].text.find("Permission denied"), std::string::npos);
  EXPECT_TRUE(shownReports.empty());
  EXPECT_TRUE(kit.IsVisible(kSummaryForm));
}

TEST_F(FlowTest, PressingTheExplanatoryLineRecoloursTheWebLink) {
  StartAndAccept();
  ScriptPublished();
  kit.UserClick(kInputForm, "cmdProcess");
  EXPECT_EQ(kit.ForeColor(kSummaryForm, "cmdWebLink"), kBlue);
  EXPECT_TRUE(kit.IsBold(kSummaryForm, "cmdWebLink"));
  kit.UserMouseDown(kSummaryForm, "Label2");
  EXPECT_EQ(kit.ForeColor(kSummaryForm, "cmdWebLink"), kYellow);
  kit.UserMouseUp(kSummaryForm, "Label2");
  EXPECT_EQ(kit.ForeColor(kSummaryForm, "cmdWebLink"), kRed);
  webLaunchFailure = Plain("Unable to find Web Browser.");
  kit.UserClick(kSummaryForm, "cmdWebLink");
  EXPECT_EQ(webLaunchFolders, (std::vector<std::string>{"/home/user/tmp"}));
  ASSERT_EQ(kit.Messages().size(), 1u);
  EXPECT_EQ(kit.Messages()[0].text, "Unable to find Web Browser.");
  EXPECT_EQ(kit.ForeColor(kSummaryForm, "cmdWebLink"), kRed);
  kit.UserClick(kSummaryForm, "cmdExit");
  kit.UserClick(kInputForm, "cmdProcess");
  EXPECT_EQ(kit.ForeColor(kSummaryForm, "cmdWebLink"), kBlue);
}

// Steps on the way to the summary window.
enum class Step {
  Publish,
  PublishHot,
  ResetInputs,         // "R&eset Design Inputs"
  RejectChangedInput,  // a rejected run on a record whose inputs differ from the last design's
  VisitCalculations,   // there and back, the record's inputs changed meanwhile
  ResetFromViewerAndGoBack,
};

struct SummaryPath {
  const char* name;
  std::vector<Step> steps;
};

class SummaryPathTest : public FlowTest, public ::testing::WithParamInterface<SummaryPath> {
 protected:
  void Take(Step step) {
    switch (step) {
      case Step::Publish:
      case Step::PublishHot:
        ScriptPublished(step == Step::Publish ? 70 : 200);
        kit.UserClick(kInputForm, "cmdProcess");
        break;
      case Step::ResetInputs:
        kit.UserClick(kSummaryForm, "cmdExit");
        break;
      case Step::RejectChangedInput:
        scriptedRecord.reset();
        session.record.VinMin = 90.456;
        scripted = RunOutcome{};
        scripted.messages = {Caution("Enter Out Voltage Value")};
        kit.UserClick(kInputForm, "cmdProcess");
        break;
      case Step::VisitCalculations:
        kit.UserClick(kSummaryForm, "cmdIinterOutput");
        session.record.Efficiency = 0.935;
        kit.UserClick(kListingForm, "cmdExit");
        break;
      case Step::ResetFromViewerAndGoBack:
        ResetDesignFromViewer(kit, session.record);
        ReturnToSummary(kit);
        break;
    }
  }
};

// The report is made from the session's summary, never read back from the window, so the two
// must not part on any way to the window.
TEST_P(SummaryPathTest, LeavesTheSessionsSummaryAsTheWindowShowsIt) {
  StartAndAccept();
  for (const Step step : GetParam().steps) {
    Take(step);
  }
  ASSERT_TRUE(kit.IsLoaded(kSummaryForm));
  EXPECT_TRUE(ShownSummary() == session.summary);
  if (kit.IsVisible(kSummaryForm)) {
    // A window loaded again after a reset shows no design and refuses to report one.
    const bool showsADesign = !ShownSummary().txtOutCoreSize.empty();
    kit.UserClick(kSummaryForm, "cmdReport");
    ASSERT_EQ(reportedSummaries.size(), showsADesign ? 1u : 0u);
    if (showsADesign) {
      EXPECT_TRUE(reportedSummaries[0] == ShownSummary());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SummaryPathTest,
    ::testing::Values(
        SummaryPath{"Published", {Step::Publish}},
        SummaryPath{"HotThenCoolAfterReset", {Step::PublishHot, Step::ResetInputs, Step::Publish}},
        SummaryPath{"StoppedRun", {Step::RejectChangedInput}},
        SummaryPath{"HotOverAStoppedRun",
                    {Step::Publish, Step::ResetInputs, Step::RejectChangedInput, Step::PublishHot}},
        SummaryPath{"BackFromTheCalculations", {Step::Publish, Step::VisitCalculations}},
        SummaryPath{"BackFromTheViewerAfterReset",
                    {Step::Publish, Step::ResetFromViewerAndGoBack}}),
    [](const auto& info) { return std::string(info.param.name); });

// The disclaimer's box and both programs' --version name one release.
TEST_F(FlowTest, TheDisclaimerShowsTheReleaseTheProgramsReport) {
  kit.Show(kEnterForm);
  const std::string box = kit.Text(kEnterForm, "lblVersion");
  EXPECT_EQ(box, "  (Ver.  3.0.0)");
  const std::string release = box.substr(box.rfind(' ') + 1, box.size() - box.rfind(' ') - 2);
  EXPECT_EQ(VersionLine("pfc-core-designer"), "pfc-core-designer (PFC Core Designer) " + release);
}

TEST_F(FlowTest, AStoppedRunDoesNotKeepTheProgramAliveAfterCancel) {
  StartAndAccept();
  scripted.ending = RunEnding::Rejected;
  scripted.messages = {Caution("Enter the Frequency Value")};
  scripted.focus = Entry::Frequency;
  kit.UserClick(kInputForm, "cmdProcess");
  kit.UserClick(kInputForm, "cmdExit");
  EXPECT_FALSE(kit.IsLoaded(kSummaryForm));
  EXPECT_FALSE(kit.IsVisible(kInputForm));
  kit.UserClick(kEnterForm, "cmdExit");
  EXPECT_TRUE(kit.Ended());
}

}  // namespace
}  // namespace pfc::ui::testing
