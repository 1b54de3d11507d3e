// The report and the listing of whatever design an arbitrary run publishes: a one-line
// Windows-1252 document with its print hook once, and 38 listing lines, all without a number
// that is not one.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/method/design_run.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_tables.h"
#include "fuzz/run_input.h"
#include "fuzz/run_properties.h"
#include "reports/summary/listing.h"
#include "reports/summary/report_writer.h"
#include "reports/summary/summary_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const pfc::FuzzTables& tables = pfc::LoadedFuzzTables();
  const pfc::FuzzRun run =
      pfc::DecodeFuzzRun(std::string_view(reinterpret_cast<const char*>(data), size));
  pfc::DesignRecord record = pfc::StartingRecord(tables, run);
  const pfc::RunOutcome outcome =
      pfc::RunDesign(run.entries, record, tables.catalogue, tables.wires, run.decimalSeparator);
  if (outcome.ending != pfc::RunEnding::Published)
    return 0;

  // The report copies what the summary window shows.
  const pfc::ResultSummary summary = pfc::PublishedSummary(record, run.decimalSeparator);
  const pfc::ReportImages images{"file:///opt/pfc/toridyne_logo.gif",
                                 "file:///opt/pfc/gapcore.gif"};
  const std::string report = pfc::ReportBytes(summary, record, images);
  FUZZ_CHECK_NONE(pfc::ReportProblems(report, summary));
  FUZZ_CHECK_NONE(pfc::ListingProblems(pfc::BuildListing(record, run.decimalSeparator), record));
  return 0;
}
