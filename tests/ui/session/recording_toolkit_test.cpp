#include "tests/support/recording_toolkit.h"

#include <gtest/gtest.h>

#include "tests/support/toolkit_conformance.h"
#include "tests/ui/probe_form.h"

namespace pfc::ui::testing {
namespace {

struct RecordingHarness {
  FormRegistry registry;
  ProbeLog log;
  std::unique_ptr<RecordingToolkit> toolkit;

  RecordingHarness() {
    RegisterProbe(registry, "frmA", log);
    RegisterProbe(registry, "frmB", log);
    toolkit = std::make_unique<RecordingToolkit>(registry);
  }
  Toolkit& Kit() { return *toolkit; }
  bool Ended() const { return toolkit->Ended(); }
  void CloseByUser(std::string_view form, SaveChangesAnswer answer) {
    toolkit->AnswerSaveChanges(answer);
    toolkit->UserClose(form);
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Recording, ToolkitConformance, RecordingHarness);

class RecordingToolkitTest : public ::testing::Test {
 protected:
  RecordingHarness h;
  RecordingToolkit& kit = *h.toolkit;

  long Count(const std::string& event) const {
    return std::count(h.log.events.begin(), h.log.events.end(), event);
  }
};

TEST_F(RecordingToolkitTest, ActivationFollowsTheFrontMostForm) {
  kit.Show("frmA");
  kit.Show("frmB");
  kit.Show("frmB");  // already in front: no switch of forms
  EXPECT_EQ(Count("frmB: Activate"), 1);
  kit.Hide("frmB");  // the window manager activates what is left
  EXPECT_EQ(Count("frmA: Activate"), 2);
  EXPECT_EQ(kit.ActiveForm(), "frmA");
  kit.Show("frmB");
  kit.UserActivate("frmA");
  EXPECT_EQ(Count("frmA: Activate"), 3);
  kit.UserActivate("frmA");
  EXPECT_EQ(Count("frmA: Activate"), 3);
}

TEST_F(RecordingToolkitTest, AHandlerMayUnloadItsOwnFormAndCarryOn) {
  kit.Show("frmA");
  kit.UserClick("frmA", "cmdClose");
  EXPECT_FALSE(kit.IsLoaded("frmA"));
  EXPECT_TRUE(kit.Ended());
  const auto& events = h.log.events;
  ASSERT_GE(events.size(), 3u);
  EXPECT_EQ(events[events.size() - 2], "frmA: Unload");
  EXPECT_EQ(events.back(), "frmA: after unload");
}

TEST_F(RecordingToolkitTest, TypingReplacesTheSelectionAndHonoursTheKeyHandler) {
  kit.Show("frmA");
  kit.UserFocus("frmA", "txtDigits");  // the probe selects all on focus
  EXPECT_EQ(kit.SelectedText("frmA", "txtDigits"), "380");
  kit.UserType("frmA", "txtDigits", "4x2\b5");
  EXPECT_EQ(kit.Text("frmA", "txtDigits"), "45");
  kit.UserType("frmA", "txtFree", "x\x03y");  // Ctrl+C types nothing into the text
  EXPECT_EQ(kit.Text("frmA", "txtFree"), "xy");
  kit.UserType("frmA", "txtFree", "\b\b\b");
  EXPECT_EQ(kit.Text("frmA", "txtFree"), "");
}

TEST_F(RecordingToolkitTest, ALostFocusHandlerMayRedirectTheFocus) {
  kit.Show("frmA");
  kit.UserFocus("frmA", "cmdBounce");
  kit.UserTab();
  EXPECT_EQ(kit.Focus(), (std::pair<std::string, std::string>{"frmA", "txtDigits"}));
  EXPECT_EQ(Count("frmA: GotFocus cmdClose"), 0);
  EXPECT_EQ(kit.SelectedText("frmA", "txtDigits"), "380");
  kit.UserTab();
  EXPECT_EQ(kit.Focus().second, "cmbUnit");
}

TEST_F(RecordingToolkitTest, DisabledControlsIgnoreTheUser) {
  kit.Show("frmA");
  kit.SetEnabled("frmA", "cmdGo", false);
  kit.UserClick("frmA", "cmdGo");
  kit.SetEnabled("frmA", "txtFree", false);
  kit.UserType("frmA", "txtFree", "12");
  EXPECT_EQ(Count("frmA: Click cmdGo"), 0);
  EXPECT_EQ(kit.Text("frmA", "txtFree"), "");
}

TEST_F(RecordingToolkitTest, UserClicksReachTheRightHandlers) {
  kit.Show("frmA");
  kit.UserClick("frmA", "chkOption");
  EXPECT_FALSE(kit.IsTicked("frmA", "chkOption"));
  kit.UserClick("frmA", "lblNote");
  kit.UserChoose("frmA", "cmbUnit", 1);
  EXPECT_EQ(kit.ChosenText("frmA", "cmbUnit"), "kHz");
  const std::vector<std::string> tail(h.log.events.end() - 7, h.log.events.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"frmA: Click chkOption", "frmA: MouseDown lblNote",
                                            "frmA: MouseUp lblNote", "frmA: Click lblNote",
                                            "frmA: LostFocus chkOption", "frmA: GotFocus cmbUnit",
                                            "frmA: Click cmbUnit"}));
}

TEST_F(RecordingToolkitTest, RecordsMessagesPointerAndPosition) {
  kit.Move("frmA", 700, 600);
  kit.SetMousePointer("frmA", MousePointer::Busy);
  kit.ShowMessage(Message{"Caution", MessageIcon::Information, "one\r\ntwo"});
  EXPECT_EQ(kit.Position("frmA"), (std::pair{700, 600}));
  EXPECT_EQ(kit.Pointer("frmA"), MousePointer::Busy);
  ASSERT_EQ(kit.Messages().size(), 1u);
  EXPECT_EQ(kit.Messages()[0].text, "one\r\ntwo");
  EXPECT_EQ(kit.CallsOf("Message"),
            (std::vector<RecordedCall>{{"Message", "Caution", "", "one\r\ntwo"}}));
  EXPECT_EQ(kit.ToolTip("frmA", "lblNote"), "A note");
}

}  // namespace
}  // namespace pfc::ui::testing
