#pragma once

#include <string>

#include "engine/search/explorer.h"

namespace pfc {

// The explored designs as CSV: a header naming each column with its unit, then one line per
// design; lines end in LF, numbers are in shortest round-trip form, a value that does not
// exist is an empty field, flags are true or false.
std::string ExplorationCsv(const Exploration& exploration);

}  // namespace pfc
