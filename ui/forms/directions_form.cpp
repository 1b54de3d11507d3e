#include "ui/forms/directions_form.h"

#include "ui/forms/directions_design.h"
#include "ui/forms/form_names.h"

namespace pfc::ui {

void DirectionsForm::Form_Load() {
  toolkit_.Centre(kDirectionsForm);
}

void DirectionsForm::Click(std::string_view control) {
  if (control == directions_controls::kCmdExit) {
    toolkit_.Unload(kDirectionsForm);
  }
}

}  // namespace pfc::ui
