#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/check/given_winding.h"
#include "engine/check/operating_check.h"
#include "engine/record/number_text.h"
#include "reports/files/design_file.h"
#include "tests/engine/check_values.h"
#include "tests/support/file_bytes.h"
#include "tests/ui/compare_cores_fixture.h"
#include "ui/forms/design_files/design_file_commands.h"
#include "ui/forms/operating_check/operating_check_design.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/summary/summary_design.h"

namespace pfc::ui::testing {
namespace {

using namespace check_controls;

// The check window of the default design (TD-26, 31 turns of AWG 12) on the real engine.
class CheckWindingTest : public CompareCoresFlowTest {
 protected:
  CheckWindingTest() {
    services.chooseOpenFile = [this](const OpenFileRequest&) { return openPath; };
    kit.UserClick(kInputForm, "cmdProcess");
    kit.UserClick(kSummaryForm, kOpenOperatingCheckButton);
    published = session.record;
  }

  // Replaces the entry's text as the user does: select it all and type over it.
  void Retype(const char* control, const std::string& text) {
    kit.UserFocus(kOperatingCheckForm, control);
    kit.SelectAll(kOperatingCheckForm, control);
    kit.UserType(kOperatingCheckForm, control, text.empty() ? "\b" : text);
  }

  std::string Shown(const char* control) { return kit.Text(kOperatingCheckForm, control); }

  // The check the engine makes of the published design wound as asked.
  std::vector<std::pair<std::string, std::string>> Expected(const WindingRequest& request) {
    DesignRecord wound = published;
    EXPECT_TRUE(ApplyWinding(wound, session.wires, request).Wound());
    return CheckValues(CheckOperation(wound, session.checked.Result().material));
  }

