#include "ui/forms/find_designs/find_designs_design.h"

#include "ui/forms/session/design_helpers.h"
#include "ui/forms/session/limit_entries.h"

namespace pfc::ui {

using namespace design;
using namespace find_designs_controls;

namespace {

// A caption and its entry box, side by side; the caption's access letter focuses the box.
void AddEntry(std::vector<ControlDescription>& c, const char* name, const char* caption,
              const char* text, int x, int y, int captionWidth, int width, int tabIndex) {
  auto label = Label(std::string("lbl") + (name + 3), caption, Pixels(x, y + 3, captionWidth, 20),
                     Arial(8.25), kNavy);
  label.buddy = name;
  c.push_back(label);
  c.push_back(
      TextBox(name, text, Pixels(x + captionWidth + 4, y, width, 22), Arial(9.75), tabIndex));
}

// What to search: the materials (grades and files) and the stack counts; the search beside
// them, before the limits' row in the Tab order as on the screen.
void AddSearchEntries(std::vector<ControlDescription>& c) {
  AddEntry(c, kTxtGrades, "Ma&terials:", "all", 12, 40, 70, 490, 0);
  auto material = Button(kCmdMaterial, "M&aterial…", Pixels(586, 38, 100, 26), Arial(9.75), 1);
  material.toolTip = "Add a material file of your own to the materials searched";
  c.push_back(material);
  auto fit = Button(kCmdFitMaterial, "&Fit Material…", Pixels(692, 38, 116, 26), Arial(9.75), 1);
  fit.toolTip = "Fit a material of your own to the points of a supplier's DC-bias curve";
  c.push_back(fit);
  AddEntry(c, kTxtStacks, "Stac&ks:", "1-9", 820, 40, 50, 70, 2);
  c.push_back(Button(kCmdSearch, "&Search", Pixels(990, 38, 90, 26), Arial(9.75), 3));
  auto cancel = Button(kCmdCancel, "Ca&ncel", Pixels(1090, 38, 98, 26), Arial(9.75), 4);
  cancel.enabled = false;
  c.push_back(cancel);
}

// The limits the designs must meet, shared with the Operating Check: a row of four, each
// entry's note under it.
constexpr int kLimitsY = 72;
constexpr int kLimitWidth = 294;
constexpr int kLimitBoxWidth = 64;
void AddLimits(std::vector<ControlDescription>& c, int firstTabIndex) {
  int column = 0;
  for (const LimitEntryDescription& limit : LimitEntryDescriptions()) {
    const int x = 12 + column * kLimitWidth;
    const int captionWidth = kLimitWidth - kLimitBoxWidth - 10;
    LimitEntryPlace place{Pixels(x, kLimitsY + 3, captionWidth, 18),
                          Pixels(x + captionWidth + 4, kLimitsY, kLimitBoxWidth, 22),
                          Pixels(x, kLimitsY + 24, kLimitWidth - 6, 30)};
    AddLimitEntry(c, limit.entry, place, firstTabIndex + column);
    ++column;
  }
}

}  // namespace

FormDescription FindDesignsFormDesign() {
  FormDescription form;
  form.name = kFindDesignsForm;
  form.caption = "Find Designs";
  form.clientWidth = 1200 * kPixel;
  form.clientHeight = 722 * kPixel;
  // Smaller screens scroll it; larger windows give the chart and the table the room.
  form.scrolls = true;
  form.defaultButton = kCmdSearch;  // Enter in an entry searches with what it shows
  form.backColour = kWhite;
  form.font = Arial(8.25);

  auto& c = form.controls;
  c.push_back(Label(kLblInputs, "", Pixels(12, 12, 1176, 20), Arial(8.25, true), kNavy));
  AddSearchEntries(c);
  AddLimits(c, 5);
  c.push_back(Custom(kPrgSearch, kSearchProgressKind, Pixels(12, 128, 400, 20), -1));
  auto status = Label(kLblStatus, "", Pixels(424, 130, 764, 20), Arial(8.25), kNavy);
  status.stretch = {0, 0, 1, 0};
  c.push_back(status);

  auto chart = Custom(kChtFound, kFoundDesignsChartKind, Pixels(12, 156, 520, 518), -1);
  chart.stretch = {0, 0, 0.4, 1};
  c.push_back(chart);
  auto table = Custom(kGrdFound, kFoundDesignsTableKind, Pixels(544, 156, 644, 518), 9);
  table.stretch = {0.4, 0, 0.6, 1};
  c.push_back(table);

  auto check =
      Button(kCmdOperatingCheck, "&Operating Check…", Pixels(12, 684, 150, 28), Arial(9.75), 10);
  check.stretch.y = 1;
  check.enabled = false;
  c.push_back(check);
  auto save = Button(kCmdSaveDesign, "Save &Design…", Pixels(174, 684, 150, 28), Arial(9.75), 11);
  save.enabled = false;
  save.stretch.y = 1;
  c.push_back(save);
  auto csv = Button(kCmdExportCsv, "&Export CSV…", Pixels(336, 684, 150, 28), Arial(9.75), 12);
  csv.stretch.y = 1;
  c.push_back(csv);
  auto model =
      Button(kCmdExportModel, "Export &Model…", Pixels(498, 684, 150, 28), Arial(9.75), 13);
  model.enabled = false;
  model.stretch.y = 1;
  c.push_back(model);
  auto close = CloseButton(kCmdClose, "&Close", Pixels(1078, 684, 110, 28), Arial(9.75), 14);
  close.stretch = {1, 1, 0, 0};
  c.push_back(close);
  return form;
}

}  // namespace pfc::ui
