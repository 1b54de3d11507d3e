#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "reports/report_document.h"

namespace pfc {

// Name of the installed data folder, share/<name>/ beside the bin/ folder.
inline constexpr std::string_view kDataFolderName = "pfc-core-designer";

// The folder that holds the running executable; empty when it cannot be told.
std::filesystem::path ExecutableFolder();

// A "file:" URL of an absolute path, every byte other than letters, digits, "-._~" and '/'
// percent-escaped, so that it can stand unquoted in an attribute (no blank, quote or '>')
// and keeps the path's letter case.
std::string FileUrl(const std::filesystem::path& absolutePath);

// The image source for one of the report's images: the file beside the executable, else
// the one in ../share/<data folder>/ relative to it; empty when neither exists, so that
// the report still opens, without the picture.
std::string ImageSource(const std::filesystem::path& programFolder, std::string_view fileName);

// Both image sources of the report ("toridyne_logo.gif" and "gapcore.gif").
ReportImages FindReportImages(const std::filesystem::path& programFolder);

}  // namespace pfc
