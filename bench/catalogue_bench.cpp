// Loading a core catalogue of the largest size a file may hold: the checks of every row,
// and the whole of --cores FILE with the file read and hashed.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/catalogue/catalogue_file.h"
#include "reports/files/catalogue_csv.h"

namespace {

// Rows of realistic width, every number in shortest form with several digits.
std::string LargestCatalogue() {
  pfc::CoreCatalogue catalogue;
  catalogue.PartNo.assign(1, "");
  for (const pfc::CatalogueColumn& column : pfc::CatalogueColumns()) {
    if (column.numbers != nullptr)
      (catalogue.*column.numbers).assign(1, 0.0);
  }
  for (int row = 1; row <= pfc::kCatalogueMaxRows; ++row) {
    const double scale = 1 + row / 97.0;
    catalogue.PartNo.push_back("VENDOR-" + std::to_string(100000 + row));
    catalogue.OD.push_back(13.23 * scale);
    catalogue.ID.push_back(7.46 * scale);
    catalogue.HT.push_back(6.12 * scale);
    catalogue.Mass.push_back(1.834 * scale * scale * scale);
    catalogue.Lm.push_back(3.14 * scale);
    catalogue.Ac.push_back(0.08 * scale * scale);
    catalogue.Al.push_back(32 * scale);
    catalogue.Wa.push_back(0.44 * scale * scale);
    catalogue.WaAc.push_back(0.0352 * scale * scale * scale * scale);
  }
  return pfc::CatalogueCsv(catalogue);
}

void BM_CatalogueFromText(benchmark::State& state) {
  const std::string text = LargestCatalogue();
  for (auto _ : state) {
    pfc::CatalogueRead read = pfc::CatalogueFromText(text, "cores.csv");
    if (!read.read)
      state.SkipWithError(read.problem.c_str());
    benchmark::DoNotOptimize(read);
  }
  state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(BM_CatalogueFromText)->Unit(benchmark::kMillisecond);

void BM_ReadCatalogueFile(benchmark::State& state) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("pfc-catalogue-bench-" + std::to_string(getpid()) + ".csv");
  std::ofstream(path, std::ios::binary) << LargestCatalogue();
  for (auto _ : state) {
    pfc::CatalogueRead read = pfc::ReadCatalogueFile(path.string());
    if (!read.read)
      state.SkipWithError(read.problem.c_str());
    benchmark::DoNotOptimize(read);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_ReadCatalogueFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
