#include "cli/design/design_options.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "engine/inputs/entries.h"
#include "engine/inputs/pick_list.h"

namespace pfc {
namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) ==
           std::toupper(static_cast<unsigned char>(y));
  });
}

}  // namespace

std::int16_t FindPickedPartNo(const CoreCatalogue& catalogue, std::string_view partNo) {
  for (std::int16_t row = 1; row <= catalogue.RowCount(); ++row) {
    if (SameIgnoringCase(catalogue.PartNo[static_cast<std::size_t>(row)], partNo))
      return row;
  }
  return 0;
}

void AddDesignOptions(CLI::App& command, DesignOptions& options, const CoreCatalogue& catalogue,
                      bool withPick) {
  for (const NamedEntryText& named : NamedEntryTexts()) {
    const std::string name = "--" + named.name;
    std::string& text = named.TextIn(options.entries);
    if (!named.unit) {
      command.add_option(name, text, std::string(named.entry->optionHelp))->capture_default_str();
      continue;
    }
    std::vector<std::string> units;
    for (const UnitChoice& unit : named.entry->units)
      units.emplace_back(unit.text);
    command.add_option(name, text, "Unit of --" + std::string(named.entry->option))
        ->check(CLI::IsMember(units))
        ->capture_default_str();
  }
  if (!withPick)
    return;
  const CLI::Validator inCatalogue(
      [&catalogue](std::string& partNo) -> std::string {
        if (FindPickedPartNo(catalogue, partNo) != 0)
          return {};
        return partNo + " is not a part number of the core catalogue (" + catalogue.PartNo[1] +
               " to " + catalogue.PartNo[static_cast<std::size_t>(catalogue.RowCount())] + ")";
      },
      "PARTNO");
  command
      .add_option("--pick", options.pick,
                  "Design on this catalogue core, as if picked from the list; without it "
                  "the calculator selects")
      ->check(inCatalogue);
}

EntryTexts FormEntries(const DesignOptions& options, const CoreCatalogue& catalogue,
                       DesignRecord& record) {
  EntryTexts entries = options.entries;
  if (options.pick.empty()) {
    // The calculator type and pick the entries hold already: the form's default (the
    // calculator selects), or what a design file left.
    record.CalcType = entries.pickCore ? DesignerPicks : CalcSelects;
    return entries;
  }
  record.CalcType = DesignerPicks;
  entries.pickCore = true;
  entries[Entry::CoreSize] = PickListEntry(catalogue, FindPickedPartNo(catalogue, options.pick));
  return entries;
}

}  // namespace pfc
