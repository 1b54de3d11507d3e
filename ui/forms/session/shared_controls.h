#pragma once

#include <string_view>

#include "engine/inputs/entries.h"

namespace pfc::ui {

// The controls that more than one window names: the buttons that open a window from others,
// and the input form's controls that the runs, Compare Cores, the summary and the design
// files set as well as the form. A window's own controls stay in its description's header.

// The button that opens "Operating Check", on the summary and on Compare Cores.
inline constexpr const char* kOpenOperatingCheckButton = "cmdOperatingCheck";

// The button that opens "Find Designs", on the input form and on the summary.
inline constexpr const char* kCmdFindDesigns = "cmdFindDesigns";

namespace input_controls {
inline constexpr const char* kChkCalcCore = "chkCalcCore";
inline constexpr const char* kChkPickCore = "chkPickCore";

// The core list and the stack count, which the runs and the summary set as well as the form.
inline std::string_view CoreList() {
  return DescriptionOf(Entry::CoreSize).control;
}
inline std::string_view StackBox() {
  return DescriptionOf(Entry::Stack).control;
}
}  // namespace input_controls

}  // namespace pfc::ui
