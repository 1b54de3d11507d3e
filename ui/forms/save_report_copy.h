#pragma once

#include <optional>
#include <string>

#include "engine/design_run.h"

namespace pfc {

// The file a save writes: the name as the user typed it, with ".html" appended whatever it
// already ends in ("design1.html" gives "design1.html.html").
std::string SavedCopyPath(const std::string& chosenName);

// Copies the generated report, byte for byte, to SavedCopyPath(chosenName). A file of that
// name is replaced only once the whole copy is on disk, so a failed save leaves it as it
// was. Returns the "Caution" message that names the file and the reason when the copy
// failed; nothing when it was saved.
std::optional<Message> SaveReportCopy(const std::string& reportPath, const std::string& chosenName);

}  // namespace pfc
