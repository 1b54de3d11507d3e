#pragma once

#include <CLI/CLI.hpp>

// The operating check's options of check and batch: the same names, the same refusals.
namespace pfc {

// Admits the permeability of a roll-off grade, written as a plain whole number ("60"); the
// refusal names the grades there are.
CLI::Validator RolloffGradeValidator();

}  // namespace pfc
