#pragma once

#include <optional>
#include <string>

namespace pfc::ui {

// Opens a written report with the desktop's browser; the reason when that failed.
std::optional<std::string> OpenReportInBrowser(const std::string& reportPath);

}  // namespace pfc::ui
