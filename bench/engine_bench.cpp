#include <benchmark/benchmark.h>

#include "engine/core_design.h"
#include "engine/core_selection.h"
#include "engine/design_run.h"
#include "engine/explorer.h"
#include "engine/inputs.h"

namespace pfc {
namespace {

struct Tables {
  CoreCatalogue catalogue;
  WireTable wires;
  DesignRecord record;

  Tables() {
    DataLoad(wires);
    ArrayData_PFC_Load(catalogue, record);
    record.CalcType = CalcSelects;
  }
};

// One press of "Show Results" on the form's defaults: checks, selection (two candidates) and
// publication; the summary texts are the reports' (report_bench).
void BM_DesignRunDefault(benchmark::State& state) {
  Tables tables;
  const EntryTexts entries;
  for (auto _ : state) {
    RunOutcome outcome = RunDesign(entries, tables.record, tables.catalogue, tables.wires);
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(BM_DesignRunDefault);

// Winding, losses and temperature of one loaded core.
void BM_EvaluateCore(benchmark::State& state) {
  Tables tables;
  initValues(ReadEntries(EntryTexts{}), tables.record);
  ComputeOperatingPoint(tables.record);
  LoadCore(tables.record, tables.catalogue, 26);
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvaluateCore(tables.record, tables.wires));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_EvaluateCore);

// The whole design space of the default operating point: checks, the calculator's own run
// and 31 rows × 9 stacks.
void BM_ExploreDefault(benchmark::State& state) {
  Tables tables;
  const EntryTexts entries;
  for (auto _ : state) {
    Exploration exploration =
        ExploreDesigns(entries, tables.record, tables.catalogue, tables.wires);
    benchmark::DoNotOptimize(exploration);
  }
}
BENCHMARK(BM_ExploreDefault);

}  // namespace
}  // namespace pfc

BENCHMARK_MAIN();
