#include "ui/forms/design_files/unsaved_changes.h"

#include <filesystem>
#include <string>

#include "ui/forms/design_files/design_file_commands.h"
#include "ui/forms/session/form_names.h"

namespace pfc::ui {

bool MayLoseUnsavedChanges(Toolkit& toolkit, DesktopSession& session, LosingChanges what) {
  if (!HasUnsavedChanges(toolkit, session)) {
    return true;
  }
  // Copied: a save names the file anew.
  const std::string path = session.designFile.path;
  const std::string question =
      "Save the changes to " + std::filesystem::path(path).filename().string() +
      (what == LosingChanges::Closing ? " before closing?" : " before opening another design?");
  switch (toolkit.AskToSaveChanges(kInputForm, "Save Changes", question)) {
    case SaveChangesAnswer::Save:
      // To the file the title names, as users expect of Save; asking where would be Save As.
      return SaveDesignTo(toolkit, session, path);
    case SaveChangesAnswer::Discard:
      return true;
    case SaveChangesAnswer::Cancel:
      break;
  }
  return false;
}

}  // namespace pfc::ui