  DesignRecord published;
  std::optional<std::string> openPath;
};

TEST_F(CheckWindingTest, OpensOnThePublishedWindingAndFollowsEveryChangeAtOnce) {
  EXPECT_EQ(Shown(kTurns), FormatGeneral(published.Turns));
  EXPECT_EQ(Shown(kWire), FormatGeneral(published.WireGauge));
  EXPECT_FALSE(kit.IsEnabled(kOperatingCheckForm, kPublishedWinding));
  EXPECT_EQ(Shown(kWindingProblem), "");

  Retype(kTurns, "33");
  EXPECT_EQ(CheckValues(session.checked.Result()), Expected({33.0, published.WireGauge}));
  Retype(kWire, "14");
  EXPECT_EQ(CheckValues(session.checked.Result()), Expected({33.0, 14.0}));
  EXPECT_EQ(session.checked.Record().Turns, 33);
  EXPECT_EQ(Shown(kTurns), "33");
  EXPECT_TRUE(kit.IsEnabled(kOperatingCheckForm, kPublishedWinding));
  // A given winding is set against the method's limits, which 33 turns of AWG 14 meet.
  EXPECT_NE(Shown(kWindingProblem).find("limits"), std::string::npos);
  EXPECT_EQ(kit.ForeColor(kOperatingCheckForm, kWindingProblem), kNavy);

  // An empty entry is the published design's part.
  Retype(kTurns, "");
  EXPECT_EQ(CheckValues(session.checked.Result()), Expected({std::nullopt, 14.0}));

  kit.UserClick(kOperatingCheckForm, kPublishedWinding);
  EXPECT_EQ(CheckValues(session.checked.Result()), Expected({}));
  EXPECT_EQ(Shown(kTurns), FormatGeneral(published.Turns));
  EXPECT_EQ(Shown(kWire), FormatGeneral(published.WireGauge));
  EXPECT_FALSE(session.checked.Winding().Given());
  EXPECT_FALSE(kit.IsEnabled(kOperatingCheckForm, kPublishedWinding));
}

struct Refused {
  const char* control;
  const char* text;
  const char* named;  // what the red line must name
};

// The entries check as the user types, so every prefix of a text is checked in turn; the
// last character makes the winding one the design cannot take.
TEST_F(CheckWindingTest, ARefusedEntryIsSaidInRedAndKeepsTheLastCheck) {
  for (const Refused& refused : std::vector<Refused>{{kTurns, "0", "0"},
                                                     {kTurns, "31001", "31001"},
                                                     {kTurns, "3x", "3x"},
                                                     // Letters after a winding said in navy.
                                                     {kTurns, "33x", "33x"},
                                                     {kWire, "12y", "12y"},
                                                     {kTurns, "60", "60 turns"},
                                                     {kWire, "7", "AWG 7"},
                                                     {kWire, "12.5", "12.5"}}) {
    const std::string text = refused.text;
    Retype(refused.control, text.substr(0, text.size() - 1));
    const auto before = CheckValues(session.checked.Result());
    kit.UserType(kOperatingCheckForm, refused.control, text.substr(text.size() - 1));
    EXPECT_EQ(Shown(refused.control), text) << "the entry stays as typed";
    EXPECT_NE(Shown(kWindingProblem).find(refused.named), std::string::npos)
        << Shown(kWindingProblem);
    EXPECT_EQ(kit.ForeColor(kOperatingCheckForm, kWindingProblem), kRed) << text;
    EXPECT_EQ(CheckValues(session.checked.Result()), before) << text;
    Retype(kTurns, "33");
    Retype(kWire, "12");
  }
  EXPECT_EQ(Shown(kWindingProblem).find("not"), std::string::npos) << Shown(kWindingProblem);
  EXPECT_EQ(CheckValues(session.checked.Result()), Expected({33.0, 12.0}));
}

TEST_F(CheckWindingTest, ADesignFileKeepsTheWindingAndBringsItBack) {
  Retype(kTurns, "34");
  const DesignFile saved = ReadInputFormDesign(kit, session);
  EXPECT_EQ(saved.part.winding, (WindingRequest{34.0, published.WireGauge}));
  kit.UserClick(kOperatingCheckForm, kPublishedWinding);

  ASSERT_EQ(FillInputForm(kit, session, saved), std::nullopt);
  EXPECT_EQ(session.checked.Winding(), saved.part.winding);
  EXPECT_EQ(Shown(kTurns), "34");
  EXPECT_EQ(CheckValues(session.checked.Result()), Expected(saved.part.winding));
}

TEST_F(CheckWindingTest, StrandsAreCheckedRefusedAndKeptInTheDesignFile) {
  EXPECT_EQ(Shown(kStrands), "1");
  Retype(kWire, "15");
  Retype(kStrands, "2");
  const WindingRequest stranded{published.Turns, 15.0, 2.0};
  EXPECT_EQ(CheckValues(session.checked.Result()), Expected(stranded));
  EXPECT_EQ(session.checked.Record().Strands, 2);
  const DesignFile saved = ReadInputFormDesign(kit, session);
  EXPECT_EQ(saved.part.winding, stranded);

  Retype(kStrands, "9");
  EXPECT_NE(Shown(kWindingProblem).find("not 9"), std::string::npos) << Shown(kWindingProblem);
  EXPECT_EQ(kit.ForeColor(kOperatingCheckForm, kWindingProblem), kRed);
  EXPECT_EQ(CheckValues(session.checked.Result()), Expected(stranded));

  kit.UserClick(kOperatingCheckForm, kPublishedWinding);
  EXPECT_EQ(Shown(kStrands), "1");
  ASSERT_EQ(FillInputForm(kit, session, saved), std::nullopt);
  EXPECT_EQ(Shown(kStrands), "2");
  EXPECT_EQ(CheckValues(session.checked.Result()), Expected(stranded));
}

TEST_F(CheckWindingTest, AMaterialFileJoinsTheGradesForTheSession) {
  const int grades = kit.ItemCount(kOperatingCheckForm, kGrade);
  const std::string path = (folder / "mine.json").string();
  test::WriteFile(path, R"({"name": "Mine", "permeability": 80, "rolloff_b": 0.02,
                            "rolloff_c": 1.6, "loss_k": 40, "loss_alpha": 1.3,
                            "loss_beta": 2.1})");
  openPath = path;
  kit.UserClick(kOperatingCheckForm, kMaterial);
  ASSERT_EQ(kit.ItemCount(kOperatingCheckForm, kGrade), grades + 1);
  EXPECT_EQ(kit.ChosenText(kOperatingCheckForm, kGrade), "Mine");
  EXPECT_EQ(session.checked.Result().material.name, "Mine");
  EXPECT_EQ(session.checked.Result().material.loss.k, 40);

  kit.UserChoose(kOperatingCheckForm, kGrade, 0);
  EXPECT_NE(session.checked.Result().material.name, "Mine");
  kit.UserChoose(kOperatingCheckForm, kGrade, grades);
  EXPECT_EQ(session.checked.Result().material.name, "Mine");

  // The same name again replaces it; a window opened again lists it still.
  kit.UserClick(kOperatingCheckForm, kMaterial);
  kit.UserClick(kOperatingCheckForm, kClose);
  kit.UserClick(kSummaryForm, kOpenOperatingCheckButton);
  EXPECT_EQ(kit.ItemCount(kOperatingCheckForm, kGrade), grades + 1);
  EXPECT_EQ(kit.ChosenText(kOperatingCheckForm, kGrade), "Mine");

  test::WriteFile(path, R"({"name": "Broken", "permeability": 80})");
  const std::size_t messages = kit.Messages().size();
  kit.UserClick(kOperatingCheckForm, kMaterial);
  ASSERT_EQ(kit.Messages().size(), messages + 1);
  EXPECT_NE(kit.Messages().back().text.find(path), std::string::npos);
  EXPECT_EQ(kit.ItemCount(kOperatingCheckForm, kGrade), grades + 1);
  EXPECT_EQ(session.checked.Result().material.name, "Mine");
}

}  // namespace
}  // namespace pfc::ui::testing
