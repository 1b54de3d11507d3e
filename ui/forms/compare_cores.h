#pragma once

#include "engine/explorer.h"
#include "ui/forms/desktop_services.h"
#include "ui/forms/desktop_session.h"
#include "ui/toolkit/toolkit.h"

// The way into the "Compare Cores" window and the way back from it to a design run.
namespace pfc::ui {

// Explores every core and stack count for the input form's entries as they stand and shows
// the window (bringing it to the front when it is open). Entries that "&Show Results" would
// refuse get the same caution and focus move, and no window opens.
void OpenCompareCores(Toolkit& toolkit, DesktopSession& session);

// Returns to the input form, sets it to pick this design's core from the list with its stack
// count, and runs it as "&Show Results" does.
void UseExploredDesign(Toolkit& toolkit, DesktopSession& session, const DesktopServices& services,
                       const ExploredDesign& design);

}  // namespace pfc::ui
