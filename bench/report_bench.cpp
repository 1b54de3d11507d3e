// The outputs of a published design: the report document, its Windows-1252 bytes, the file
// written into a temporary folder, and the 38-line listing.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include <unistd.h>

#include "bench/allocation_counter.h"
#include "bench/bench_tables.h"
#include "reports/summary/listing.h"
#include "reports/summary/report_document.h"
#include "reports/summary/report_writer.h"
#include "reports/summary/summary_texts.h"

namespace pfc::bench {
namespace {

// The default design, published and echoed, as "&View Report" finds it.
struct PublishedDefault {
  LoadedForm form;
  ResultSummary summary;
  ReportImages images{"file:///opt/pfc/bin/toridyne_logo.gif", "file:///opt/pfc/bin/gapcore.gif"};

  PublishedDefault() {
    RunDesign(EntryTexts{}, form.record, form.catalogue, form.wires);
    summary = PublishedSummary(form.record);
  }
};

// Allocations of one call, counted outside the timed loop.
template <typename Call>
double AllocationsOf(Call&& call) {
  const std::size_t before = AllocationCount();
  call();
  return static_cast<double>(AllocationCount() - before);
}

void BM_BuildReportDocument(benchmark::State& state) {
  const PublishedDefault design;
  const ReportContact contact = SupportContact();
  const auto build = [&] {
    std::string document =
        BuildReportDocument(design.summary, design.form.record, design.images, contact);
    benchmark::DoNotOptimize(document);
  };
  state.counters["allocs_per_op"] = AllocationsOf(build);
  for (auto _ : state)
    build();
}
BENCHMARK(BM_BuildReportDocument);

// The document and its conversion to the file's character set.
void BM_ReportBytes(benchmark::State& state) {
  const PublishedDefault design;
  for (auto _ : state) {
    std::string bytes = ReportBytes(design.summary, design.form.record, design.images);
    benchmark::DoNotOptimize(bytes);
  }
  state.SetBytesProcessed(
      static_cast<std::int64_t>(state.iterations()) *
      static_cast<std::int64_t>(
          ReportBytes(design.summary, design.form.record, design.images).size()));
}
BENCHMARK(BM_ReportBytes);

// "&View Report" without the viewer: images looked up beside the program, the file replaced
// in a private temporary folder (written, flushed and renamed into place).
void BM_WriteReport(benchmark::State& state) {
  PublishedDefault design;
  std::error_code error;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("pfc-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder, error);
  ReportSurroundings surroundings;
  surroundings.environment = [folder](const std::string& name) -> std::optional<std::string> {
    if (name == "TEMP")
      return folder.string();
    return std::nullopt;
  };
  std::string tempFolder;
  for (auto _ : state) {
    const FileWriteResult result =
        WriteReport(design.summary, design.form.record, tempFolder, surroundings);
    if (!result.written) {
      state.SkipWithError(result.Message().c_str());
      break;
    }
  }
  std::filesystem::remove_all(folder, error);
}
BENCHMARK(BM_WriteReport)->Unit(benchmark::kMicrosecond);

void BM_BuildListing(benchmark::State& state) {
  const PublishedDefault design;
  const auto build = [&] {
    auto lines = BuildListing(design.form.record);
    benchmark::DoNotOptimize(lines);
  };
  state.counters["allocs_per_op"] = AllocationsOf(build);
  for (auto _ : state)
    build();
}
BENCHMARK(BM_BuildListing);

}  // namespace
}  // namespace pfc::bench
