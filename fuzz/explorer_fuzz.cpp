// Compare Cores on arbitrary entries: either the entries are refused as a run would refuse
// them, or every catalogue core with every stack count is described, each exactly as a
// designer's pick of that core and stack computes it.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/method/design_run.h"
#include "engine/search/explorer.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_tables.h"
#include "fuzz/run_input.h"
#include "fuzz/run_properties.h"
#include "reports/summary/summary_texts.h"

namespace {

// The same double, bit for bit (two NaNs count as the same: no value exists for either).
bool Same(double a, double b) {
  if (std::isnan(a) && std::isnan(b))
    return true;
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// The designer picks the explored design's core with its stack count on the same entries.
void CheckAgainstAPick(const pfc::ExploredDesign& design, const pfc::FuzzRun& run,
                       const pfc::FuzzTables& tables) {
  pfc::EntryTexts entries = run.entries;
  entries.pickCore = true;
  entries[pfc::Entry::CoreSize] = design.SelectedCoreSize + " (picked)";
  entries[pfc::Entry::Stack] = std::to_string(design.CoresToStack);
  pfc::DesignRecord record = pfc::StartingRecord(tables, run);
  record.CalcType = pfc::DesignerPicks;
  const pfc::RunOutcome outcome = pfc::RunDesign(entries, record, tables.catalogue, tables.wires);
  // The entries passed the checks for the calculator; a pick of a listed core passes them too.
  FUZZ_CHECK(outcome.entriesPassedChecks);
  FUZZ_CHECK(record.CoreIndex == design.CoreIndex);
  FUZZ_CHECK(Same(record.Turns, design.Turns));
  FUZZ_CHECK(Same(record.WireGauge, design.WireGauge));
  FUZZ_CHECK(Same(record.HMax, design.HMax));
  FUZZ_CHECK(Same(record.ActualFillFactor, design.ActualFillFactor));
  FUZZ_CHECK(Same(record.CopperLoss, design.CopperLoss));
  FUZZ_CHECK(design.PassesVpeak == (outcome.ending != pfc::RunEnding::Vpeak));
  if (design.PassesVpeak) {
    FUZZ_CHECK(Same(record.CoreLoss, design.CoreLoss));
    FUZZ_CHECK(Same(record.TotalLoss, design.TotalLoss));
    FUZZ_CHECK(Same(record.TempRise, design.TempRise));
  } else {
    FUZZ_CHECK(std::isnan(design.CoreLoss) && std::isnan(design.TempRise));
  }
  if (outcome.ending == pfc::RunEnding::Published) {
    FUZZ_CHECK(design.PassesFieldStrength);
    FUZZ_CHECK(design.PassesTemperature ==
               (pfc::PublishedSummary(record).txtTotalTemp != " > 155°C"));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const pfc::FuzzTables& tables = pfc::LoadedFuzzTables();
  const pfc::FuzzRun run =
      pfc::DecodeFuzzRun(std::string_view(reinterpret_cast<const char*>(data), size));
  const pfc::DesignRecord record = pfc::StartingRecord(tables, run);
  const pfc::Exploration exploration =
      pfc::ExploreDesigns(run.entries, record, tables.catalogue, tables.wires);

  if (exploration.rejected) {
    FUZZ_CHECK(exploration.designs.empty());
    FUZZ_CHECK(!exploration.message.text.empty());
    FUZZ_CHECK(exploration.focus.has_value());
    return 0;
  }
  const std::int16_t rows = tables.catalogue.RowCount();
  FUZZ_CHECK(exploration.designs.size() == static_cast<std::size_t>(rows) * pfc::kMostCoresToStack);
  int choices = 0;
  for (std::size_t i = 0; i < exploration.designs.size(); ++i) {
    const pfc::ExploredDesign& d = exploration.designs[i];
    FUZZ_CHECK(d.CoreIndex == static_cast<std::int16_t>(i / pfc::kMostCoresToStack + 1));
    FUZZ_CHECK(d.CoresToStack == static_cast<std::int16_t>(i % pfc::kMostCoresToStack + 1));
    FUZZ_CHECK(d.SelectedCoreSize ==
               tables.catalogue.PartNo[static_cast<std::size_t>(d.CoreIndex)]);
    FUZZ_CHECK(d.Turns >= 1 && d.Turns <= 32000 && std::floor(d.Turns) == d.Turns);
    FUZZ_CHECK(!d.PassesAll() || (std::isfinite(d.TotalTemp) && d.TotalTemp < 155));
    if (d.CalculatorChoice)
      ++choices;
  }
  FUZZ_CHECK(choices == (exploration.calculatorEnding == pfc::RunEnding::Published ? 1 : 0));

  // Three designs against a pick of the same core and stack: the first, the last, and one
  // the input chooses.
  std::size_t chosen = 0;
  for (std::size_t i = 0; i < size; ++i)
    chosen = chosen * 31 + data[i];
  for (const std::size_t i :
       {std::size_t{0}, exploration.designs.size() - 1, chosen % exploration.designs.size()}) {
    CheckAgainstAPick(exploration.designs[i], run, tables);
  }
  return 0;
}
