#include "tests/support/expected_files.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "tests/support/file_bytes.h"

namespace pfc::test {

namespace {

std::filesystem::path ExpectedPath(const std::string& name) {
  return std::filesystem::path(PFC_TESTS_SOURCE_DIR) / name;
}

bool Regenerating() {
  const char* value = std::getenv("PFC_REGENERATE_EXPECTED");
  return value != nullptr && std::string_view(value) == "1";
}

// A piece of text on one line: "\r", "\n", tabs and other control bytes written out.
std::string Visible(std::string_view text) {
  std::string shown;
  for (const char c : text) {
    switch (c) {
      case '\r':
        shown += "\\r";
        break;
      case '\n':
        shown += "\\n";
        break;
      case '\t':
        shown += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(c));
          shown += escaped;
        } else {
          shown += c;
        }
    }
  }
  return shown;
}

}  // namespace

std::string ExpectedFile(const std::string& name) {
  const std::filesystem::path path = ExpectedPath(name);
  if (!std::filesystem::is_regular_file(path)) {
    ADD_FAILURE() << "missing expected file " << path.string();
    return {};
  }
  return ReadFile(path);
}

::testing::AssertionResult MatchesExpectedFile(const std::string& name, std::string_view actual) {
  const std::filesystem::path path = ExpectedPath(name);
  if (Regenerating()) {
    WriteFile(path, actual);
    if (ReadFile(path) != actual) {
      return ::testing::AssertionFailure() << "could not write " << path.string();
    }
    return ::testing::AssertionSuccess();
  }
  const std::string expected = ExpectedFile(name);
  if (expected == actual) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << name << " differs from the output; PFC_REGENERATE_EXPECTED=1 rewrites it\n"
         << FirstDifference(expected, actual);
}

std::string ExpectedDocument(const std::string& name,
                             const std::vector<std::pair<std::string, std::string>>& replacements) {
  std::string text = ExpectedFile(name);
  text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
  for (const auto& [placeholder, value] : replacements) {
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + value.size())) {
      text.replace(at, placeholder.size(), value);
    }
  }
  return text;
}

std::string FirstDifference(std::string_view expected, std::string_view actual) {
  std::size_t at = 0;
  while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) {
    ++at;
  }
  if (at == expected.size() && at == actual.size()) {
    return "identical";
  }
  const std::size_t line =
      1 + static_cast<std::size_t>(
              std::count(expected.begin(), expected.begin() + static_cast<long>(at), '\n'));
  const std::size_t lineStart = expected.substr(0, at).rfind('\n');
  const std::size_t column = lineStart == std::string_view::npos ? at + 1 : at - lineStart;
  // Up to 60 bytes of what both share, then what each has from there.
  const std::size_t from = at < 60 ? 0 : at - 60;
  std::ostringstream text;
  text << "first difference at byte " << at << ", line " << line << " column " << column
       << " (expected " << expected.size() << " bytes, got " << actual.size() << ")\n"
       << "  expected: ..." << Visible(expected.substr(from, 140)) << "\n"
       << "  actual:   ..." << Visible(actual.substr(from, 140));
  return text.str();
}

}  // namespace pfc::test
