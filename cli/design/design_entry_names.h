#pragma once

#include <CLI/CLI.hpp>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/design/design_options.h"

namespace pfc {

// A long option of `design` that sets an entry of the input form. Batch columns and the
// entries of a design file named with --inputs reach the form through this one list: the
// entries' public names (NamedEntryTexts, engine/inputs/entries.h) and the pick.
struct DesignEntryName {
  const char* name;            // the option's long name without "--"
  const NamedEntryText* text;  // nullptr for "pick": a part number, not an entry text
};

// The name users' scripts know an entry by: its option's long name without "--" ("pick" for
// the core list, which the pick stands for), never its control.
std::string_view PublicEntryName(Entry entry);

// Every option AddDesignOptions adds, in the order of the form.
std::span<const DesignEntryName> DesignEntryNames();

// The entry of that option name; nullptr when there is none.
const DesignEntryName* FindDesignEntryName(std::string_view name);

// Sets the entry as giving the option on the command line would.
void SetDesignEntry(const DesignEntryName& entry, std::string_view text, DesignOptions& options);

// The checks of an entry's option on a command made with AddDesignOptions, so that a text
// from a file is judged as the same text on the command line would be (a unit must be a list
// item, a pick a catalogue part number). Judging is const and safe from several threads.
class EntryOptionChecks {
 public:
  EntryOptionChecks(CLI::App& command, const DesignEntryName& entry);

  // "<name>: <why>" for a text the option refuses; empty when it takes it.
  std::string Refusal(std::string_view text) const;

 private:
  const DesignEntryName* entry_;
  std::vector<const CLI::Validator*> checks_;
};

}  // namespace pfc
