#include "ui/forms/directions/directions_design.h"

#include "ui/forms/session/design_helpers.h"
#include "ui/forms/session/form_names.h"

namespace pfc::ui {

using namespace design;
using namespace directions_controls;

FormDescription DirectionsFormDesign() {
  FormDescription form;
  form.name = kDirectionsForm;
  form.caption = "PFC Calculator Explaination";
  form.clientWidth = 10695;
  form.clientHeight = 7020;
  form.backColour = kSilver;
  form.font = Arial(9.75);

  auto& c = form.controls;
  auto welcome = TextBox("Text1", "Welcome  to Our Core Calculator", {2100, 120, 6495, 450},
                         Arial(14.25, true), 0);
  welcome.readOnly = true;
  welcome.alignment = TextAlignment::Centre;
  welcome.backColour = kLightGrey;
  c.push_back(welcome);

  // Placeholders: "Help" writes both texts before the window is ever shown.
  auto help = TextBox(kTxtHelp, "Help", {180, 690, 10335, 4860}, Arial(9.75), 2);
  help.multiLine = true;
  help.backColour = kLightGrey;
  c.push_back(help);
  c.push_back(CloseButton(kCmdExit, "E&xit", {4755, 5640, 1185, 420}, Arial(9.75), 1));
  auto contact = TextBox(kTxtContact, "Contact", {180, 6150, 10335, 780}, Arial(9.75), 3);
  contact.multiLine = true;
  contact.backColour = kLightGrey;
  c.push_back(contact);
  return form;
}

}  // namespace pfc::ui
