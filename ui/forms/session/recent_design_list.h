#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ui/forms/session/desktop_services.h"

// The design files last opened or saved, the latest first, as the services keep them between
// runs of the program: every window that writes a design file adds it here, and the input
// form's "Open Design…" offers them.
namespace pfc::ui {

inline constexpr std::size_t kRecentDesignCount = 8;

// The list with the file put first: named once only, the oldest dropped beyond the count.
std::vector<std::string> WithRecentDesign(std::vector<std::string> recent, const std::string& path);

// The kept files that still exist, at most kRecentDesignCount.
std::vector<std::string> ExistingRecentDesigns(const DesktopServices& services);

// Puts the file first in the kept list; nothing without services that keep one.
void AddRecentDesign(const DesktopServices& services, const std::string& path);

}  // namespace pfc::ui
