#pragma once

#include "engine/result_summary.h"
#include "ui/toolkit/toolkit.h"

// The result summary window's texts, moved between the window and a ResultSummary. The
// window is the one the user sees and the report copies, so the report is built from what
// these read back.
namespace pfc::ui {

// The eight echoed inputs (not the fill factor, not the input-side core size).
void ShowInputEcho(Toolkit& toolkit, const ResultSummary& summary);
// The output group, the fill factor, the total temperature's emphasis and its unit label.
void ShowPublishedSummary(Toolkit& toolkit, const ResultSummary& summary);
// Normal weight and black for the total temperature, as at the start of every run.
void ResetTotalTempEmphasis(Toolkit& toolkit);
// Every text of the window and the total temperature's emphasis.
ResultSummary ReadSummaryWindow(Toolkit& toolkit);

}  // namespace pfc::ui
