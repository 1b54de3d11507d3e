#include "ui/forms/compare_cores/compare_cores_design.h"

#include "ui/forms/session/design_helpers.h"
#include "ui/forms/session/form_names.h"
#include "ui/forms/session/shared_controls.h"

namespace pfc::ui {

using namespace design;
using namespace compare_cores_controls;

FormDescription CompareCoresFormDesign() {
  FormDescription form;
  form.name = kCompareCoresForm;
  form.caption = "Compare Cores";
  form.clientWidth = 1200 * kPixel;
  form.clientHeight = 722 * kPixel;
  form.backColour = kWhite;
  form.font = Arial(8.25);
  // The table takes the extra room, the charts and buttons move down; a laptop's screen with
  // a panel scrolls it.
  form.scrolls = true;

  auto& c = form.controls;
  c.push_back(Label(kLblCount, "", Pixels(12, 12, 400, 20), Arial(9.75, true), kNavy));
  auto passingOnly = CheckBox(kChkPassingOnly, "&Passing designs only", Pixels(420, 9, 220, 24),
                              Arial(9.75), 1, false);
  passingOnly.backColour = kWhite;
  c.push_back(passingOnly);
  c.push_back(Label(kLblInputs, "", Pixels(12, 36, 1176, 18), Arial(8.25, true), kNavy));
  c.push_back(Label(kLblChoice, "", Pixels(12, 56, 1176, 18), Arial(8.25), kNavy));
  c.push_back(Label("lblLimits",
                    "Limits: H at max current at most 115 Oe, total temperature below 155 °C, "
                    "actual fill factor within the entered fill factor, Vout above the line "
                    "peak. Values outside a limit are red.",
                    Pixels(12, 76, 1176, 18), Arial(8.25), kNavy));

  for (ControlDescription& line : c) {
    if (line.kind == ControlKind::Label) {
      line.stretch.width = 1;
    }
  }
  auto table = Custom(kGrdDesigns, kDesignTableKind, Pixels(12, 100, 1176, 262), 0);
  table.stretch = {.width = 1, .height = 1};
  c.push_back(table);
  auto lossChart = Custom(kChtTotalLoss, kTotalLossChartKind, Pixels(12, 370, 582, 306), -1);
  lossChart.stretch = {.y = 1, .width = 0.5};
  c.push_back(lossChart);
  auto tempChart = Custom(kChtTotalTemp, kTotalTempChartKind, Pixels(606, 370, 582, 306), -1);
  tempChart.stretch = {.x = 0.5, .y = 1, .width = 0.5};
  c.push_back(tempChart);

  auto use = Button(kCmdUseDesign, "&Use this design", Pixels(12, 684, 150, 28), Arial(9.75), 2);
  use.enabled = false;
  c.push_back(use);
  c.push_back(Button(kCmdExportCsv, "&Export CSV…", Pixels(174, 684, 150, 28), Arial(9.75), 3));
  auto check = Button(kOpenOperatingCheckButton, "&Operating Check…", Pixels(336, 684, 150, 28),
                      Arial(9.75), 3);
  check.enabled = false;
  c.push_back(check);
  c.push_back(CloseButton(kCmdClose, "&Close", Pixels(1078, 684, 110, 28), Arial(9.75), 4));
  for (ControlDescription& button : c) {
    if (button.kind == ControlKind::Button) {
      button.stretch.y = 1;  // the row stays at the bottom
    }
  }
  c.back().stretch.x = 1;  // "&Close" at the right
  return form;
}

}  // namespace pfc::ui
