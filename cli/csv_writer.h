#pragma once

#include <string>
#include <string_view>

namespace pfc {

// Appends one RFC 4180 field to a line: as it is, or in double quotes with inner quotes
// doubled when it holds a comma, a double quote, CR or LF.
void AppendCsvField(std::string& line, std::string_view text);

}  // namespace pfc
