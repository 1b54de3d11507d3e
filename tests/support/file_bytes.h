#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pfc::test {

// The whole file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);
// Replaces the file with exactly these bytes.
void WriteFile(const std::filesystem::path& path, std::string_view bytes);
// The names in a folder, sorted.
std::vector<std::string> FolderEntries(const std::filesystem::path& folder);

}  // namespace pfc::test
