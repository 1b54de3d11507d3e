#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <sstream>
#include <string>
#include <vector>

#include "bench/bench_tables.h"
#include "cli/batch/batch_rows.h"
#include "cli/batch/batch_run.h"
#include "cli/design/design_options.h"
#include "engine/catalogue/csv_reader.h"
#include "engine/check/design_limits.h"
#include "engine/check/rolloff_grades.h"
#include "engine/record/number_text.h"

namespace pfc {
namespace {

// The rows of the batch figures: 2000 output powers from 200 W, ten line voltages, one to
// three stacked cores and every seventh row on a picked core, so that the calculator climbs
// through candidates, some designs stop and some pick. The same rows as the wall-clock run
// in bench/README.md.
std::string BatchInput(std::int64_t rows) {
  std::string text = "output-power,vin-min,stack,pick\n";
  for (std::int64_t i = 0; i < rows; ++i) {
    text += std::to_string(200 + i % 2000) + "," + std::to_string(85 + (i / 2000) % 10) + "," +
            std::to_string(1 + i % 3) + ",";
    if (i % 7 == 0)
      text += "TD-2" + std::to_string(i % 10);
    text += "\n";
  }
  return text;
}

struct Batch {
  bench::LoadedForm form;
  CLI::App design;
  DesignOptions options;
  std::optional<BatchLayout> layout;

  // With the check: the operating check's columns at the default grade, as batch --check.
  Batch(const std::string& input, bool check) {
    AddDesignOptions(design, options, form.catalogue, true);
    std::istringstream in(input);
    CsvReader reader(in);
    CsvRecord header;
    reader.Next(header);
    std::string refusal;
    layout = BatchLayout::FromHeader(header.fields, design, refusal);
    if (check)
      layout->AddCheckColumns(kDefaultRolloffGrade, DesignLimits{});
  }
  DesignTables tables() const { return {form.catalogue, form.wires, form.record}; }
};

// CPU seconds of the whole process, every thread included.
double ProcessCpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A whole batch from CSV text to output lines in order (counted, not kept), over the given
// number of worker threads, with the check's columns or without: reading, designing,
// checking, formatting and ordering. cpu_us_per_row is the CPU time of all threads per row,
// the figure to scale when the machine is busy.
void BM_Batch(benchmark::State& state) {
  const std::int64_t rows = state.range(0);
  const std::string input = BatchInput(rows);
  Batch batch(input, state.range(2) != 0);
  const DesignTables tables = batch.tables();
  std::uint64_t bytes = 0;
  double cpuSeconds = 0;
  for (auto _ : state) {
    std::istringstream in(input);
    CsvReader reader(in);
    CsvRecord header;
    reader.Next(header);
    const double cpuStart = ProcessCpuSeconds();
    const BatchTotals totals = RunBatchRows(
        reader, *batch.layout, tables,
        [&bytes](std::string_view lines) {
          bytes += lines.size();
          return true;
        },
        nullptr, static_cast<int>(state.range(1)));
    cpuSeconds += ProcessCpuSeconds() - cpuStart;
    if (totals.rows != static_cast<std::uint64_t>(rows))
      state.SkipWithError("rows lost");
  }
  const double allRows = static_cast<double>(state.iterations() * rows);
  state.SetItemsProcessed(state.iterations() * rows);
  state.counters["cpu_us_per_row"] = cpuSeconds * 1e6 / allRows;
  state.counters["output_bytes_per_row"] = static_cast<double>(bytes) / allRows;
}
BENCHMARK(BM_Batch)
    ->ArgNames({"rows", "workers", "check"})
    ->Args({1000000, 2, 0})
    ->Args({100000, 2, 1})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();
BENCHMARK(BM_Batch)
    ->ArgNames({"rows", "workers", "check"})
    ->Args({20000, 2, 0})
    ->Args({20000, 1, 0})
    ->Args({20000, 2, 1})
    ->Args({20000, 1, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The batch rows one after the other on the benchmark's thread, without the pipeline: what
// one row costs a worker, without the check and with it.
void BM_BatchRowsOneThread(benchmark::State& state) {
  const std::string input = BatchInput(20000);
  Batch batch(input, state.range(0) != 0);
  const DesignTables tables = batch.tables();
  std::vector<CsvRecord> rows;
  std::istringstream in(input);
  CsvReader reader(in);
  CsvRecord record;
  reader.Next(record);
  while (reader.Next(record))
    rows.push_back(record);
  std::string out;
  NumberTextCache numbers;
  std::size_t next = 0;
  for (auto _ : state) {
    out.clear();
    batch.layout->AppendRow(rows[next], tables, numbers, out);
    benchmark::DoNotOptimize(out.data());
    next = next + 1 == rows.size() ? 0 : next + 1;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BatchRowsOneThread)->ArgName("check")->Arg(0)->Arg(1);

// The yardstick: the default design run that engine_bench times too (1.13 µs on the quiet
// reference machine of bench/README.md). Its ratio to that figure tells how much busier the
// machine is than the reference, to scale the batch figures by.
void BM_DefaultRunYardstick(benchmark::State& state) {
  bench::LoadedForm form;
  const EntryTexts entries;
  for (auto _ : state) {
    RunOutcome outcome = RunDesign(entries, form.record, form.catalogue, form.wires);
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(BM_DefaultRunYardstick);

// One number in the shortest form that reads back the same, as every record column is.
void BM_FormatShortest(benchmark::State& state) {
  double value = 101.85260120411928;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatShortest(value));
    value += 1.0e-9;
  }
}
BENCHMARK(BM_FormatShortest);

}  // namespace
}  // namespace pfc

BENCHMARK_MAIN();
