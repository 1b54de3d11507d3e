#include "reports/files/explorer_csv.h"

#include <cmath>
#include <cstdint>
#include <string_view>

#include "engine/record/number_text.h"
#include "reports/csv/csv_field.h"

namespace pfc {
namespace {

void AppendValue(std::string& line, const std::string& text) {
  AppendCsvField(line, text);
}

void AppendValue(std::string& line, std::int16_t whole) {
  AppendShortest(line, whole);
}

void AppendValue(std::string& line, double value) {
  if (std::isfinite(value))
    AppendShortest(line, value);
}

void AppendValue(std::string& line, bool flag) {
  line.append(flag ? "true" : "false");
}

// Every field is followed by a comma; the last one's becomes the line end.
void EndLine(std::string& csv) {
  csv.pop_back();
  csv.append(kCsvLineEnd);
}

}  // namespace

std::string ExplorationCsv(const Exploration& exploration) {
  std::string csv;
  VisitExploredColumns(ExploredDesign{},
                       [&csv](const char* name, std::string_view unit, const auto&) {
                         csv.append(name);
                         if (!unit.empty())
                           csv.append(" (").append(unit).append(")");
                         csv.push_back(',');
                       });
  EndLine(csv);
  for (const ExploredDesign& design : exploration.designs) {
    VisitExploredColumns(design, [&csv](const char*, const char*, const auto& value) {
      AppendValue(csv, value);
      csv.push_back(',');
    });
    EndLine(csv);
  }
  return csv;
}

}  // namespace pfc
