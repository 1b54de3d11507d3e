#include "cli/optimize/optimize_json.h"

#include <cmath>
#include <type_traits>

namespace pfc {
namespace {

nlohmann::ordered_json CandidateJson(const SearchCandidate& c) {
  nlohmann::ordered_json row = nlohmann::ordered_json::object();
  VisitCandidateColumns(c, [&row](const char* name, const auto& value) {
    using Value = std::decay_t<decltype(value)>;
    if constexpr (std::is_same_v<Value, double>)
      row[name] = std::isfinite(value) ? nlohmann::ordered_json(value) : nullptr;
    else
      row[name] = value;
  });
  return row;
}

nlohmann::ordered_json MissJson(const SearchCandidate& miss) {
  nlohmann::ordered_json row = CandidateJson(miss);
  row.erase("pareto");
  nlohmann::ordered_json breaks = nlohmann::ordered_json::array();
  for (std::size_t k = 0; k < kSearchLimits; ++k) {
    if (miss.Breaks(SearchLimitAt(k)))
      breaks.push_back(SearchLimitName(SearchLimitAt(k)));
  }
  row["breaks"] = breaks;
  return row;
}

}  // namespace

nlohmann::ordered_json SearchJson(const DesignSearch& search, const SearchRequest& request) {
  nlohmann::ordered_json json = nlohmann::ordered_json::object();
  json["status"] = search.feasible.empty() ? "none-feasible" : "found";
  json["objective"] = request.objective == SearchObjective::Loss ? "loss" : "volume";
  nlohmann::ordered_json materials = nlohmann::ordered_json::array();
  for (const Material& m : request.materials)
    materials.push_back(m.name);
  json["materials"] = materials;
  json["stacks"] = {request.firstStack, request.lastStack};
  json["max_temperature_c"] = request.limits.temperatureC;
  json["ripple_limit_percent"] = request.limits.ripplePercent
                                     ? nlohmann::ordered_json(*request.limits.ripplePercent)
                                     : nullptr;
  json["min_inductance_percent"] = request.limits.inductancePercent;
  json["al_tolerance_percent"] = request.limits.alTolerancePercent;
  json["checked"] = search.checked;
  nlohmann::ordered_json candidates = nlohmann::ordered_json::array();
  for (const SearchCandidate& c : search.feasible)
    candidates.push_back(CandidateJson(c));
  json["candidates"] = candidates;
  nlohmann::ordered_json misses = nlohmann::ordered_json::array();
  for (const SearchCandidate& miss : search.nearMisses)
    misses.push_back(MissJson(miss));
  json["near_misses"] = misses;
  return json;
}

}  // namespace pfc
