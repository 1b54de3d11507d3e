#include "cli/design_options.h"

#include <algorithm>
#include <vector>

#include "engine/pick_list.h"

namespace pfc {

namespace {

// The entries with an option, in the order the form's Tab key visits them.
std::vector<const EntryDescription*> OptionEntries() {
  std::vector<const EntryDescription*> entries;
  for (const EntryDescription& entry : Entries()) {
    if (!entry.option.empty())
      entries.push_back(&entry);
  }
  std::sort(entries.begin(), entries.end(),
            [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
  return entries;
}

}  // namespace

void AddDesignOptions(CLI::App& command, DesignOptions& options, const CoreCatalogue& catalogue,
                      bool withPick) {
  for (const EntryDescription* entry : OptionEntries()) {
    const std::string name = "--" + std::string(entry->option);
    command.add_option(name, options.entries.*entry->text, std::string(entry->optionHelp))
        ->capture_default_str();
    if (entry->unitText == nullptr)
      continue;
    std::vector<std::string> units;
    for (const UnitChoice& unit : entry->units)
      units.emplace_back(unit.text);
    command.add_option(name + "-unit", options.entries.*entry->unitText, "Unit of " + name)
        ->check(CLI::IsMember(units))
        ->capture_default_str();
  }
  if (!withPick)
    return;
  const CLI::Validator inCatalogue(
      [&catalogue](std::string& partNo) -> std::string {
        if (catalogue.FindPartNo(partNo) != 0)
          return {};
        return partNo + " is not a Toridyne part number (" + catalogue.PartNo[1] + " to " +
               catalogue.PartNo[static_cast<std::size_t>(catalogue.RowCount())] + ")";
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
    record.CalcType = CalcSelects;
    entries.chkPickCore = false;
    entries.txtCoreSize.clear();
    return entries;
  }
  record.CalcType = DesignerPicks;
  entries.chkPickCore = true;
  entries.txtCoreSize = PickListEntry(catalogue, catalogue.FindPartNo(options.pick));
  return entries;
}

}  // namespace pfc
