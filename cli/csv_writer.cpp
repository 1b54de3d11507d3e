#include "cli/csv_writer.h"

namespace pfc {

void AppendCsvField(std::string& line, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
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

}  // namespace pfc
