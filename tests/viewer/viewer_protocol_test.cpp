#include "ui/forms/viewer/viewer_protocol.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/recording_toolkit.h"
#include "tests/viewer/stand_in_forms.h"
#include "ui/forms/directions/directions_design.h"
#include "ui/forms/directions/directions_form.h"
#include "ui/forms/directions/directions_texts.h"
#include "ui/forms/session/form_names.h"

namespace pfc {
namespace {

struct PathCase {
  const char* name;
  ShowReportRequest request;
};

void PrintTo(const PathCase& c, std::ostream* out) {
  *out << c.name;
}

class RequestLines : public ::testing::TestWithParam<PathCase> {};

TEST_P(RequestLines, CarryAnyPathOnOneLine) {
  const std::string line = RequestLine(GetParam().request);

  ASSERT_FALSE(line.empty());
  EXPECT_EQ(line.back(), '\n');
  EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
  EXPECT_EQ(ParseRequestLine(std::string_view(line).substr(0, line.size() - 1)),
            GetParam().request);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RequestLines,
    ::testing::Values(PathCase{"plain", {"/tmp/pfc/temp.htm", "/tmp/pfc", ""}},
                      PathCase{"blanks", {"/tmp/my reports/temp.htm", "/tmp/my reports", ""}},
                      PathCase{"line_break", {"/tmp/a\nb/temp.htm", "/tmp/a\nb", ""}},
                      PathCase{"percent_sign", {"/tmp/100%25/t.htm", "/tmp/100%", ""}},
                      PathCase{"utf8", {"/tmp/caf\xC3\xA9/temp.htm", "/tmp/caf\xC3\xA9", ""}},
                      PathCase{"latin1_byte", {"/tmp/\xE9\xFF/temp.htm", "/tmp/\xE9\xFF", ""}},
                      PathCase{"no_temp_folder", {"/tmp/temp.htm", "", ""}},
                      PathCase{"suggested_name", {"/tmp/temp.htm", "/tmp", "TD-26x2_2026-12-07"}},
                      PathCase{"suggested_name_no_folder", {"/tmp/temp.htm", "", "TD-01"}}),
    [](const auto& info) { return std::string(info.param.name); });

class MalformedRequests : public ::testing::TestWithParam<const char*> {};

TEST_P(MalformedRequests, AreRefused) {
  EXPECT_FALSE(ParseRequestLine(GetParam()).has_value());
}

INSTANTIATE_TEST_SUITE_P(Lines, MalformedRequests,
                         ::testing::Values("", "show", "show /a", "show /a /b /c /d", "show /a /b ",
                                           "open /a /b", "SHOW /a /b", "show  /b", "show /a%2 /b",
                                           "show /a%", "show /a%ZZ /b", "show /a /b\r",
                                           "show /a b /c /d"));

TEST(EventLines, ReadBackAsTheyWereWritten) {
  for (const ViewerEvent event :
       {ViewerEvent::Shown, ViewerEvent::ResetDesign, ViewerEvent::Back, ViewerEvent::Help}) {
    const std::string line = EventLine(event);
    ASSERT_EQ(line.back(), '\n');
    EXPECT_EQ(ParseEventLine(std::string_view(line).substr(0, line.size() - 1)), event) << line;
  }
}

TEST(EventLines, AnythingElseIsNoEvent) {
  for (const char* line : {"", "Back", "back ", " back", "reset", "shown\n", "show /a /b"}) {
    EXPECT_FALSE(ParseEventLine(line).has_value()) << line;
  }
}

// The designer's windows as after a published run: the input form hidden behind the summary.
struct EventCase {
  ViewerEvent event;
  bool summaryLoaded;
  bool inputVisible;
};

void PrintTo(const EventCase& c, std::ostream* out) {
  *out << EventLine(c.event);
}

class ViewerEvents : public ::testing::TestWithParam<EventCase> {};

TEST_P(ViewerEvents, ChangeTheDesignersWindowsAsTheButtonsSay) {
  ui::FormRegistry registry = test::StandInForms();
  ui::RecordingToolkit toolkit(registry);
  toolkit.Show("frmXls");
  toolkit.Hide("frmXls");
  toolkit.Show("frmResult");
  DesignRecord record;

  ActOnViewerEvent(GetParam().event, toolkit, record);

  EXPECT_EQ(toolkit.IsLoaded("frmResult"), GetParam().summaryLoaded);
  EXPECT_EQ(toolkit.IsVisible("frmXls"), GetParam().inputVisible);
  EXPECT_TRUE(toolkit.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Events, ViewerEvents,
                         ::testing::Values(EventCase{ViewerEvent::Shown, true, false},
                                           EventCase{ViewerEvent::ResetDesign, false, true},
                                           EventCase{ViewerEvent::Back, true, false}));

// F1 in the viewer: the designer shows its directions and leaves its other windows be.
TEST(ViewerEvents, HelpShowsTheDirectionsOverTheSummary) {
  ui::FormRegistry registry = test::StandInForms();
  registry.Add(ui::DirectionsFormDesign(),
               [](ui::Toolkit& toolkit) { return std::make_unique<ui::DirectionsForm>(toolkit); });
  ui::RecordingToolkit toolkit(registry);
  toolkit.Show("frmResult");
  DesignRecord record;

  ActOnViewerEvent(ViewerEvent::Help, toolkit, record);

  EXPECT_TRUE(toolkit.IsVisible(ui::kDirectionsForm));
  EXPECT_EQ(toolkit.Text(ui::kDirectionsForm, "txtHelp"), ui::HelpText());
  EXPECT_TRUE(toolkit.IsVisible("frmResult"));
}

}  // namespace
}  // namespace pfc
