#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <set>
#include <string>

#include "tests/ui/compare_cores_fixture.h"
#include "ui/forms/design_files/design_file_commands.h"
#include "ui/forms/find_designs/find_designs_design.h"
#include "ui/forms/operating_check/operating_check_design.h"
#include "ui/forms/session/limit_entries.h"
#include "ui/forms/summary/summary_design.h"

namespace pfc::ui::testing {
namespace {

using check_controls::kFindDesigns;
using summary_controls::kLblCheckOutcome;

// The windows on the real engine, the default design published and its summary shown.
class LimitsFlowTest : public CompareCoresFlowTest {
 protected:
  LimitsFlowTest() {
    kit.UserClick(kInputForm, "cmdProcess");
    EXPECT_TRUE(kit.IsVisible(kSummaryForm));
  }
  ~LimitsFlowTest() override { StopSearch(); }

  void OpenCheck() { kit.UserClick(kSummaryForm, kOpenOperatingCheckButton); }
  void OpenFind() {
    kit.UserClick(kSummaryForm, kCmdFindDesigns);
    StopSearch();
  }
  void StopSearch() {
    session.foundDesigns.Cancel();
    session.foundDesigns.Finish();
  }

  static const char* Box(LimitEntry entry) {
    return LimitEntryDescriptions()[static_cast<std::size_t>(entry)].control;
  }
  static const char* Note(LimitEntry entry) {
    return LimitEntryDescriptions()[static_cast<std::size_t>(entry)].noteControl;
  }
  std::optional<double> InForce(LimitEntry entry) const {
    const DesignLimits& l = session.limits.Get();
    switch (entry) {
      case LimitEntry::Inductance:
        return l.inductancePercent;
      case LimitEntry::Ripple:
        return l.ripplePercent;
      case LimitEntry::Temperature:
        return l.temperatureC;
      case LimitEntry::AlTolerance:
        return l.alTolerancePercent;
    }
    return std::nullopt;
  }

