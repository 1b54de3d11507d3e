#pragma once

#include <optional>
#include <string>

#include "engine/record/message.h"

namespace pfc {

// The file a save writes: the name as the user typed it, with ".html" appended whatever it
// already ends in ("design1.html" gives "design1.html.html").
std::string SavedCopyPath(const std::string& chosenName);

// The name "Save as HTML File" first offers for a design: its part number, with the stack
// count when it stacks cores, and the date ("TD-26_2026-12-07", "TD-26x3_2026-12-07").
// Without a part number, "report" and the date.
std::string SuggestedReportName(const std::string& partNumber, int coresToStack, int year,
                                int month, int day);

// Copies the generated report, byte for byte, to SavedCopyPath(chosenName). A file of that
// name is replaced only once the whole copy is on disk, so a failed save leaves it as it
// was. Returns the "Caution" message that names the file and the reason when the copy
// failed; nothing when it was saved.
std::optional<Message> SaveReportCopy(const std::string& reportPath, const std::string& chosenName);

}  // namespace pfc
