#pragma once

#include <functional>
#include <optional>
#include <string>

namespace pfc {

// Reads one environment variable: its value, or nothing when it is unset. Injected so that
// tests can describe any environment without touching the process's own.
using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// The process environment.
std::optional<std::string> SystemEnvironment(const std::string& name);

// The folder for the report and other scratch files: TEMP as it stands (no separator added
// or removed); when TEMP is unset or empty, TMPDIR; when that is unset or empty too, /tmp.
// The fallback keeps the report out of the file-system root, where an empty folder would
// otherwise put it.
std::string TempFolderFromEnvironment(const EnvironmentLookup& environment = SystemEnvironment);

// The report file in that folder: the folder, '/', and "temp.htm" (no second '/' when the
// folder already ends in one).
std::string ReportFilePath(const std::string& tempFolder);

}  // namespace pfc
