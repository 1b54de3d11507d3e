#include "ui/forms/material_fit/material_fit_design.h"

#include "ui/forms/session/design_helpers.h"
#include "ui/forms/session/form_names.h"

namespace pfc::ui {

using namespace design;
using namespace material_fit_controls;

namespace {

ControlDescription Caption(const char* name, const char* caption, const char* buddy,
                           TwipRect rect) {
  auto label = Label(name, caption, rect, Arial(8.25), kNavy);
  label.buddy = buddy;
  return label;
}

// The material's own numbers, the points' unit and the points, down the left.
void AddEntries(std::vector<ControlDescription>& c) {
  c.push_back(Caption("lblName", "&Name", kName, Pixels(12, 15, 60, 18)));
  auto name = TextBox(kName, "", Pixels(76, 12, 188, 22), Arial(9.75), 0);
  name.toolTip = "The material's name, as the check's list of grades shows it";
  c.push_back(name);
  c.push_back(
      Caption("lblPermeability", "Initial p&ermeability", kPermeability, Pixels(12, 45, 134, 18)));
  c.push_back(TextBox(kPermeability, "", Pixels(150, 42, 114, 22), Arial(9.75), 1));
  c.push_back(Caption("lblUnit", "Fiel&d unit", kUnit, Pixels(12, 75, 134, 18)));
  auto unit = List(kUnit, Pixels(150, 72, 114, 22), Arial(9.75), 2);
  unit.items = {"Oe", "A/m"};
  unit.chosenItem = kOerstedItem;
  c.push_back(unit);
  c.push_back(Caption("lblPoints", "&Points: field, % of initial permeability", kPoints,
                      Pixels(12, 104, 252, 18)));
  auto points = TextBox(kPoints, "", Pixels(12, 124, 252, 176), Arial(9.75), 3);
  points.multiLine = true;
  points.toolTip =
      "A point per line, the field then the percent, parted by a comma or a tab: type them, or "
      "paste two columns copied from a spreadsheet";
  c.push_back(points);
  c.push_back(Button(kFit, "&Fit", Pixels(12, 306, 120, 28), Arial(9.75), 4));
}

// The fit against the points beside the entries, its table under both, and what to do with
// the material.
void AddFit(std::vector<ControlDescription>& c) {
  auto chart = Custom(kChart, kChartKind, Pixels(276, 12, 612, 320), -1);
  chart.stretch = {0, 0, 1, 0.6};
  c.push_back(chart);
  c.push_back(Caption("lblDeviations", "De&viations of the fit, in percentage points", kDeviations,
                      Pixels(12, 340, 400, 16)));
  auto table = TextBox(kDeviations, "", Pixels(12, 358, 876, 160), {"Courier New", 8.25}, 5);
  table.multiLine = true;
  table.readOnly = true;
  table.stretch = {0, 0.6, 1, 0.4};
  c.push_back(table);
  // Between the buttons: a refusal is a line or two.
  auto problem = Label(kProblem, "", Pixels(296, 524, 470, 38), Arial(8.25), kRed);
  problem.wordWrap = true;
  problem.stretch = {0, 1, 1, 0};
  c.push_back(problem);
  auto save = Button(kSave, "&Save Material…", Pixels(12, 528, 150, 28), Arial(9.75), 6);
  save.toolTip = "Save the fitted material as a material file";
  save.enabled = false;
  save.stretch.y = 1;
  c.push_back(save);
  auto use = Button(kUse, "&Use", Pixels(174, 528, 110, 28), Arial(9.75), 7);
  use.toolTip = "Check with the fitted material at once";
  use.enabled = false;
  use.stretch.y = 1;
  c.push_back(use);
  auto close = CloseButton(kClose, "&Close", Pixels(778, 528, 110, 28), Arial(9.75), 8);
  close.stretch = {1, 1, 0, 0};
  c.push_back(close);
}

}  // namespace

FormDescription MaterialFitFormDesign() {
  FormDescription form;
  form.name = kMaterialFitForm;
  form.caption = "Fit Material";
  form.clientWidth = 900 * kPixel;
  form.clientHeight = 566 * kPixel;
  form.scrolls = true;
  form.defaultButton = kFit;  // Enter in an entry fits what the window shows
  form.backColour = kWhite;
  form.font = Arial(8.25);
  AddEntries(form.controls);
  AddFit(form.controls);
  return form;
}

}  // namespace pfc::ui
