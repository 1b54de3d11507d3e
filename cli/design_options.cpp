#include "cli/design_options.h"

#include "engine/pick_list.h"

namespace pfc {

void AddDesignOptions(CLI::App& command, DesignOptions& options, const CoreCatalogue& catalogue,
                      bool withPick) {
  EntryTexts& e = options.entries;
  command.add_option("--frequency", e.txtFrequency, "Switching frequency")->capture_default_str();
  command.add_option("--frequency-unit", e.cmbfrequency, "Unit of --frequency")
      ->check(CLI::IsMember({"Hz", "kHz"}))
      ->capture_default_str();
  command.add_option("--inductance", e.txtInductance, "Full-load inductance")
      ->capture_default_str();
  command.add_option("--inductance-unit", e.cmbinductance, "Unit of --inductance")
      ->check(CLI::IsMember({"Henry", "millihenry", "microhenry"}))
      ->capture_default_str();
  command.add_option("--output-power", e.txtOutputPower, "Output power")->capture_default_str();
  command.add_option("--output-power-unit", e.cmboutputpower, "Unit of --output-power")
      ->check(CLI::IsMember({"Watts", "Kilo Watts"}))
      ->capture_default_str();
  command.add_option("--efficiency", e.txtEfficiency, "Efficiency in percent, 90 to 100")
      ->capture_default_str();
  command.add_option("--vin-min", e.txtVinMin, "Minimum RMS line voltage; the design line")
      ->capture_default_str();
  command.add_option("--vin-max", e.txtVinMax, "Maximum RMS line voltage (shown only)")
      ->capture_default_str();
  command.add_option("--vout", e.txtVout, "Output voltage, at most 420")->capture_default_str();
  command.add_option("--ambient", e.txtAmbientTemp, "Ambient temperature in °C, at most 75")
      ->capture_default_str();
  command.add_option("--stack", e.txtStack, "Number of identical cores stacked, 1 to 9")
      ->capture_default_str();
  command.add_option("--fill-factor", e.txtFill_Factor, "Window fill factor, above 0 to .9")
      ->capture_default_str();
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
    // The calculator type and pick the entries hold already: the form's default (the
    // calculator selects), or what a design file left.
    record.CalcType = entries.chkPickCore ? DesignerPicks : CalcSelects;
    return entries;
  }
  record.CalcType = DesignerPicks;
  entries.chkPickCore = true;
  entries.txtCoreSize = PickListEntry(catalogue, catalogue.FindPartNo(options.pick));
  return entries;
}

}  // namespace pfc
