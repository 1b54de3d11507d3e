#include "ui/forms/compare_cores_csv.h"

#include <cmath>
#include <string_view>

#include "engine/explorer_csv.h"
#include "engine/number_text.h"

namespace pfc::ui {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// One exploration line without its line end: the header alone, or the one design's line.
std::string LineOf(const std::vector<ExploredDesign>& designs) {
  Exploration single;
  single.designs = designs;
  std::string csv = ExplorationCsv(single);
  if (!designs.empty()) {
    csv.erase(0, csv.find(kLineEnd) + kLineEnd.size());  // the header holds no quoted field
  }
  csv.resize(csv.size() - kLineEnd.size());
  return csv;
}

void AppendNumber(std::string& csv, double value) {
  csv.push_back(',');
  if (std::isfinite(value)) {
    csv.append(FormatShortest(value));
  }
}

}  // namespace

std::string CompareCoresCsv(const Exploration& exploration) {
  std::string csv = LineOf({});
  csv.append(",check_l_at_ipk_percent,check_ripple_percent,check_winding_temperature_c");
  csv.append(kLineEnd);
  for (const ExploredDesign& design : exploration.designs) {
    csv.append(LineOf({design}));
    AppendNumber(csv, design.CheckLAtIpkPercent);
    AppendNumber(csv, design.CheckRipplePercent);
    AppendNumber(csv, design.CheckWindingTemperatureC);
    csv.append(kLineEnd);
  }
  return csv;
}

}  // namespace pfc::ui
