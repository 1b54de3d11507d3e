#pragma once

#include <string>
#include <string_view>

// The one quoting of CSV fields, for every CSV the programs write.
namespace pfc {

// Appends one RFC 4180 field to a line: as it is, or in double quotes with inner quotes
// doubled when it holds a comma, a double quote, CR or LF.
void AppendCsvField(std::string& line, std::string_view text);

// The same field on its own.
std::string CsvField(std::string_view text);

// Every CSV the programs write ends its lines with LF alone, on every system; the readers
// take CR LF as well.
inline constexpr std::string_view kCsvLineEnd = "\n";

}  // namespace pfc
