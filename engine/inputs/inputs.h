#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/catalogue/catalogue.h"
#include "engine/inputs/entries.h"
#include "engine/record/design_record.h"
#include "engine/record/message.h"

// Reading the input form into the design record and checking it, before any arithmetic.
namespace pfc {

// One entry's text as a run reads it, once.
struct EntryReading {
  bool empty = true;        // blanks only
  bool wellFormed = false;  // one plain decimal number
  bool tooLarge = false;    // written as one, but beyond the largest double
  // The leading number (0 without one) in the record's unit; for a count, rounded half to even
  // and pinned to 16 bits, so that a count beyond the range still fails its check instead of
  // wrapping round.
  double value = 0;
};

struct EntryReadings {
  std::array<EntryReading, kEntryCount> readings;
  std::string coreText;   // the chosen core-list entry, trimmed
  bool pickCore = false;  // "Pick From List" ticked

  const EntryReading& operator[](Entry entry) const {
    return readings[static_cast<std::size_t>(entry)];
  }
};

EntryReadings ReadEntries(const EntryTexts& entries);

// Copies the readings into the record. Never fails: a text that is not a number reads as its
// leading number (or 0) here and is rejected by ValidateInputs.
void initValues(const EntryReadings& readings, DesignRecord& record);

struct ValidationResult {
  bool passed = false;
  std::string check;                  // the failed check ("1a" ... "12"); empty when passed
  Message message;                    // the caution shown for the failed check
  std::optional<Entry> focus;         // the entry to receive the focus
  bool emptyStackTakenAsOne = false;  // the stack text was empty and was read as one core
};

// The checks of every entry in table order; the first failure wins. Writes only
// CoresToStack (1 when the stack is empty); reads CalcType for the core pick.
ValidationResult ValidateInputs(const EntryReadings& readings, DesignRecord& record,
                                const CoreCatalogue& catalogue);

}  // namespace pfc
