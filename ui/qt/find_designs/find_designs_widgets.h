#pragma once

#include "ui/forms/session/desktop_session.h"
#include "ui/qt/toolkit/qt_toolkit.h"

namespace pfc::ui {

// Teaches the toolkit to build the "Find Designs" window's progress bar, chart and table on
// the session's found designs. The session must outlive the toolkit.
void AddFindDesignsWidgets(QtToolkit& toolkit, DesktopSession& session);

}  // namespace pfc::ui
