#pragma once

#include <string>

#include "engine/catalogue/catalogue.h"

namespace pfc {

// The catalogue in the file form, lines ending in LF, numbers in shortest round-trip form:
// reading it back gives the same catalogue.
std::string CatalogueCsv(const CoreCatalogue& catalogue);

}  // namespace pfc
