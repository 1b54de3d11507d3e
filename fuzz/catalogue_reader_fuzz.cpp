// The catalogue file reader on arbitrary bytes: a file is refused with a message naming it,
// or read into a catalogue the core selection can walk, which writes out and reads back to
// itself and on which the whole design space is explored without a fault.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "engine/catalogue/catalogue_file.h"
#include "engine/method/design_run.h"
#include "engine/search/explorer.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_tables.h"
#include "reports/files/catalogue_csv.h"

namespace {

constexpr const char* kName = "fuzz.csv";
// Exploring is nine designs a core; beyond this many cores it adds time, not coverage.
constexpr int kCoresExplored = 40;

void CheckCatalogue(const pfc::CoreCatalogue& c) {
  const std::int16_t rows = c.RowCount();
  FUZZ_CHECK(rows >= 1 && rows <= pfc::kCatalogueMaxRows);
  std::set<std::string> partNumbers;
  for (std::size_t i = 1; i <= static_cast<std::size_t>(rows); ++i) {
    FUZZ_CHECK(!c.PartNo[i].empty());
    FUZZ_CHECK(c.PartNo[i].find_first_of(" \t\r\n") == std::string::npos);
    FUZZ_CHECK(partNumbers.insert(c.PartNo[i]).second);
    FUZZ_CHECK(c.FindPartNo(c.PartNo[i]) == static_cast<std::int16_t>(i));
    for (const pfc::CatalogueColumn& column : pfc::CatalogueColumns()) {
      if (column.numbers == nullptr)
        continue;
      const std::vector<double>& numbers = c.*column.numbers;
      FUZZ_CHECK(numbers.size() == c.PartNo.size());
      FUZZ_CHECK(numbers[i] >= pfc::kCatalogueSmallestNumber &&
                 numbers[i] <= pfc::kCatalogueLargestNumber);
    }
    FUZZ_CHECK(c.ID[i] < c.OD[i]);
    FUZZ_CHECK(i == 1 || c.WaAc[i] >= c.WaAc[i - 1]);
  }
}

void CheckRoundTrip(const pfc::CoreCatalogue& c) {
  const std::string written = pfc::CatalogueCsv(c);
  const pfc::CatalogueRead again = pfc::CatalogueFromText(written, kName);
  FUZZ_CHECK(again.read);
  FUZZ_CHECK(again.catalogue.PartNo == c.PartNo);
  for (const pfc::CatalogueColumn& column : pfc::CatalogueColumns()) {
    if (column.numbers != nullptr)
      FUZZ_CHECK(again.catalogue.*column.numbers == c.*column.numbers);
  }
  FUZZ_CHECK(pfc::CatalogueCsv(again.catalogue) == written);
}

// The form's default entries, the calculator selecting and then picking the last core.
void CheckDesigns(const pfc::CoreCatalogue& c) {
  const pfc::FuzzTables& tables = pfc::LoadedFuzzTables();
  pfc::DesignRecord record = tables.loadedRecord;
  const pfc::Exploration exploration =
      pfc::ExploreDesigns(pfc::EntryTexts{}, record, c, tables.wires);
  // Cores far out of scale overflow the method's arithmetic, which its checks then refuse.
  FUZZ_CHECK(exploration.designs.size() ==
             (exploration.rejected ? 0 : static_cast<std::size_t>(c.RowCount()) * 9));
  record = tables.loadedRecord;
  pfc::RunDesign(pfc::EntryTexts{}, record, c, tables.wires);
  pfc::EntryTexts pick;
  pick.pickCore = true;
  pick[pfc::Entry::CoreSize] = c.PartNo.back() + " (picked)";
  record = tables.loadedRecord;
  record.CalcType = pfc::DesignerPicks;
  const pfc::RunOutcome picked = pfc::RunDesign(pick, record, c, tables.wires);
  FUZZ_CHECK(record.CoreIndex == c.RowCount() || picked.ending != pfc::RunEnding::Published);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const pfc::CatalogueRead read = pfc::CatalogueFromText(bytes, kName);
  if (!read.read) {
    FUZZ_CHECK(read.problem.rfind(kName, 0) == 0);
    FUZZ_CHECK(read.catalogue.PartNo.empty());
    return 0;
  }
  FUZZ_CHECK(read.problem.empty());
  CheckCatalogue(read.catalogue);
  CheckRoundTrip(read.catalogue);
  if (read.catalogue.RowCount() <= kCoresExplored)
    CheckDesigns(read.catalogue);
  return 0;
}
