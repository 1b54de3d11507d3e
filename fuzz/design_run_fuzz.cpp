// One press of "&Show Results" on arbitrary entry texts, unit texts, calculator type, pick
// text and pick box: the run ends in a published design or a clear message, never with a
// number that is not one; the operating check of a published design, with a grade the input
// chooses, has finite figures or none, each absence explained by its flags; the model of the
// checked winding is a sound table or a refusal.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "engine/check/inductor_model.h"
#include "engine/check/operating_check.h"
#include "engine/check/rolloff_grades.h"
#include "engine/method/design_run.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_tables.h"
#include "fuzz/run_input.h"
#include "fuzz/run_properties.h"
#include "reports/summary/summary_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const pfc::FuzzTables& tables = pfc::LoadedFuzzTables();
  const pfc::FuzzRun run =
      pfc::DecodeFuzzRun(std::string_view(reinterpret_cast<const char*>(data), size));
  pfc::DesignRecord record = pfc::StartingRecord(tables, run);
  const pfc::RunOutcome outcome =
      pfc::RunDesign(run.entries, record, tables.catalogue, tables.wires, run.decimalSeparator);
  const pfc::ResultSummary summary = outcome.ending == pfc::RunEnding::Published
                                         ? pfc::PublishedSummary(record, run.decimalSeparator)
                                         : pfc::ResultSummary{};
  FUZZ_CHECK_NONE(
      pfc::RunOutcomeProblems(outcome, summary, record, tables.catalogue, tables.wires));
  if (outcome.ending == pfc::RunEnding::Published) {
    const auto grades = pfc::RolloffGrades();
    const pfc::RolloffGrade& grade = grades[size % grades.size()];
    const pfc::OperatingCheck check = pfc::CheckOperation(record, grade);
    FUZZ_CHECK_NONE(pfc::OperatingCheckProblems(check, record));
    FUZZ_CHECK_NONE(pfc::InductorModelProblems(pfc::ModelCheckedWinding(record, check), record));
  }
  return 0;
}
