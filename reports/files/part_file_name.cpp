#include "reports/files/part_file_name.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "engine/record/number_text.h"

namespace pfc {
namespace {

bool Safe(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u < 0x80 && (std::isalnum(u) != 0 || c == '-' || c == '_' || c == '.');
}

std::string Sanitized(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const char kept = Safe(c) ? c : '_';
    if (kept == '_' && !out.empty() && out.back() == '_')
      continue;
    out += kept;
  }
  return out;
}

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9 name devices on Windows, with any
// extension after them.
bool WindowsDevice(std::string_view name) {
  std::string stem(name.substr(0, name.find('.')));
  std::transform(stem.begin(), stem.end(), stem.begin(), [](char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  });
  constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
  if (std::find(kDevices.begin(), kDevices.end(), stem) != kDevices.end())
    return true;
  return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) &&
         stem[3] >= '1' && stem[3] <= '9';
}

}  // namespace

std::string PartFileName(const BuiltPart& part, std::string_view kind) {
  std::string name = part.partNumber;
  if (!name.empty() && part.stack > 0)
    name += "x" + std::to_string(part.stack);
  if (part.material.own)
    name += "-" + part.material.own->name;
  else if (part.material.grade != kDefaultRolloffGrade)
    name += "-g" + std::to_string(part.material.grade);
  if (part.winding.turns)
    name += "-" + FormatGeneral(*part.winding.turns) + "T";
  if (part.winding.gauge)
    name += "-AWG" + FormatGeneral(*part.winding.gauge);
  if (part.winding.StrandCount() != 1)
    name += "x" + FormatGeneral(part.winding.StrandCount());
  if (!kind.empty())
    name.append("-").append(kind);
  std::string safe = Sanitized(name);
  safe.erase(0, std::min(safe.find_first_not_of(".-"), safe.size()));
  if (safe.size() > kMostPartFileNameBytes)
    safe.resize(kMostPartFileNameBytes);
  while (!safe.empty() && safe.back() == '.')
    safe.pop_back();
  if (safe.empty())
    return "design";
  return WindowsDevice(safe) ? "_" + safe : safe;
}

}  // namespace pfc
