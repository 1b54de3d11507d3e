#pragma once

#include <string>

#include "engine/catalogue.h"
#include "engine/design_record.h"
#include "engine/design_run.h"
#include "engine/result_summary.h"

// Reading the input form into the design record and checking it, before any arithmetic.
namespace pfc {

// Copies the entry texts into the record, converting units; resets the total-temperature
// emphasis of the summary. Never fails: a text that is not a number reads as its leading
// number (or 0) here and is rejected by ValidateInputs.
void initValues(const EntryTexts& entries, DesignRecord& record, ResultSummary& summary);

struct ValidationResult {
  bool passed = false;
  std::string check;               // the failed check ("1a" ... "12"); empty when passed
  Message message;                 // the caution shown for the failed check
  std::string focus;               // control to receive the focus
  bool stackTextSetToOne = false;  // txtStack was empty: its text becomes "1"
};

// The checks in their fixed order; the first failure wins. Reads the record values that
// initValues wrote; writes only CoresToStack (1 when txtStack is empty).
ValidationResult ValidateInputs(const EntryTexts& entries, DesignRecord& record,
                                const CoreCatalogue& catalogue);

}  // namespace pfc
