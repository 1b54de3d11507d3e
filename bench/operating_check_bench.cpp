#include <benchmark/benchmark.h>

#include "bench/bench_tables.h"
#include "engine/check/operating_check.h"
#include "engine/search/explorer.h"

namespace pfc {
namespace {

// The published default design (TD-26, 31 turns, AWG 12).
DesignRecord DefaultDesign() {
  bench::LoadedForm form;
  RunDesign(EntryTexts{}, form.record, form.catalogue, form.wires);
  return form.record;
}

// The whole check of the default design at its default grade: both line voltages, 91 angles each,
// the ripple, peaks, core and copper losses and the temperature iteration.
void BM_CheckDefaultDesign(benchmark::State& state) {
  const DesignRecord record = DefaultDesign();
  const Material grade = DefaultGradeFor(record);
  for (auto _ : state) {
    OperatingCheck check = CheckOperation(record, grade);
    benchmark::DoNotOptimize(check);
  }
}
BENCHMARK(BM_CheckDefaultDesign)->Unit(benchmark::kMicrosecond);

// What Compare Cores adds per design: the low line only.
void BM_CheckLowLineDefault(benchmark::State& state) {
  const DesignRecord record = DefaultDesign();
  const Material grade = DefaultGradeFor(record);
  for (auto _ : state) {
    LineCheck line = CheckLine(record, grade, LineVoltage::Low);
    benchmark::DoNotOptimize(line);
  }
}
BENCHMARK(BM_CheckLowLineDefault)->Unit(benchmark::kMicrosecond);

// The design space of the default operating point with its check columns, as Compare Cores
// computes it when it opens: 279 designs.
void BM_ExploreWithCheckColumns(benchmark::State& state) {
  bench::LoadedForm form;
  const EntryTexts entries;
  for (auto _ : state) {
    Exploration exploration = ExploreDesigns(entries, form.record, form.catalogue, form.wires);
    benchmark::DoNotOptimize(exploration);
  }
}
BENCHMARK(BM_ExploreWithCheckColumns)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pfc

BENCHMARK_MAIN();
