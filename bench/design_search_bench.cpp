#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>

#include "bench/bench_tables.h"
#include "engine/check/rolloff_grades.h"
#include "engine/search/design_search.h"

namespace pfc {
namespace {

SearchRequest EveryGrade(int threads) {
  SearchRequest request;
  for (const RolloffGrade& grade : RolloffGrades())
    request.materials.emplace_back(grade);
  request.threads = threads;
  return request;
}

// The whole search at the default operating point: 31 cores, stacks 1 to 9, nine grades.
void BM_SearchDefault(benchmark::State& state) {
  bench::LoadedForm form;
  const SearchRequest request = EveryGrade(static_cast<int>(state.range(0)));
  std::size_t feasible = 0;
  std::size_t checked = 0;
  for (auto _ : state) {
    const DesignSearch search =
        SearchDesigns(EntryTexts{}, form.record, form.catalogue, form.wires, request);
    feasible = search.feasible.size();
    checked = search.checked;
  }
  state.counters["feasible"] = static_cast<double>(feasible);
  state.counters["checked"] = static_cast<double>(checked);
}
BENCHMARK(BM_SearchDefault)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// The window's wait: from the start to the first combination that reports a feasible design,
// after which the search is cancelled.
void BM_FirstFeasibleDefault(benchmark::State& state) {
  bench::LoadedForm form;
  const SearchRequest request = EveryGrade(2);
  for (auto _ : state) {
    std::atomic<bool> cancel{false};
    const auto progress = [&cancel](const SearchProgress& p) {
      if (!p.found.empty())
        cancel = true;
    };
    const DesignSearch search = SearchDesigns(EntryTexts{}, form.record, form.catalogue, form.wires,
                                              request, progress, &cancel);
    benchmark::DoNotOptimize(search.feasible.size());
  }
}
BENCHMARK(BM_FirstFeasibleDefault)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace pfc

BENCHMARK_MAIN();
