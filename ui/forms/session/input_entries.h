#pragma once

#include <string>

#include "engine/inputs/entries.h"
#include "ui/toolkit/toolkit.h"

namespace pfc::ui {

// The input form's entries and choices as they stand, which the runs, Compare Cores, Find
// Designs, the Operating Check and the design files all read.
EntryTexts ReadInputEntries(Toolkit& toolkit);

// The header line of Compare Cores and Find Designs: the entries their designs were computed
// for.
std::string ComputedForText(const EntryTexts& entries);

}  // namespace pfc::ui
