#include "cli/explore/explore_json.h"

namespace pfc {

nlohmann::ordered_json ExplorationJson(const Exploration& exploration) {
  nlohmann::ordered_json designs = nlohmann::ordered_json::array();
  for (const ExploredDesign& design : exploration.designs) {
    nlohmann::ordered_json json;
    // The value's own type decides the JSON's: whole numbers stay integers, a NaN is null.
    VisitExploredColumns(
        design, [&json](const char* name, const char*, const auto& value) { json[name] = value; });
    designs.push_back(std::move(json));
  }
  return designs;
}

}  // namespace pfc
