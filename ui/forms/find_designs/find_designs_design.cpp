#include "ui/forms/find_designs/find_designs_design.h"

#include "ui/forms/session/design_helpers.h"
#include "ui/forms/session/limit_entries.h"

namespace pfc::ui {

using namespace design;
using namespace find_designs_controls;

namespace {

// A caption and its entry box, side by side, the caption's access letter focusing the box.
void AddEntry(std::vector<ControlDescription>& c, const char* name, const char* caption,
              const char* text, int x, int captionWidth, int width, int tabIndex) {
  auto label = Label(std::string("lbl") + (name + 3), caption, Pixels(x, 43, captionWidth, 20),
                     Arial(8.25), kNavy);
  label.buddy = name;
  c.push_back(label);
  c.push_back(
      TextBox(name, text, Pixels(x + captionWidth + 4, 40, width, 22), Arial(9.75), tabIndex));
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
  form.clientHeight = 722 * kPixel;  // fits a 768-pixel screen with its title bar
  form.backColour = kWhite;
  form.font = Arial(8.25);
  form.defaultButton = kCmdSearch;  // Enter in an entry searches with what it shows

  auto& c = form.controls;
  c.push_back(Label(kLblInputs, "", Pixels(12, 12, 1176, 20), Arial(8.25, true), kNavy));
  AddEntry(c, kTxtGrades, "M&aterials:", "all", 12, 70, 300, 0);
  AddEntry(c, kTxtStacks, "S&tacks:", "1-9", 398, 50, 70, 1);
  AddLimits(c, 2);
  c.push_back(Button(kCmdSearch, "&Search", Pixels(990, 38, 90, 26), Arial(9.75), 6));
  auto cancel = Button(kCmdCancel, "Ca&ncel", Pixels(1090, 38, 98, 26), Arial(9.75), 7);
  cancel.enabled = false;
  c.push_back(cancel);
  c.push_back(Custom(kPrgSearch, kSearchProgressKind, Pixels(12, 128, 400, 20), -1));
  c.push_back(Label(kLblStatus, "", Pixels(424, 130, 764, 20), Arial(8.25), kNavy));

  c.push_back(Custom(kChtFound, kFoundDesignsChartKind, Pixels(12, 156, 520, 518), -1));
  c.push_back(Custom(kGrdFound, kFoundDesignsTableKind, Pixels(544, 156, 644, 518), 8));

  auto check =
      Button(kCmdOperatingCheck, "&Operating Check…", Pixels(12, 684, 150, 28), Arial(9.75), 9);
  check.enabled = false;
  c.push_back(check);
  auto save = Button(kCmdSaveDesign, "Save &Design…", Pixels(174, 684, 150, 28), Arial(9.75), 10);
  save.enabled = false;
  c.push_back(save);
  c.push_back(Button(kCmdExportCsv, "&Export CSV…", Pixels(336, 684, 150, 28), Arial(9.75), 11));
  auto model =
      Button(kCmdExportModel, "Export &Model…", Pixels(498, 684, 150, 28), Arial(9.75), 12);
  model.enabled = false;
  c.push_back(model);
  c.push_back(CloseButton(kCmdClose, "&Close", Pixels(1078, 684, 110, 28), Arial(9.75), 13));
  return form;
}

}  // namespace pfc::ui
