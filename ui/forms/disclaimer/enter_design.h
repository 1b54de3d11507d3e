#pragma once

#include "ui/toolkit/form_description.h"

namespace pfc::ui {

// frmEnter, the disclaimer: the terms of use, the warranty note and the version.
FormDescription EnterFormDesign();

// The controls its logic names.
namespace enter_controls {
inline constexpr const char* kCmdProcess = "cmdProcess";  // "I &Accept"
inline constexpr const char* kCmdExit = "cmdExit";
}  // namespace enter_controls

}  // namespace pfc::ui
