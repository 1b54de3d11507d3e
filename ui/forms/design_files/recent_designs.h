#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/forms/session/recent_design_list.h"
#include "ui/toolkit/toolkit.h"

// "Open Design…" with the design files last opened or saved (session/recent_design_list.h).
namespace pfc::ui {

// Adds the file the input form names to the kept list when it is not its latest already.
void RememberDesignFile(const DesktopSession& session, const DesktopServices& services,
                        std::string& remembered);

// "Open Design…": with recent files that still exist, a menu of "Browse…" and those files
// under the button; the dialog straight away without any. A file chosen from the menu opens
// as the dialog's would, after the question about unsaved changes.
void OpenDesignWithRecent(Toolkit& toolkit, DesktopSession& session,
                          const DesktopServices& services);

}  // namespace pfc::ui