  // Types over the box's text and commits it, by Enter or by moving on to another control.
  void TypeLimit(const char* form, LimitEntry entry, const std::string& text, bool enter) {
    kit.UserFocus(form, Box(entry));
    kit.SelectAll(form, Box(entry));
    kit.UserType(form, Box(entry), text.empty() ? std::string("x\b") : text);
    if (enter) {
      kit.UserType(form, Box(entry), "\r");
    } else {
      kit.UserFocus(
          form, Box(entry == LimitEntry::Inductance ? LimitEntry::Ripple : LimitEntry::Inductance));
    }
  }
};

struct SharedLimit {
  const char* name;
  bool typedInCheck;  // else in Find Designs
  LimitEntry entry;
  const char* typed;
  bool enter;  // else the focus leaves the box
  std::optional<double> inForce;
  const char* otherShows;
};

void PrintTo(const SharedLimit& row, std::ostream* out) {
  *out << row.name;
}

class LimitsTypedInOneWindow : public LimitsFlowTest,
                               public ::testing::WithParamInterface<SharedLimit> {};

TEST_P(LimitsTypedInOneWindow, AreInForceInTheOther) {
  const SharedLimit& row = GetParam();
  OpenCheck();
  OpenFind();
  const char* typedIn = row.typedInCheck ? kOperatingCheckForm : kFindDesignsForm;
  const char* other = row.typedInCheck ? kFindDesignsForm : kOperatingCheckForm;

  kit.UserFocus(typedIn, Box(row.entry));
  kit.SelectAll(typedIn, Box(row.entry));
  kit.UserType(typedIn, Box(row.entry), row.typed);
  EXPECT_EQ(session.limits.Get(), DesignLimits{}) << "judged while it was being typed";
  TypeLimit(typedIn, row.entry, row.typed, row.enter);

  EXPECT_EQ(InForce(row.entry), row.inForce);
  EXPECT_EQ(kit.Text(other, Box(row.entry)), row.otherShows);
  EXPECT_EQ(kit.Text(typedIn, Note(row.entry)), "");
  EXPECT_EQ(session.checked.Limits(), session.limits.Get());
}

INSTANTIATE_TEST_SUITE_P(
    Entries, LimitsTypedInOneWindow,
    ::testing::Values(
        SharedLimit{"InductanceInCheckByEnter", true, LimitEntry::Inductance, "40", true, 40, "40"},
        SharedLimit{"RippleInFindByLeaving", false, LimitEntry::Ripple, "12.5", false, 12.5,
                    "12.5"},
        SharedLimit{"TemperatureInFindByEnter", false, LimitEntry::Temperature, "130", true, 130,
                    "130"},
        SharedLimit{"ToleranceInCheckByLeaving", true, LimitEntry::AlTolerance, " 8 ", false, 8,
                    "8"},
        SharedLimit{"ToleranceAtItsTop", false, LimitEntry::AlTolerance, "30", true, 30, "30"}),
    [](const ::testing::TestParamInfo<SharedLimit>& info) { return std::string(info.param.name); });

struct RefusedLimit {
  const char* name;
  LimitEntry entry;
  const char* good;
  double goodValue;
  const char* refused;
  const char* why;  // words of the note
};

void PrintTo(const RefusedLimit& row, std::ostream* out) {
  *out << row.name;
}

class RefusedLimitEntry : public LimitsFlowTest,
                          public ::testing::WithParamInterface<RefusedLimit> {};

TEST_P(RefusedLimitEntry, KeepsTheLastGoodValueAndSaysSoBesideTheEntry) {
  const RefusedLimit& row = GetParam();
  OpenCheck();
  for (const char* form : {kOperatingCheckForm, kFindDesignsForm}) {
    if (std::string(form) == kFindDesignsForm) {
      OpenFind();
    }
    TypeLimit(form, row.entry, row.good, true);
    ASSERT_EQ(InForce(row.entry), row.goodValue) << form;
    TypeLimit(form, row.entry, row.refused, true);

    EXPECT_EQ(InForce(row.entry), row.goodValue) << form;
    EXPECT_EQ(kit.Text(form, Box(row.entry)), row.refused) << "the text stays to be mended";
    const std::string note = kit.Text(form, Note(row.entry));
    EXPECT_NE(note.find(row.why), std::string::npos) << form << ": " << note;
    EXPECT_NE(note.find(row.good), std::string::npos) << form << ": " << note;
    EXPECT_EQ(kit.ForeColor(form, Note(row.entry)), kRed);

    TypeLimit(form, row.entry, row.good, false);  // the same value again clears the note
    EXPECT_EQ(kit.Text(form, Note(row.entry)), "") << form;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, RefusedLimitEntry,
    ::testing::Values(
        RefusedLimit{"Letters", LimitEntry::Inductance, "80", 80, "8o", "not a number"},
        RefusedLimit{"Exponent", LimitEntry::Ripple, "20", 20, "1e400", "not a number"},
        RefusedLimit{"ZeroShare", LimitEntry::Inductance, "90", 90, "0", "above 0"},
        RefusedLimit{"ToleranceAboveItsRange", LimitEntry::AlTolerance, "8", 8, "31", "0 to 30"},
        RefusedLimit{"NoTemperature", LimitEntry::Temperature, "140", 140, "", "not a number"}),
    [](const ::testing::TestParamInfo<RefusedLimit>& info) {
      return std::string(info.param.name);
    });

TEST_F(LimitsFlowTest, TheRippleVerdictShowsOnlyWithALimit) {
  OpenCheck();
  const std::string ripple = check_controls::VerdictControl(1);
  EXPECT_EQ(kit.Text(kOperatingCheckForm, ripple), "");
  TypeLimit(kOperatingCheckForm, LimitEntry::Ripple, "10", true);
  EXPECT_NE(kit.Text(kOperatingCheckForm, ripple).find("10 % limit"), std::string::npos)
      << kit.Text(kOperatingCheckForm, ripple);
  TypeLimit(kOperatingCheckForm, LimitEntry::Ripple, "", true);
  EXPECT_FALSE(session.limits.Get().ripplePercent.has_value());
  EXPECT_EQ(kit.Text(kOperatingCheckForm, ripple), "");
}

// A core at the low end of its AL tolerance keeps less inductance: the check shows its figures
// and judges the inductance by them.
TEST_F(LimitsFlowTest, AnAlToleranceShowsTheWorstCaseAndJudgesByIt) {
  OpenCheck();
  const std::string nominal = kit.Text(kOperatingCheckForm, check_controls::VerdictControl(0));
  EXPECT_EQ(kit.Text(kOperatingCheckForm, check_controls::kWorstCase), "");

  TypeLimit(kOperatingCheckForm, LimitEntry::AlTolerance, "8", true);
  ASSERT_TRUE(session.checked.Result().worstCase.has_value());
  const std::string worst = kit.Text(kOperatingCheckForm, check_controls::kWorstCase);
  EXPECT_EQ(worst.rfind("Worst case, AL 8 %", 0), 0u) << worst;
  EXPECT_NE(kit.Text(kOperatingCheckForm, check_controls::VerdictControl(0)), nominal);

  TypeLimit(kOperatingCheckForm, LimitEntry::AlTolerance, "0", false);
  EXPECT_EQ(kit.Text(kOperatingCheckForm, check_controls::kWorstCase), "");
  EXPECT_EQ(kit.Text(kOperatingCheckForm, check_controls::VerdictControl(0)), nominal);
}

struct SummaryOutcome {
  const char* name;
  DesignLimits limits;
  const char* starts;  // the line's start
  bool red;
};

void PrintTo(const SummaryOutcome& row, std::ostream* out) {
  *out << row.name;
}

class SummaryCheckLine : public LimitsFlowTest,
                         public ::testing::WithParamInterface<SummaryOutcome> {};

// The default design keeps about a fifth of its target inductance at the low line's peak
// current; it settles below 155 °C and carries every on-time.
TEST_P(SummaryCheckLine, SaysHowThePublishedDesignFaresAgainstTheLimits) {
  session.limits.Set(GetParam().limits);
  const std::string line = kit.Text(kSummaryForm, kLblCheckOutcome);
  EXPECT_EQ(line.rfind(GetParam().starts, 0), 0u) << line;
  EXPECT_EQ(kit.ForeColor(kSummaryForm, kLblCheckOutcome) == kRed, GetParam().red);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, SummaryCheckLine,
    ::testing::Values(SummaryOutcome{"Default", DesignLimits{}, "Operating check: MISS", true},
                      SummaryOutcome{
                          "AFifthOfTheTarget",
                          DesignLimits{.inductancePercent = 10, .ripplePercent = std::nullopt},
                          "Operating check: pass", false},
                      SummaryOutcome{"AFifthAndACoolWinding",
                                     DesignLimits{.inductancePercent = 10,
                                                  .ripplePercent = std::nullopt,
                                                  .temperatureC = 60},
                                     "Operating check: MISS", true}),
    [](const ::testing::TestParamInfo<SummaryOutcome>& info) {
      return std::string(info.param.name);
    });

TEST_F(LimitsFlowTest, TheSummaryLineIsWrittenWhenTheDesignIsShown) {
  EXPECT_EQ(kit.Text(kSummaryForm, kLblCheckOutcome).rfind("Operating check: MISS", 0), 0u);
  kit.UserClick(kSummaryForm, "cmdExit");
  EXPECT_FALSE(kit.IsLoaded(kSummaryForm));
  kit.Load(kSummaryForm);  // as a run does before it publishes
  EXPECT_EQ(kit.Text(kSummaryForm, kLblCheckOutcome), "");
}

// From the summary and from a check that misses, at the operating point of the input form
// and with the session's limits; a check that meets every limit has no next step.
TEST_F(LimitsFlowTest, FindDesignsOpensAtTheSameOperatingPointAndLimits) {
  session.limits.Set(DesignLimits{.inductancePercent = 10, .ripplePercent = std::nullopt});
  OpenCheck();
  EXPECT_FALSE(kit.IsEnabled(kOperatingCheckForm, kFindDesigns));
  EXPECT_EQ(kit.Text(kOperatingCheckForm, check_controls::kNextStep), "");

  TypeLimit(kOperatingCheckForm, LimitEntry::Inductance, "50", false);
  const std::string next = kit.Text(kOperatingCheckForm, check_controls::kNextStep);
  EXPECT_NE(next.find("least inductance at peak (50 %"), std::string::npos) << next;
  ASSERT_TRUE(kit.IsEnabled(kOperatingCheckForm, kFindDesigns));
  kit.UserFocus(kOperatingCheckForm, Box(LimitEntry::Temperature));
  kit.SelectAll(kOperatingCheckForm, Box(LimitEntry::Temperature));
  kit.UserType(kOperatingCheckForm, Box(LimitEntry::Temperature), "140");
  kit.UserAccessKey(kOperatingCheckForm, kFindDesigns);  // the box being typed takes effect

  ASSERT_TRUE(kit.IsVisible(kFindDesignsForm));
  StopSearch();
  const DesignLimits expected{
      .inductancePercent = 50, .ripplePercent = std::nullopt, .temperatureC = 140};
  EXPECT_EQ(session.limits.Get(), expected);
  EXPECT_EQ(session.foundDesigns.Request().limits, expected);
  EXPECT_EQ(kit.Text(kFindDesignsForm, Box(LimitEntry::Inductance)), "50");

  // Open again from the summary with other limits: the search follows them.
  session.limits.Set(DesignLimits{.inductancePercent = 60, .ripplePercent = std::nullopt});
  EXPECT_NE(kit.Text(kFindDesignsForm, find_designs_controls::kLblStatus).find("changed"),
            std::string::npos);
  kit.UserClick(kSummaryForm, kCmdFindDesigns);
  StopSearch();
  EXPECT_EQ(session.foundDesigns.Request().limits.inductancePercent, 60);
}

// A design file keeps the limits the design is judged by, and opening it puts them in force.
TEST_F(LimitsFlowTest, ADesignFileCarriesTheSessionsLimits) {
  OpenCheck();
  TypeLimit(kOperatingCheckForm, LimitEntry::AlTolerance, "8", true);
  TypeLimit(kOperatingCheckForm, LimitEntry::Ripple, "15", true);
  DesignFile design = ReadInputFormDesign(kit, session);
  EXPECT_EQ(design.limits, (DesignLimits{.ripplePercent = 15, .alTolerancePercent = 8}));

  design.limits = DesignLimits{.inductancePercent = 70, .ripplePercent = std::nullopt};
  ASSERT_EQ(FillInputForm(kit, session, design), std::nullopt);
  EXPECT_EQ(session.limits.Get(), design.limits);
  EXPECT_EQ(kit.Text(kOperatingCheckForm, Box(LimitEntry::Inductance)), "70");
  EXPECT_EQ(kit.Text(kOperatingCheckForm, Box(LimitEntry::Ripple)), "");
  EXPECT_EQ(kit.Text(kOperatingCheckForm, Box(LimitEntry::AlTolerance)), "0");
}

// Alt with a letter reaches one control only, and every entry and button has one.
TEST(LimitWindows, EveryEntryAndButtonHasItsOwnAccessKey) {
  for (const FormDescription& form : {OperatingCheckFormDesign(), FindDesignsFormDesign()}) {
    std::set<char> keys;
    std::set<std::string> reached;
    for (const ControlDescription& control : form.controls) {
      const auto amp = control.text.find('&');
      if (amp == std::string::npos || amp + 1 >= control.text.size()) {
        continue;
      }
      const char key = static_cast<char>(std::tolower(control.text[amp + 1]));
      EXPECT_TRUE(keys.insert(key).second) << form.name << ": " << control.text;
      reached.insert(control.buddy.empty() ? control.name : control.buddy);
    }
    for (const ControlDescription& control : form.controls) {
      const bool entry = control.kind == ControlKind::TextBox && control.tabIndex >= 0;
      if (entry || control.kind == ControlKind::Button) {
        EXPECT_TRUE(reached.count(control.name)) << form.name << ": " << control.name;
      }
    }
  }
}

}  // namespace
}  // namespace pfc::ui::testing
