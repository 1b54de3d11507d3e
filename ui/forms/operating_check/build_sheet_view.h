#pragma once

#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// The build sheet's file in the user's temporary folder, beside the report's.
inline constexpr const char* kBuildSheetFileName = "build-sheet.htm";

// "Build Sheet…": the part as the window checks it, written as its build sheet into the
// temporary folder and shown in the report viewer, which prints it and saves it as PDF. A
// design that is not checked, or whose given winding could not be wound, gets a caution with
// the reason instead. Returns whether the sheet was shown.
bool ShowBuildSheet(Toolkit& toolkit, const DesktopSession& session,
                    const DesktopServices& services);

}  // namespace pfc::ui
