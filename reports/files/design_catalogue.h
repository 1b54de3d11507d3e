#pragma once

#include <string>

#include "engine/catalogue/catalogue_file.h"

namespace pfc {

// The catalogue a design file was made on, read again for it: the file it records or, when
// that is gone or changed, the file of the same name beside the design file (the two may
// have moved together), so long as its bytes are the ones the design was saved with. A
// design must not run on other cores than its own: a missing or changed catalogue is
// refused, saying which. Not for the built-in catalogue, which needs no reading.
CatalogueRead ReadDesignCatalogue(const CatalogueOrigin& recorded, const std::string& designPath);

}  // namespace pfc
