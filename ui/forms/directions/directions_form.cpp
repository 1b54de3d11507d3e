#include "ui/forms/directions/directions_form.h"

#include "ui/forms/directions/directions_design.h"
#include "ui/forms/directions/directions_texts.h"
#include "ui/forms/session/form_names.h"

namespace pfc::ui {

void DirectionsForm::Form_Load() {
  toolkit_.Centre(kDirectionsForm);
}

void DirectionsForm::Click(std::string_view control) {
  if (control == directions_controls::kCmdExit) {
    toolkit_.Unload(kDirectionsForm);
  }
}

void ShowDirections(Toolkit& toolkit) {
  toolkit.SetText(kDirectionsForm, "txtHelp", HelpText());
  toolkit.SetText(kDirectionsForm, "TxtHelp2", ContactText());
  toolkit.Show(kDirectionsForm);
}

}  // namespace pfc::ui
