#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/catalogue/catalogue.h"
#include "engine/check/design_limits.h"
#include "engine/check/material.h"
#include "engine/method/design_run.h"
#include "engine/record/design_record.h"

// The search for designs that work: every catalogue core, stack count and material, each
// with the turn counts from the fewest that keep the target inductance at the low-line peak
// current up to the most the window holds, and each turn count with the method's wire and a
// few thicker ones. Every candidate gets the full operating check at both line voltages; the
// ones that meet every limit are ranked by loss and wound volume.
namespace pfc {

enum class SearchObjective { Loss, Volume };

struct SearchRequest {
  std::vector<Material> materials;
  std::int16_t firstStack = 1;
  std::int16_t lastStack = 9;
  DesignLimits limits;
  SearchObjective objective = SearchObjective::Loss;
  int threads = 1;  // the calling thread is one of them
};

// A limit a candidate breaks, as a bit of SearchCandidate::broken.
enum class SearchLimit : unsigned {
  Inductance = 1,   // below the share of the target at the low-line peak current
  Temperature = 2,  // above the limit at either line
  Steady = 4,       // no steady temperature at either line
  Saturation = 8,   // the core cannot carry some on-time
  Fill = 16,        // the winding does not fit the fill factor
  Ripple = 32,      // above the ripple limit at the low-line crest
  Headroom = 64,    // the output voltage is below the low-line peak: nothing to check
};
inline constexpr std::size_t kSearchLimits = 7;

// A figure the check could not give is NaN.
struct SearchCandidate {
  std::string part;  // part number
  std::int16_t row = 0;
  std::int16_t stack = 0;
  std::size_t material = 0;  // index into the request's materials
  std::string materialName;
  double permeability = 0;
  double turns = 0;
  std::int16_t wireRow = 0;
  double gauge = 0;                 // AWG
  double strands = 1;               // of the wire, in parallel
  double lAtIpkPercent = 0;         // low line, % of the target; the worst case's if lower
  double rippleAtCrestPercent = 0;  // low line, % of the line-peak current; ditto if higher
  double coreLossW = 0;             // low line
  double copperLossW = 0;           // low line, DC and AC
  double totalLossW = 0;            // low line
  double windingTemperatureC = 0;   // the worse line's
  double woundVolumeCm3 = 0;        // ODw²·HTw
  double fill = 0;
  unsigned broken = 0;  // SearchLimit bits; 0: feasible
  // How far past its limit the worst broken limit is, relative to the limit (1 for a limit
  // without a measure: no steady state, saturation, no headroom); 0 when feasible.
  double shortfall = 0;
  bool pareto = false;

  bool Breaks(SearchLimit limit) const { return (broken & static_cast<unsigned>(limit)) != 0; }
};

struct SearchProgress {
  std::size_t done = 0;  // core, stack and material combinations searched
  std::size_t total = 0;
  std::span<const SearchCandidate> found;  // the feasible candidates of this combination
};

// Told after each combination, one call at a time, from whichever thread searched it.
using SearchProgressSink = std::function<void(const SearchProgress&)>;

struct DesignSearch {
  bool rejected = false;                    // an input check failed: nothing was searched
  std::string check;                        // the failed check
  Message message;                          // its caution
  std::optional<Entry> focus;               // its entry
  bool cancelled = false;                   // stopped early: what was found so far
  std::size_t combinations = 0;             // searched
  std::size_t total = 0;                    // of the request, searched or not
  std::size_t checked = 0;                  // candidates that got the operating check
  std::vector<SearchCandidate> feasible;    // ranked
  std::vector<SearchCandidate> nearMisses;  // the five nearest, nearest first
};

inline constexpr std::size_t kNearMissesShown = 5;

// Checks the entries as a run would, then searches. The record is not changed; the result
// does not depend on the thread count. Setting `cancel` stops the search at the next
// combination.
DesignSearch SearchDesigns(const EntryTexts& entries, const DesignRecord& record,
                           const CoreCatalogue& catalogue, const WireTable& wires,
                           const SearchRequest& request, const SearchProgressSink& progress = {},
                           const std::atomic<bool>* cancel = nullptr);

// The export name of a limit: inductance, temperature, steady, saturation, fill, ripple,
// headroom.
const char* SearchLimitName(SearchLimit limit);
SearchLimit SearchLimitAt(std::size_t index);  // 0 to kSearchLimits − 1, in bit order

// Calls visit(name, value) for a candidate's columns in their export order, with their
// export names: the part number and material name as std::string, the stack as int, the
// Pareto mark as bool, every other column as double (NaN where the check has no figure).
template <typename Visitor>
void VisitCandidateColumns(const SearchCandidate& c, Visitor&& visit) {
  visit("core", c.part);
  visit("stack", static_cast<int>(c.stack));
  visit("material", c.materialName);
  visit("permeability", c.permeability);
  visit("turns", c.turns);
  visit("gauge", c.gauge);
  visit("l_at_ipk_percent", c.lAtIpkPercent);
  visit("ripple_at_crest_percent", c.rippleAtCrestPercent);
  visit("core_loss_w", c.coreLossW);
  visit("copper_loss_w", c.copperLossW);
  visit("total_loss_w", c.totalLossW);
  visit("winding_temperature_c", c.windingTemperatureC);
  visit("wound_volume_cm3", c.woundVolumeCm3);
  visit("fill", c.fill);
  visit("pareto", c.pareto);
  visit("strands", c.strands);
}

// Whether miss a is nearer to working than b: fewer limits broken, then the worst of them
// missed by less, relative to its limit; a design that saturates after every other.
bool NearerMiss(const SearchCandidate& a, const SearchCandidate& b);

// Ranks candidates: by the objective, then the other one, then part number, stack, material
// name, turns and gauge; and marks the Pareto front of loss against volume.
void RankCandidates(std::vector<SearchCandidate>& candidates, SearchObjective objective);

}  // namespace pfc
