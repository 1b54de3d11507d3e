#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/forms/session/desktop_services.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// Asks where to save, then replaces that file with the bytes whole or not at all. A failed
// write is told in a "Caution" box with the path and the system's reason; a cancelled
// dialog does nothing. Returns whether a file was written.
bool ExportFile(Toolkit& toolkit, const DesktopServices& services, const SaveFileRequest& request,
                std::string_view bytes);

// The same, giving the path of the file written; empty when none was.
std::optional<std::string> ExportFileAt(Toolkit& toolkit, const DesktopServices& services,
                                        const SaveFileRequest& request, std::string_view bytes);

// The request for a CSV file.
SaveFileRequest CsvFileRequest(std::string title, std::string suggestedName);

}  // namespace pfc::ui
