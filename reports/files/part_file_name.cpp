#include "reports/files/part_file_name.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace pfc {
namespace {

// A material file may be named at length; the part number and winding must still show.
constexpr std::size_t kMostMaterialLetters = 40;

bool Safe(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '.';
}

// The text's safe characters, each run of others as one '-', none at either end.
std::string SafeText(std::string_view text, std::size_t most = std::string::npos) {
  std::string safe;
  bool gap = false;
  for (const char c : text) {
    if (!Safe(c)) {
      gap = true;
      continue;
    }
    if (gap && !safe.empty())
      safe += '-';
    gap = false;
    safe += c;
  }
  if (safe.size() > most)
    safe.resize(most);
  while (!safe.empty() && (safe.back() == '.' || safe.back() == '-'))
    safe.pop_back();
  while (!safe.empty() && safe.front() == '.')
    safe.erase(safe.begin());
  return safe;
}

std::string Shortest(double value) {
  std::array<char, 32> buffer{};
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  std::string text(buffer.data(), written.ptr);
  std::replace(text.begin(), text.end(), '.', 'p');  // a dot would read as an extension
  return text;
}

bool IsGrade(std::string_view material) {
  return !material.empty() &&
         std::all_of(material.begin(), material.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void Add(std::string& name, const std::string& piece) {
  if (piece.empty())
    return;
  if (!name.empty())
    name += '-';
  name += piece;
}

}  // namespace

std::string PartFileName(const NamedPart& part, std::string_view kind, std::string_view extension) {
  std::string name = SafeText(part.part);
  if (!name.empty())
    name += "x" + std::to_string(part.stack);
  Add(name,
      IsGrade(part.material) ? "g" + part.material : SafeText(part.material, kMostMaterialLetters));
  if (part.turns && std::isfinite(*part.turns))
    Add(name, Shortest(*part.turns) + "T");
  if (part.gauge && std::isfinite(*part.gauge))
    Add(name, "AWG" + Shortest(*part.gauge));
  Add(name, SafeText(kind));
  if (name.empty())
    name = "design";
  return name + "." + SafeText(extension);
}

}  // namespace pfc
