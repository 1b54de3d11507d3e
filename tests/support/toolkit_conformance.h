#pragma once

// Behaviour every toolkit implementation must share, written once against the interface and
// instantiated for each implementation with a harness that provides:
//   Toolkit& Kit();  ProbeLog log;  bool Ended();
//   void CloseByUser(form, answer);  // the title bar's close, answering a question it brings
// The harness registers probe forms "frmA" and "frmB".

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/ui/probe_form.h"

namespace pfc::ui::testing {

template <class Harness>
class ToolkitConformance : public ::testing::Test {
 protected:
  Harness harness;
  Toolkit& Kit() { return harness.Kit(); }
  std::vector<std::string>& Events() { return harness.log.events; }
};

TYPED_TEST_SUITE_P(ToolkitConformance);

TYPED_TEST_P(ToolkitConformance, ReadingAControlLoadsTheFormOnce) {
  EXPECT_FALSE(this->Kit().IsLoaded("frmA"));
  EXPECT_EQ(this->Kit().Text("frmA", "txtDigits"), "380");
  this->Kit().SetText("frmA", "txtDigits", "12");
  EXPECT_TRUE(this->Kit().IsLoaded("frmA"));
  EXPECT_FALSE(this->Kit().IsVisible("frmA"));
  EXPECT_EQ(this->Events(), std::vector<std::string>{"frmA: Load"});
}

TYPED_TEST_P(ToolkitConformance, UnloadDiscardsContentsAndHideKeepsThem) {
  Toolkit& kit = this->Kit();
  kit.SetText("frmA", "txtDigits", "12");
  kit.Show("frmA");
  kit.Hide("frmA");
  EXPECT_TRUE(kit.IsLoaded("frmA"));
  EXPECT_FALSE(kit.IsVisible("frmA"));
  EXPECT_EQ(kit.Text("frmA", "txtDigits"), "12");
  kit.Unload("frmA");
  EXPECT_FALSE(kit.IsLoaded("frmA"));
  EXPECT_EQ(kit.Text("frmA", "txtDigits"), "380");
  const std::vector<std::string> loads{"frmA: Load", "frmA: Unload", "frmA: Load"};
  std::vector<std::string> lifecycle;
  for (const auto& e : this->Events()) {
    if (e.ends_with("Load") || e.ends_with("Unload")) {
      lifecycle.push_back(e);
    }
  }
  EXPECT_EQ(lifecycle, loads);
}

TYPED_TEST_P(ToolkitConformance, ProgramEndsOnlyWhenNoFormIsLoaded) {
  Toolkit& kit = this->Kit();
  EXPECT_FALSE(this->harness.Ended());
  kit.Show("frmA");
  kit.Load("frmB");  // loaded, never shown
  kit.Unload("frmA");
  EXPECT_FALSE(this->harness.Ended());
  kit.Unload("frmB");
  EXPECT_TRUE(this->harness.Ended());
}

TYPED_TEST_P(ToolkitConformance, ChangingACheckBoxFiresItsClickOnlyOnChange) {
  Toolkit& kit = this->Kit();
  EXPECT_TRUE(kit.IsTicked("frmA", "chkOption"));
  kit.SetTicked("frmA", "chkOption", true);
  kit.SetTicked("frmA", "chkOption", false);
  kit.SetTicked("frmA", "chkOption", false);
  EXPECT_FALSE(kit.IsTicked("frmA", "chkOption"));
  EXPECT_EQ(std::count(this->Events().begin(), this->Events().end(), "frmA: Click chkOption"), 1);
}

TYPED_TEST_P(ToolkitConformance, ListsChooseOnlyWhatTheyAreTold) {
  Toolkit& kit = this->Kit();
  EXPECT_EQ(kit.ChosenText("frmA", "cmbUnit"), "Hz");
  kit.ClearItems("frmA", "cmbUnit");
  EXPECT_EQ(kit.ChosenPosition("frmA", "cmbUnit"), -1);
  kit.AddItem("frmA", "cmbUnit", "");
  kit.AddItem("frmA", "cmbUnit", "TD-01 (OD 1.00mm)");
  EXPECT_EQ(kit.ItemCount("frmA", "cmbUnit"), 2);
  EXPECT_EQ(kit.ChosenPosition("frmA", "cmbUnit"), -1);
  EXPECT_EQ(kit.ChosenText("frmA", "cmbUnit"), "");
  kit.Choose("frmA", "cmbUnit", 1);
  EXPECT_EQ(kit.ChosenText("frmA", "cmbUnit"), "TD-01 (OD 1.00mm)");
  kit.Choose("frmA", "cmbUnit", 5);
  EXPECT_EQ(kit.ChosenPosition("frmA", "cmbUnit"), -1);
  EXPECT_EQ(kit.ItemText("frmA", "cmbUnit", 2), "");
}

TYPED_TEST_P(ToolkitConformance, AppearanceRoundTrips) {
  Toolkit& kit = this->Kit();
  EXPECT_FALSE(kit.IsBold("frmA", "txtFree"));
  EXPECT_EQ(kit.ForeColor("frmA", "txtFree"), kBlack);
  kit.SetBold("frmA", "txtFree", true);
  kit.SetForeColor("frmA", "txtFree", kRed);
  kit.SetEnabled("frmA", "cmbUnit", false);
  kit.SetText("frmA", "lblNote", "Changed");
  kit.SetText("frmA", "cmdGo", "&Stop");
  EXPECT_TRUE(kit.IsBold("frmA", "txtFree"));
  EXPECT_EQ(kit.ForeColor("frmA", "txtFree"), kRed);
  EXPECT_FALSE(kit.IsEnabled("frmA", "cmbUnit"));
  EXPECT_EQ(kit.Text("frmA", "lblNote"), "Changed");
  EXPECT_EQ(kit.Text("frmA", "cmdGo"), "&Stop");
}

TYPED_TEST_P(ToolkitConformance, CaptionStartsAsDesignedAndIsLostWithTheForm) {
  Toolkit& kit = this->Kit();
  const std::string designed = kit.Caption("frmA");
  EXPECT_FALSE(designed.empty());
  kit.SetCaption("frmA", "x.pfcdesign* - " + designed);
  EXPECT_EQ(kit.Caption("frmA"), "x.pfcdesign* - " + designed);
  EXPECT_EQ(kit.Caption("frmB"), ProbeDesign("frmB").caption);
  kit.Unload("frmA");
  EXPECT_EQ(kit.Caption("frmA"), designed);
}

TYPED_TEST_P(ToolkitConformance, UnknownNamesAreProgrammingErrors) {
  EXPECT_THROW(this->Kit().Load("frmNowhere"), std::logic_error);
  EXPECT_THROW(this->Kit().Text("frmA", "txtNowhere"), std::logic_error);
}

TYPED_TEST_P(ToolkitConformance, TheUsersCloseAsksTheFormAndCancelKeepsItTheProgramsDoesNot) {
  Toolkit& kit = this->Kit();
  struct Case {
    SaveChangesAnswer answer;
    const char* logged;  // by the probe, from what the toolkit returned
    bool kept;
  };
  for (const Case& c : {Case{SaveChangesAnswer::Cancel, "frmA: Answer Cancel", true},
                        Case{SaveChangesAnswer::Discard, "frmA: Answer Discard", false},
                        Case{SaveChangesAnswer::Save, "frmA: Answer Save", false}}) {
    SCOPED_TRACE(c.logged);
    kit.Show("frmA");
    kit.SetText("frmA", "txtDigits", "ask");
    this->Events().clear();
    this->harness.CloseByUser("frmA", c.answer);
    EXPECT_EQ(std::count(this->Events().begin(), this->Events().end(), c.logged), 1);
    EXPECT_EQ(kit.IsLoaded("frmA"), c.kept);
    EXPECT_EQ(kit.IsVisible("frmA"), c.kept);
    if (c.kept) {
      EXPECT_EQ(kit.Text("frmA", "txtDigits"), "ask");
    }
  }
  kit.Show("frmA");
  kit.SetText("frmA", "txtDigits", "ask");
  this->Events().clear();
  kit.Unload("frmA");
  EXPECT_EQ(this->Events(), std::vector<std::string>{"frmA: Unload"});
}

REGISTER_TYPED_TEST_SUITE_P(ToolkitConformance, ReadingAControlLoadsTheFormOnce,
                            UnloadDiscardsContentsAndHideKeepsThem,
                            ProgramEndsOnlyWhenNoFormIsLoaded,
                            ChangingACheckBoxFiresItsClickOnlyOnChange,
                            ListsChooseOnlyWhatTheyAreTold, AppearanceRoundTrips,
                            CaptionStartsAsDesignedAndIsLostWithTheForm,
                            UnknownNamesAreProgrammingErrors,
                            TheUsersCloseAsksTheFormAndCancelKeepsItTheProgramsDoesNot);

}  // namespace pfc::ui::testing
