#pragma once

#include "ui/forms/session/desktop_session.h"
#include "ui/qt/toolkit/qt_toolkit.h"

namespace pfc::ui {

// Teaches the toolkit to build the "Compare Cores" window's table and charts on the
// session's Compare Cores designs. The session must outlive the toolkit.
void AddCompareCoresWidgets(QtToolkit& toolkit, DesktopSession& session);

}  // namespace pfc::ui
