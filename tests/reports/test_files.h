#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pfc::testing {

// A fresh empty folder under the system's temporary folder, removed with its contents when
// the object goes.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, std::string_view bytes);
// The names in a folder, sorted.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);

// A hand-written expected document: one template row per line, joined without the line
// breaks, with the {placeholders} replaced by the given pairs.
std::string ExpectedDocument(
    const std::string& fileName,
    const std::vector<std::pair<std::string, std::string>>& replacements = {});

// Latin-1 bytes of UTF-8 text that uses no character above U+00FF: the report's own
// characters ("°", "µ") have the same byte in Windows-1252. Kept here, apart from the code
// under test, so that expected bytes do not come from the encoder being checked.
std::string Latin1Bytes(std::string_view utf8);

// Where two texts first differ, with some context, for readable failures.
std::string FirstDifference(std::string_view expected, std::string_view actual);

}  // namespace pfc::testing
