#pragma once

#include "ui/toolkit/form_logic.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// frmDirections: the help text, written by the input form's "Help"; "E&xit" unloads it.
class DirectionsForm final : public FormLogic {
 public:
  explicit DirectionsForm(Toolkit& toolkit) : toolkit_(toolkit) {}

  void Form_Load() override;
  void Click(std::string_view control) override;

 private:
  Toolkit& toolkit_;
};

// Writes the directions and shows their window (bringing it to the front when it is open),
// from the input form's "&Help" or F1 in any window.
void ShowDirections(Toolkit& toolkit);

}  // namespace pfc::ui
