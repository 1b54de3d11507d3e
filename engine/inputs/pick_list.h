#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/catalogue/catalogue.h"

namespace pfc {

// The designer's pick-list entry of a catalogue row: the part number, a blank, then
// "(OD 17.03mm, ID 8.99mm, HT 4.70mm)" with two decimals and the given separator. The run
// reads the part number back as the text before the first blank.
std::string PickListEntry(const CoreCatalogue& catalogue, std::int16_t row,
                          char decimalSeparator = '.');

// The entries of the input form's core list: a blank one, then one per catalogue row in
// catalogue order.
std::vector<std::string> PickListEntries(const CoreCatalogue& catalogue, char decimalSeparator);

}  // namespace pfc
