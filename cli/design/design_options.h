#pragma once

#include <CLI/CLI.hpp>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/catalogue/catalogue.h"
#include "engine/method/design_run.h"
#include "engine/record/design_record.h"

namespace pfc {

// The input form's entries as command-line options, each defaulting to the form's own text.
struct DesignOptions {
  EntryTexts entries;
  std::string pick;  // part number; empty: the calculator selects
};

// The catalogue row of a part number typed on the command line or in a batch cell, in any
// case ("td-26" is TD-26); 0 when there is none. The form's list offers only catalogue texts,
// so the run itself matches exactly (CoreCatalogue::FindPartNo).
std::int16_t FindPickedPartNo(const CoreCatalogue& catalogue, std::string_view partNo);

// Adds the operating-point options (and --pick when asked) to a command. Unit options accept
// only their list items and --pick only a catalogue part number, in any case; the numeric
// texts are taken as they stand and judged by the run's checks, like the form's.
void AddDesignOptions(CLI::App& command, DesignOptions& options, const CoreCatalogue& catalogue,
                      bool withPick);

// The entries the form would hold, with the pick-list entry of the picked core chosen and
// "Pick From List" ticked when a part is picked (without --pick the entries' own calculator
// type and pick stand); sets the record's calculator type as the form's boxes would.
EntryTexts FormEntries(const DesignOptions& options, const CoreCatalogue& catalogue,
                       DesignRecord& record);

}  // namespace pfc
