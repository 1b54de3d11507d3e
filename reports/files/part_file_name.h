#pragma once

#include <optional>
#include <string>
#include <string_view>

// The name suggested for a file exported from a checked or found design: it names the part,
// so that files of several designs side by side in one folder tell which is which.
namespace pfc {

struct NamedPart {
  std::string part;      // the catalogue's part number: "TD-26"
  int stack = 1;         // cores stacked
  std::string material;  // a grade's permeability ("90") or a material file's name
  std::optional<double> turns;
  std::optional<double> gauge;  // AWG
};

// "<part>x<stack>-<material>-<turns>T-AWG<gauge>-<kind>.<extension>", a grade written
// "g90": `TD-26x1-g90-31T-AWG12-check.csv`. Parts not known are left out. Only letters,
// digits, '-', '_' and '.' remain, so that the name is a file name on Linux, Windows and
// macOS alike; every run of other characters becomes one '-'.
std::string PartFileName(const NamedPart& part, std::string_view kind, std::string_view extension);

}  // namespace pfc
