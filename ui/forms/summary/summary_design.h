#pragma once

#include "ui/toolkit/form_description.h"

namespace pfc::ui {

// frmResult, the result summary: the inputs echoed beside the design's headline outputs.
FormDescription SummaryFormDesign();

// The controls the summary's logic names besides its texts, whose controls the summary's
// own table names (kSummaryTexts, reports/summary/result_summary.h).
namespace summary_controls {
// The note the web link reacts to, the link and the buttons.
inline constexpr const char* kLabel2 = "Label2";
inline constexpr const char* kCmdWebLink = "cmdWebLink";
inline constexpr const char* kCmdIinterOutput = "cmdIinterOutput";  // "&Calculations"
inline constexpr const char* kCmdReport = "cmdReport";              // "&View Report"
inline constexpr const char* kCmdExit = "cmdExit";                  // "R&eset Design Inputs"
inline constexpr const char* kCmdCompareCores = "cmdCompareCores";
// "Operating check: MISS: …", the check of the published design against the session's limits.
inline constexpr const char* kLblCheckOutcome = "lblCheckOutcome";
// That the summary is the method's design when the part to be built is given another way.
inline constexpr const char* kLblPartNote = "lblPartNote";
}  // namespace summary_controls

}  // namespace pfc::ui
