#include "reports/summary/temp_folder.h"

#include <cstdlib>

namespace pfc {
namespace {

constexpr const char* kSystemTempFolder = "/tmp";
constexpr const char* kReportFileName = "temp.htm";

}  // namespace

std::optional<std::string> SystemEnvironment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (value == nullptr)
    return std::nullopt;
  return std::string(value);
}

std::string TempFolderFromEnvironment(const EnvironmentLookup& environment) {
  for (const char* name : {"TEMP", "TMPDIR"}) {
    std::optional<std::string> value = environment(name);
    if (value && !value->empty())
      return *value;
  }
  return kSystemTempFolder;
}

std::string ReportFilePath(const std::string& tempFolder) {
  if (!tempFolder.empty() && tempFolder.back() == '/')
    return tempFolder + kReportFileName;
  return tempFolder + "/" + kReportFileName;
}

}  // namespace pfc
