#pragma once

#include <string>
#include <vector>

#include "engine/catalogue.h"

namespace pfc::ui {

// The entries of the input form's core list: a blank one, then one per catalogue row in
// catalogue order, "TD-03 (OD 17.03mm, ID 8.99mm, HT 4.70mm)".
std::vector<std::string> PickListEntries(const CoreCatalogue& catalogue, char decimalSeparator);

}  // namespace pfc::ui
