#pragma once

#include "engine/catalogue/catalogue.h"
#include "engine/inputs/entries.h"
#include "engine/method/design_run.h"
#include "engine/record/design_record.h"

// The calculator's own run: what the method chooses for the entries when nobody picks a
// core. The explorer, the search and the windows that open them judge the entries by it.
namespace pfc {

// The entries as the calculator reads them: no pick.
EntryTexts CalculatorEntries(const EntryTexts& entries);

struct CalculatorRun {
  RunOutcome outcome;
  DesignRecord record;  // the run's copy of the record: its core and stack when published
  bool Rejected() const { return outcome.ending == RunEnding::Rejected; }
};

// Runs the calculator on a copy of the record; the record itself is not touched.
CalculatorRun RunCalculator(const EntryTexts& entries, const DesignRecord& record,
                            const CoreCatalogue& catalogue, const WireTable& wires,
                            char decimalSeparator = '.');

// The record at the entries' operating point, before any core: the ground every core of a
// sweep is evaluated on. Only for entries the calculator's run did not reject.
DesignRecord CalculatorOperatingPoint(const EntryTexts& entries, const DesignRecord& record,
                                      const CoreCatalogue& catalogue);

// A result that tells of entries refused carries the check, the caution and the entry of a
// rejected run.
template <typename Result>
void TakeRejection(const RunOutcome& outcome, Result& result) {
  result.rejected = true;
  result.check = outcome.check;
  result.message = outcome.messages.front();
  result.focus = outcome.focus;
}

}  // namespace pfc
