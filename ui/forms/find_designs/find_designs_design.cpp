#include "ui/forms/find_designs/find_designs_design.h"

#include "ui/forms/session/design_helpers.h"

namespace pfc::ui {

using namespace design;
using namespace find_designs_controls;

namespace {

// A caption and its entry box, side by side.
void AddEntry(std::vector<ControlDescription>& c, const char* name, const char* caption,
              const char* text, int x, int captionWidth, int tabIndex) {
  c.push_back(Label(std::string("lbl") + (name + 3), caption, Pixels(x, 43, captionWidth, 20),
                    Arial(8.25), kNavy));
  c.push_back(TextBox(name, text, Pixels(x + captionWidth + 4, 40, 70, 22), Arial(9.75), tabIndex));
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

  auto& c = form.controls;
  c.push_back(Label(kLblInputs, "", Pixels(12, 12, 1176, 20), Arial(8.25, true), kNavy));
  AddEntry(c, kTxtGrades, "Materials:", "all", 12, 70, 0);
  AddEntry(c, kTxtStacks, "Stacks:", "1-9", 170, 50, 1);
  AddEntry(c, kTxtMaxTemperature, "Max winding °C:", "155", 308, 110, 2);
  AddEntry(c, kTxtRippleLimit, "Max ripple at crest %:", "", 506, 140, 3);
  AddEntry(c, kTxtMinInductance, "Min L at Ipk, % of target:", "100", 734, 160, 4);
  c.push_back(Button(kCmdSearch, "&Search", Pixels(990, 38, 90, 26), Arial(9.75), 5));
  auto cancel = Button(kCmdCancel, "Ca&ncel", Pixels(1090, 38, 98, 26), Arial(9.75), 6);
  cancel.enabled = false;
  c.push_back(cancel);
  c.push_back(Custom(kPrgSearch, kSearchProgressKind, Pixels(12, 74, 400, 20), -1));
  c.push_back(Label(kLblStatus, "", Pixels(424, 76, 764, 20), Arial(8.25), kNavy));

  c.push_back(Custom(kChtFound, kFoundDesignsChartKind, Pixels(12, 102, 520, 572), -1));
  c.push_back(Custom(kGrdFound, kFoundDesignsTableKind, Pixels(544, 102, 644, 572), 7));

  auto check =
      Button(kCmdOperatingCheck, "&Operating Check…", Pixels(12, 684, 150, 28), Arial(9.75), 8);
  check.enabled = false;
  c.push_back(check);
  auto save = Button(kCmdSaveDesign, "Save &Design…", Pixels(174, 684, 150, 28), Arial(9.75), 9);
  save.enabled = false;
  c.push_back(save);
  c.push_back(Button(kCmdExportCsv, "&Export CSV…", Pixels(336, 684, 150, 28), Arial(9.75), 10));
  auto model =
      Button(kCmdExportModel, "Export &Model…", Pixels(498, 684, 150, 28), Arial(9.75), 11);
  model.enabled = false;
  c.push_back(model);
  c.push_back(CloseButton(kCmdClose, "&Close", Pixels(1078, 684, 110, 28), Arial(9.75), 12));
  return form;
}

}  // namespace pfc::ui
