#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "reports/summary/report_document.h"

namespace pfc {

// The folder that holds the running executable; empty when it cannot be told.
std::filesystem::path ExecutableFolder();

// A "file:" URL of an absolute path, every byte other than letters, digits, "-._~" and '/'
// percent-escaped, so that it can stand unquoted in an attribute (no blank, quote or '>')
// and keeps the path's letter case.
std::string FileUrl(const std::filesystem::path& absolutePath);

// One of the program's data files (its images): the file beside the executable, as in a
// build tree, else the one in the installed data folder relative to it
// (../share/pfc-core-designer); the absolute path, empty when neither exists.
std::filesystem::path FindDataFile(const std::filesystem::path& programFolder,
                                   std::string_view fileName);

// The image source for one of the report's images, found as FindDataFile finds it; empty
// when there is none, so that the report still opens, without the picture.
std::string ImageSource(const std::filesystem::path& programFolder, std::string_view fileName);

// Both image sources of the report ("toridyne_logo.gif" and "gapcore.gif").
ReportImages FindReportImages(const std::filesystem::path& programFolder);

}  // namespace pfc
