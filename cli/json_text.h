#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace pfc {

// The value as indented JSON text. Floating-point numbers take their shortest round-trip
// form (the same digits as the CSV export); a value that is not finite becomes null.
// Invalid UTF-8 in a string is replaced rather than thrown about.
std::string JsonText(const nlohmann::ordered_json& value);

}  // namespace pfc
