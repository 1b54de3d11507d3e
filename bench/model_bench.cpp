#include <benchmark/benchmark.h>

#include <sstream>

#include "bench/bench_tables.h"
#include "cli/pfc_core_app.h"
#include "engine/check/inductor_model.h"
#include "engine/check/operating_check.h"
#include "reports/check/inductor_model_text.h"

namespace pfc {
namespace {

// The default design's checked winding tabulated and written in one format: what the
// desktop's "Export Model…" computes once it has the check.
void BM_ModelOfCheckedDesign(benchmark::State& state) {
  bench::LoadedForm form;
  RunDesign(EntryTexts{}, form.record, form.catalogue, form.wires);
  const OperatingCheck check =
      CheckOperation(form.record, GradeMaterialFor(form.record, kDefaultRolloffGrade));
  const auto format = static_cast<ModelFormat>(state.range(0));
  std::size_t bytes = 0;
  for (auto _ : state) {
    const InductorModel model = ModelCheckedWinding(form.record, check);
    const std::string text = ModelFileText(form.record, model, format, "L1");
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetLabel(ModelFormatOf(format).name);
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ModelOfCheckedDesign)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// `pfc-core model` of the default design, in-process: tables loaded, the options parsed,
// the design run and checked, the model tabulated and written.
void BM_ModelCommand(benchmark::State& state) {
  const char* const argv[] = {"pfc-core", "model", "--format", "ngspice"};
  for (auto _ : state) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunPfcCore(4, argv, in, out, err);
    benchmark::DoNotOptimize(status);
  }
}
BENCHMARK(BM_ModelCommand)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pfc

BENCHMARK_MAIN();
