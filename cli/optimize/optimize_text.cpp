#include "cli/optimize/optimize_text.h"

#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "engine/record/number_text.h"
#include "reports/files/search_texts.h"

namespace pfc {
namespace {

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
  const auto& columns = SearchTableColumns();
  std::vector<std::array<std::string, kSearchTableColumns>> cells(rows.size());
  std::array<std::size_t, kSearchTableColumns> widths{};
  for (std::size_t k = 0; k < columns.size(); ++k) {
    widths[k] = Width(columns[k].caption);
    for (std::size_t i = 0; i < rows.size(); ++i) {
      cells[i][k] = SearchCellText(rows[i], k);
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

const char* ObjectiveText(SearchObjective objective) {
  return objective == SearchObjective::Loss ? "total loss at low line" : "wound volume";
}

}  // namespace

std::string SearchText(const DesignSearch& search, const SearchRequest& request,
                       const std::vector<std::string>& checkMaterial, std::size_t top) {
  const std::string checked = std::to_string(search.checked) + " candidates checked";
  if (search.feasible.empty()) {
    std::string text = "No design meets the limits (" + checked + "). The nearest misses:\n";
    for (const SearchCandidate& miss : search.nearMisses)
      text.append("  ")
          .append(CandidateName(miss))
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
  text.append("Check the first row with the same design options: pfc-core check --pick " +
              first.part + " --stack " + std::to_string(first.stack) + " " +
              checkMaterial.at(first.material) + " --turns " + FormatGeneral(first.turns) +
              " --wire " + FormatGeneral(first.gauge) +
              (first.strands == 1 ? "" : " --strands " + FormatGeneral(first.strands)) + "\n");
  return text;
}

}  // namespace pfc
