#include "cli/design/listing_json.h"

#include "reports/summary/listing.h"

namespace pfc {

nlohmann::ordered_json ListingJson(const DesignRecord& record) {
  nlohmann::ordered_json lines = nlohmann::ordered_json::array();
  // Numbers in files and machine-read output always use the full stop.
  for (const ListingLine& line : BuildListing(record, '.')) {
    nlohmann::ordered_json json;
    json["line"] = line.line;
    json["caption"] = line.caption;
    json["value"] = line.value;
    json["colour"] = line.colour == ListingColour::Red ? "red" : "black";
    lines.push_back(std::move(json));
  }
  return lines;
}

}  // namespace pfc
