#pragma once

#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/toolkit.h"

// The windows that belong to the result summary: the listing and the report viewer show its
// design, and "Compare Cores" may have been opened from it. None outlives a way back to the
// input form, so none shows a design that is gone.
namespace pfc::ui {

// Closes the listing and the report viewer.
void CloseDesignViews(Toolkit& toolkit, const DesktopServices& services);
// Closes the listing, the report viewer and "Compare Cores".
void CloseSummaryChildren(Toolkit& toolkit, const DesktopServices& services);

// Whether the summary window shows a published design; loaded without a run it shows none,
// and a report of it would have no core and empty results.
bool SummaryShowsADesign(Toolkit& toolkit, const DesktopSession& session);
// The caution for a report asked of a summary without a design.
Message NoDesignToReport();

}  // namespace pfc::ui
