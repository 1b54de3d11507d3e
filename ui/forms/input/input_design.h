#pragma once

#include <string_view>

#include "engine/entries.h"
#include "ui/toolkit/form_description.h"

namespace pfc::ui {

// frmXls, the design inputs: the entries with their units, the calculator type, the core
// list and the buttons.
FormDescription InputFormDesign();

// The controls the input form's logic, the runs and the other windows name besides the
// entries, whose controls the entries' table names (engine/entries.h).
namespace input_controls {
inline constexpr const char* kChkCalcCore = "chkCalcCore";
inline constexpr const char* kChkPickCore = "chkPickCore";
inline constexpr const char* kCmdProcess = "cmdProcess";  // "&Show Results"
inline constexpr const char* kCmdQuit = "cmdQuit";        // "Clear &Results"
inline constexpr const char* kCmdExit = "cmdExit";        // "&Cancel"
inline constexpr const char* kCmdHelp = "cmdHelp";
inline constexpr const char* kCmdCompareCores = "cmdCompareCores";

// The core list and the stack count, which the runs and the summary set as well as the form.
inline std::string_view CoreList() {
  return DescriptionOf(Entry::CoreSize).control;
}
inline std::string_view StackBox() {
  return DescriptionOf(Entry::Stack).control;
}
}  // namespace input_controls

}  // namespace pfc::ui
