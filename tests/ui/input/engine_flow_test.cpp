#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/support/recording_toolkit.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/shell/standard_forms.h"

namespace pfc::ui::testing {
namespace {

// The input form and the summary on the real design engine, as the application wires them.
class EngineFlowTest : public ::testing::Test {
 protected:
  EngineFlowTest() {
    services.runDesign = StandardServices().runDesign;
    services.readTempFolder = [] { return std::string("/tmp"); };
    RegisterStandardForms(registry, session, services);
    kit.Show(kEnterForm);
    kit.UserClick(kEnterForm, "cmdProcess");
  }

  DesktopSession session;
  DesktopServices services;
  FormRegistry registry;
  RecordingToolkit kit{registry};
};

TEST_F(EngineFlowTest, DefaultInputsPublishTheKnownDesign) {
  kit.UserClick(kInputForm, "cmdProcess");
  ASSERT_TRUE(kit.IsVisible(kSummaryForm));
  EXPECT_TRUE(kit.Messages().empty());
  const std::vector<std::pair<const char*, const char*>> expected{
      {"txtNoOfTurns", "31"},       {"txtWireGuage", "12"},       {"txtFillFactor", "0.4"},
      {"txtZeroInductance", "215"}, {"txtFullInductance", "150"}, {"txtCoreLoss", "3.56"},
      {"txtCopperLoss", "4.06"},    {"txtTotalLosses", "7.62"},   {"txtTotalTemp", "120"},
      {"txtStackout", ""},          {"txtFrequency", "100000"},   {"txtEfficiency", "95"}};
  for (const auto& [control, text] : expected) {
    EXPECT_EQ(kit.Text(kSummaryForm, control), text) << control;
  }
  EXPECT_FALSE(kit.Text(kSummaryForm, "txtOutCoreSize").empty());
  EXPECT_EQ(kit.Pointer(kInputForm), MousePointer::Normal);
}

TEST_F(EngineFlowTest, OutputBelowTheLinePeakStopsWithTheCoreListEmptied) {
  kit.UserClick(kInputForm, "chkPickCore");
  kit.UserChoose(kInputForm, "txtCoreSize", 10);
  kit.UserType(kInputForm, "txtVout", "100");
  kit.UserClick(kInputForm, "cmdProcess");
  ASSERT_EQ(kit.Messages().size(), 1u);
  EXPECT_EQ(kit.Messages()[0].title, kCautionTitle);
  EXPECT_TRUE(kit.Messages()[0].text.starts_with("Vpeak exceeds Vout."));
  EXPECT_EQ(kit.ItemCount(kInputForm, "txtCoreSize"), 0);
  EXPECT_FALSE(kit.IsEnabled(kInputForm, "txtCoreSize"));
  EXPECT_FALSE(kit.IsVisible(kSummaryForm));
  EXPECT_EQ(kit.Pointer(kInputForm), MousePointer::Normal);
}

TEST_F(EngineFlowTest, EmptyEntriesStopAtTheFrequencyWithItsFocus) {
  kit.UserClick(kInputForm, "cmdQuit");
  kit.UserClick(kInputForm, "cmdProcess");
  ASSERT_EQ(kit.Messages().size(), 1u);
  EXPECT_EQ(kit.Messages()[0].text, "Enter the Frequency Value");
  EXPECT_EQ(kit.Focus().second, "txtFrequency");
  EXPECT_TRUE(kit.CallsOf("Pointer").empty());
}

// The summary's inputs are echoed when it loads and its outputs written when the design is
// published; showing it changes nothing more.
TEST_F(EngineFlowTest, APublishedRunWritesEachControlOnce) {
  kit.ClearRecord();
  kit.UserClick(kInputForm, "cmdProcess");
  ASSERT_TRUE(kit.IsVisible(kSummaryForm));
  std::map<std::string, int> writes;
  for (const RecordedCall& call : kit.Calls()) {
    if (!call.control.empty()) {
      EXPECT_EQ(++writes[call.operation + " " + call.form + "." + call.control], 1)
          << call.operation << " " << call.control;
    }
  }
  EXPECT_EQ(writes.count("SetText frmResult.txtFrequency"), 1u);
  EXPECT_EQ(writes.count("SetText frmResult.txtTotalTemp"), 1u);
}

}  // namespace
}  // namespace pfc::ui::testing
