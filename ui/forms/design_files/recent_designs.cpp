#include "ui/forms/design_files/recent_designs.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "ui/forms/design_files/design_file_commands.h"
#include "ui/forms/design_files/unsaved_changes.h"
#include "ui/forms/session/form_names.h"

namespace pfc::ui {
namespace {

// "&1 boost.pfcdesign   (/home/me/designs)": the name to find it by, its folder to tell
// two of the same name apart.
std::string MenuItem(std::size_t position, const std::string& path) {
  const std::filesystem::path file(path);
  return "&" + std::to_string(position + 1) + " " + file.filename().string() + "   (" +
         file.parent_path().string() + ")";
}

}  // namespace

void RememberDesignFile(const DesktopSession& session, const DesktopServices& services,
                        std::string& remembered) {
  const std::string& path = session.designFile.path;
  if (path.empty() || path == remembered || !services.loadRecentDesigns ||
      !services.saveRecentDesigns) {
    return;
  }
  remembered = path;
  AddRecentDesign(services, path);
}

void OpenDesignWithRecent(Toolkit& toolkit, DesktopSession& session,
                          const DesktopServices& services) {
  const std::vector<std::string> recent = ExistingRecentDesigns(services);
  if (recent.empty()) {
    OpenDesignFromDialog(toolkit, session, services);
    return;
  }
  std::vector<std::string> items{"&Browse…"};
  for (std::size_t i = 0; i < recent.size(); ++i) {
    items.push_back(MenuItem(i, recent[i]));
  }
  const int chosen = toolkit.ChooseFromMenu(kInputForm, kOpenDesignButton, items);
  if (chosen == 0) {
    OpenDesignFromDialog(toolkit, session, services);
  } else if (chosen > 0 && MayLoseUnsavedChanges(toolkit, session, LosingChanges::OpeningAnother)) {
    OpenDesignFile(toolkit, session, recent[static_cast<std::size_t>(chosen - 1)], &services);
  }
}

}  // namespace pfc::ui
