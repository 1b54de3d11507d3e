#include "reports/files/search_texts.h"

#include <array>
#include <cmath>

#include "engine/check/given_winding.h"
#include "engine/record/number_text.h"

namespace pfc {
namespace {

std::string Fixed(double value, int places) {
  return std::isfinite(value) ? FormatFixed(value, places) : "-";
}

// A figure of the ripple or the inductance at the peak current, which a core that saturates
// does not have: that is said instead of a dash.
std::string PeakFigure(const SearchCandidate& c, double value, int places) {
  if (!std::isfinite(value) && c.Breaks(SearchLimit::Saturation))
    return "saturates";
  return Fixed(value, places);
}

struct TableColumn {
  SearchTableColumn column;
  std::string (*text)(const SearchCandidate&);
};

const std::array<TableColumn, kSearchTableColumns>& Columns() {
  static const std::array<TableColumn, kSearchTableColumns> columns{{
      {{"Core", true}, [](const SearchCandidate& c) { return c.part; }},
      {{"Stack", false}, [](const SearchCandidate& c) { return std::to_string(c.stack); }},
      {{"Material", true}, [](const SearchCandidate& c) { return c.materialName; }},
      {{"N", false}, [](const SearchCandidate& c) { return FormatGeneral(c.turns); }},
      // Strands in parallel lead the gauge: "2 × 15".
      {{"AWG", false},
       [](const SearchCandidate& c) {
         return c.strands == 1 ? FormatGeneral(c.gauge)
                               : FormatGeneral(c.strands) + " × " + FormatGeneral(c.gauge);
       }},
      {{"L at Ipk %", false},
       [](const SearchCandidate& c) { return PeakFigure(c, c.lAtIpkPercent, 1); }},
      {{"Ripple %", false},
       [](const SearchCandidate& c) { return PeakFigure(c, c.rippleAtCrestPercent, 1); }},
      {{"Core W", false}, [](const SearchCandidate& c) { return Fixed(c.coreLossW, 2); }},
      {{"Copper W", false}, [](const SearchCandidate& c) { return Fixed(c.copperLossW, 2); }},
      {{"Total W", false}, [](const SearchCandidate& c) { return Fixed(c.totalLossW, 2); }},
      {{"Winding °C", false},
       [](const SearchCandidate& c) { return Fixed(c.windingTemperatureC, 1); }},
      {{"Volume cm³", false}, [](const SearchCandidate& c) { return Fixed(c.woundVolumeCm3, 1); }},
      {{"Fill", false}, [](const SearchCandidate& c) { return Fixed(c.fill, 3); }},
      {{"Pareto", true}, [](const SearchCandidate& c) { return std::string(c.pareto ? "*" : ""); }},
  }};
  return columns;
}

}  // namespace

const std::array<SearchTableColumn, kSearchTableColumns>& SearchTableColumns() {
  static const std::array<SearchTableColumn, kSearchTableColumns> columns = [] {
    std::array<SearchTableColumn, kSearchTableColumns> captions{};
    for (std::size_t k = 0; k < kSearchTableColumns; ++k)
      captions[k] = Columns()[k].column;
    return captions;
  }();
  return columns;
}

std::string SearchCellText(const SearchCandidate& candidate, std::size_t column) {
  return Columns().at(column).text(candidate);
}

std::string CandidateName(const SearchCandidate& c) {
  return c.part + " × " + std::to_string(c.stack) + ", material " + c.materialName + ", " +
         FormatGeneral(c.turns) + " turns of " + WireText(c.strands, c.gauge);
}

std::string BrokenLimitsText(const SearchCandidate& miss, const DesignLimits& limits) {
  std::string text;
  const auto add = [&text](const std::string& part) {
    text.append(text.empty() ? "" : "; ").append(part);
  };
  if (miss.Breaks(SearchLimit::Headroom))
    add("the output voltage is below the low-line peak");
  const auto percent = [&miss](double value) {
    const std::string figure = PeakFigure(miss, value, 1);
    return std::isfinite(value) ? figure + " %" : figure;
  };
  if (miss.Breaks(SearchLimit::Inductance))
    add("inductance at the peak current " + percent(miss.lAtIpkPercent) +
        (std::isfinite(miss.lAtIpkPercent) ? " of the target" : "") + " (limit " +
        FormatGeneral(limits.inductancePercent) + " %)");
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
    add("ripple at the crest " + percent(miss.rippleAtCrestPercent) + " (limit " +
        FormatGeneral(*limits.ripplePercent) + " %)");
  return text;
}

}  // namespace pfc
