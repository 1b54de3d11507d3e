#pragma once

#include "ui/toolkit/form_description.h"

namespace pfc::ui {

// frmDirections, the help text and the maker's contact lines.
FormDescription DirectionsFormDesign();

// The controls its logic and the input form's "Help" name.
namespace directions_controls {
inline constexpr const char* kTxtHelp = "txtHelp";
inline constexpr const char* kTxtContact = "TxtHelp2";
inline constexpr const char* kCmdExit = "cmdExit";
}  // namespace directions_controls

}  // namespace pfc::ui
