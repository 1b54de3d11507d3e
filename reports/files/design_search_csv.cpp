#include "reports/files/design_search_csv.h"

#include <cmath>
#include <string_view>
#include <type_traits>

#include "engine/record/number_text.h"
#include "reports/csv/csv_field.h"

namespace pfc {
namespace {

void AppendField(std::string& csv, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
    csv.append(text);
    return;
  }
  csv.push_back('"');
  for (char c : text) {
    if (c == '"')
      csv.push_back('"');
    csv.push_back(c);
  }
  csv.push_back('"');
}

}  // namespace

std::string SearchCandidatesCsv(std::span<const SearchCandidate> candidates) {
  std::string csv;
  bool first = true;
  VisitCandidateColumns(SearchCandidate{}, [&](const char* name, const auto&) {
    csv.append(first ? "" : ",").append(name);
    first = false;
  });
  csv.append(kCsvLineEnd);
  for (const SearchCandidate& candidate : candidates) {
    first = true;
    VisitCandidateColumns(candidate, [&](const char*, const auto& value) {
      csv.append(first ? "" : ",");
      first = false;
      using Value = std::decay_t<decltype(value)>;
      if constexpr (std::is_same_v<Value, std::string>)
        AppendField(csv, value);
      else if constexpr (std::is_same_v<Value, bool>)
        csv.append(value ? "true" : "false");
      else if constexpr (std::is_same_v<Value, int>)
        csv.append(std::to_string(value));
      else if (std::isfinite(value))
        csv.append(FormatShortest(value));
    });
    csv.append(kCsvLineEnd);
  }
  return csv;
}

}  // namespace pfc
