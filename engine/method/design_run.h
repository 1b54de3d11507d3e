#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/catalogue/catalogue.h"
#include "engine/inputs/entries.h"
#include "engine/record/design_record.h"
#include "engine/record/message.h"

namespace pfc {

enum class RunEnding {
  Published,      // the summary is shown (warnings may have been shown first)
  Rejected,       // an input check failed
  AreaProduct,    // the requirement exceeds the stacked largest core
  Vpeak,          // the output voltage is below the line peak
  FieldStrength,  // HMax above 115 Oe after the refinement loop
  UnknownCore,    // the picked part number matches no catalogue row
};

// What one press of "&Show Results" found, as facts: the window layer, the command line and
// the tests each decide what to make of them.
struct RunOutcome {
  RunEnding ending = RunEnding::Rejected;
  std::string check;              // which check ended the run ("1a" ... "12", or the ending)
  std::vector<Message> messages;  // in the order they are shown
  std::optional<Entry> focus;     // the entry to receive the focus
  // The entries passed their checks and the method ran on them; a design it cannot
  // calculate is still refused afterwards (ending Rejected).
  bool entriesPassedChecks = false;
  bool emptyStackTakenAsOne = false;  // the stack text was empty and was read as one core
};

}  // namespace pfc

namespace pfc {

// A stable lower-case name of the ending ("published", "area-product", ...), for exports
// and diagnostics.
const char* RunEndingName(RunEnding ending);

// One press of "&Show Results": reads and checks the entries, designs, and decides how the
// run ends. Writes the record as it goes (a run that stops keeps the fields it did not reach
// at their previous values), and a published design's numbers are the record's. Touches no
// window. Numbers in messages are written with the given decimal separator.
RunOutcome RunDesign(const EntryTexts& entries, DesignRecord& record,
                     const CoreCatalogue& catalogue, const WireTable& wires,
                     char decimalSeparator = '.');

}  // namespace pfc
