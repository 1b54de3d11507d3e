#pragma once

#include <string>
#include <vector>

namespace pfc::ui {

// The recent design files of the input form's "Open Design…", kept in the user's settings
// in the desktop's standard place ($XDG_CONFIG_HOME/pfc-core-designer/recent-designs.conf).
std::vector<std::string> LoadRecentDesigns();
void SaveRecentDesigns(const std::vector<std::string>& paths);

}  // namespace pfc::ui
