#include "reports/csv/csv_field.h"

#include <algorithm>

namespace pfc {

namespace {

bool NeedsQuotes(std::string_view text) {
  // One pass: find_first_of searches the four characters once per character of text.
  return std::ranges::any_of(text,
                             [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
}

}  // namespace

void AppendCsvField(std::string& line, std::string_view text) {
  if (!NeedsQuotes(text)) {
    line.append(text);
    return;
  }
  line.push_back('"');
  for (const char c : text) {
    if (c == '"')
      line.push_back('"');
    line.push_back(c);
  }
  line.push_back('"');
}

std::string CsvField(std::string_view text) {
  std::string field;
  AppendCsvField(field, text);
  return field;
}

}  // namespace pfc
