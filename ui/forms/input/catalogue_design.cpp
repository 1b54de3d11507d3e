#include "ui/forms/input/catalogue_design.h"

#include "ui/forms/design_files/catalogue_commands.h"
#include "ui/forms/session/design_helpers.h"

namespace pfc::ui {

using namespace design;

void AddCatalogueButtons(FormDescription& inputForm) {
  // Beside the short unit labels of Efficiency and Vin Min there is room for the longer
  // captions; the right edges stay in line with Help's. After every other control in tab
  // order.
  constexpr int kX = 7320;
  constexpr int kWidth = 2160;
  constexpr int kHeight = 375;
  auto load = Button(kCoreCatalogueButton, "Core Ca&talogue…", {kX, 2790, kWidth, kHeight},
                     Arial(9.75), 23);
  load.toolTip =
      "Design on the cores of a catalogue file for this session (pfc-core cores --csv writes "
      "the built-in one as a starting point).";
  auto builtIn = Button(kBuiltInCatalogueButton, "B&uilt-in Catalogue", {kX, 3240, kWidth, kHeight},
                        Arial(9.75), 24);
  builtIn.toolTip = "Design on the built-in cores again.";
  inputForm.controls.push_back(load);
  inputForm.controls.push_back(builtIn);
}

}  // namespace pfc::ui
