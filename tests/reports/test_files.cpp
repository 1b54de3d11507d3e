#include "tests/reports/test_files.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace pfc::testing {

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "pfc-reports-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr)
    ADD_FAILURE() << "cannot create " << pattern;
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string ExpectedDocument(const std::string& fileName,
                             const std::vector<std::pair<std::string, std::string>>& replacements) {
  std::string text = ReadFile(std::filesystem::path(PFC_EXPECTED_DIR) / fileName);
  EXPECT_FALSE(text.empty()) << "missing expected file " << fileName;
  text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
  for (const auto& [placeholder, value] : replacements) {
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size())) {
      text.replace(at, placeholder.size(), value);
    }
  }
  return text;
}

std::string Latin1Bytes(std::string_view utf8) {
  std::string bytes;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    if ((byte == 0xC2 || byte == 0xC3) && i + 1 < utf8.size()) {
      const auto next = static_cast<unsigned char>(utf8[++i]);
      bytes.push_back(static_cast<char>(((byte & 0x03) << 6) | (next & 0x3F)));
    } else {
      EXPECT_LT(byte, 0x80) << "expected text holds a character beyond Latin-1";
      bytes.push_back(static_cast<char>(byte));
    }
  }
  return bytes;
}

std::string FirstDifference(std::string_view expected, std::string_view actual) {
  std::size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
    ++at;
  if (at == expected.size() && at == actual.size())
    return "identical";
  const std::size_t from = at < 60 ? 0 : at - 60;
  std::ostringstream text;
  text << "first difference at byte " << at << " (expected " << expected.size() << " bytes, got "
       << actual.size() << ")\n  expected: ..." << expected.substr(from, 140) << "\n  actual:   ..."
       << actual.substr(from, 140);
  return text.str();
}

}  // namespace pfc::testing
