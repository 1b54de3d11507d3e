#pragma once

#include "engine/explorer.h"
#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/toolkit.h"

// The ways into the "Operating Check" window. The window checks a copy of the design it was
// opened on; the session's record is never changed.
namespace pfc::ui {

// The design the summary shows, which its run published.
void CheckPublishedDesign(Toolkit& toolkit, DesktopSession& session);

// A design of Compare Cores, evaluated as a designer's pick of its core and stack count on
// the input form's entries. A pick that does not publish has no check: a caution with the
// run's reason takes the window's place.
void CheckExploredDesign(Toolkit& toolkit, DesktopSession& session, const DesktopServices& services,
                         const ExploredDesign& design);

}  // namespace pfc::ui
