#include "ui/forms/design_files/design_file_design.h"

#include "ui/forms/design_files/design_file_commands.h"
#include "ui/forms/session/design_helpers.h"

namespace pfc::ui {

using namespace design;

void AddDesignFileButtons(FormDescription& inputForm) {
  // In the free column right of the unit lists, the right edges in line with Help's.
  constexpr int kX = 7560;
  constexpr int kWidth = 1920;
  constexpr int kHeight = 375;
  auto open =
      Button(kOpenDesignButton, "&Open Design…", {kX, 1890, kWidth, kHeight}, Arial(9.75), 21);
  open.shortcut = "Ctrl+O";
  open.toolTip = "Fill the form from a design file (Ctrl+O); nothing runs until Show Results.";
  auto save =
      Button(kSaveDesignButton, "Sa&ve Design As…", {kX, 2340, kWidth, kHeight}, Arial(9.75), 22);
  save.shortcut = "Ctrl+Shift+S";
  save.toolTip =
      "Keep the form's entries and choices in a design file you name (Ctrl+Shift+S); Ctrl+S "
      "saves to the open design file.";
  inputForm.keyCommands.push_back({"Ctrl+S", kSaveDesignCommand});
  inputForm.controls.push_back(open);
  inputForm.controls.push_back(save);
  inputForm.acceptsFileDrops = true;
}

}  // namespace pfc::ui
