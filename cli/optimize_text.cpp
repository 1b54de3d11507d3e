#include "cli/optimize_text.h"

#include <array>
#include <cmath>
#include <functional>

#include "engine/number_text.h"

namespace pfc {
namespace {

std::string Fixed(double value, int places) {
  return std::isfinite(value) ? FormatFixed(value, places) : "-";
}

struct TextColumn {
  const char* caption;
  bool left;
  std::function<std::string(const SearchCandidate&)> value;
};

const std::array<TextColumn, 14>& Columns() {
  static const std::array<TextColumn, 14> columns{{
      {"Core", true, [](const SearchCandidate& c) { return c.part; }},
      {"Stack", false, [](const SearchCandidate& c) { return std::to_string(c.stack); }},
      {"Material", true, [](const SearchCandidate& c) { return c.materialName; }},
      {"N", false, [](const SearchCandidate& c) { return FormatGeneral(c.turns); }},
      {"AWG", false, [](const SearchCandidate& c) { return FormatGeneral(c.gauge); }},
      {"L at Ipk %", false, [](const SearchCandidate& c) { return Fixed(c.lAtIpkPercent, 1); }},
      {"Ripple %", false,
       [](const SearchCandidate& c) { return Fixed(c.rippleAtCrestPercent, 1); }},
      {"Core W", false, [](const SearchCandidate& c) { return Fixed(c.coreLossW, 2); }},
      {"Copper W", false, [](const SearchCandidate& c) { return Fixed(c.copperLossW, 2); }},
      {"Total W", false, [](const SearchCandidate& c) { return Fixed(c.totalLossW, 2); }},
      {"Winding °C", false,
       [](const SearchCandidate& c) { return Fixed(c.windingTemperatureC, 1); }},
      {"Volume cm³", false, [](const SearchCandidate& c) { return Fixed(c.woundVolumeCm3, 1); }},
      {"Fill", false, [](const SearchCandidate& c) { return Fixed(c.fill, 3); }},
      {"Pareto", true, [](const SearchCandidate& c) { return std::string(c.pareto ? "*" : ""); }},
  }};
  return columns;
}

// Characters on the screen: UTF-8 continuation bytes take no column.
std::size_t Width(const std::string& text) {
  std::size_t width = 0;
  for (char c : text)
    width += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return width;
}

void AppendPadded(std::string& line, const std::string& text, std::size_t width, bool left) {
  const std::string blanks(width - Width(text), ' ');
  line.append(left ? text + blanks : blanks + text);
}

std::string Table(const std::vector<SearchCandidate>& rows) {
  const auto& columns = Columns();
  std::vector<std::array<std::string, 14>> cells(rows.size());
  std::array<std::size_t, 14> widths{};
  for (std::size_t k = 0; k < columns.size(); ++k) {
    widths[k] = Width(columns[k].caption);
    for (std::size_t i = 0; i < rows.size(); ++i) {
      cells[i][k] = columns[k].value(rows[i]);
      widths[k] = std::max(widths[k], Width(cells[i][k]));
    }
  }
  std::string table;
  const auto appendLine = [&](const std::function<std::string(std::size_t)>& cell) {
    std::string line;
    for (std::size_t k = 0; k < columns.size(); ++k) {
      if (k > 0)
        line.append("  ");
      AppendPadded(line, cell(k), widths[k], columns[k].left);
    }
    while (!line.empty() && line.back() == ' ')
      line.pop_back();
    table.append(line).append("\n");
  };
  appendLine([&](std::size_t k) { return std::string(columns[k].caption); });
  for (std::size_t i = 0; i < rows.size(); ++i)
    appendLine([&](std::size_t k) { return cells[i][k]; });
  return table;
}

std::string Describe(const SearchCandidate& c) {
  return c.part + " × " + std::to_string(c.stack) + ", material " + c.materialName + ", " +
         FormatGeneral(c.turns) + " turns of AWG " + FormatGeneral(c.gauge);
}

const char* ObjectiveText(SearchObjective objective) {
  return objective == SearchObjective::Loss ? "total loss at low line" : "wound volume";
}

}  // namespace

std::string BrokenLimitsText(const SearchCandidate& miss, const SearchLimits& limits) {
  std::string text;
  const auto add = [&text](const std::string& part) {
    text.append(text.empty() ? "" : "; ").append(part);
  };
  if (miss.Breaks(SearchLimit::Headroom))
    add("the output voltage is below the low-line peak");
  if (miss.Breaks(SearchLimit::Inductance))
    add("inductance at the peak current " + Fixed(miss.lAtIpkPercent, 1) +
        " % of the target (limit " + FormatGeneral(limits.inductancePercent) + " %)");
  if (miss.Breaks(SearchLimit::Saturation))
    add("the core saturates");
  if (miss.Breaks(SearchLimit::Steady))
    add("no steady temperature");
  if (miss.Breaks(SearchLimit::Temperature))
    add("winding " + Fixed(miss.windingTemperatureC, 1) + " °C (limit " +
        FormatGeneral(limits.temperatureC) + " °C)");
  if (miss.Breaks(SearchLimit::Fill))
    add("fill " + Fixed(miss.fill, 3) + " (above the fill factor)");
  if (miss.Breaks(SearchLimit::Ripple) && limits.ripplePercent)
    add("ripple at the crest " + Fixed(miss.rippleAtCrestPercent, 1) + " % (limit " +
        FormatGeneral(*limits.ripplePercent) + " %)");
  return text;
}

std::string SearchText(const DesignSearch& search, const SearchRequest& request,
                       const std::vector<std::string>& checkMaterial, std::size_t top) {
  const std::string checked = std::to_string(search.checked) + " candidates checked";
  if (search.feasible.empty()) {
    std::string text = "No design meets the limits (" + checked + "). The nearest misses:\n";
    for (const SearchCandidate& miss : search.nearMisses)
      text.append("  ")
          .append(Describe(miss))
          .append(": ")
          .append(BrokenLimitsText(miss, request.limits))
          .append("\n");
    return text;
  }
  const std::vector<SearchCandidate> best(
      search.feasible.begin(),
      search.feasible.begin() + static_cast<std::ptrdiff_t>(std::min(top, search.feasible.size())));
  std::string text = std::to_string(search.feasible.size()) + " designs meet the limits (" +
                     checked + "); the best " + std::to_string(best.size()) + " by " +
                     ObjectiveText(request.objective) + ":\n";
  text.append(Table(best));
  text.append("* on the Pareto front: no other design has both less loss and less volume.\n");
  const SearchCandidate& first = best.front();
  text.append("Check the first row: pfc-core check --pick " + first.part + " --stack " +
              std::to_string(first.stack) + " " + checkMaterial.at(first.material) + " --turns " +
              FormatGeneral(first.turns) + " --wire " + FormatGeneral(first.gauge) + "\n");
  return text;
}

}  // namespace pfc
