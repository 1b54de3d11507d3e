#pragma once

#include <string>
#include <string_view>

#include "engine/explorer.h"

namespace pfc {

// One CSV field: quoted when it holds a comma, a double quote, CR or LF, with inner quotes
// doubled.
std::string CsvField(std::string_view text);

// The explored designs as CSV: a header naming each column with its unit, then one line per
// design; lines end in CR LF, numbers are in shortest round-trip form, a value that does not
// exist is an empty field, flags are true or false.
std::string ExplorationCsv(const Exploration& exploration);

}  // namespace pfc
