#pragma once

#include "ui/forms/session/shared_controls.h"
#include "ui/toolkit/form_description.h"

namespace pfc::ui {

// frmXls, the design inputs: the entries with their units, the calculator type, the core
// list and the buttons.
FormDescription InputFormDesign();

// The controls the input form's logic names besides the entries, whose controls the entries'
// table names (engine/inputs/entries.h), and those the other windows name too
// (session/shared_controls.h).
namespace input_controls {
inline constexpr const char* kCmdProcess = "cmdProcess";  // "&Show Results"
inline constexpr const char* kCmdQuit = "cmdQuit";        // "Clear &Results"
inline constexpr const char* kCmdExit = "cmdExit";        // "&Cancel"
inline constexpr const char* kCmdHelp = "cmdHelp";
inline constexpr const char* kCmdCompareCores = "cmdCompareCores";
}  // namespace input_controls

}  // namespace pfc::ui
