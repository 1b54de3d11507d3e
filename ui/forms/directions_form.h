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

}  // namespace pfc::ui
