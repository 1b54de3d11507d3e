#include <benchmark/benchmark.h>

#include "engine/check/given_winding.h"
#include "engine/inputs/inputs.h"
#include "engine/method/core_design.h"
#include "engine/method/core_selection.h"
#include "engine/method/design_run.h"
#include "engine/search/explorer.h"

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

// One step of a search over windings: the published default design wound with the next of 21
// turn counts (21 to 41) of AWG 13, refusals checked, every winding field recomputed.
void BM_ApplyWinding(benchmark::State& state) {
  Tables tables;
  RunDesign(EntryTexts{}, tables.record, tables.catalogue, tables.wires);
  double turns = 21;
  for (auto _ : state) {
    const WindingApplied applied =
        ApplyWinding(tables.record, tables.wires, WindingRequest{turns, 13.0});
    benchmark::DoNotOptimize(applied.refusal);
    turns = turns == 41 ? 21 : turns + 1;
  }
}
BENCHMARK(BM_ApplyWinding);

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
