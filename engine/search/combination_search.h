#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "engine/catalogue/catalogue.h"
#include "engine/check/material.h"
#include "engine/record/design_record.h"
#include "engine/search/design_search.h"

// The search on one core, stack count and material: the turn counts and wires worth checking,
// each checked and judged.
namespace pfc {

// A wire the search winds: one gauge, laid in parallel strands.
struct WireOption {
  std::int16_t wireRow = 0;
  double strands = 1;
  double copperArea = 0;  // of every strand, in the wire table's 10⁻³ cm²
  double fillArea = 0;    // strands · d², cm²: what the option takes of the window a turn
};

struct CombinationContext {
  const CoreCatalogue& catalogue;
  const WireTable& wires;
  const DesignLimits& limits;
  std::int16_t methodWire = 0;  // the method's gauge for the current, a wire-table row
  // Every gauge and strand count with at least the method's copper, thickest first.
  std::vector<WireOption> wireOptions;
};

// The wires the search tries: each gauge of the table in 1 to kSearchedStrands strands whose
// copper is at least the method's wire's, by copper area from the most (on a tie, fewer
// strands first).
std::vector<WireOption> SearchedWires(const WireTable& wires, std::int16_t methodWire);

struct CombinationOutcome {
  std::vector<SearchCandidate> feasible;
  std::optional<SearchCandidate> nearestMiss;  // the infeasible candidate nearest its limits
  std::size_t checked = 0;
  double mostTurns = 0;  // that the window holds with the method's wire at the fill factor
  // N_min: the fewest turns whose inductance at the low-line peak current reaches the share
  // of the target; none where no count up to mostTurns (or up to the peak) does.
  std::optional<double> fewestTurns;
};

// The wires a turn count is checked with: the thickest by copper that fit the window.
inline constexpr int kWiresPerTurnCount = 5;
// The most strands in parallel the search winds.
inline constexpr int kSearchedStrands = 4;
// Turn counts in a row whose loss rose before the search stops adding turns.
inline constexpr int kRisesBeforeStop = 3;

// `record` holds the operating point and is used as scratch; its core fields end up those of
// the last candidate.
CombinationOutcome SearchCombination(DesignRecord& record, const CombinationContext& context,
                                     std::int16_t row, std::int16_t stack, const Material& material,
                                     std::size_t materialIndex);

// The smallest N in [1, upper] with pass(N), for pass false below some N and true from there;
// nullopt when pass(upper) is false.
template <typename Pass>
std::optional<double> FewestPassing(double upper, Pass&& pass) {
  if (upper < 1 || !pass(upper))
    return std::nullopt;
  double failing = 0;
  double passing = upper;
  while (passing - failing > 1) {
    const double middle = failing + std::floor((passing - failing) / 2);
    (pass(middle) ? passing : failing) = middle;
  }
  return passing;
}

// The N in [1, upper] where value(N) peaks, for a value that rises to one maximum and then
// falls (−∞ where it does not exist, below the peak only); the lower N on a tie.
template <typename Value>
double PeakOf(double upper, Value&& value) {
  double low = 1;
  double high = upper;
  while (high - low > 2) {
    const double third = std::floor((high - low) / 3);
    const double a = low + third;
    const double b = high - third;
    const double atA = value(a);
    // Below the peak too few turns saturate the core: a value of −∞ lies before the peak.
    if (atA < value(b) || atA == -std::numeric_limits<double>::infinity())
      low = a + 1;
    else
      high = b - 1 < a ? a : b - 1;
  }
  double best = low;
  for (double n = low + 1; n <= high; ++n) {
    if (value(n) > value(best))
      best = n;
  }
  return best;
}

}  // namespace pfc
