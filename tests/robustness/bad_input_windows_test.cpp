// The same bad texts typed past the key filter into the real input form: each press of
// "&Show Results" either shows the summary with only finite numbers in it, or leaves the input
// form up after its messages; nothing crashes and no other window appears.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/run_properties.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/shell/standard_forms.h"
#include "ui/qt/toolkit/qt_toolkit.h"

namespace pfc::ui {
namespace {

const char* const kEntryBoxes[] = {
    "txtFrequency", "txtInductance", "txtOutputPower", "txtEfficiency", "txtVinMin",
    "txtVinMax",    "txtVout",       "txtAmbientTemp", "txtStack",      "txtFill_Factor"};

const char* const kSummaryTexts[] = {
    "txtFrequency",  "txtInductance",  "txtOutputPower",    "txtEfficiency",     "txtVinMin",
    "txtVinMax",     "txtVout",        "txtAmbientTemp",    "txtFillFactor",     "txtOutCoreSize",
    "txtNoOfTurns",  "txtWireGuage",   "txtZeroInductance", "txtFullInductance", "txtCoreLoss",
    "txtCopperLoss", "txtTotalLosses", "txtTotalTemp"};

std::vector<std::string> BadTexts() {
  const std::string tiny = "0." + std::string(310, '0') + "1";
  return {"",
          "   ",
          "0",
          ".",
          "..",
          "1.2.3",
          "-5",
          "1e5",
          "\xD9\xA1\xD9\xA2\xD9\xA3",
          std::string(10000, '9'),
          "NaN",
          "inf",
          "\x01\x02\x1b[2J",
          "5\a",
          tiny,
          "-1" + std::string(300, '0')};
}

class BadInputThroughTheWindows : public testing::TestWithParam<const char*> {
 protected:
  BadInputThroughTheWindows() {
    services.readTempFolder = [] { return std::string("/tmp"); };
    RegisterStandardForms(registry, session, services);
    kit.SetMessagePresenter([this](const Message& m) { messages.push_back(m); });
  }
  ~BadInputThroughTheWindows() override {
    for (const char* form : {kSummaryForm, kInputForm})
      kit.Unload(form);
  }

  void Click(const char* form, const char* button) {
    auto* widget = qobject_cast<QAbstractButton*>(kit.Widget(form, button));
    ASSERT_NE(widget, nullptr) << form << " " << button;
    widget->click();
    QCoreApplication::processEvents();
  }

  DesktopSession session;
  DesktopServices services = StandardServices();
  FormRegistry registry;
  QtToolkit kit{registry, QString()};
  std::vector<Message> messages;
};

TEST_P(BadInputThroughTheWindows, ShowResultsEndsOnTheFormOrOnASoundSummary) {
  const char* box = GetParam();
  kit.Show(kInputForm);
  const std::string defaultText = kit.Text(kInputForm, box);
  for (const std::string& text : BadTexts()) {
    SCOPED_TRACE(std::string(box) + " = \"" + text.substr(0, 40) + "\"");
    messages.clear();
    kit.SetText(kInputForm, box, text);
    Click(kInputForm, "cmdProcess");
    if (kit.IsVisible(kSummaryForm)) {
      EXPECT_FALSE(kit.IsVisible(kInputForm));
      for (const char* control : kSummaryTexts) {
        const std::string shown = kit.Text(kSummaryForm, control);
        EXPECT_FALSE(ShowsNonFiniteNumber(shown)) << control << " shows " << shown;
      }
      EXPECT_LE(messages.size(), 2u);  // the two warnings at most
      Click(kSummaryForm, "cmdExit");  // "R&eset Design Inputs"
    } else {
      EXPECT_EQ(messages.size(), 1u);
      for (const Message& message : messages)
        EXPECT_FALSE(ShowsNonFiniteNumber(message.text));
    }
    EXPECT_TRUE(kit.IsVisible(kInputForm));
    kit.SetText(kInputForm, box, defaultText);
  }
}

// Three cores keep the field within its limit on the last row, so a frequency whose period
// overflows would reach the summary with an infinite or undefined core loss.
TEST_F(BadInputThroughTheWindows, AnOverflowingFrequencyNeverReachesTheSummary) {
  kit.Show(kInputForm);
  kit.SetText(kInputForm, "txtStack", "3");
  for (const int zeros : {200, 310}) {
    messages.clear();
    kit.SetText(kInputForm, "txtFrequency",
                "0." + std::string(static_cast<std::size_t>(zeros), '0') + "1");
    Click(kInputForm, "cmdProcess");
    EXPECT_FALSE(kit.IsVisible(kSummaryForm)) << zeros;
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, kCautionTitle);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryEntryBox, BadInputThroughTheWindows, testing::ValuesIn(kEntryBoxes),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param);
                         });

}  // namespace
}  // namespace pfc::ui

// Without a display unless the environment names a platform.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
