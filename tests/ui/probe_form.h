#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/toolkit/form_registry.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui::testing {

// A small form for toolkit tests: one control of each kind, with logic that writes every
// handler it runs into a shared log ("Load", "Click cmdGo", ...). Typing "x" into txtDigits
// is discarded; losing the focus from cmdBounce sends it to txtDigits. Ctrl+G clicks cmdGo;
// frmA takes dropped files ("Drop <path> <path>"), frmB none. While txtDigits reads "ask", a
// close by the user asks whether to save ("Answer Save") and Cancel keeps the form. In frmA,
// Enter clicks cmdGo and Ctrl+K is the key command "keyProbe"; frmB is resizable, txtFree
// taking all the room and cmdClose moving by half the width and all the height.
struct ProbeLog {
  std::vector<std::string> events;
};

FormDescription ProbeDesign(const std::string& name);
void RegisterProbe(FormRegistry& registry, const std::string& name, ProbeLog& log);

}  // namespace pfc::ui::testing
