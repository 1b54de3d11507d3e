#include "engine/search/design_search.h"

#include <algorithm>
#include <mutex>
#include <thread>

#include "engine/method/calculator_run.h"
#include "engine/method/core_design.h"
#include "engine/method/core_selection.h"
#include "engine/search/combination_search.h"

namespace pfc {
namespace {

struct Combination {
  std::int16_t row = 0;
  std::int16_t stack = 0;
  std::size_t material = 0;
};

std::vector<Combination> Combinations(const CoreCatalogue& catalogue,
                                      const SearchRequest& request) {
  std::vector<Combination> all;
  for (std::int16_t row = 1; row <= catalogue.RowCount(); ++row) {
    for (std::int16_t stack = request.firstStack; stack <= request.lastStack; ++stack) {
      for (std::size_t m = 0; m < request.materials.size(); ++m)
        all.push_back({row, stack, m});
    }
  }
  return all;
}

// Runs the input checks; on success the record holds the operating point.
bool PrepareOperatingPoint(const EntryTexts& entries, DesignRecord& record,
                           const CoreCatalogue& catalogue, const WireTable& wires,
                           DesignSearch& search) {
  const CalculatorRun calculator = RunCalculator(entries, record, catalogue, wires);
  if (calculator.Rejected()) {
    TakeRejection(calculator.outcome, search);
    return false;
  }
  record = CalculatorOperatingPoint(entries, record, catalogue);
  return true;
}

// Hands out the combinations to the workers and keeps each one's outcome in its place, so
// that the merged result does not depend on which thread searched what.
class SearchWork {
 public:
  SearchWork(const DesignRecord& record, const CombinationContext& context,
             const SearchRequest& request, std::vector<Combination> combinations,
             const SearchProgressSink& progress, const std::atomic<bool>* cancel)
      : record_(record),
        context_(context),
        request_(request),
        combinations_(std::move(combinations)),
        outcomes_(combinations_.size()),
        progress_(progress),
        cancel_(cancel) {}

  void Work() {
    DesignRecord scratch = record_;
    for (;;) {
      if (cancel_ != nullptr && cancel_->load(std::memory_order_relaxed))
        return;
      const std::size_t i = next_.fetch_add(1);
      if (i >= combinations_.size())
        return;
      const Combination& c = combinations_[i];
      outcomes_[i] = SearchCombination(scratch, context_, c.row, c.stack,
                                       request_.materials[c.material], c.material);
      Report(*outcomes_[i]);
    }
  }

  const std::vector<std::optional<CombinationOutcome>>& Outcomes() const { return outcomes_; }

 private:
  void Report(const CombinationOutcome& outcome) {
    const std::lock_guard<std::mutex> lock(reporting_);
    ++done_;
    if (progress_)
      progress_(SearchProgress{done_, combinations_.size(), outcome.feasible});
  }

  const DesignRecord& record_;
  const CombinationContext& context_;
  const SearchRequest& request_;
  const std::vector<Combination> combinations_;
  std::vector<std::optional<CombinationOutcome>> outcomes_;
  const SearchProgressSink& progress_;
  const std::atomic<bool>* cancel_;
  std::atomic<std::size_t> next_{0};
  std::mutex reporting_;
  std::size_t done_ = 0;
};

void RunWorkers(SearchWork& work, int threads) {
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads; ++t)
    helpers.emplace_back([&work] { work.Work(); });
  work.Work();
  for (std::thread& helper : helpers)
    helper.join();
}

// Nearest first; among equally near, in the ranking's order.
void KeepNearestMisses(std::vector<SearchCandidate>& misses, SearchObjective objective) {
  RankCandidates(misses, objective);
  std::stable_sort(misses.begin(), misses.end(), NearerMiss);
  if (misses.size() > kNearMissesShown)
    misses.resize(kNearMissesShown);
  for (SearchCandidate& miss : misses)
    miss.pareto = false;
}

}  // namespace

DesignSearch SearchDesigns(const EntryTexts& entries, const DesignRecord& record,
                           const CoreCatalogue& catalogue, const WireTable& wires,
                           const SearchRequest& request, const SearchProgressSink& progress,
                           const std::atomic<bool>* cancel) {
  DesignSearch search;
  DesignRecord operatingPoint = record;
  if (!PrepareOperatingPoint(entries, operatingPoint, catalogue, wires, search))
    return search;
  std::int16_t methodWire = SelectWire(operatingPoint.IinRms / 500, wires);
  if (methodWire == 0)
    methodWire = wires.RowCount();  // as the method winds a current below the thinnest wire's
  const CombinationContext context{catalogue, wires, request.limits, methodWire,
                                   SearchedWires(wires, methodWire)};
  std::vector<Combination> combinations = Combinations(catalogue, request);
  search.total = combinations.size();
  SearchWork work(operatingPoint, context, request, std::move(combinations), progress, cancel);
  RunWorkers(work, std::max(1, request.threads));

  std::vector<SearchCandidate> misses;
  for (const std::optional<CombinationOutcome>& outcome : work.Outcomes()) {
    if (!outcome) {
      search.cancelled = true;
      continue;
    }
    ++search.combinations;
    search.checked += outcome->checked;
    search.feasible.insert(search.feasible.end(), outcome->feasible.begin(),
                           outcome->feasible.end());
    if (outcome->nearestMiss)
      misses.push_back(*outcome->nearestMiss);
  }
  RankCandidates(search.feasible, request.objective);
  if (search.feasible.empty()) {
    KeepNearestMisses(misses, request.objective);
    search.nearMisses = std::move(misses);
  }
  return search;
}

const char* SearchLimitName(SearchLimit limit) {
  switch (limit) {
    case SearchLimit::Inductance:
      return "inductance";
    case SearchLimit::Temperature:
      return "temperature";
    case SearchLimit::Steady:
      return "steady";
    case SearchLimit::Saturation:
      return "saturation";
    case SearchLimit::Fill:
      return "fill";
    case SearchLimit::Ripple:
      return "ripple";
    case SearchLimit::Headroom:
      return "headroom";
  }
  return "";
}

SearchLimit SearchLimitAt(std::size_t index) {
  return static_cast<SearchLimit>(1u << index);
}

}  // namespace pfc
