#pragma once

#include <CLI/CLI.hpp>
#include <istream>
#include <string>

#include "cli/number_option.h"
#include "engine/method/core_design.h"
#include "reports/check/material_file.h"

// The operating check's options of check, model, batch and optimize: the same names, the same
// bounds, the same refusals.
namespace pfc {

// Strands of the wire in parallel.
inline constexpr NumberBounds kStrandsBounds{1, kMostStrands, true, true, "strands"};

// --grade: the permeability of a roll-off grade, which names it, written as a whole number
// ("60", not "60.0"); a number that is no grade is refused naming the grades there are.
CLI::Option* AddGradeOption(CLI::App& command, int& grade, const std::string& help);

// The material --material names: the file's, or for "-" the one `in` holds.
MaterialFileRead ReadMaterialOption(const std::string& path, std::istream& in);

}  // namespace pfc
