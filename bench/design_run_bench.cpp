// The design engine: one press of "&Show Results", one candidate core, and the allocations of
// a run that steps through many candidates against one that evaluates a single core.
#include <benchmark/benchmark.h>

#include "bench/allocation_counter.h"
#include "bench/bench_tables.h"
#include "engine/method/core_design.h"
#include "engine/method/core_selection.h"
#include "engine/method/design_run.h"

namespace pfc::bench {
namespace {

// Allocations of one call, counted outside the timed loop so that the benchmark library's
// own bookkeeping does not blur them.
template <typename Call>
double AllocationsOf(Call&& call) {
  const std::size_t before = AllocationCount();
  call();
  return static_cast<double>(AllocationCount() - before);
}

// Runs the same entries again and again on one record, as the form does, and reports the
// candidate cores the run evaluates and the heap allocations of one run.
void MeasureRun(benchmark::State& state, const EntryTexts& entries, std::int16_t calcType,
                RunEnding expected) {
  LoadedForm form;
  form.record.CalcType = calcType;
  if (RunDesign(entries, form.record, form.catalogue, form.wires).ending != expected) {
    state.SkipWithError("the entries no longer give the intended ending");
    return;
  }
  DesignRecord probe = form.record;
  ComputeOperatingPoint(probe);
  SelectCore(probe, form.catalogue);
  state.counters["candidates"] = form.record.CoreIndex - probe.CoreIndex + 1;
  state.counters["allocs_per_run"] = AllocationsOf([&] {
    benchmark::DoNotOptimize(RunDesign(entries, form.record, form.catalogue, form.wires));
  });

  for (auto _ : state) {
    RunOutcome outcome = RunDesign(entries, form.record, form.catalogue, form.wires);
    benchmark::DoNotOptimize(outcome);
  }
}

void BM_DefaultRun(benchmark::State& state) {
  MeasureRun(state, EntryTexts{}, CalcSelects, RunEnding::Published);
}
BENCHMARK(BM_DefaultRun);

// 50 W: the scan ends on row 1 and the calculator steps up to row 16.
void BM_RunSteppingThroughSixteenCores(benchmark::State& state) {
  EntryTexts entries;
  entries[Entry::OutputPower] = "50";
  MeasureRun(state, entries, CalcSelects, RunEnding::Published);
}
BENCHMARK(BM_RunSteppingThroughSixteenCores);

// The same design with row 16 picked: one candidate, the same published summary.
void BM_RunOnOnePickedCore(benchmark::State& state) {
  EntryTexts entries = PickedEntries("TD-16 (picked)");
  entries[Entry::OutputPower] = "50";
  MeasureRun(state, entries, DesignerPicks, RunEnding::Published);
}
BENCHMARK(BM_RunOnOnePickedCore);

void BM_EvaluateCore(benchmark::State& state) {
  LoadedForm form;
  RunDesign(EntryTexts{}, form.record, form.catalogue, form.wires);
  LoadCore(form.record, form.catalogue, 26);
  state.counters["allocs_per_core"] =
      AllocationsOf([&] { benchmark::DoNotOptimize(EvaluateCore(form.record, form.wires)); });
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvaluateCore(form.record, form.wires));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_EvaluateCore);

// The refinement loop alone over rows 1 to 16: loading and evaluating candidates allocates
// nothing at all.
void BM_RefineSixteenCandidates(benchmark::State& state) {
  LoadedForm form;
  EntryTexts entries;
  entries[Entry::OutputPower] = "50";
  RunDesign(entries, form.record, form.catalogue, form.wires);
  const auto refine = [&] {
    form.record.CoreIndex = 1;
    benchmark::DoNotOptimize(RefineCore(form.record, form.catalogue, form.wires));
  };
  state.counters["allocs_per_refinement"] = AllocationsOf(refine);
  state.counters["final_row"] = form.record.CoreIndex;
  for (auto _ : state)
    refine();
}
BENCHMARK(BM_RefineSixteenCandidates);

}  // namespace
}  // namespace pfc::bench
