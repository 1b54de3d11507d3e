#include "ui/forms/session/input_entries.h"

#include "ui/forms/session/form_names.h"
#include "ui/forms/session/shared_controls.h"

namespace pfc::ui {

EntryTexts ReadInputEntries(Toolkit& toolkit) {
  EntryTexts entries;
  for (const EntryDescription& entry : Entries()) {
    entries[entry.entry] = entry.kind == EntryKind::CorePick
                               ? toolkit.ChosenText(kInputForm, entry.control)
                               : toolkit.Text(kInputForm, entry.control);
    if (entry.HasUnitList()) {
      entries.Unit(entry.entry) = toolkit.ChosenText(kInputForm, entry.unitControl);
    }
  }
  entries.pickCore = toolkit.IsTicked(kInputForm, input_controls::kChkPickCore);
  return entries;
}

std::string ComputedForText(const EntryTexts& e) {
  return "Designs for: " + e[Entry::Frequency] + " " + e.Unit(Entry::Frequency) + ", " +
         e[Entry::Inductance] + " " + e.Unit(Entry::Inductance) + ", " + e[Entry::OutputPower] +
         " " + e.Unit(Entry::OutputPower) + ", efficiency " + e[Entry::Efficiency] +
         " %, Vin Min " + e[Entry::VinMin] + " Volts, Vin Max " + e[Entry::VinMax] +
         " Volts, Vout " + e[Entry::Vout] + " Volts, ambient " + e[Entry::AmbientTemp] +
         " °C, fill factor " + e[Entry::FillFactor] + ", cores to stack " + e[Entry::Stack] + ".";
}

}  // namespace pfc::ui
