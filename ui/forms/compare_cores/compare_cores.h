#pragma once

#include <string>

#include "engine/search/explorer.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/toolkit.h"

// The way into the "Compare Cores" window and the way back from it to a design run.
namespace pfc::ui {

// Explores every core and stack count for the input form's entries as they stand and shows
// the window (bringing it to the front when it is open). Entries that "&Show Results" would
// refuse get the same caution and focus move, and no window opens.
void OpenCompareCores(Toolkit& toolkit, DesktopSession& session);

// The window shows the designs of the entries it was computed for, never others: when the
// input form's entries have changed since, it explores them again, or, when a run would
// refuse them, closes with that run's caution and focus move. Returns whether the designs
// shown were those of the form's entries already.
bool FollowInputEntries(Toolkit& toolkit, DesktopSession& session);

// While the window is open it follows the input form's entries as they change, so that the
// rows the user clicks are the designs they show: entries a run would publish are explored
// again at once; entries a run would refuse leave the window as it was until it is next
// activated (FollowInputEntries). Nothing when the window is not loaded.
void KeepCompareCoresCurrent(Toolkit& toolkit, DesktopSession& session);

// The check columns are judged by the session's limits, at the worst-case core with an AL
// tolerance: when the limits differ from those the designs were explored at, explores the same
// entries again, keeping the pick.
void FollowSessionLimits(DesktopSession& session);

// Whether two sets of the input form's entries give the same comparison: every entry counts
// but the picked core, which the comparison does not use.
bool SameComparison(const EntryTexts& a, const EntryTexts& b);

// Returns to the input form, sets it to pick this design's core from the list with its stack
// count, and runs it as "&Show Results" does.
void UseExploredDesign(Toolkit& toolkit, DesktopSession& session, const ExploredDesign& design);

}  // namespace pfc::ui
