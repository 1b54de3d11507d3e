#pragma once

#include <string>

#include "engine/explorer.h"

namespace pfc::ui {

// The file "Export CSV" of Compare Cores writes: the exploration's own columns, then the
// operating check's three (check_l_at_ipk_percent, check_ripple_percent,
// check_winding_temperature_c) in the same form, an empty field where a design has none.
std::string CompareCoresCsv(const Exploration& exploration);

}  // namespace pfc::ui
