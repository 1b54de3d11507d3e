#include "ui/forms/summary/summary_design.h"

#include <string>

#include "engine/method/contact_block.h"
#include "reports/summary/result_summary.h"
#include "ui/forms/session/design_helpers.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/session/shared_controls.h"

namespace pfc::ui {

using namespace summary_controls;

using namespace design;

namespace {

constexpr int kFirstRowY = 1500;
constexpr int kRowPitch = 345;
constexpr int kFieldHeight = 285;

// The web address as the link shows it: without the scheme and the closing "/", which do
// not fit the field and tell the reader nothing.
std::string DisplayedWebAddress() {
  std::string_view address = kWebAddress;
  if (const auto scheme = address.find("://"); scheme != std::string_view::npos) {
    address.remove_prefix(scheme + 3);
  }
  if (address.ends_with('/')) {
    address.remove_suffix(1);
  }
  return std::string(address);
}

int RowY(int row) {
  return kFirstRowY + (row - 1) * kRowPitch;
}

struct Column {
  int captionX;
  int fieldX;
  int unitX;
};
constexpr Column kInputColumn{840, 2880, 4140};
constexpr Column kOutputColumn{5280, 7440, 8700};

void AddRow(std::vector<ControlDescription>& c, const Column& column, int row,
            const std::string& field, const std::string& caption, const std::string& unitName,
            const std::string& unit) {
  c.push_back(
      Label("lbl" + field.substr(3), caption,
            {column.captionX, RowY(row) + 30, column.fieldX - column.captionX - 60, kFieldHeight},
            Arial(8.25, true), kNavy));
  auto box = TextBox(field, "", {column.fieldX, RowY(row), 1200, kFieldHeight}, Arial(8.25), -1);
  box.readOnly = true;
  box.backColour = kLightGrey;
  c.push_back(box);
  if (!unitName.empty()) {
    c.push_back(Label(unitName, unit, {column.unitX, RowY(row) + 30, 840, kFieldHeight},
                      Arial(8.25, true), kNavy));
  }
}

// The unit label of a text; the total temperature's is a summary text of its own, blanked
// when the temperature is too high.
std::string UnitLabelName(const SummaryText& text) {
  if (text.text == &ResultSummary::txtTotalTemp) {
    return "totaltemp";
  }
  return "lbl" + std::string(text.control).substr(3) + "Unit";
}

// A row for each captioned text of the summary, the input group on the left and the output
// group on the right; the stack marker sits beside the core size.
void AddSummaryRows(std::vector<ControlDescription>& c) {
  int inputRow = 0;
  int outputRow = 0;
  for (const SummaryText& text : kSummaryTexts) {
    if (*text.caption == '\0') {
      continue;  // the stack marker and the unit label, placed with their rows
    }
    const bool input = text.group == SummaryGroup::Inputs;
    if (!input && outputRow == 0) {
      c.push_back(Label("lblSummaryOutput", "Summary Output", {5280, 1080, 3000, 300},
                        Arial(9.75, true, true), kNavy));
    }
    const int row = input ? ++inputRow : ++outputRow;
    AddRow(c, input ? kInputColumn : kOutputColumn, row, text.control, text.caption,
           *text.unit == '\0' ? "" : UnitLabelName(text), text.unit);
    if (text.text == &ResultSummary::txtOutCoreSize) {
      auto stackMarker =
          TextBox("txtStackout", "", {8700, RowY(row), 840, kFieldHeight}, Arial(8.25), -1);
      stackMarker.readOnly = true;
      stackMarker.border = false;
      c.push_back(stackMarker);
    }
  }
}

}  // namespace

FormDescription SummaryFormDesign() {
  FormDescription form;
  form.name = "frmResult";
  form.caption = "PFC Summary Core Design";
  form.clientWidth = 10440;
  // The designed 7260, a line for the operating check and one for a part of the user's own.
  form.clientHeight = 7905;
  form.scrolls = true;  // what is added below the designed lines scrolls on a small screen
  form.backColour = kWhite;
  form.font = Arial(8.25);

  auto& c = form.controls;
  auto panel = Frame("fraMain", {600, 960, 9720, 3960});
  panel.border = true;
  panel.toolTip = "Display calculations used to derive summary and detail outputs.";
  c.push_back(panel);
  c.push_back(Picture("imgSideStrip", kSideStripPicture, {0, 600, 525, 6000}));
  c.push_back(Picture("imgHeader", kWindowHeaderPicture, {7290, 90, 3030, 810}));

  c.push_back(Label("lblInputValues", "Input Values", {840, 1080, 3000, 300},
                    Arial(9.75, true, true), kNavy));
  AddSummaryRows(c);
  c.push_back(Label("lblNote", "Note:", {840, 5100, 1200, 255}, Arial(8.25, true), kNavy));
  c.push_back(Label(kLabel2, "These are the summary design outputs based on defined inputs.",
                    {840, 5370, 6960, 255}, Arial(8.25), kNavy));
  c.push_back(Label("lblNoteReport",
                    "To view and print detailed core data and output summary click View Report.",
                    {840, 5640, 6960, 255}, Arial(8.25), kNavy));
  c.push_back(Label("lblNoteRipple", "Ripple current is assumed to be 10% of the Iin peak.",
                    {840, 5910, 6960, 255}, Arial(8.25), kNavy));

  auto link = TextBox(kCmdWebLink, DisplayedWebAddress(), {8040, 6120, 2175, 285},
                      Arial(8.25, true, true), -1);
  link.readOnly = true;
  link.border = false;
  link.foreColour = kBlue;
  link.backColour = kWhite;
  c.push_back(link);

  c.push_back(Button(kCmdIinterOutput, "&Calculations", {840, 6540, 1800, 420}, Arial(9.75), 0));
  c.push_back(Button(kCmdReport, "&View Report", {2880, 6540, 1800, 420}, Arial(9.75), 1));
  c.push_back(Button(kCmdExit, "R&eset Design Inputs", {8040, 6540, 2175, 420}, Arial(9.75), 2));
  // In the gap of the button row; after the designed buttons in tab order.
  c.push_back(Button(kCmdCompareCores, "Co&mpare Cores", {4920, 6540, 1800, 420}, Arial(9.75), 3));
  // Beside the note on the ripple the check questions, above the web link.
  c.push_back(Button(kOpenOperatingCheckButton, "&Operating Check", {8040, 5430, 2175, 420},
                     Arial(9.75), 4));
  // Below the designed window: how the published design fares in the operating check, and
  // the search for designs that meet the limits.
  auto outcome = Label(kLblCheckOutcome, "", {840, 7140, 7080, 285}, Arial(8.25, true), kNavy);
  outcome.shrinkToFit = true;
  c.push_back(outcome);
  auto partNote = Label(kLblPartNote, "", {840, 7560, 9375, 285}, Arial(8.25), kNavy);
  partNote.shrinkToFit = true;
  c.push_back(partNote);
  c.push_back(Button(kCmdFindDesigns, "&Find Designs…", {8040, 7080, 2175, 420}, Arial(9.75), 5));
  return form;
}

}  // namespace pfc::ui
