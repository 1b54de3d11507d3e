#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ui/forms/session/desktop_services.h"
#include "ui/forms/session/desktop_session.h"
#include "ui/toolkit/toolkit.h"

// The design files last opened or saved on the input form, the latest first, offered again
// by its "Open Design…". The services keep the list between runs of the program.
namespace pfc::ui {

inline constexpr std::size_t kRecentDesignCount = 8;

// The list with the file put first: named once only, the oldest dropped beyond the count.
std::vector<std::string> WithRecentDesign(std::vector<std::string> recent, const std::string& path);

// Adds the file the input form names to the kept list when it is not its latest already.
void RememberDesignFile(const DesktopSession& session, const DesktopServices& services,
                        std::string& remembered);

// "Open Design…": with recent files that still exist, a menu of "Browse…" and those files
// under the button; the dialog straight away without any. A file chosen from the menu opens
// as the dialog's would, after the question about unsaved changes.
void OpenDesignWithRecent(Toolkit& toolkit, DesktopSession& session,
                          const DesktopServices& services);

}  // namespace pfc::ui
