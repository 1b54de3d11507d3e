#pragma once

#include <nlohmann/json.hpp>

#include "engine/search/explorer.h"

namespace pfc {

// The explored designs as a JSON array of objects; the record quantities keep their
// design-record names, the operating check's columns theirs (check_…); a value that does not
// exist is null.
nlohmann::ordered_json ExplorationJson(const Exploration& exploration);

}  // namespace pfc
