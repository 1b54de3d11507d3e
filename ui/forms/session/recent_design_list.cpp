#include "ui/forms/session/recent_design_list.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace pfc::ui {

std::vector<std::string> WithRecentDesign(std::vector<std::string> recent,
                                          const std::string& path) {
  std::erase(recent, path);
  recent.insert(recent.begin(), path);
  if (recent.size() > kRecentDesignCount) {
    recent.resize(kRecentDesignCount);
  }
  return recent;
}

std::vector<std::string> ExistingRecentDesigns(const DesktopServices& services) {
  std::vector<std::string> recent =
      services.loadRecentDesigns ? services.loadRecentDesigns() : std::vector<std::string>{};
  std::erase_if(recent, [](const std::string& path) {
    std::error_code error;
    return path.empty() || !std::filesystem::is_regular_file(path, error);
  });
  if (recent.size() > kRecentDesignCount) {
    recent.resize(kRecentDesignCount);
  }
  return recent;
}

void AddRecentDesign(const DesktopServices& services, const std::string& path) {
  if (!services.loadRecentDesigns || !services.saveRecentDesigns) {
    return;
  }
  services.saveRecentDesigns(WithRecentDesign(ExistingRecentDesigns(services), path));
}

}  // namespace pfc::ui
