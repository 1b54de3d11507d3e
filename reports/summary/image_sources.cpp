#include "reports/summary/image_sources.h"

#include <system_error>

namespace pfc {
namespace {

bool IsUrlSafe(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~' || c == '/';
}

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::filesystem::path ExecutableFolder() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error)
    return {};
  return executable.parent_path();
}

std::string FileUrl(const std::filesystem::path& absolutePath) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (const char c : absolutePath.string()) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsUrlSafe(byte)) {
      url += c;
    } else {
      url += '%';
      url += kHex[byte >> 4];
      url += kHex[byte & 0x0F];
    }
  }
  return url;
}

std::filesystem::path FindDataFile(const std::filesystem::path& programFolder,
                                   std::string_view fileName) {
  if (programFolder.empty())
    return {};
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::absolute(programFolder, error);
  if (error)
    return {};
  const std::filesystem::path candidates[] = {
      folder / fileName,
      (folder / PFC_INSTALLED_DATA_FOLDER / fileName).lexically_normal(),
  };
  for (const std::filesystem::path& candidate : candidates) {
    if (IsFile(candidate))
      return candidate;
  }
  return {};
}

std::string ImageSource(const std::filesystem::path& programFolder, std::string_view fileName) {
  const std::filesystem::path file = FindDataFile(programFolder, fileName);
  return file.empty() ? std::string() : FileUrl(file);
}

ReportImages FindReportImages(const std::filesystem::path& programFolder) {
  return ReportImages{ImageSource(programFolder, "toridyne_logo.gif"),
                      ImageSource(programFolder, "gapcore.gif")};
}

}  // namespace pfc
